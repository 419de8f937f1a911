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

// True for a regular file of at most massimoByte: one that can be read whole without waiting on a FIFO,
// reading a device without end, or filling the memory. Each kind of file states a size it never reaches.
bool fileLeggibile(const QString& percorso, qint64 massimoByte);

// The bytes of the whole file; nullopt when it is not fileLeggibile or cannot be read.
std::optional<QByteArray> leggiByte(const QString& percorso, qint64 massimoByte);

// The same decoded.
std::optional<QString> leggiFile(const QString& percorso, qint64 massimoByte);

// Writes every line followed by CR LF, replacing the file only when the whole text is on disk.
// Returns an Italian message for the user when the save fails; the old file is then left whole.
std::optional<QString> scriviRighe(const QString& percorso, const QStringList& righe);

// A number as the files hold it: the sign place (a blank when not negative), the digits, a blank.
QString numeroConSegno(qint64 numero);

} // namespace TestoAnsi
