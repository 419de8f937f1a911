// SPDX-License-Identifier: GPL-3.0-or-later
// The About screen: who made the program, its terms of use, the manual opened by a click on the picture.
#pragma once

#include "support/Schermata.h"

class Programma;
class QLabel;
class QPushButton;

class SchermataInformazioni : public Schermata {
    Q_OBJECT
public:
    explicit SchermataInformazioni(Programma& programma);

    QLabel* autori;
    QLabel* condizioni;
    QLabel* licenza;
    QPushButton* bottoneManuale;
    QPushButton* bottoneChiudi;

protected:
    void attivazione() override;

private:
    void apriManuale();
    void chiudi();

    Programma& m_programma;
};
