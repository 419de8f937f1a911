// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a record file: reading never fails badly, and a record read whole saves and reads back the same.
#include "AmbienteFuzz.h"
#include "storage/FileRegistro.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t misura)
{
    const QString file =
        AmbienteFuzz::scrivi(QStringLiteral("registro.rpt"), QByteArray(reinterpret_cast<const char*>(dati), misura));
    const LetturaRegistro letto = RegistroSuFile::leggi(file);
    if (letto.completa() != letto.difetto.isEmpty() || (letto.Nota && !letto.Intestazione))
        std::abort();
    if (!letto.completa())
        return 0;
    const FileRegistro registro{*letto.Utente, *letto.Intestazione, letto.righe, *letto.Nota};
    const QString copia = AmbienteFuzz::cartella() + QStringLiteral("copia.rpt");
    if (RegistroSuFile::salva(copia, registro))
        std::abort(); // the scratch folder is writable: a save that fails here is a fault
    // The rows and the note are whole lines and come back as they were.
    const LetturaRegistro riletto = RegistroSuFile::leggi(copia);
    if (!riletto.completa() || riletto.righe != letto.righe || riletto.Nota != letto.Nota)
        std::abort();
    return 0;
}
