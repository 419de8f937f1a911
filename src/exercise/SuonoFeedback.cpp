// Plays the reward and mistake sounds without ever waiting for them.
#include "exercise/SuonoFeedback.h"

#include "storage/StatoProgramma.h"

namespace SuoniRisposta {
void SuonaSi(StatoProgramma& stato, SuonoFeedback& suoni)
{
    if (stato.ImpostazioniUtente.SuoniAttivi)
        suoni.suona(stato.percorsi.fileNelProgramma(QStringLiteral("suoni/si.wav")));
}
} // namespace SuoniRisposta

namespace SuoniRisposta {
void SuonaNo(StatoProgramma& stato, SuonoFeedback& suoni, bool parlatoAttivo)
{
    if (stato.ImpostazioniUtente.SuoniAttivi && !parlatoAttivo)
        suoni.suona(stato.percorsi.fileNelProgramma(QStringLiteral("suoni/no.wav")));
}
} // namespace SuoniRisposta
