// SPDX-License-Identifier: GPL-3.0-or-later
// The controllers' module, loaded once the first screen is on show: it presses the program's joystick buttons.
// Without it, or without any controller, the switches on the keyboard and the mouse work all the same.
#pragma once

#include <QLibrary>
#include <memory>

class PulsantiJoystick;
class QObject;

class ModuloJoystick {
public:
    explicit ModuloJoystick(const QString& fileModulo);
    ~ModuloJoystick();
    Q_DISABLE_COPY_MOVE(ModuloJoystick)

    // Starts reading the controllers into the buttons, if not yet; false when they cannot be read.
    bool avvia(PulsantiJoystick& pulsanti);

private:
    QLibrary m_libreria;
    bool m_tentato = false;
    std::unique_ptr<QObject> m_lettore;
};
