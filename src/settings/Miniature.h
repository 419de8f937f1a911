// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails of the pictures folder: decoded at thumbnail size on worker threads, and kept between runs in the
// desktop's shared thumbnail cache, so that a folder of phone photos opens at once the second time.
#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QThreadPool;

namespace Miniature {

// The longest side of a thumbnail, as the cache's "normal" size holds it.
inline constexpr int kLato = 128;

struct Risultato {
    QImage immagine;         // null when the file is not a picture that can be read
    bool dallaCache = false; // taken from the shared cache, without decoding the picture
};

// $XDG_CACHE_HOME/thumbnails/normal/ (by default ~/.cache/thumbnails/normal/), with a closing slash.
QString cartellaCache();

// Where the cache keeps the thumbnail of a file: the MD5 of the file's URI, as hexadecimal, with ".png".
QString fileCache(const QString& cartellaCache, const QString& percorso);

// The thumbnail of one file, upright as its EXIF orientation says and in proportion, at most kLato on its
// longer side and never enlarged. A cached one is used while it names the same file and modification time;
// otherwise the picture is decoded at thumbnail size and the cache gets the new thumbnail. Safe on any thread.
Risultato crea(const QString& percorso, const QString& cartellaCache);

} // namespace Miniature

// Builds the thumbnails of a list of files on its own worker threads and hands each one to the user-interface
// thread as soon as it is ready. Stopping, or destroying the builder, lets no further file start; destroying it
// waits a little for the files under way, never for ever.
class CostruzioneMiniature : public QObject {
    Q_OBJECT
public:
    // What makes one thumbnail, from a file and the cache folder; tests put a slow one in its place.
    using Costruttore = std::function<Miniature::Risultato(const QString& percorso, const QString& cartellaCache)>;

    explicit CostruzioneMiniature(QObject* genitore = nullptr, Costruttore costruttore = &Miniature::crea);
    ~CostruzioneMiniature() override;
    Q_DISABLE_COPY_MOVE(CostruzioneMiniature)

    // Stops any building under way and starts one for these files.
    void avvia(const QStringList& percorsi);
    void ferma();
    bool inCorso() const { return m_inCorso; }

signals:
    // indice is the file's place in the list given to avvia; immagine is null for a file that is not a picture.
    void pronta(int indice, const QImage& immagine);
    void avanzamento(int fatti, int totale);
    void finita();

private:
    Costruttore m_costruttore;
    // Not a member object: a pool's destructor waits for every task it runs, however long.
    QThreadPool* m_lavoratori;
    QFutureWatcher<Miniature::Risultato> m_osservatore;
    int m_fatti = 0;
    int m_totale = 0;
    bool m_inCorso = false;
};
