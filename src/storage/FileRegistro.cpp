// SPDX-License-Identifier: GPL-3.0-or-later
// The record file: what the results screen shows, one value a line.
#include "storage/FileRegistro.h"

#include "storage/LettoreTesto.h"
#include "storage/TestoAnsi.h"

#include <QStringList>

namespace {
// Far beyond the largest grid a file can describe with long texts in every cell.
constexpr qint64 kMassimoByte = 64 * 1024 * 1024;

// The first field of a line: the line is the file's unit, so what follows a comma is passed over with it.
QString campo(const QString& riga)
{
    return LettoreTesto(riga).leggiCampo().value_or(QString());
}
} // namespace

namespace RegistroSuFile {

std::optional<QString> salva(const QString& percorso, const FileRegistro& registro)
{
    Q_ASSERT(registro.righe.size() < FileRegistro::kMassimoRigheGriglia);
    QStringList righe;
    righe.reserve(registro.righe.size() * FileRegistro::kCelle + 4);
    righe << registro.Utente << registro.Intestazione << TestoAnsi::numeroConSegno(registro.righe.size() + 1);
    for (const FileRegistro::Riga& riga : registro.righe) {
        for (const QString& cella : riga)
            righe << cella;
    }
    righe << registro.Nota;
    return TestoAnsi::scriviRighe(percorso, righe);
}

LetturaRegistro leggi(const QString& percorso)
{
    LetturaRegistro letto;
    const std::optional<QString> testo = TestoAnsi::leggiFile(percorso, kMassimoByte);
    if (!testo) {
        letto.difetto = QStringLiteral("cannot be read");
        return letto;
    }
    LettoreTesto lettore(*testo);
    const auto finito = [&] {
        letto.difetto = QStringLiteral("ends early, at line %1").arg(lettore.rigaCorrente());
        return letto;
    };

    std::optional<QString> riga = lettore.leggiRiga();
    if (!riga)
        return finito();
    letto.Utente = campo(*riga);
    if (!(riga = lettore.leggiRiga()))
        return finito();
    letto.Intestazione = campo(*riga);
    if (lettore.fine())
        return finito();
    const std::optional<qint16> righeGriglia = lettore.leggiCodice();
    if (!righeGriglia || *righeGriglia < 1) {
        letto.difetto = QStringLiteral("row count on line 3 is not a number of at least 1");
        return letto;
    }
    for (int r = 1; r < *righeGriglia; ++r) {
        FileRegistro::Riga celle;
        for (int c = 0; c < FileRegistro::kCelle; ++c) {
            if (!(riga = lettore.leggiRiga())) {
                if (c > 0)
                    letto.righe << celle;
                return finito();
            }
            celle[static_cast<std::size_t>(c)] = *riga;
        }
        letto.righe << celle;
    }
    if (!(riga = lettore.leggiRiga()))
        return finito();
    letto.Nota = *riga;
    return letto;
}

} // namespace RegistroSuFile
