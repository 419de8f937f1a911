// SPDX-License-Identifier: GPL-3.0-or-later
// A picture file read so that it can neither stop the program nor reach other files: a regular file of bounded
// size read whole, and an SVG drawing only when it names nothing outside itself (Qt would open any file it names).
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QSize>

class QString;

class LettoreImmagine {
public:
    explicit LettoreImmagine(const QString& percorso);
    Q_DISABLE_COPY_MOVE(LettoreImmagine)

    // The picture's size upright, as its EXIF orientation turns it; empty when the file is not a picture that can
    // be shown: not a regular file, too large, a drawing that names other files, or no picture at all.
    QSize dimensione() const { return m_dimensione; }
    // The picture upright at that size, decoded at it: a large photo is read in a fraction of the time.
    QImage leggi(QSize misura);

    // True for an SVG drawing that names nothing outside itself: no link to a file or an address, no style sheet
    // to fetch, no picture inside it that is itself a drawing; false also for XML that cannot be read whole.
    static bool svgAutonomo(const QByteArray& svg);

private:
    QByteArray m_byte;
    QBuffer m_dispositivo;
    QImageReader m_lettore;
    bool m_girata = false;
    QSize m_dimensione;
};
