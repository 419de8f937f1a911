// SPDX-License-Identifier: GPL-3.0-or-later
// Colours on controls, kept as the Windows colour numbers the profile holds, so that a control can be
// asked which number it shows (the scanning highlight is "the button painted in the highlight colour").
#pragma once

class QColor;
class QWidget;
class StatoProgramma;

namespace Colori {

// Background of a button or a label; written only when it differs, so moving the mouse causes no flicker.
void impostaSfondo(QWidget* controllo, double colore);
// Text colour of a label.
void impostaTesto(QWidget* controllo, double colore);
// The number last given with impostaSfondo, or NaN when the control still has its design colour.
double sfondo(const QWidget* controllo);
// The number last given with impostaTesto, or NaN.
double testo(const QWidget* controllo);

// Contrast of two colours as accessibility guidelines measure it, from 1 (the same) to 21 (black and white).
double contrasto(const QColor& primo, const QColor& secondo);
// Black or white, whichever stands out more against the colour.
QColor bianconeroContro(const QColor& sfondo);

// One of 18 light colours at random, as a Windows colour number.
double ScegliColoreCasuale(StatoProgramma& stato);

} // namespace Colori
