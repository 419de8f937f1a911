// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a screen sees it: what every screen shares, and loading the speaking character.
#include "support/Programma.h"

#include "support/ApriDocumento.h"
#include "support/Messaggi.h"
#include "support/Personaggio.h"
#include "support/PulsantiJoystick.h"
#include "support/VoceScansione.h"

Programma::Programma(StatoProgramma& statoProgramma, SuonoFeedback& suoniProgramma)
    : stato(statoProgramma), suoni(suoniProgramma), joystick(std::make_unique<PulsantiJoystick>()),
      apriDocumento(std::make_unique<ApriDocumento>())
{}

Programma::~Programma() = default;

Personaggio* Programma::caricaMerlino(QWidget* schermata, std::unique_ptr<ControlloAgente>& controllo)
{
    controllo = creaAgente ? creaAgente(schermata) : nullptr;
    QString motivo = QStringLiteral("manca il modulo dei suoni e della voce");
    if (controllo &&
        controllo->CharactersLoad(QStringLiteral("Merlin"), QStringLiteral("Merlin") + QStringLiteral(".acs"), &motivo))
        return controllo->Characters(QStringLiteral("Merlin"));
    controllo.reset();
    if (!std::exchange(m_personaggioMancanteSegnalato, true))
        Messaggi::informa(schermata, QStringLiteral("Il personaggio che legge ad alta voce non è disponibile: %1.\r\n"
                                                    "Gli esercizi continuano senza voce.")
                                         .arg(motivo));
    return nullptr;
}
