// SPDX-License-Identifier: GPL-3.0-or-later
// The "Modalità di input" tab: mouse, manual or automatic scanning, the scanning step, the system's mouse pointer,
// the colour of the highlighted button, auditory scanning, the switch's timing, the switches the teacher teaches,
// and the rest on a button that chooses it in mouse mode.
#pragma once

#include "settings/SchedaConfigurazioni.h"

#include <functional>

class QCheckBox;
struct Sensore;
class QPushButton;
class QRadioButton;

class SchedaModalitaInput : public SchedaConfigurazioni {
    Q_OBJECT
public:
    SchedaModalitaInput(Programma& programma, Schermata& schermata);

    void mostraImpostazioni(const ImpostazioniUtente& impostazioni) override;
    QList<QWidget*> sulloSfondo() override;
    // The input mode chosen as the screen opens; the choice runs its handler when it changes.
    void scegliModalita(int modalita);
    // The system's mouse pointer, ticked when the system's settings are chosen.
    void spuntaMouseDiSistema();

private:
    void modalitaScelta(int indice);
    void velocitaScansioneCambiata(int valore);
    void scegliColoreSelezionato();
    void sostaCambiata(int decimi);
    void insegnaSensore(int numero);
    void mostraSensori();

    // A scale of the switch's timing, the setting it writes and its caption.
    struct RegolazioneSensore {
        QScrollBar* scala;
        QLabel* didascalia;
        qint16 ImpostazioniUtente::*campo;
        std::function<QString(int)> testo;
        void mostra(int valore) const;
    };
    QList<RegolazioneSensore> m_regolazioni;

    QRadioButton* m_sceltaModalita[3];
    QScrollBar* m_scalaScansione;
    QLabel* m_didascaliaScansione;
    QCheckBox* m_casellaMouseDiSistema;
    QPushButton* m_bottoneColoreSelezionato;
    QCheckBox* m_casellaScansioneUditiva;
    QScrollBar* m_scalaPrimoPasso;
    QLabel* m_didascaliaPrimoPasso;
    QScrollBar* m_scalaAccettazione;
    QLabel* m_didascaliaAccettazione;
    QScrollBar* m_scalaRilascio;
    QLabel* m_didascaliaRilascio;
    QScrollBar* m_scalaGiri;
    QLabel* m_didascaliaGiri;
    QScrollBar* m_scalaSosta;
    QLabel* m_didascaliaSosta;
    QPushButton* m_bottoneInsegna[2];
    QLabel* m_etichettaSensore[2];
    QPushButton* m_bottoneSensoriPredefiniti;
};
