// The About screen: who made the program, its terms of use, the manual opened by a click on the picture.
#pragma once

#include "support/Schermata.h"

class Programma;
class QLabel;
class QPushButton;

class FormInfo : public Schermata {
    Q_OBJECT
public:
    explicit FormInfo(Programma& programma);

    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* Image1;
    QPushButton* Command1;

protected:
    void attivazione() override;

private:
    void Image1_Click();
    void Command1_Click();

    Programma& m_programma;
};
