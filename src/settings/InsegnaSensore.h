// SPDX-License-Identifier: GPL-3.0-or-later
// The window in which the teacher presses the pupil's switch so that the program learns it: any key, a mouse button
// pressed anywhere in the window but on "Annulla", a button of a joystick. It shows what it got, and takes it once
// the switch is let go, so that the switch's release does nothing in the settings.
#pragma once

#include "storage/Sensore.h"

#include <QDialog>
#include <optional>

class PulsantiJoystick;
class QLabel;
class QPushButton;

class InsegnaSensore : public QDialog {
    Q_OBJECT
public:
    // altro is the pupil's other switch: the same one cannot be both.
    InsegnaSensore(int numero, const Sensore& altro, PulsantiJoystick* joystick, QWidget* genitore);

    // What the teacher reads of a switch: "tasto F7", "tasto del mouse destro", "pulsante 3 del joystick".
    static QString descrizione(const Sensore& sensore);

signals:
    void imparato(const Sensore& sensore);

protected:
    bool event(QEvent* evento) override;

private:
    void premuto(const Sensore& sensore);
    void rilasciato(const Sensore& sensore);

    int m_numero;
    Sensore m_altro;
    QLabel* m_testo;
    QPushButton* m_annulla;
    std::optional<Sensore> m_preso;
};
