// SPDX-License-Identifier: GPL-3.0-or-later
// What every tab of the settings screen shares: its place on the screen, the settings it shows and writes, the
// font and colour dialogs.
#pragma once

#include <QFrame>
#include <QList>
#include <optional>

class Programma;
class QLabel;
class QScrollBar;
class Schermata;
struct ImpostazioniUtente;

class SchedaConfigurazioni : public QFrame {
    Q_OBJECT
public:
    // Made on the screen's controls' area, at the tabs' common place.
    SchedaConfigurazioni(const char* nome, Programma& programma, Schermata& schermata);

    // Puts the current settings into the tab's controls; a control whose value changes runs its own handler.
    virtual void mostraImpostazioni(const ImpostazioniUtente& impostazioni) = 0;
    // The tab and those of its controls that take the profile's background colour.
    virtual QList<QWidget*> sulloSfondo() = 0;

signals:
    // A handler changed a setting that controls of other tabs show too: the screen shows them all again.
    void impostazioniCambiate();

protected:
    ImpostazioniUtente& impostazioni() const;
    // Places a control at its design place, in twips inside the screen's controls' area.
    void posiziona(QWidget* controllo, int sinistra, int alto, int larghezza, int altezza) const;
    // The font dialog over the target, opened on that family and size; false when cancelled or when the choice
    // lacks a name or a size.
    bool scegliFont(QWidget* bersaglio, const QString& famiglia, int punti);
    // A size from the font dialog, kept within the sizes the profile holds.
    static qint16 puntiAmmessi(int punti);
    // The colour dialog; the Windows colour number chosen, none when cancelled.
    std::optional<double> scegliColore();
    // A horizontal scale over the range that the profile allows for the setting.
    QScrollBar* scala(const QString& nome, qint16 ImpostazioniUtente::*campo, const QString& descrizione);

    Programma& m_programma;
    Schermata& m_schermata;

private:
    QLabel* m_campioneColore = nullptr; // the colour dialog's target, never shown
};
