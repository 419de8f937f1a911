// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails of the pictures folder, made on worker threads and kept in the desktop's shared thumbnail cache.
#include "settings/Miniature.h"

#include "support/LettoreImmagine.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QUrl>
#include <QtConcurrent>

Q_LOGGING_CATEGORY(lcMiniature, "ordiparo.settings.thumbnails", QtInfoMsg)

namespace {
const char kChiaveUri[] = "Thumb::URI";
const char kChiaveMTime[] = "Thumb::MTime";

// The URI as the other programs sharing the cache write it: file:// and the absolute path, percent-encoded.
QString uriDi(const QString& percorsoAssoluto)
{
    return QString::fromLatin1(QUrl::fromLocalFile(percorsoAssoluto).toEncoded());
}

QImage dallaCache(const QString& file, const QString& uri, qint64 modificato)
{
    // A thumbnail of another file, or of an older version of this one, is made anew. (The reader's own text
    // lookup splits keys at the first colon, so the keys are read from the small decoded image.)
    QImage salvata(file, "png");
    if (salvata.isNull() || salvata.text(QString::fromLatin1(kChiaveUri)) != uri ||
        salvata.text(QString::fromLatin1(kChiaveMTime)) != QString::number(modificato))
        return {};
    return salvata;
}

QImage decodifica(const QString& percorso, QSize* naturale)
{
    LettoreImmagine lettore(percorso);
    *naturale = lettore.dimensione();
    if (naturale->isEmpty())
        return {};
    QSize misura = naturale->boundedTo(QSize(Miniature::kLato, Miniature::kLato));
    misura = naturale->scaled(misura, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return lettore.leggi(misura);
}

void salvaInCache(const QString& file, QImage miniatura, const QString& uri, qint64 modificato, qint64 byte,
                  QSize naturale)
{
    const QString cartella = QFileInfo(file).path();
    if (!QFileInfo::exists(cartella)) {
        // The cache holds what the user looked at: only the user may read it.
        QDir().mkpath(cartella);
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    miniatura.setText(QString::fromLatin1(kChiaveUri), uri);
    miniatura.setText(QString::fromLatin1(kChiaveMTime), QString::number(modificato));
    miniatura.setText(QStringLiteral("Thumb::Size"), QString::number(byte));
    miniatura.setText(QStringLiteral("Thumb::Image::Width"), QString::number(naturale.width()));
    miniatura.setText(QStringLiteral("Thumb::Image::Height"), QString::number(naturale.height()));
    miniatura.setText(QStringLiteral("Software"), QStringLiteral("Ordiparo"));
    // Written whole or not at all: another program may be reading the same cache.
    QSaveFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly)) {
        qCInfo(lcMiniature) << "thumbnail cache not writable:" << file << uscita.errorString();
        return;
    }
    uscita.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QImageWriter scrittore(&uscita, "png");
    if (!scrittore.write(miniatura) || !uscita.flush() || uscita.error() != QFileDevice::NoError) {
        qCInfo(lcMiniature) << "thumbnail not saved:" << file << scrittore.errorString() << uscita.errorString();
        uscita.cancelWriting();
        return;
    }
    uscita.commit();
}
} // namespace

namespace Miniature {

QString cartellaCache()
{
    // As the desktops agree: a relative XDG_CACHE_HOME is ignored, ~/.cache stands in.
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(base) + QStringLiteral("/thumbnails/normal/");
}

QString fileCache(const QString& cartellaCache, const QString& percorso)
{
    const QByteArray uri = uriDi(QFileInfo(percorso).absoluteFilePath()).toLatin1();
    return cartellaCache + QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

Risultato crea(const QString& percorso, const QString& cartellaCache)
{
    const QFileInfo info(percorso);
    if (!info.isFile())
        return {};
    const QString uri = uriDi(info.absoluteFilePath());
    const qint64 modificato = info.lastModified().toSecsSinceEpoch();
    const QString file = fileCache(cartellaCache, info.absoluteFilePath());
    if (QImage salvata = dallaCache(file, uri, modificato); !salvata.isNull())
        return {salvata, true};
    QSize naturale;
    const QImage miniatura = decodifica(percorso, &naturale);
    if (miniatura.isNull())
        return {};
    salvaInCache(file, miniatura, uri, modificato, info.size(), naturale);
    return {miniatura, false};
}

} // namespace Miniature

CostruzioneMiniature::CostruzioneMiniature(QObject* genitore, Costruttore costruttore)
    : QObject(genitore), m_costruttore(std::move(costruttore)), m_lavoratori(new QThreadPool)
{
    connect(&m_osservatore, &QFutureWatcherBase::resultReadyAt, this, [this](int indice) {
        ++m_fatti;
        emit pronta(indice, m_osservatore.resultAt(indice).immagine);
        emit avanzamento(m_fatti, m_totale);
    });
    connect(&m_osservatore, &QFutureWatcherBase::finished, this, [this] {
        if (m_osservatore.isCanceled())
            return; // stopped on purpose: whoever stopped it knows
        m_inCorso = false;
        emit finita();
    });
}

CostruzioneMiniature::~CostruzioneMiniature()
{
    ferma();
    // A file that never finishes reading (a shared folder that stopped answering) must not keep the settings, or
    // the program, from closing: after a while its worker is left to itself, with the pool it runs in.
    constexpr int kAttesaMs = 3000;
    if (m_lavoratori->waitForDone(kAttesaMs))
        delete m_lavoratori;
    else
        qCWarning(lcMiniature) << "thumbnails still being made on closing: left behind";
}

void CostruzioneMiniature::avvia(const QStringList& percorsi)
{
    ferma();
    m_fatti = 0;
    m_totale = static_cast<int>(percorsi.size());
    m_inCorso = true;
    const QString cache = Miniature::cartellaCache();
    // Copies only: the work may outlive the builder.
    m_osservatore.setFuture(
        QtConcurrent::mapped(m_lavoratori, percorsi, [cache, costruttore = m_costruttore](const QString& percorso) {
            return costruttore(percorso, cache);
        }));
}

void CostruzioneMiniature::ferma()
{
    // A cancelled future delivers no more results; avvia's new future drops the old one's pending events.
    m_osservatore.cancel();
    m_inCorso = false;
}
