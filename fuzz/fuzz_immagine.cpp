// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a picture of the pictures folder: shown or refused, and nothing else read. FIFOs lie in the working
// folder under the names the seed drawings give: a drawing that made Qt open one would stop the run, which the
// fuzzer reports as a timeout.
#include "AmbienteFuzz.h"
#include "support/LettoreImmagine.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <sys/stat.h>

namespace {
bool preparaFifo()
{
    if (!QDir::setCurrent(AmbienteFuzz::cartella()))
        return false;
    for (const char* nome : {"fifo", "fifo.png", "fifo.css", "fifo.svg"}) {
        if (mkfifo(nome, 0600) != 0)
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t misura)
{
    static const bool fifo = preparaFifo();
    if (!fifo)
        std::abort();
    const QString file =
        AmbienteFuzz::scrivi(QStringLiteral("immagine"), QByteArray(reinterpret_cast<const char*>(dati), misura));
    LettoreImmagine lettore(file);
    // Drawn small, as a thumbnail is: any picture that is shown is decoded whole.
    if (!lettore.dimensione().isEmpty())
        lettore.leggi(lettore.dimensione().scaled(QSize(64, 64), Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return 0;
}
