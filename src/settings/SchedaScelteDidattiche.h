// SPDX-License-Identifier: GPL-3.0-or-later
// The "Scelte didattiche" tab: the answers offered, the list in use, the letter style.
#pragma once

#include "settings/SchedaConfigurazioni.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class SchedaScelteDidattiche : public SchedaConfigurazioni {
    Q_OBJECT
public:
    SchedaScelteDidattiche(Programma& programma, Schermata& schermata);

    void mostraImpostazioni(const ImpostazioniUtente& impostazioni) override;
    QList<QWidget*> sulloSfondo() override;
    // The label of the list in use, which the list editor keeps up to date.
    QLabel* etichettaListaInUso() const { return m_etichettaListaInUso; }
    // The cursive caption in the school letters, as large as its place holds beside captions of these points.
    void adattaCorsivo(double puntiDidascalie);

signals:
    // "Gestione files": the list editor is asked for.
    void gestioneFileRichiesta();
    // "Lista in uso": another list file is asked for.
    void cambioListaRichiesto();

private:
    void scegliStile(const QString& stile);

    QGroupBox* m_gruppoRisposte;
    QRadioButton* m_sceltaRisposteOfferte[2];
    QGroupBox* m_gruppoLista;
    QLabel* m_etichettaListaInUso;
    QPushButton* m_bottoneListaInUso;
    QPushButton* m_bottoneGestioneFile;
    QGroupBox* m_gruppoStile;
    QRadioButton* m_minuscolo;
    QRadioButton* m_maiuscolo;
    QRadioButton* m_corsivo;
};
