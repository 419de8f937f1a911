// SPDX-License-Identifier: GPL-3.0-or-later
// The table of exercise items and the list file it is loaded from and saved to.
#include "storage/TabellaFrasi.h"

#include "storage/LettoreTesto.h"
#include "storage/Percorsi.h"
#include "storage/TestoAnsi.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
constexpr qint16 kCodiceVuoto = 3;
constexpr qint64 kMassimoByteLista = 16 * 1024 * 1024; // 1000 exercises of long texts stay far below

QString nomeLista(const QString& percorso)
{
    return QDir::toNativeSeparators(percorso);
}
} // namespace

TabellaFrasi::TabellaFrasi() : m_celle(static_cast<std::size_t>(kUltimaRiga + 1) * kColonne) {}

std::size_t TabellaFrasi::indice(int riga, int colonna)
{
    Q_ASSERT(riga >= 0 && riga <= kUltimaRiga && colonna >= 0 && colonna < kColonne);
    return static_cast<std::size_t>(riga) * kColonne + static_cast<std::size_t>(colonna);
}

std::optional<QString> CaricaLista(TabellaFrasi& tabella, const QString& listaScelta, const Percorsi& percorsi)
{
    for (int riga = 0; riga <= TabellaFrasi::kUltimaRiga; ++riga) {
        for (int colonna = 0; colonna < TabellaFrasi::kColonne; ++colonna)
            tabella.Testo(riga, colonna).clear();
    }
    // A list on a removed USB key or an offline share comes back later: the choice itself is never changed.
    const QString listaInUso = listaScelta.isEmpty() || !QFileInfo::exists(Percorsi::risoltoSenzaMaiuscole(listaScelta))
                                   ? percorsi.listaPredefinita()
                                   : listaScelta;

    tabella.NumeroRighe = 0;
    tabella.listaCaricata = listaScelta;
    const QString file = Percorsi::risoltoSenzaMaiuscole(listaInUso);
    tabella.listaIncompleta = file; // until the whole file is read
    const std::optional<QString> contenuto = TestoAnsi::leggiFile(file, kMassimoByteLista);
    if (!contenuto)
        return QStringLiteral("Non è stato possibile aprire la lista di frasi \"%1\"%2.\r\n"
                              "Non ci sono frasi per gli esercizi.")
            .arg(nomeLista(listaInUso), TestoAnsi::collegamento(file)
                                            ? QStringLiteral(": è un collegamento a un altro file, che Ordiparo "
                                                             "non segue")
                                            : QString());

    LettoreTesto lettore(*contenuto);
    while (!lettore.fine()) {
        // Blank lines after the last row, as a modern editor may leave, are not a row.
        if (lettore.soloSpaziRimasti())
            break;
        if (tabella.NumeroRighe == TabellaFrasi::kUltimaRiga)
            return QStringLiteral("La lista \"%1\" ha più di %2 esercizi: sono stati caricati solo i primi %2.")
                .arg(nomeLista(listaInUso))
                .arg(TabellaFrasi::kUltimaRiga);
        const int riga = tabella.NumeroRighe + 1;
        const int primaRigaFile = lettore.rigaCorrente();
        const auto danneggiata = [&](const QString& dove) {
            for (int colonna = 0; colonna < TabellaFrasi::kColonne; ++colonna)
                tabella.Testo(riga, colonna).clear();
            return QStringLiteral(
                       "La lista \"%1\" è danneggiata: %2.\r\nSono stati caricati solo gli esercizi completi (%3).")
                .arg(nomeLista(listaInUso), dove)
                .arg(riga - 1);
        };
        for (int colonna = 0; colonna < TabellaFrasi::kColonne; ++colonna) {
            const std::optional<QString> testo = lettore.leggiRiga();
            if (!testo || lettore.fine())
                return danneggiata(QStringLiteral("il file finisce a metà dell'esercizio che comincia alla riga %1")
                                       .arg(primaRigaFile));
            const int rigaCodice = lettore.rigaCorrente();
            const std::optional<qint16> codice = lettore.leggiCodice();
            if (!codice)
                return danneggiata(QStringLiteral("la riga %1 non contiene un codice valido").arg(rigaCodice));
            tabella.Testo(riga, colonna) = *testo;
            tabella.Codice(riga, colonna) = *codice;
        }
        tabella.NumeroRighe = static_cast<qint16>(riga);
    }
    tabella.listaIncompleta.clear();
    return std::nullopt;
}

std::optional<QString> SalvaFile(TabellaFrasi& tabella, const QString& listaInUso)
{
    QStringList righe;
    righe.reserve(tabella.NumeroRighe * TabellaFrasi::kColonne * 2);
    for (int riga = 1; riga <= tabella.NumeroRighe; ++riga) {
        for (int colonna = 0; colonna < TabellaFrasi::kColonne; ++colonna) {
            const QString& testo = tabella.Testo(riga, colonna);
            righe << testo;
            if (testo.trimmed().isEmpty())
                tabella.Codice(riga, colonna) = kCodiceVuoto;
            righe << TestoAnsi::numeroConSegno(tabella.Codice(riga, colonna));
        }
    }
    std::optional<QString> errore = TestoAnsi::scriviRighe(Percorsi::risoltoSenzaMaiuscole(listaInUso), righe);
    if (!errore) {
        tabella.listaCaricata = listaInUso;
        tabella.listaIncompleta.clear();
    }
    return errore;
}
