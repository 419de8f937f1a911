// SPDX-License-Identifier: GPL-3.0-or-later
// Text files as they travel between school computers: Windows-1252 with CR LF, UTF-8 accepted on reading.
#include "storage/TestoAnsi.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcStorage, "ordiparo.storage", QtInfoMsg)

namespace {
const QByteArray kBomUtf8("\xEF\xBB\xBF");

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; the five unused bytes map to themselves.
constexpr char16_t kDa80a9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool haByteAlti(const QByteArray& byte)
{
    return std::any_of(byte.begin(), byte.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

QString daWindows1252(const QByteArray& byte)
{
    QString testo(byte.size(), Qt::Uninitialized);
    char16_t* destinazione = reinterpret_cast<char16_t*>(testo.data());
    for (const char c : byte) {
        const auto b = static_cast<unsigned char>(c);
        *destinazione++ = b >= 0x80 && b <= 0x9F ? kDa80a9F[b - 0x80] : b;
    }
    return testo;
}

// Writes the text in Windows-1252 at destinazione and moves it on; false when a character has no place there.
bool scriviInWindows1252(char*& destinazione, const QString& testo)
{
    for (const QChar carattere : testo) {
        const char16_t u = carattere.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *destinazione++ = static_cast<char>(u);
            continue;
        }
        const auto trovato = std::find(std::begin(kDa80a9F), std::end(kDa80a9F), u);
        if (trovato == std::end(kDa80a9F))
            return false;
        *destinazione++ = static_cast<char>(0x80 + (trovato - std::begin(kDa80a9F)));
    }
    return true;
}

// The text, when the bytes hold letters past ASCII and are valid UTF-8: so read without a byte order mark.
std::optional<QString> comeUtf8(const QByteArray& byte)
{
    if (!haByteAlti(byte))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString testo = utf8.decode(byte);
    if (utf8.hasError())
        return std::nullopt;
    return testo;
}

// True when every line has a place in Windows-1252 and the bytes would be read back as they are, not taken for
// UTF-8 ("Ã©" is C3 A9). Line ends are plain ASCII, so the whole file passes for UTF-8 exactly when every line
// with a letter past ASCII does.
bool tuttoInWindows1252(const QStringList& righe)
{
    // "ï»¿" at the start is a byte order mark in Windows-1252 bytes.
    if (!righe.isEmpty() && righe.first().startsWith(QStringLiteral("\u00EF\u00BB\u00BF")))
        return false;
    QByteArray prova;
    bool lettereOltreAscii = false;
    bool pareUtf8 = true;
    for (const QString& riga : righe) {
        prova.resize(riga.size());
        char* destinazione = prova.data();
        if (!scriviInWindows1252(destinazione, riga))
            return false;
        if (haByteAlti(prova)) {
            lettereOltreAscii = true;
            pareUtf8 = pareUtf8 && comeUtf8(prova);
        }
    }
    return !(lettereOltreAscii && pareUtf8);
}

// Bytes written to the file and counted into the hash of what it holds.
bool scriviContati(QIODevice& file, QCryptographicHash& hash, const QByteArray& byte)
{
    hash.addData(byte);
    return file.write(byte) >= 0;
}

// Line by line through one reusable buffer: a large list is saved without building it whole in memory.
bool scriviCodificate(QIODevice& file, const QStringList& righe, QCryptographicHash& hash)
{
    const QByteArray fineRiga("\r\n");
    if (!tuttoInWindows1252(righe)) {
        qCInfo(lcStorage) << "text outside Windows-1252, written as UTF-8";
        return scriviContati(file, hash,
                             kBomUtf8 + (righe.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }
    QByteArray riga;
    for (const QString& testo : righe) {
        riga.resize(testo.size());
        char* destinazione = riga.data();
        scriviInWindows1252(destinazione, testo);
        if (!scriviContati(file, hash, riga) || !scriviContati(file, hash, fineRiga))
            return false;
    }
    return true;
}

QByteArray nomeSulDisco(const QString& percorso)
{
    return QFile::encodeName(percorso);
}

// What the name itself is (a link is not followed); false when there is nothing by that name.
bool statoDi(const QString& percorso, struct stat& stato)
{
    return ::lstat(nomeSulDisco(percorso).constData(), &stato) == 0;
}

constexpr auto kHash = QCryptographicHash::Sha256;

// Why a save failed, in words the teacher can act on; numeroErrore is errno just after the failing call.
QString causaDelFallimento(const QString& percorso, int numeroErrore)
{
    const QFileInfo file(percorso);
    if (file.isSymLink())
        return QStringLiteral("Al suo posto c'è un collegamento a un altro file, e Ordiparo non scrive attraverso i "
                              "collegamenti: il file a cui porta resta com'era. Scegli un altro nome.");
    if (file.isDir())
        return QStringLiteral("Quel nome è di una cartella, non di un file.");
    if (!file.dir().exists())
        return QStringLiteral("La cartella \"%1\" non esiste.").arg(QDir::toNativeSeparators(file.path()));
    switch (numeroErrore) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("Il disco è pieno: libera un po' di spazio e riprova.");
    case EFBIG: // a size limit of the disk or of the user
        return QStringLiteral("Il disco è pieno o non accetta un file così grande.");
    }
    const bool senzaPermesso = numeroErrore == EACCES || numeroErrore == EPERM || numeroErrore == EROFS;
    if (senzaPermesso || (file.exists() && !file.isWritable()) || !QFileInfo(file.path()).isWritable())
        return QStringLiteral("Non c'è il permesso di scrivere in quella cartella o su quel file.");
    return QStringLiteral("Controlla che la cartella esista e che si possa scrivere.");
}
} // namespace

namespace TestoAnsi {

QString decodifica(const QByteArray& byte)
{
    if (byte.startsWith(kBomUtf8))
        return QString::fromUtf8(byte.mid(kBomUtf8.size()));
    if (std::optional<QString> testo = comeUtf8(byte))
        return *std::move(testo);
    return daWindows1252(byte);
}

QByteArray codifica(const QString& testo)
{
    QByteArray byte(testo.size(), Qt::Uninitialized);
    char* destinazione = byte.data();
    if (scriviInWindows1252(destinazione, testo) && !comeUtf8(byte) && !byte.startsWith(kBomUtf8))
        return byte;
    qCInfo(lcStorage) << "text outside Windows-1252, written as UTF-8";
    return kBomUtf8 + testo.toUtf8();
}

bool fileLeggibile(const QString& percorso, qint64 massimoByte)
{
    struct stat stato;
    return statoDi(percorso, stato) && S_ISREG(stato.st_mode) && stato.st_size <= massimoByte;
}

bool collegamento(const QString& percorso)
{
    struct stat stato;
    return statoDi(percorso, stato) && S_ISLNK(stato.st_mode);
}

std::optional<QByteArray> leggiByte(const QString& percorso, qint64 massimoByte, Impronta* letta)
{
    const auto illeggibile = [&]() -> std::optional<QByteArray> {
        struct stat nome;
        if (letta)
            *letta = statoDi(percorso, nome) ? Impronta{nome.st_size, {}} : Impronta{};
        return std::nullopt;
    };
    // The checks are made on the file opened, not on its name: nothing can be swapped in between.
    const int descrittore = ::open(nomeSulDisco(percorso).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat stato;
    if (descrittore < 0 || ::fstat(descrittore, &stato) != 0 || !S_ISREG(stato.st_mode) ||
        stato.st_size > massimoByte) {
        qCDebug(lcStorage) << "not a regular file of at most" << massimoByte << "bytes, nor a link:" << percorso;
        if (descrittore >= 0)
            ::close(descrittore);
        return illeggibile();
    }
    QFile file;
    if (!file.open(descrittore, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        qCDebug(lcStorage) << "cannot read" << percorso << file.errorString();
        ::close(descrittore);
        return illeggibile();
    }
    // A file that grows while it is read is read no further than the size it had when opened.
    QByteArray byte = file.read(stato.st_size);
    if (file.error() != QFileDevice::NoError)
        return illeggibile();
    if (letta)
        *letta = {byte.size(), QCryptographicHash::hash(byte, kHash)};
    return byte;
}

std::optional<QString> leggiFile(const QString& percorso, qint64 massimoByte, Impronta* letta)
{
    const std::optional<QByteArray> byte = leggiByte(percorso, massimoByte, letta);
    return byte ? std::optional(decodifica(*byte)) : std::nullopt;
}

bool cambiatoDa(const Impronta& vista, const QString& percorso, qint64 massimoByte)
{
    struct stat stato;
    if (!statoDi(percorso, stato))
        return false;
    if (vista.byte < 0)
        return true;
    if (vista.hash.isEmpty())
        return false; // what could not be read then cannot be told apart now
    // Only the content counts: times of change are too coarse to tell two saves apart, and a save of the same
    // text elsewhere changes nothing.
    if (stato.st_size != vista.byte)
        return true;
    Impronta adesso;
    return !leggiByte(percorso, massimoByte, &adesso) || adesso.hash != vista.hash;
}

std::optional<QString> scriviRighe(const QString& percorso, const QStringList& righe, Impronta* scritta)
{
    QSaveFile file(percorso);
    QCryptographicHash hash(kHash);
    // QSaveFile would write to the file a link points to: a link is refused before it opens, and again before
    // its new file takes the name, in case one was put there meanwhile. Its new file is made anew, never opened
    // through a link.
    // Flushed apart: Qt 6.4's commit() ignores a failed last flush and puts the short file in place of the old one.
    if (!collegamento(percorso) && file.open(QIODevice::WriteOnly) && scriviCodificate(file, righe, hash) &&
        file.flush() && !collegamento(percorso) && file.commit()) {
        struct stat stato;
        if (scritta && statoDi(percorso, stato))
            *scritta = {stato.st_size, hash.result()};
        return std::nullopt;
    }
    const int numeroErrore = errno;
    qCWarning(lcStorage) << "cannot write" << percorso << file.errorString();
    file.cancelWriting();
    return QStringLiteral("Non è stato possibile salvare il file \"%1\".\r\n%2")
        .arg(QDir::toNativeSeparators(percorso), causaDelFallimento(percorso, numeroErrore));
}

QString numeroConSegno(qint64 numero)
{
    // Built by hand: a list of 1000 items writes 9000 of these.
    char16_t testo[24];
    char16_t* fine = testo + std::size(testo);
    char16_t* inizio = fine;
    *--inizio = u' ';
    quint64 resto = numero < 0 ? 0 - static_cast<quint64>(numero) : static_cast<quint64>(numero);
    do {
        *--inizio = static_cast<char16_t>(u'0' + resto % 10);
        resto /= 10;
    } while (resto);
    *--inizio = numero < 0 ? u'-' : u' ';
    return QString(reinterpret_cast<const QChar*>(inizio), fine - inizio);
}

} // namespace TestoAnsi
