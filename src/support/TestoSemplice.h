// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that come from a file or a user, shown exactly as they are: never read as markup, so that no text can
// change how it looks or make Qt open a file it names ("<img src=...>").
#pragma once

class QLabel;
class QString;

namespace TestoSemplice {

// The label shows every text it is given as plain text.
void perEtichetta(QLabel* etichetta);

// The text as a tooltip that shows it as it is: Qt reads a tooltip as markup whenever it looks like markup.
QString suggerimento(const QString& testo);

} // namespace TestoSemplice
