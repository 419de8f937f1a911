// The start screen: a picture and one big button that leads to the home screen.
#pragma once

#include "support/Schermata.h"

class QPushButton;
class Programma;
class DisegnoSvg;

class FormAvvio : public Schermata {
    Q_OBJECT
public:
    explicit FormAvvio(Programma& programma);

    QPushButton* Command1;
    DisegnoSvg* Image1;

protected:
    void attivazione() override;

private:
    void Command1_Click();

    Programma& m_programma;
};
