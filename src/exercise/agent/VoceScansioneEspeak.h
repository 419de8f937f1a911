// SPDX-License-Identifier: GPL-3.0-or-later
// Auditory scanning through the character's speech engine, on an output of its own at a lower volume.
#pragma once

#include "exercise/agent/RiproduzioneVoce.h"
#include "support/VoceScansione.h"

#include <QObject>

struct VoceSintetizzata;

class VoceScansioneEspeak : public QObject, public VoceScansione {
    Q_OBJECT
public:
    VoceScansioneEspeak();
    void annuncia(const QString& parola, int velocita, int tono) override;
    void taci() override;

private:
    void arrivata(const VoceSintetizzata& voce);

    RiproduzioneVoce m_riproduzione;
    quint64 m_attesa = 0; // the engine's request for the latest word
};
