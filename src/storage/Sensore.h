// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's switch as a profile line names it: a keyboard key, a mouse button or a button of a joystick.
#pragma once

#include <QString>
#include <optional>

struct Sensore {
    enum class Tipo { Tasto, Mouse, Joystick };
    Tipo tipo = Tipo::Tasto;
    // A Qt::Key, a Qt::MouseButton, or the button's number on its joystick.
    int codice = 0;

    bool operator==(const Sensore&) const = default;

    // A key; the keypad's enter is the enter key, as a pupil's switch box may send either.
    static Sensore tasto(int chiave);
    static Sensore mouse(Qt::MouseButton tasto) { return {Tipo::Mouse, static_cast<int>(tasto)}; }
    // Switch 1 is the space bar, switch 2 the enter key.
    static Sensore predefinito(int numero);
    // The line's text, "tasto:F7", "mouse:destro", "joystick:3"; nullopt for a key that Qt has no name for.
    std::optional<QString> testo() const;
    // The switch a line names; nullopt for an empty or unknown text.
    static std::optional<Sensore> daTesto(const QString& testo);
    // The switch a profile line gives: the one it names, else the default.
    static Sensore dalProfilo(const QString& testo, int numero);
};
