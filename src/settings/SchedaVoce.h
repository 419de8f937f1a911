// SPDX-License-Identifier: GPL-3.0-or-later
// The "Voce e Suoni" tab: sounds on or off, the voice's speed and pitch, the speech balloon, heard and seen at once
// through the screen's own speaking character, who stands on this tab.
#pragma once

#include "settings/SchedaConfigurazioni.h"

#include <memory>

class ControlloAgente;
class Personaggio;
class QCheckBox;
class QPushButton;

class SchedaVoce : public SchedaConfigurazioni {
    Q_OBJECT
public:
    SchedaVoce(Programma& programma, Schermata& schermata);
    ~SchedaVoce() override;

    void mostraImpostazioni(const ImpostazioniUtente& impostazioni) override;
    QList<QWidget*> sulloSfondo() override;
    // The voice's speed and pitch on their scales, as the screen opens (with their captions) or as another
    // user's profile is read.
    void mostraVelocitaETono(bool conDidascalie);

    // The character, loaded over the screen; null when speech could not be loaded.
    void CaricaPersonaggio(QWidget* schermata);
    // The character takes the profile's balloon and voice and stands at the top right of this tab.
    void ImpostaMerlino();
    void mostraPersonaggio(bool visibile);
    // Everything said or queued stops and the character goes.
    void fermaPersonaggio();
    void rilasciaPersonaggio();

private:
    void velocitaCambiata(int valore);
    void tonoCambiato(int valore);
    void parlatoScelto(bool spuntata);
    void fumettoScelto(bool spuntata);
    void fumettoTuttoIlTestoScelto(bool spuntata);
    void provaVoce();
    void scegliFontFumetto();
    void dici(const QString& frase);
    // A balloon style bit of the character, when there is one.
    void bitFumetto(int bit, bool acceso);

    QCheckBox* m_casellaSuoni;
    QFrame* m_lineaVoce;
    QCheckBox* m_casellaParlato;
    QPushButton* m_bottoneProvaVoce;
    QLabel* m_didascaliaVelocita;
    QScrollBar* m_scalaVelocita;
    QLabel* m_didascaliaTono;
    QScrollBar* m_scalaTono;
    QCheckBox* m_casellaFumetto;
    QPushButton* m_bottoneFontFumetto;
    QCheckBox* m_casellaFumettoTuttoIlTesto;
    QCheckBox* m_casellaEvidenziaParole; // the word being read is marked on the exercise screen
    QLabel* m_campioneFontFumetto;       // the font dialog's target, never shown

    QString m_tagVoce;
    std::unique_ptr<ControlloAgente> m_controlloAgente;
    Personaggio* m_personaggio = nullptr;
};
