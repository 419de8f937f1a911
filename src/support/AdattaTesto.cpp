// SPDX-License-Identifier: GPL-3.0-or-later
// Text drawn at the size chosen for it, or smaller when it would not fit its box whole.
#include "support/AdattaTesto.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QStringList>

namespace {
constexpr double kPuntiMinimi = 6;
constexpr double kPasso = 0.5;

bool entra(QFont font, double punti, const QStringList& testi, QSize spazio, bool aCapo)
{
    font.setPointSizeF(punti);
    const QFontMetricsF misure(font);
    const QRectF riquadro(0, 0, spazio.width(), spazio.height());
    for (const QString& testo : testi) {
        const QRectF occupato = misure.boundingRect(riquadro, aCapo ? Qt::TextWordWrap : 0, testo);
        if (occupato.width() > spazio.width() || occupato.height() > spazio.height())
            return false;
    }
    return true;
}
} // namespace

namespace AdattaTesto {

double piuGrandeCheEntra(double minimo, double massimo, const std::function<bool(double punti)>& entra)
{
    if (massimo <= minimo || entra(massimo))
        return std::max(minimo, massimo);
    // Sizes are tried in half points: the largest that fits, found by halving the range.
    int basso = 0;                                            // minimo, taken as fitting
    int alto = static_cast<int>((massimo - minimo) / kPasso); // known not to fit
    while (alto - basso > 1) {
        const int mezzo = (basso + alto) / 2;
        if (entra(minimo + mezzo * kPasso))
            basso = mezzo;
        else
            alto = mezzo;
    }
    return minimo + basso * kPasso;
}

double puntiCheEntrano(const QFont& font, const QStringList& testi, QSize spazio, bool aCapo, double puntiScelti)
{
    if (puntiScelti <= kPuntiMinimi)
        return puntiScelti;
    return piuGrandeCheEntra(kPuntiMinimi, puntiScelti,
                             [&](double punti) { return entra(font, punti, testi, spazio, aCapo); });
}

void adattaEtichetta(QLabel* etichetta, double puntiScelti)
{
    QFont font = etichetta->font();
    font.setPointSizeF(puntiCheEntrano(font, {etichetta->text()}, etichetta->contentsRect().size(), true, puntiScelti));
    etichetta->setFont(font);
}

} // namespace AdattaTesto
