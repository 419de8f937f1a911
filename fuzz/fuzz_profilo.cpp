// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a pupil's profile: reading never fails badly, and what was read saves and reads back the same.
#include "AmbienteFuzz.h"
#include "storage/ImpostazioniUtente.h"
#include "storage/Percorsi.h"

#include <QDir>
#include <QFile>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t misura)
{
    const Percorsi percorsi(AmbienteFuzz::cartella(), AmbienteFuzz::cartella(), AmbienteFuzz::cartella());
    const QString profilo =
        AmbienteFuzz::scrivi(QStringLiteral("Marco.ini"), QByteArray(reinterpret_cast<const char*>(dati), misura));
    ImpostazioniUtente letto;
    FileProfilo::LeggiUtente(letto, profilo, percorsi);
    // A damaged profile leaves a copy beside itself: one run's copy must not meet the next run's input.
    for (const QString& copia : QDir(AmbienteFuzz::cartella()).entryList({QStringLiteral("*.danneggiato*")}))
        QFile::remove(AmbienteFuzz::cartella() + copia);
    const QString copia = AmbienteFuzz::cartella() + QStringLiteral("Copia.ini");
    if (FileProfilo::SalvaUtente(letto, copia))
        return 0; // a value the file cannot hold is refused, never written wrong
    ImpostazioniUtente riletto;
    FileProfilo::LeggiUtente(riletto, copia, percorsi);
    if (!(riletto == letto))
        std::abort();
    return 0;
}
