// Pictures of the exercise: the picture fitted into the stimulus area, decoded at the size it is drawn.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace Immagine {

// Where a picture of the given natural size goes. With the words shown it fits the stimulus box:
// a picture at least twice as wide as high fills the box's width and is centred vertically, any
// other fills its height and is centred across. With the words hidden it takes the height of the
// frame (top and height of cornice) and is centred across the box, whatever its width.
QRect adatta(QSize naturale, QRect riquadro, int altoCornice, int altezzaCornice, bool paroleVisibili);

// The picture file for a stimulus name, found without regard to letter case; empty when missing.
QString fileImmagine(const QString& cartellaImmagini, const QString& nome);

} // namespace Immagine
