// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the exercise: the picture fitted into the stimulus area.
#include "support/Immagine.h"

#include "storage/Percorsi.h"
#include "support/LettoreImmagine.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {
// Rounded to a whole number (halves to even), then halved towards zero.
int meta(double valore)
{
    return static_cast<int>(std::nearbyint(valore)) / 2;
}

// The picture in proportion, as large as fits within the given width and height, centred across on the
// stimulus box and down within the given height from the given top; empty when it would vanish.
QRect adattaDentro(QSize naturale, const QRect& riquadro, int larghezza, int alto, int altezza)
{
    if (naturale.isEmpty() || larghezza <= 0 || altezza <= 0)
        return {};
    const double w = naturale.width();
    const double h = naturale.height();
    QSize misura(larghezza, altezza);
    if (larghezza * h <= altezza * w)
        misura.setHeight(static_cast<int>(std::lround(h * larghezza / w)));
    else
        misura.setWidth(static_cast<int>(std::lround(w * altezza / h)));
    if (misura.isEmpty())
        return {};
    return {QPoint(riquadro.left() + meta(riquadro.width() - misura.width()), alto + meta(altezza - misura.height())),
            misura};
}

QRect adatta(QSize naturale, const Immagine::Spazio& spazio)
{
    const QRect& riquadro = spazio.riquadro;
    if (spazio.paroleVisibili)
        return adattaDentro(naturale, riquadro, riquadro.width(), riquadro.top(), riquadro.height());
    const int margine = std::min(riquadro.left(), spazio.limiteDestro - (riquadro.left() + riquadro.width()));
    return adattaDentro(naturale, riquadro, riquadro.width() + 2 * margine, spazio.altoCornice, spazio.altezzaCornice);
}
} // namespace

namespace Immagine {

Adattata leggi(const QString& percorso, const Spazio& spazio)
{
    LettoreImmagine lettore(percorso);
    const QRect posto = adatta(lettore.dimensione(), spazio);
    if (posto.isEmpty())
        return {};
    return {lettore.leggi(posto.size()), posto};
}

QString fileImmagine(const QString& cartellaImmagini, const QString& nome)
{
    if (nome.trimmed().isEmpty())
        return {};
    const QString percorso = Percorsi::risoltoSenzaMaiuscole(cartellaImmagini + Percorsi::nativo(nome));
    return QFileInfo(percorso).isFile() ? percorso : QString();
}

} // namespace Immagine
