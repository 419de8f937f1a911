// Colours on controls, kept as the Windows colour numbers the profile holds.
#include "support/Colori.h"

#include "support/ColoriWindows.h"

#include <QAbstractButton>
#include <QWidget>
#include <cmath>

namespace {
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
    // A button paints its face with Button, a label or a box its background with Window.
    tavolozza.setColor(qobject_cast<QAbstractButton*>(controllo) ? QPalette::Button : QPalette::Window, qcolore);
    controllo->setPalette(tavolozza);
    if (!qobject_cast<QAbstractButton*>(controllo))
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

} // namespace Colori
