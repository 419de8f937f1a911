// SPDX-License-Identifier: GPL-3.0-or-later
// The record of exercises done as a printed report: the pupil's name and the date, the table with its rules,
// the header row again at the top of every page, the note, page numbers.
#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

class QPrinter;

namespace StampaRegistro {

struct Contenuto {
    // The current user, at the head of every page.
    QString utente;
    // The screen's captions: the name and the date above the table, the note below it.
    QString titolo;
    QString sottotitolo;
    QString nota;
    // The grid's font, and its rows from the header row on, one text a column (ColonneRegistro::kColonne).
    QFont carattereGriglia;
    QList<QStringList> righe;
};

// Paints the report on the printer's pages (what the print dialog chose, a PDF file, a preview) and returns
// the number of pages; 0 when the printer cannot be painted on.
int stampa(QPrinter& stampante, const Contenuto& contenuto);

} // namespace StampaRegistro
