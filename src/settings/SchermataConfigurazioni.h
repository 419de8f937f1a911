// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's settings screen: whose profile it is above five tabs (the user, the teaching choices, fonts and
// colours, voice and sounds, the input mode), each its own widget. Every control writes its setting into the current
// profile at once; the profile file is written on leaving through "&Menu" and before every change of user.
#pragma once

#include "support/Schermata.h"

class EditorListe;
class Programma;
class QAction;
class QLabel;
class QTabBar;
class SchedaConfigurazioni;
class SchedaFontColori;
class SchedaModalitaInput;
class SchedaScelteDidattiche;
class SchedaUtente;
class SchedaVoce;

class SchermataConfigurazioni : public Schermata {
    Q_OBJECT
public:
    explicit SchermataConfigurazioni(Programma& programma);
    ~SchermataConfigurazioni() override;

    // Puts the current settings into the controls of every tab; a control whose value changes runs its own handler.
    void ImpostaConfigurazioni();

    // The list editor, laid over the whole screen when "Gestione files" opens it.
    EditorListe* editorListe() const { return m_editorListe; }

protected:
    void attivazione() override;
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    // Shows tab number scheda (from 1), the character with the voice's tab alone.
    void mostraScheda(int scheda);
    void tornaAlMenu();
    QList<SchedaConfigurazioni*> schede() const;

    Programma& m_programma;
    QLabel* m_nomeUtente;
    QTabBar* m_schede;
    QAction* m_azioneMenu;
    SchedaUtente* m_schedaUtente = nullptr;
    SchedaScelteDidattiche* m_schedaScelteDidattiche = nullptr;
    SchedaFontColori* m_schedaFontColori = nullptr;
    SchedaVoce* m_schedaVoce = nullptr;
    SchedaModalitaInput* m_schedaModalitaInput = nullptr;
    EditorListe* m_editorListe = nullptr;
};
