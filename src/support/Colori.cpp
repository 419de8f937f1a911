// SPDX-License-Identifier: GPL-3.0-or-later
// Colours on controls, kept as the Windows colour numbers the profile holds.
#include "support/Colori.h"

#include "storage/StatoProgramma.h"
#include "support/ColoriWindows.h"

#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr std::array<double, 18> kColoriChiari = {
    12632319, 8421631,  8421631,  8438015,  33023,    12648447, 65535,    16576,    8454016,
    65535,    16777152, 16776960, 16761024, 16761087, 16761087, 14737632, 16761087, 16711935,
};
constexpr char kSfondo[] = "coloreSfondoWindows";
constexpr char kTesto[] = "coloreTestoWindows";

bool giaImpostato(const QWidget* controllo, const char* proprieta, double colore)
{
    const QVariant attuale = controllo->property(proprieta);
    return attuale.isValid() && attuale.toDouble() == colore;
}
} // namespace

namespace Colori {

void impostaSfondo(QWidget* controllo, double colore)
{
    if (giaImpostato(controllo, kSfondo, colore))
        return;
    controllo->setProperty(kSfondo, colore);
    QPalette tavolozza = controllo->palette();
    const QColor qcolore = ColoriWindows::comeQColor(colore);
    // A push button paints its face in its background role; a label, a frame or a tick box fills it.
    tavolozza.setColor(controllo->backgroundRole(), qcolore);
    controllo->setPalette(tavolozza);
    if (!qobject_cast<QPushButton*>(controllo))
        controllo->setAutoFillBackground(true);
}

void impostaTesto(QWidget* controllo, double colore)
{
    if (giaImpostato(controllo, kTesto, colore))
        return;
    controllo->setProperty(kTesto, colore);
    QPalette tavolozza = controllo->palette();
    tavolozza.setColor(QPalette::WindowText, ColoriWindows::comeQColor(colore));
    tavolozza.setColor(QPalette::ButtonText, ColoriWindows::comeQColor(colore));
    controllo->setPalette(tavolozza);
}

namespace {
double numero(const QWidget* controllo, const char* proprieta)
{
    const QVariant attuale = controllo->property(proprieta);
    return attuale.isValid() ? attuale.toDouble() : std::nan("");
}
} // namespace

double sfondo(const QWidget* controllo)
{
    return numero(controllo, kSfondo);
}

double testo(const QWidget* controllo)
{
    return numero(controllo, kTesto);
}

namespace {
double luminanza(const QColor& colore)
{
    const auto lineare = [](double canale) {
        return canale <= 0.04045 ? canale / 12.92 : std::pow((canale + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineare(colore.redF()) + 0.7152 * lineare(colore.greenF()) + 0.0722 * lineare(colore.blueF());
}
} // namespace

double contrasto(const QColor& primo, const QColor& secondo)
{
    const double a = luminanza(primo);
    const double b = luminanza(secondo);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor bianconeroContro(const QColor& sfondo)
{
    return contrasto(Qt::black, sfondo) >= contrasto(Qt::white, sfondo) ? QColor(Qt::black) : QColor(Qt::white);
}

Segno segnoPer(const QColor& sfondo, const QColor& testo)
{
    constexpr double kControSfondo = 3;
    constexpr double kControTesto = 4.5;
    // A few highlighter hues at every lightness: the one that clears both ratios by most, for the text's own
    // colour first; when no block can hold both (a text that hardly stands out on its box), for black or white.
    Segno scelto{sfondo, testo};
    double margine = -1;
    for (const QColor& parola : {testo, QColor(Qt::black), QColor(Qt::white)}) {
        for (const int tinta : {45, 200, 120, 300}) {
            for (int chiarezza = 0; chiarezza <= 255; chiarezza += 5) {
                const QColor blocco = QColor::fromHsl(tinta, 255, chiarezza);
                const double quanto =
                    std::min(contrasto(blocco, sfondo) / kControSfondo, contrasto(blocco, parola) / kControTesto);
                if (quanto > margine) {
                    margine = quanto;
                    scelto = {blocco, parola};
                }
            }
        }
        if (margine >= 1)
            break;
    }
    return scelto;
}

double ScegliColoreCasuale(StatoProgramma& stato)
{
    const auto indice = static_cast<std::size_t>(stato.casuale() * kColoriChiari.size());
    return kColoriChiari[std::min(indice, kColoriChiari.size() - 1)];
}

} // namespace Colori
