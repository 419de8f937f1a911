// The six columns of the record, on screen and on paper: row number, stimulus, statement, wrong answers and
// two free columns, each a share of the grid's width and aligned as the teacher reads it.
#pragma once

#include <Qt>
#include <algorithm>
#include <array>

namespace ColonneRegistro {

inline constexpr int kColonne = 6;
// Twenty-fourths of the grid's width; together 23, so a little room stays for the scroll bar.
inline constexpr std::array<int, kColonne> kQuote = {1, 2, 2, 6, 10, 2};
inline constexpr int kQuoteTotali = 24;
inline constexpr int kQuoteUsate = 23;
static_assert(kQuote[0] + kQuote[1] + kQuote[2] + kQuote[3] + kQuote[4] + kQuote[5] == kQuoteUsate);
// Short texts are centred; the wrong answers' marks and the long free column start at the left. A row is one
// line high with the same room above and below it, so the line sits in the middle, where a top-aligned line
// below its margin would be.
inline constexpr std::array<bool, kColonne> kCentrate = {true, true, true, false, false, true};

inline Qt::Alignment allineamento(int colonna)
{
    return (kCentrate[static_cast<std::size_t>(colonna)] ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}

// The columns' widths for a grid of that width, in the same unit: whole twenty-fourths of it. When the row
// numbers need more than their share (a narrow grid, a long record), the first column takes at least
// minimoNumeri, from the wide free column, so that no number is ever cut.
inline std::array<int, kColonne> larghezze(int larghezzaGriglia, int minimoNumeri = 0)
{
    std::array<int, kColonne> risultato{};
    for (std::size_t c = 0; c < risultato.size(); ++c)
        risultato[c] = kQuote[c] * (larghezzaGriglia / kQuoteTotali);
    const int preso = std::clamp(minimoNumeri - risultato[0], 0, risultato[4]);
    risultato[0] += preso;
    risultato[4] -= preso;
    return risultato;
}

} // namespace ColonneRegistro
