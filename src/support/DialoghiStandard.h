// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs for a colour, a file and a font, each modal to its owner. The colour and font
// dialogs write the choice into a control of the caller (a carrier label or a preview), the file dialog
// gives back a path. Tests answer them through DialoghiStandard::Prova without opening a window.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QColor;
class QPrinter;
class QWidget;

namespace DialoghiStandard {

inline constexpr qint16 kApri = 1;
inline constexpr qint16 kSalva = 2;

// On confirmation the target's text colour becomes the chosen colour (read it back with
// Colori::testo) and the result is true; on cancel nothing changes.
bool scegliColore(QWidget* owner, QWidget* target);

// modo kApri opens an existing file, any other value saves (asking before replacing a file). The filter is in
// the system's form: description and pattern, each followed by a NUL, the whole closed by a further NUL
// ("Tutti i files\0*.*\0\0"). The default extension has no dot. The dialog's side panel offers the initial
// folder and the other folders given, one click away. Returns the full path, or "" on cancel.
QString scegliFile(QWidget* owner, qint16 modo, const QString& titolo, const QString& nomeIniziale,
                   const QString& filtro, const QString& cartellaIniziale, const QString& estensione,
                   const QStringList& altreCartelle = {});

// Starts from the family and size of partenza, or else of the target's font; on confirmation the target takes
// the chosen family and size (whole points, halves to the even number) with no bold, italic or underline, which
// the screens never draw, and the result is true. Confirmed without a change, the family comes back as it was
// given, one this computer lacks included.
bool scegliFont(QWidget* owner, QWidget* target, const std::optional<QFont>& partenza = std::nullopt);

// The system's print dialog for the printer (a real printer, or a PDF file where the desktop offers one).
// True when the user confirms; the printer then holds the choice.
bool scegliStampante(QWidget* owner, QPrinter& printer);

// The print preview of what paint draws on the printer's pages; the user may print from it.
void mostraAnteprima(QWidget* owner, QPrinter& printer, const std::function<void(QPrinter*)>& paint);

// For tests: while intercepting no dialog opens; each dialog takes the next answer given (a dialog with none
// queued is cancelled) and is written down as one line: "colore", "apri|salva <title>|<folder>|<filter>|<ext>"
// (and "|<other folders>", joined by ";", when some are given),
// "font <family> <size>", "stampa" or "anteprima". A file answer to the print dialog or the preview prints to
// that PDF file, as the user printing to a file would.
namespace Prova {
void intercetta(bool attiva);
void rispondiColore(const QColor& colore);
// "" cancels the file dialog.
void rispondiFile(const QString& percorso);
void rispondiFont(const QFont& carattere);
void annulla();
QStringList richieste();
void dimentica();
} // namespace Prova

} // namespace DialoghiStandard
