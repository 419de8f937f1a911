// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a list of items: loading never fails badly, and a saved list loads and saves to the same bytes.
#include "AmbienteFuzz.h"
#include "storage/Percorsi.h"
#include "storage/TabellaFrasi.h"

#include <QFile>
#include <cstdlib>

namespace {
QByteArray contenuto(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Loads a list file and saves the table to another; the bytes saved.
QByteArray caricaESalva(const QString& da, const QString& a, const Percorsi& percorsi)
{
    TabellaFrasi tabella;
    QString lista = da;
    CaricaLista(tabella, lista, percorsi);
    if (SalvaFile(tabella, a))
        std::abort(); // the scratch folder is writable: a save that fails here is a fault
    return contenuto(a);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t misura)
{
    const Percorsi percorsi(AmbienteFuzz::cartella(), AmbienteFuzz::cartella(), AmbienteFuzz::cartella());
    const QString lista =
        AmbienteFuzz::scrivi(QStringLiteral("lista.txt"), QByteArray(reinterpret_cast<const char*>(dati), misura));
    const QString prima = AmbienteFuzz::cartella() + QStringLiteral("prima.txt");
    const QString seconda = AmbienteFuzz::cartella() + QStringLiteral("seconda.txt");
    if (caricaESalva(lista, prima, percorsi) != caricaESalva(prima, seconda, percorsi))
        std::abort();
    return 0;
}
