// Start-up helpers: the settings folders and their readme, the cursive font, the random colours.
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <optional>

Q_DECLARE_LOGGING_CATEGORY(lcStartup)

class Percorsi;
class StatoProgramma;
class QWidget;

namespace Modulo1 {

bool EsisteFile(const QString& percorso);
bool EsisteCartella(const QString& percorso);

// Creates the folder and writes the readme anew.
// Returns an Italian message when the folder cannot be made.
std::optional<QString> CreaCartella(const QString& percorso, const Percorsi& percorsi);

// Creates the settings root, the program's folder, "utenti" and "dati", in that order, when missing.
std::optional<QString> CreaCartelle(const Percorsi& percorsi);

// The usual Windows font names mapped to the free fonts installed here.
void SostituisciFontDiWindows();

// Copies the cursive font into the user's fonts folder when it is missing there, says so once, and
// makes it usable at once; the Windows font names are mapped too.
void InstallaFont(const Percorsi& percorsi, QWidget* genitore);

// One of 18 light colours at random, as a Windows colour number.
double ScegliColoreCasuale(StatoProgramma& stato);

} // namespace Modulo1
