// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons of the game controllers and joysticks plugged in, as the screens hear them: a switch interface often
// presents itself as a joystick. The program holds one from the start; the controllers' module, loaded once the
// first screen is on show, presses its buttons, and a test may press them itself.
#pragma once

#include <QObject>
#include <functional>

class PulsantiJoystick : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void premi(int numero, bool premuto, quint32 istanteMs = 0) { emit pulsante(numero, premuto, istanteMs); }
    void scollega() { emit scollegato(); }

signals:
    // A button of any controller went down or up, by its number on that controller; istanteMs is when, by SDL's
    // clock, 0 when unknown.
    void pulsante(int numero, bool premuto, quint32 istanteMs);
    // A controller went away: a button of it held down will never come up.
    void scollegato();
};

// The controllers' module, beside the executable, and its one entry point, looked up by name. It starts reading
// the controllers on the calling thread and tells each button and each controller unplugged through the two
// functions; it returns the reader, which the caller owns, or null when the controllers cannot be read.
inline constexpr char kFileModuloJoystick[] = "libordiparo_joystick.so";
inline constexpr char kIngressoModuloJoystick[] = "ordiparo_lettore_joystick";
using IngressoModuloJoystick = QObject* (*)(std::function<void(int numero, bool premuto, quint32 istanteMs)> pulsante,
                                            std::function<void()> scollegato);
