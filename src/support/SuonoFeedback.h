// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the reward and mistake sounds without ever waiting for them.
#pragma once

#include <QString>

class SuonoFeedback {
public:
    virtual ~SuonoFeedback() = default;
    // Starts the wave file and returns at once; a new sound cuts short the one playing.
    virtual void suona(const QString& percorso) = 0;
    // True while a sound is being heard.
    virtual bool staSuonando() const { return false; }
};
