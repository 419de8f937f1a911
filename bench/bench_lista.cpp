// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving a list of 1000 full items: each should take at most 5 ms.
#include "Cronometro.h"
#include "storage/Percorsi.h"
#include "storage/TabellaFrasi.h"

#include <QTemporaryDir>
#include <cstdio>

int main()
{
    QTemporaryDir cartella;
    const Percorsi percorsi(cartella.path(), cartella.path(), cartella.path());
    TabellaFrasi tabella;
    tabella.NumeroRighe = TabellaFrasi::kUltimaRiga;
    for (int riga = 1; riga <= TabellaFrasi::kUltimaRiga; ++riga) {
        tabella.Testo(riga, 0) = QStringLiteral("Nonna Rosa va al mercato con Luca, compra le mele e torna a casa "
                                                "a piedi perché c'è il sole. %1")
                                     .arg(riga);
        tabella.Codice(riga, 0) = 1;
        for (int colonna = 1; colonna < TabellaFrasi::kColonne; ++colonna) {
            tabella.Testo(riga, colonna) =
                QStringLiteral("La nonna compra le mele al mercato, è vero? %1").arg(colonna);
            tabella.Codice(riga, colonna) = static_cast<qint16>(colonna % 3);
        }
    }
    const QString file = cartella.filePath(QStringLiteral("lista.txt"));
    const double salvataggio = medianaMs(21, [&] { SalvaFile(tabella, file); });
    const double caricamento = medianaMs(21, [&] {
        QString lista = file;
        CaricaLista(tabella, lista, percorsi);
    });
    std::printf("lista di 1000 esercizi completi\n");
    std::printf("  caricamento: %6.2f ms   (obiettivo: al massimo 5 ms)\n", caricamento);
    std::printf("  salvataggio: %6.2f ms   (obiettivo: al massimo 5 ms)\n", salvataggio);
    return 0;
}
