// SPDX-License-Identifier: GPL-3.0-or-later
// The voice of auditory scanning: says the word of each button the highlight reaches.
#pragma once

#include <QString>

class VoceScansione {
public:
    virtual ~VoceScansione() = default;
    // Says the word at once, cutting off the word said before; velocita and tono are the character's own
    // speech tag values, which the scanning voice quickens.
    virtual void annuncia(const QString& parola, int velocita, int tono) = 0;
    // Stops the word being said, if any.
    virtual void taci() = 0;
};
