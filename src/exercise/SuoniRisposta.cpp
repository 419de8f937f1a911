// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds that answer the pupil, played without ever waiting for them.
#include "exercise/SuoniRisposta.h"

#include "storage/StatoProgramma.h"
#include "support/SuonoFeedback.h"

namespace SuoniRisposta {

void SuonaSi(StatoProgramma& stato, SuonoFeedback& suoni)
{
    if (stato.ImpostazioniUtente.SuoniAttivi)
        suoni.suona(stato.percorsi.fileNelProgramma(QStringLiteral("suoni/si.wav")));
}

void SuonaNo(StatoProgramma& stato, SuonoFeedback& suoni, bool parlatoAttivo)
{
    if (stato.ImpostazioniUtente.SuoniAttivi && !parlatoAttivo)
        suoni.suona(stato.percorsi.fileNelProgramma(QStringLiteral("suoni/no.wav")));
}

} // namespace SuoniRisposta
