// SPDX-License-Identifier: GPL-3.0-or-later
// What the sound and speech module gives the program. The module (Qt Multimedia, PulseAudio and its codecs,
// espeak-ng) is a library of its own, loaded once the first screen is on show, so that it does not slow the start.
#pragma once

#include <QString>
#include <memory>

class ControlloAgente;
class SuonoFeedback;
class VoceScansione;
class QWidget;

class ServiziAudio {
public:
    virtual ~ServiziAudio() = default;
    virtual std::unique_ptr<SuonoFeedback> creaSuoni() = 0;
    virtual std::unique_ptr<VoceScansione> creaVoceScansione() = 0;
    // The speaking-character component for a screen, finding characters in that folder.
    virtual std::unique_ptr<ControlloAgente> creaAgente(QWidget* schermata, const QString& cartellaPersonaggi) = 0;
};

// The module's file, beside the executable, and its one entry point, looked up by name.
inline constexpr char kFileModuloAudio[] = "libordiparo_voce.so";
inline constexpr char kIngressoModuloAudio[] = "ordiparo_servizi_audio";
using IngressoModuloAudio = ServiziAudio* (*)();
