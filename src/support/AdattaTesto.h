// SPDX-License-Identifier: GPL-3.0-or-later
// Text drawn at the size chosen for it, or smaller when it would not fit its box whole.
#pragma once

#include <QFont>
#include <QSize>
#include <QStringList>
#include <functional>

class QLabel;

namespace AdattaTesto {

// The largest size, at most the chosen one, at which every text fits the space whole (wrapped at
// word breaks when aCapo). Never below a legible minimum, even when the text does not fit there.
double puntiCheEntrano(const QFont& font, const QStringList& testi, QSize spazio, bool aCapo, double puntiScelti);

// Gives a word-wrapping label the chosen size, or the largest smaller one at which its text fits.
void adattaEtichetta(QLabel* etichetta, double puntiScelti);

// The largest size in half points from minimo up to massimo at which entra says yes, entra being true up to
// some size and false above it; minimo when it says no even there.
double piuGrandeCheEntra(double minimo, double massimo, const std::function<bool(double punti)>& entra);

} // namespace AdattaTesto
