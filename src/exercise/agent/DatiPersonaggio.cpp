// SPDX-License-Identifier: GPL-3.0-or-later
// A character file: its drawing size, its frames (SVG drawings) and its animations.
#include "exercise/agent/DatiPersonaggio.h"

#include "storage/TestoAnsi.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSvgRenderer>

const QStringList DatiPersonaggio::kAnimazioniNecessarie = {
    QStringLiteral("Riposo"), QStringLiteral("Parla"),    QStringLiteral("Saluta"),
    QStringLiteral("Appare"), QStringLiteral("Scompare"),
};

namespace {
constexpr qint64 kMassimoByte = 1024 * 1024; // the character file and each frame; ours are a few KB
constexpr int kMassimoLato = 2048;           // pixels a side, the frames being drawn at that size

std::optional<DatiPersonaggio> errore(QString* motivo, const QString& testo)
{
    if (motivo)
        *motivo = testo;
    return std::nullopt;
}

// "frame:ms" or "frame:ms:opacity"; nullopt when malformed.
std::optional<PassoAnimazione> passo(const QString& testo)
{
    const QStringList parti = testo.trimmed().split(u':');
    if (parti.size() < 2 || parti.size() > 3)
        return std::nullopt;
    bool msValidi = false;
    bool opacitaValida = true;
    PassoAnimazione risultato{parti[0].trimmed(), parti[1].trimmed().toInt(&msValidi), 1};
    if (parti.size() == 3)
        risultato.opacita = parti[2].trimmed().toDouble(&opacitaValida);
    if (!msValidi || risultato.ms < 0 || !opacitaValida || risultato.opacita < 0 || risultato.opacita > 1)
        return std::nullopt;
    return risultato;
}
} // namespace

std::optional<DatiPersonaggio> DatiPersonaggio::leggi(const QString& file, QString* motivo)
{
    const QString nome = QFileInfo(file).fileName();
    if (!QFileInfo(file).isFile())
        return errore(motivo, QStringLiteral("manca il file del personaggio \"%1\"").arg(nome));
    if (!TestoAnsi::fileLeggibile(file, kMassimoByte))
        return errore(motivo, QStringLiteral("il file del personaggio \"%1\" è più grande di 1 MB").arg(nome));
    QSettings ini(file, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return errore(motivo, QStringLiteral("il file del personaggio \"%1\" è illeggibile").arg(nome));

    DatiPersonaggio dati;
    dati.nome = ini.value(QStringLiteral("personaggio/nome")).toString();
    dati.dimensione = QSize(ini.value(QStringLiteral("personaggio/larghezza")).toInt(),
                            ini.value(QStringLiteral("personaggio/altezza")).toInt());
    if (dati.nome.isEmpty() || dati.dimensione.isEmpty())
        return errore(motivo, QStringLiteral("il file del personaggio \"%1\" non dice nome e misure").arg(nome));
    if (dati.dimensione.width() > kMassimoLato || dati.dimensione.height() > kMassimoLato)
        return errore(motivo, QStringLiteral("il file del personaggio \"%1\" dà misure oltre i %2 pixel per lato")
                                  .arg(nome)
                                  .arg(kMassimoLato));

    const QDir cartella = QFileInfo(file).dir();
    ini.beginGroup(QStringLiteral("fotogrammi"));
    for (const QString& chiave : ini.childKeys()) {
        // From memory and never gzipped: QSvgRenderer would inflate a small .svgz into gigabytes.
        const std::optional<QByteArray> svg =
            TestoAnsi::leggiByte(cartella.filePath(ini.value(chiave).toString()), kMassimoByte);
        auto disegno = QSharedPointer<QSvgRenderer>::create();
        if (!svg || svg->startsWith("\x1F\x8B") || !disegno->load(*svg))
            return errore(motivo, QStringLiteral("il disegno \"%1\" del personaggio manca o è rovinato").arg(chiave));
        dati.fotogrammi.insert(chiave, disegno);
    }
    ini.endGroup();

    ini.beginGroup(QStringLiteral("animazioni"));
    for (const QString& chiave : ini.childKeys()) {
        // QSettings splits a value at its commas already.
        const QVariant valore = ini.value(chiave);
        const QStringList passi =
            valore.userType() == QMetaType::QStringList ? valore.toStringList() : QStringList{valore.toString()};
        QList<PassoAnimazione>& animazione = dati.animazioni[chiave];
        for (const QString& testo : passi) {
            const std::optional<PassoAnimazione> letto = passo(testo);
            if (!letto || !dati.fotogrammi.contains(letto->fotogramma))
                return errore(motivo, QStringLiteral("l'animazione \"%1\" del personaggio è rovinata").arg(chiave));
            animazione << *letto;
        }
    }
    for (const QString& necessaria : kAnimazioniNecessarie) {
        if (dati.animazioni.value(necessaria).isEmpty())
            return errore(motivo, QStringLiteral("al personaggio manca l'animazione \"%1\"").arg(necessaria));
    }
    return dati;
}
