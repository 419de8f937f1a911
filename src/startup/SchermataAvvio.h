// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen: a picture and one big button that leads to the home screen, by mouse or by a switch.
#pragma once

#include "support/BottoneEvidenziabile.h"
#include "support/Schermata.h"

class Programma;
class DisegnoSvg;
class QTimer;
class ScansioneCursore;
class SceltaConSosta;

class SchermataAvvio : public Schermata {
    Q_OBJECT
public:
    explicit SchermataAvvio(Programma& programma);

    BottoneEvidenziabile* bottoneAvvio;
    DisegnoSvg* immagineAvvio;
    QWidget* spiaScansioneManuale;
    QWidget* spiaScansioneAutomatica;
    QTimer* timerScansione;

    ScansioneCursore& scansione() { return *m_scansione; }

protected:
    void attivazione() override;

private:
    void avvia();

    Programma& m_programma;
    ScansioneCursore* m_scansione;
    SceltaConSosta* m_sosta;
};
