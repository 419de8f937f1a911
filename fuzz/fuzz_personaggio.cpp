// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the speaking character's file, beside the real frames: it loads or gives a reason, never more.
#include "AmbienteFuzz.h"
#include "exercise/agent/DatiPersonaggio.h"

#include <QFile>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t misura)
{
    static const bool fotogrammi = QFile::link(QStringLiteral(ORDIPARO_SORGENTI "/assets/personaggi/merlin"),
                                               AmbienteFuzz::cartella() + QStringLiteral("merlin"));
    if (!fotogrammi)
        std::abort();
    const QString file =
        AmbienteFuzz::scrivi(QStringLiteral("Merlin.acs"), QByteArray(reinterpret_cast<const char*>(dati), misura));
    QString motivo;
    const std::optional<DatiPersonaggio> letto = DatiPersonaggio::leggi(file, &motivo);
    if (!letto && motivo.isEmpty())
        std::abort(); // a character that cannot load always says why
    return 0;
}
