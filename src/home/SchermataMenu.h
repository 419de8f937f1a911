// SPDX-License-Identifier: GPL-3.0-or-later
// The home screen: the pupils' list, the big buttons to start and to quit, the menus, switch scanning.
#pragma once

#include "support/BottoneEvidenziabile.h"
#include "support/Schermata.h"

class Programma;
class QAction;
class QComboBox;
class QLabel;
class QTextEdit;
class QTimer;
class ScansioneCursore;
class SceltaConSosta;
class CasellaDocumentazione;

class SchermataMenu : public Schermata {
    Q_OBJECT
public:
    explicit SchermataMenu(Programma& programma);

    QComboBox* elencoUtenti;
    BottoneEvidenziabile* bottoni[2];
    QLabel* misuraTesto;
    QWidget* spiaScansioneManuale;
    QWidget* spiaScansioneAutomatica;
    QTextEdit* testoDocumentazione;
    QTimer* timerScansione;
    QAction* azioneConfigurazioni;
    QAction* azioneEserciziEseguiti;
    QAction* azioneDocumentazione;
    QAction* azioneInformazioni;
    QAction* azioneAltriProgrammi;
    CasellaDocumentazione* documentazione;
    // A line for the teacher at the foot of the screen, in the scanning modes: the scanning has paused, or how
    // to reach the mouse after a click that the switches' mode ignores.
    QLabel* avvisoScansione;

    ScansioneCursore& scansione() { return *m_scansione; }

    // Makes the screen look and behave as the current profile says.
    void ImpostaUtente();
    // Fills the users' list from the profiles on disk and selects the current user.
    void RecuperaUtenti();

protected:
    void attivazione() override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void scegliUtente(int indice);
    void bottonePremuto(int indice);
    void scegliConScansione(int indice);
    // A click in a scanning mode is a helper's, never the pupil's switch: it is told how to reach the mouse, and
    // "Esci" asks whether to quit.
    void clicDuranteLaScansione(int indice);
    void avvisa(const QString& testo);
    void evidenziaSottoIlMouse(QObject* sotto);
    // Shrinks the users' list font, where needed, so that every name shows whole in the box.
    void adattaElenco();
    // The profile's input mode: scanning from the first button, or the mouse, with its rest to choose.
    void avviaScansione();

    Programma& m_programma;
    ScansioneCursore* m_scansione;
    SceltaConSosta* m_sosta;
};
