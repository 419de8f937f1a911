// SPDX-License-Identifier: GPL-3.0-or-later
// The save of the current pupil's profile, which a school may keep on a folder that several computers share.
#pragma once

class QWidget;
class StatoProgramma;

namespace SalvataggioProfilo {

// Writes the current pupil's profile. When another computer changed the file since it was read here and the
// settings here differ, the teacher chooses: these settings are written over the other's, or the other's are read
// back and these dropped; nothing is merged. A failed save is told. True when the settings in use are on disk
// (written here, or read back), false when the profile could not be written.
bool salva(QWidget* genitore, StatoProgramma& stato);

} // namespace SalvataggioProfilo
