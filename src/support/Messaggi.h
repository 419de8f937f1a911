// SPDX-License-Identifier: GPL-3.0-or-later
// Every message box of the program: title "Ordiparo", an Italian text, OK or Sì/No.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace Messaggi {

void informa(QWidget* genitore, const QString& testo);
// The same with the stop icon: something the user asked for could not be done.
void errore(QWidget* genitore, const QString& testo);
// True when the user answers "Sì". Every question asks before something is replaced: "No" is the default, so
// that Enter pressed without reading loses nothing.
bool chiedi(QWidget* genitore, const QString& testo);

// For tests: while intercepting, no box is shown; the texts are kept and questions get the answer given.
namespace Prova {
void intercetta(bool attiva);
void rispostaSuccessiva(bool si);
QStringList mostrati();
void dimentica();
} // namespace Prova

} // namespace Messaggi
