// SPDX-License-Identifier: GPL-3.0-or-later
// The sound and speech module: feedback sounds over Qt Multimedia, speech and the character over espeak-ng.
#include "exercise/agent/AgenteMerlino.h"
#include "exercise/agent/SintesiVoce.h"
#include "exercise/agent/SuonoFeedbackQt.h"
#include "exercise/agent/VoceScansioneEspeak.h"
#include "support/ServiziAudio.h"

namespace {
class ServiziAudioQt : public ServiziAudio {
public:
    // The speech engine reads its voice data now, on its own thread, so the first word does not wait for it.
    ServiziAudioQt() { SintesiVoce::istanza().preparaInAnticipo(); }
    std::unique_ptr<SuonoFeedback> creaSuoni() override { return std::make_unique<SuonoFeedbackQt>(); }
    std::unique_ptr<VoceScansione> creaVoceScansione() override { return std::make_unique<VoceScansioneEspeak>(); }
    std::unique_ptr<ControlloAgente> creaAgente(QWidget* schermata, const QString& cartellaPersonaggi) override
    {
        return std::make_unique<ControlloAgenteMerlino>(schermata, cartellaPersonaggi);
    }
};
} // namespace

extern "C" Q_DECL_EXPORT ServiziAudio* ordiparo_servizi_audio()
{
    return new ServiziAudioQt;
}
