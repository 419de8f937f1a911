// SPDX-License-Identifier: GPL-3.0-or-later
// Auditory scanning through the character's speech engine.
#include "exercise/agent/VoceScansioneEspeak.h"

#include "exercise/agent/SintesiVoce.h"

namespace {
constexpr double kVolume = 0.5; // quieter than the character, who speaks at full volume
}

VoceScansioneEspeak::VoceScansioneEspeak() : m_riproduzione(this)
{
    m_riproduzione.setVolume(kVolume);
    connect(&SintesiVoce::istanza(), &SintesiVoce::pronta, this, &VoceScansioneEspeak::arrivata);
}

// A word is a few milliseconds of work for the engine, so it never holds up the character's sentences
// queued behind it. The engine is never told to cancel: its cancelling covers every earlier request, the
// character's too. A word that arrives after a newer one was asked for is simply not played.
void VoceScansioneEspeak::annuncia(const QString& parola, int velocita, int tono)
{
    m_riproduzione.ferma();
    m_attesa = SintesiVoce::istanza().richiedi({parola, {velocita, tono}}, "it");
}

void VoceScansioneEspeak::taci()
{
    m_attesa = 0;
    m_riproduzione.ferma();
}

void VoceScansioneEspeak::arrivata(const VoceSintetizzata& voce)
{
    if (voce.richiesta == m_attesa)
        m_riproduzione.avvia(voce);
}
