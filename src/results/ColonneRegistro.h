// SPDX-License-Identifier: GPL-3.0-or-later
// The six columns of the record, on screen and on paper: row number, stimulus, statement, wrong answers and two
// free columns, with their titles, their alignment and the room each gets.
#pragma once

#include <QList>
#include <QStringList>
#include <Qt>
#include <array>
#include <functional>

namespace ColonneRegistro {

inline constexpr int kColonne = 6;

// The header row's titles.
QStringList titoli();

// The row numbers and the last free column's short marks are centred; the texts, which may run over several
// lines, start at the left. Every text starts at the top of its row.
Qt::Alignment allineamento(int colonna);

// The columns' widths in a table that wide, from its rows (the header row first): the row numbers and the wrong
// answers' marks as wide as they need (the marks at most a sixth of the table), the two free columns only when
// some row fills them (0 otherwise), the texts the rest, a short one no wider than it needs. misura gives the
// width a text needs on one line, a cell's margins included.
std::array<double, kColonne> larghezze(double larghezzaTabella, const QList<QStringList>& righe,
                                       const std::function<double(const QString&)>& misura);

} // namespace ColonneRegistro
