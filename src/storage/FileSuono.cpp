// SPDX-License-Identifier: GPL-3.0-or-later
// A wave file's sound as the feedback player plays it.
#include "storage/FileSuono.h"

#include "storage/TestoAnsi.h"

#include <QLoggingCategory>
#include <QtEndian>
#include <cmath>

Q_LOGGING_CATEGORY(lcSuono, "ordiparo.sound", QtInfoMsg)

namespace {
constexpr qint64 kMassimoByte = 16 * 1024 * 1024; // a minute and a half of CD sound: a feedback sound is a second
constexpr int kMassimiSecondi = 120;
constexpr quint16 kPcm = 1;
constexpr quint16 kVirgolaMobile = 3;
constexpr quint16 kEstensibile = 0xFFFE; // the real format is in the first two bytes of the sub-format
constexpr int kMinimaFrequenza = 1000;
constexpr int kMassimaFrequenza = 384000;
constexpr int kMassimiCanali = 32;

struct Formato {
    quint16 tipo = 0;
    int canali = 0;
    int frequenza = 0;
    int bitPerCampione = 0;
};

// Little-endian numbers, byte by byte: reading them through a cast pointer makes the sanitizers' build of GCC warn
// of the empty array that a QByteArray may share.
quint16 parola(const QByteArray& byte, qsizetype dove)
{
    return static_cast<quint16>(static_cast<uchar>(byte.at(dove)) | static_cast<uchar>(byte.at(dove + 1)) << 8);
}

quint32 doppiaParola(const QByteArray& byte, qsizetype dove)
{
    return parola(byte, dove) | static_cast<quint32>(parola(byte, dove + 2)) << 16;
}

std::optional<Formato> leggiFormato(const QByteArray& byte, qsizetype inizio, quint32 lunghezza)
{
    if (lunghezza < 16)
        return std::nullopt;
    Formato formato{parola(byte, inizio), parola(byte, inizio + 2), static_cast<int>(doppiaParola(byte, inizio + 4)),
                    parola(byte, inizio + 14)};
    if (formato.tipo == kEstensibile && lunghezza >= 26)
        formato.tipo = parola(byte, inizio + 24);
    const bool intero = formato.tipo == kPcm && formato.bitPerCampione >= 8 && formato.bitPerCampione <= 32 &&
                        formato.bitPerCampione % 8 == 0;
    const bool mobile = formato.tipo == kVirgolaMobile && formato.bitPerCampione == 32;
    if (!(intero || mobile) || formato.canali < 1 || formato.canali > kMassimiCanali ||
        formato.frequenza < kMinimaFrequenza || formato.frequenza > kMassimaFrequenza)
        return std::nullopt;
    return formato;
}

// One sample of one channel, from -1 to 1.
double campione(const char* dati, const Formato& formato)
{
    const auto* u = reinterpret_cast<const uchar*>(dati);
    switch (formato.bitPerCampione) {
    case 8:
        return (u[0] - 128) / 128.0; // 8-bit wave data is unsigned
    case 16:
        return qFromLittleEndian<qint16>(dati) / 32768.0;
    case 24:
        return static_cast<qint32>((quint32(u[0]) << 8) | (quint32(u[1]) << 16) | (quint32(u[2]) << 24)) / 2147483648.0;
    default:
        if (formato.tipo == kVirgolaMobile) {
            const float valore = qFromLittleEndian<float>(dati);
            return std::isfinite(valore) ? std::clamp<double>(valore, -1, 1) : 0;
        }
        return qFromLittleEndian<qint32>(dati) / 2147483648.0;
    }
}

// The channels mixed down, then brought to the player's rate by linear interpolation.
std::optional<QByteArray> converti(const QByteArray& byte, qsizetype inizio, qsizetype lunghezza,
                                   const Formato& formato)
{
    const int bytePerCampione = formato.bitPerCampione / 8;
    const int bytePerQuadro = formato.canali * bytePerCampione;
    const qsizetype quadri = lunghezza / bytePerQuadro;
    if (quadri > qsizetype(kMassimiSecondi) * formato.frequenza)
        return std::nullopt;
    const auto mono = [&](qsizetype quadro) {
        double somma = 0;
        for (int c = 0; c < formato.canali; ++c)
            somma += campione(byte.constData() + inizio + quadro * bytePerQuadro + c * bytePerCampione, formato);
        return somma / formato.canali;
    };
    const qsizetype uscita = quadri * FileSuono::kFrequenza / formato.frequenza;
    QByteArray pcm(uscita * 2, Qt::Uninitialized);
    auto* campioni = reinterpret_cast<qint16*>(pcm.data());
    for (qsizetype i = 0; i < uscita; ++i) {
        const double posizione = double(i) * formato.frequenza / FileSuono::kFrequenza;
        const auto prima = static_cast<qsizetype>(posizione);
        const double primo = mono(prima);
        const double valore = primo + (mono(std::min(prima + 1, quadri - 1)) - primo) * (posizione - prima);
        campioni[i] = static_cast<qint16>(std::lround(std::clamp(valore * 32768, -32768.0, 32767.0)));
    }
    return pcm;
}
} // namespace

namespace FileSuono {

std::optional<QByteArray> decodifica(const QByteArray& byte)
{
    if (byte.size() < 12 || !byte.startsWith("RIFF") || byte.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<Formato> formato;
    for (qsizetype pezzo = 12; pezzo + 8 <= byte.size();) {
        const QByteArray nome = byte.mid(pezzo, 4);
        const qsizetype inizio = pezzo + 8;
        const qsizetype lunghezza = std::min<qsizetype>(doppiaParola(byte, pezzo + 4), byte.size() - inizio);
        if (nome == "fmt ")
            formato = leggiFormato(byte, inizio, static_cast<quint32>(lunghezza));
        else if (nome == "data" && formato && lunghezza >= formato->canali * formato->bitPerCampione / 8)
            return converti(byte, inizio, lunghezza, *formato);
        else if (nome == "data")
            return std::nullopt;                      // no format before the samples, or no whole sample
        pezzo = inizio + lunghezza + (lunghezza & 1); // chunks are padded to even lengths
    }
    return std::nullopt;
}

std::optional<QByteArray> leggi(const QString& percorso)
{
    const std::optional<QByteArray> byte = TestoAnsi::leggiByte(percorso, kMassimoByte);
    std::optional<QByteArray> pcm = byte ? decodifica(*byte) : std::nullopt;
    if (!pcm)
        qCWarning(lcSuono) << "not a sound the player can play:" << percorso;
    return pcm;
}

} // namespace FileSuono
