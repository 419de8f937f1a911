// SPDX-License-Identifier: GPL-3.0-or-later
// The "Fonts e Colori" tab: system colours, the background, the text's font and colours, the buttons' colour, and
// a preview of the text.
#pragma once

#include "settings/SchedaConfigurazioni.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

class SchedaFontColori : public SchedaConfigurazioni {
    Q_OBJECT
public:
    SchedaFontColori(Programma& programma, Schermata& schermata);

    void mostraImpostazioni(const ImpostazioniUtente& impostazioni) override;
    QList<QWidget*> sulloSfondo() override;
    // The preview's letters fitted to its box.
    void adattaEsempio();

signals:
    // The system's settings were chosen: the system's mouse pointer with them.
    void mouseDiSistemaImposto();

private:
    void impostazioniSistemaScelte(bool spuntata);
    void coloreSfondoScelto(int indice);
    void scegliColoreSfondo();
    void scegliFontTesto();
    void scegliColoreFont();
    void scegliSfondoTesto();
    void scegliColoreBottoni();

    QCheckBox* m_casellaImpostazioniSistema;
    QGroupBox* m_gruppoColoreSfondo;
    QRadioButton* m_sceltaColoreSfondo[2];
    QPushButton* m_bottoneColori;
    QGroupBox* m_gruppoCaratteri;
    QPushButton* m_bottoneFont;
    QPushButton* m_bottoneColoreFont;
    QPushButton* m_bottoneSfondoTesto;
    QPushButton* m_bottoneColoreBottoni;
    QLabel* m_esempioTesto;
};
