// The start-up sequence, from the first copy's claim to the start screen.
#include "startup/Avvio.h"

#include "home/Programma.h"
#include "startup/FormAvvio.h"
#include "startup/Modulo1.h"
#include "storage/StatoProgramma.h"
#include "support/Messaggi.h"

namespace Avvio {

FormAvvio* EseguiAvvio(Programma& programma)
{
    StatoProgramma& stato = programma.stato;
    stato.LinguaAgente = QStringLiteral("&H410");
    Modulo1::InstallaFont(stato.percorsi, nullptr);
    if (const auto errore = Modulo1::CreaCartelle(stato.percorsi))
        Messaggi::informa(nullptr, *errore);
    stato.rendiCorrenteUtentePredefinito();
    if (const auto avviso = stato.leggiProfiloUtente())
        Messaggi::informa(nullptr, *avviso);
    if (const auto errore = stato.caricaListaUtente())
        Messaggi::informa(nullptr, *errore);
    return programma.apriAvvio();
}

} // namespace Avvio
