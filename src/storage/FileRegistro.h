// SPDX-License-Identifier: GPL-3.0-or-later
// The record file: what the results screen shows (the two captions, the grid's rows, a note), one value a line.
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

struct FileRegistro {
    // Columns 1 to 5 of a row of the grid; its number (column 0) is not kept in the file.
    static constexpr int kCelle = 5;
    using Riga = std::array<QString, kCelle>;
    // The grid holds at most this many rows, its header row included: the count is a 16-bit number.
    static constexpr int kMassimoRigheGriglia = 32767;

    QString Utente;
    QString Intestazione;
    QList<Riga> righe;
    QString Nota;
};

// What was read from a record file, in order: a part that was not reached is missing.
struct LetturaRegistro {
    std::optional<QString> Utente;
    std::optional<QString> Intestazione;
    // The rows read, the last one perhaps only in part (its cells not reached are empty).
    QList<FileRegistro::Riga> righe;
    // Present only when the whole file was read.
    std::optional<QString> Nota;
    // Why the file could not be read whole, for the log; empty when it was.
    QString difetto;

    bool completa() const { return Nota.has_value(); }
};

namespace RegistroSuFile {

// Writes the record: user, heading, the grid's row count with its header row, five lines a row, the note.
// Returns an Italian message when it cannot be written; an old file is then left whole.
std::optional<QString> salva(const QString& percorso, const FileRegistro& registro);

// Reads a record file as far as it goes. The first two lines are delimited fields (so a comma ends them),
// the rest whole lines. A file that cannot be read, a count below 1 or a file that ends early is not whole.
LetturaRegistro leggi(const QString& percorso);

} // namespace RegistroSuFile
