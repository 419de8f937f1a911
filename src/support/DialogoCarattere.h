// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog: a family and a size, and no style, since the screens draw neither bold nor italic.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QSpinBox;

class DialogoCarattere : public QDialog {
    Q_OBJECT
public:
    // Opens on the family and size given. A family this computer lacks is listed and chosen all the same, so
    // that OK without a change gives back exactly what was given; the screens draw it with its substitute.
    DialogoCarattere(const QString& famiglia, int punti, QWidget* genitore);

    QString famiglia() const;
    int punti() const;

    QListWidget* elencoFamiglie;
    QSpinBox* casellaPunti;
    QListWidget* elencoPunti;
    QLabel* anteprima;

private:
    void mostraAnteprima();
};
