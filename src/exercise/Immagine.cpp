// Pictures of the exercise: the picture fitted into the stimulus area.
#include "exercise/Immagine.h"

#include "storage/Percorsi.h"

#include <QFileInfo>
#include <cmath>

namespace {
// Rounded to a whole number (halves to even), then halved towards zero.
int meta(double valore)
{
    return static_cast<int>(std::nearbyint(valore)) / 2;
}
} // namespace

namespace Immagine {

QRect adatta(QSize naturale, QRect riquadro, int altoCornice, int altezzaCornice, bool paroleVisibili)
{
    if (naturale.isEmpty())
        return {};
    const double w = naturale.width();
    const double h = naturale.height();
    if (!paroleVisibili) {
        const int larghezza = static_cast<int>(std::lround(w * altezzaCornice / h));
        return {riquadro.left() + meta(riquadro.width() - larghezza), altoCornice, larghezza, altezzaCornice};
    }
    if (2 * h <= w) {
        const int altezza = static_cast<int>(std::lround(h * riquadro.width() / w));
        return {riquadro.left(), riquadro.top() + meta(riquadro.height() - altezza), riquadro.width(), altezza};
    }
    const int larghezza = static_cast<int>(std::lround(w * riquadro.height() / h));
    return {riquadro.left() + meta(riquadro.width() - larghezza), riquadro.top(), larghezza, riquadro.height()};
}

QString fileImmagine(const QString& cartellaImmagini, const QString& nome)
{
    if (nome.trimmed().isEmpty())
        return {};
    const QString percorso = Percorsi::risoltoSenzaMaiuscole(cartellaImmagini + Percorsi::nativo(nome));
    return QFileInfo(percorso).isFile() ? percorso : QString();
}

} // namespace Immagine
