// SPDX-License-Identifier: GPL-3.0-or-later
// Text files as they travel between school computers: Windows-1252 with CR LF, UTF-8 accepted on reading.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace TestoAnsi {

// Windows-1252, unless the bytes carry a UTF-8 byte order mark or are valid multi-byte UTF-8.
QString decodifica(const QByteArray& byte);

// Windows-1252 when it can hold every character, otherwise UTF-8 with a byte order mark,
// so that nothing is ever replaced by a stand-in character.
QByteArray codifica(const QString& testo);

// What a file held when it was read or written here: a later save can tell whether someone else, another computer
// on a shared folder, has changed it since.
struct Impronta {
    qint64 byte = -1; // -1: there was no file
    QByteArray hash;  // empty when the file there could not be read
};

// True for a regular file of at most massimoByte that is not a symbolic link: one that can be read whole without
// waiting on a FIFO, reading a device without end, filling the memory or reaching a file outside the program's
// folders. Each kind of file states a size it never reaches.
bool fileLeggibile(const QString& percorso, qint64 massimoByte);

// True when the name is a symbolic link, which the program neither reads nor writes through.
bool collegamento(const QString& percorso);

// The bytes of the whole file; nullopt when it is not fileLeggibile or cannot be read. The file is opened without
// following a link at its name and without waiting on a FIFO, so that nothing swapped in after a check gets read.
// letta, when given, gets what the file held.
std::optional<QByteArray> leggiByte(const QString& percorso, qint64 massimoByte, Impronta* letta = nullptr);

// The same decoded.
std::optional<QString> leggiFile(const QString& percorso, qint64 massimoByte, Impronta* letta = nullptr);

// True when the file is there now and holds something else than it did when the fingerprint was taken (or was
// not there then). A file that has gone since is no change: writing it again loses nothing of anyone's; nor is one
// that could not be read then.
bool cambiatoDa(const Impronta& vista, const QString& percorso, qint64 massimoByte);

// Writes every line followed by CR LF, replacing the file only when the whole text is on disk. A symbolic link at
// that name is never written through. Returns an Italian message for the user when the save fails; the old file
// is then left whole. scritta, when given, gets what the file holds after a save.
std::optional<QString> scriviRighe(const QString& percorso, const QStringList& righe, Impronta* scritta = nullptr);

// A number as the files hold it: the sign place (a blank when not negative), the digits, a blank.
QString numeroConSegno(qint64 numero);

} // namespace TestoAnsi
