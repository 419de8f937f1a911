// SPDX-License-Identifier: GPL-3.0-or-later
// The save of the current pupil's profile, which a school may keep on a folder that several computers share.
#include "support/SalvataggioProfilo.h"

#include "storage/StatoProgramma.h"
#include "support/Messaggi.h"

namespace SalvataggioProfilo {

bool salva(QWidget* genitore, StatoProgramma& stato)
{
    QString errore;
    StatoProgramma::Salvataggio esito = stato.salvaProfiloUtente(false, &errore);
    if (esito == StatoProgramma::Salvataggio::CambiatoAltrove) {
        const bool tieniQueste = Messaggi::chiedi(
            genitore, QStringLiteral("Il profilo di «%1» è stato cambiato da un altro computer dopo che questo lo ha "
                                     "letto.\r\n"
                                     "Vuoi sostituire le impostazioni dell'altro computer con quelle di questo?\r\n"
                                     "Sì: si salvano le impostazioni di questo computer.\r\n"
                                     "No: si tengono quelle dell'altro computer, e i cambiamenti fatti qui si "
                                     "perdono.")
                          .arg(stato.NomeUtente));
        if (!tieniQueste) {
            if (const std::optional<QString> avviso = stato.leggiProfiloUtente())
                Messaggi::informa(genitore, *avviso);
            if (const std::optional<QString> errore = stato.caricaListaUtente())
                Messaggi::informa(genitore, *errore); // the list the other computer chose
            return true;
        }
        esito = stato.salvaProfiloUtente(true, &errore);
    }
    if (esito != StatoProgramma::Salvataggio::Fallito)
        return true;
    Messaggi::informa(genitore, errore);
    return false;
}

} // namespace SalvataggioProfilo
