// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the exercise: the picture fitted into the stimulus area, decoded at the size it is drawn.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

namespace Immagine {

// Where a picture may go, in the coordinates of the screen's controls' area.
struct Spazio {
    QRect riquadro;  // the stimulus box: the picture's place with the words shown, its centre across always
    int altoCornice; // top and height of the frame the picture fills with the words hidden
    int altezzaCornice;
    int limiteDestro; // where the free room on the right ends: the character's box or the area's edge
    bool paroleVisibili;
};

struct Adattata {
    QImage immagine; // null when the file is missing, unreadable or too small to show
    QRect posto;
};

// Reads the picture upright (as its EXIF orientation says), fitted in proportion inside the space and
// decoded at that size. With the words shown it fits the stimulus box, centred; with the words hidden
// it takes the height of the frame, but no more width than the free room left of the box and before
// the right limit leaves on either side of the box's centre.
Adattata leggi(const QString& percorso, const Spazio& spazio);

// The picture file for a stimulus name, found without regard to letter case; empty when missing.
QString fileImmagine(const QString& cartellaImmagini, const QString& nome);

} // namespace Immagine
