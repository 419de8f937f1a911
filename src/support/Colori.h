// SPDX-License-Identifier: GPL-3.0-or-later
// Colours on controls, kept as the Windows colour numbers the profile holds, so that a control can be
// asked which number it shows (the scanning highlight is "the button painted in the highlight colour").
#pragma once

#include <QColor>

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

// The block behind a word being read, and the word's colour on it: the block stands out at least 3:1 against the
// box and the word at least 4.5:1 against the block, in the text's own colour whenever that can be done.
struct Segno {
    QColor sfondo;
    QColor testo;
};
Segno segnoPer(const QColor& sfondo, const QColor& testo);

// One of 18 light colours at random, as a Windows colour number.
double ScegliColoreCasuale(StatoProgramma& stato);

} // namespace Colori
