// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that come from a file or a user, shown exactly as they are.
#include "support/TestoSemplice.h"

#include <QLabel>

namespace TestoSemplice {

void perEtichetta(QLabel* etichetta)
{
    etichetta->setTextFormat(Qt::PlainText);
}

QString suggerimento(const QString& testo)
{
    // A tooltip cannot be told to take its text as plain text: it gets markup of its own, with the text escaped
    // and its blanks kept, wrapped when long.
    return testo.isEmpty() ? QString()
                           : QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(testo.toHtmlEscaped());
}

} // namespace TestoSemplice
