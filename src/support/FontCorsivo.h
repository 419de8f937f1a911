// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the profiles name: the cursive school letters shipped with the program, and the usual Windows names
// mapped to the free fonts installed here.
#pragma once

class Percorsi;
class QWidget;

namespace FontCorsivo {

// The usual Windows font names mapped to the free fonts installed here.
void SostituisciFontDiWindows();

// Copies the cursive font into the user's fonts folder when it is missing there, says so once, and
// makes it usable at once; the Windows font names are mapped too.
void InstallaFont(const Percorsi& percorsi, QWidget* genitore);

} // namespace FontCorsivo
