// SPDX-License-Identifier: GPL-3.0-or-later
// The settings folders and the readme that tells what they hold; whether a file or a folder is there.
#pragma once

#include <QString>
#include <optional>

class Percorsi;

namespace Cartelle {

bool EsisteFile(const QString& percorso);
bool EsisteCartella(const QString& percorso);

// Creates the folder and writes the readme anew.
// Returns an Italian message when the folder cannot be made.
std::optional<QString> CreaCartella(const QString& percorso, const Percorsi& percorsi);

// Creates the settings root, the program's folder, "utenti" and "dati", in that order, when missing.
std::optional<QString> CreaCartelle(const Percorsi& percorsi);

} // namespace Cartelle
