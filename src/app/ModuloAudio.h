// SPDX-License-Identifier: GPL-3.0-or-later
// The sound and speech module, loaded once the first screen is on show, and the stand-ins the screens use: a
// sound or a character asked for before loads it at once, a scanning word waits for it. Without the module the
// program goes on silent: sounds are the desktop's beep, the character cannot be loaded.
#pragma once

#include "support/SuonoFeedback.h"

#include <QLibrary>
#include <QObject>
#include <memory>

class ControlloAgente;
class ServiziAudio;
class VoceScansione;
class QWidget;

class ModuloAudio : public QObject, public SuonoFeedback {
    Q_OBJECT
public:
    explicit ModuloAudio(const QString& fileModulo);
    ~ModuloAudio() override;

    // Loads the module, if not yet; false when it cannot be loaded.
    bool carica();
    bool caricato() const { return m_servizi != nullptr; }

    // The feedback sounds, through the module.
    void suona(const QString& percorso) override;
    bool staSuonando() const override;
    // The scanning voice: a word asked for before the module is loaded is said once it is.
    std::unique_ptr<VoceScansione> voceScansione();
    // The character's component for a screen; without the module, one that says why it cannot load.
    std::unique_ptr<ControlloAgente> creaAgente(QWidget* schermata, const QString& cartellaPersonaggi);

private:
    class Voce;

    QLibrary m_libreria;
    bool m_tentato = false;
    QString m_motivo;
    std::unique_ptr<ServiziAudio> m_servizi;
    std::unique_ptr<SuonoFeedback> m_suoni;
    std::unique_ptr<VoceScansione> m_voce;
    Voce* m_voceInAttesa = nullptr; // the stand-in whose word waits for the module
};
