// SPDX-License-Identifier: GPL-3.0-or-later
// Windows colour numbers as the profiles hold them: red in the low byte, then green, then blue;
// with the top bit set, the low byte names a system colour.
#pragma once

#include <QColor>

namespace ColoriWindows {

// The colour to paint; a system colour comes from the application's palette.
QColor comeQColor(double numero);
// The number of a plain colour.
double numeroDi(const QColor& colore);

} // namespace ColoriWindows
