// The start screen: a picture and one big button that leads to the home screen, by mouse or by a switch.
#pragma once

#include "support/BottoneEvidenziabile.h"
#include "support/Schermata.h"

class Programma;
class DisegnoSvg;
class QTimer;
class ScansioneCursore;

class FormAvvio : public Schermata {
    Q_OBJECT
public:
    explicit FormAvvio(Programma& programma);

    BottoneEvidenziabile* Command1;
    DisegnoSvg* Image1;
    QWidget* PictureScansioneManuale;
    QWidget* PictureScansioneAutomatica;
    QTimer* Timer1;

    ScansioneCursore& scansione() { return *m_scansione; }

protected:
    void attivazione() override;

private:
    void Command1_Click();

    Programma& m_programma;
    ScansioneCursore* m_scansione;
};
