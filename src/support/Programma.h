// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a screen sees it: the shared state, the sounds, the speaking character, the desktop's opener of
// documents, and the way to the other screens. The screens know this and nothing of one another.
#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>

class ApriDocumento;
class ControlloAgente;
class Personaggio;
class PulsantiJoystick;
class QWidget;
class StatoProgramma;
class SuonoFeedback;
class VoceScansione;

class Programma {
public:
    Programma(StatoProgramma& stato, SuonoFeedback& suoni);
    virtual ~Programma();
    Q_DISABLE_COPY_MOVE(Programma)

    StatoProgramma& stato;
    SuonoFeedback& suoni;
    // Makes the speaking-character component for a screen (the sound and speech module's, or a test's fake);
    // without it no character can be loaded.
    std::function<std::unique_ptr<ControlloAgente>(QWidget* schermata)> creaAgente;
    // The voice that says the buttons in auditory scanning; none, silence.
    std::unique_ptr<VoceScansione> voceScansione;
    // The buttons of the controllers plugged in, which a switch may be; the controllers' module presses them.
    std::unique_ptr<PulsantiJoystick> joystick;
    // The desktop's opener of documents; tests put a fake in its place.
    std::unique_ptr<ApriDocumento> apriDocumento;
    // Loads the character "Merlin" for a screen into controllo. Null when it cannot be loaded: the screen goes
    // on without it, and the teacher is told once per run.
    Personaggio* caricaMerlino(QWidget* schermata, std::unique_ptr<ControlloAgente>& controllo);

    // Each shows its screen, made anew when it was closed, and closes the screen that opened it (when given).
    virtual QWidget* apriMenu(QWidget* apertoDa) = 0;
    virtual QWidget* apriEsercizio(QWidget* apertoDa) = 0;
    virtual QWidget* apriConfigurazioni(QWidget* apertoDa) = 0;
    virtual QWidget* apriEserciziEseguiti(QWidget* apertoDa) = 0;
    virtual QWidget* apriInformazioni(QWidget* apertoDa) = 0;
    // Closes every screen: the program ends.
    virtual void termina() = 0;
    // The window the user works in: an open dialog, or else the screen on show.
    virtual QWidget* schermataCorrente() const = 0;

private:
    bool m_personaggioMancanteSegnalato = false;
};
