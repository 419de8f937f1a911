// Text drawn at the size chosen for it, or smaller when it would not fit its box whole.
#pragma once

#include <QFont>
#include <QSize>
#include <QStringList>

class QLabel;

namespace AdattaTesto {

// The largest size, at most the chosen one, at which every text fits the space whole (wrapped at
// word breaks when aCapo). Never below a legible minimum, even when the text does not fit there.
double puntiCheEntrano(const QFont& font, const QStringList& testi, QSize spazio, bool aCapo, double puntiScelti);

// Gives a word-wrapping label the chosen size, or the largest smaller one at which its text fits.
void adattaEtichetta(QLabel* etichetta, double puntiScelti);

} // namespace AdattaTesto
