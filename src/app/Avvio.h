// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence, from the first copy's claim to the start screen and what follows its first showing.
#pragma once

#include <functional>

class Ordiparo;
class Programma;
class SchermataAvvio;
class QWidget;

namespace Avvio {

// Reading the system's fonts takes milliseconds: it is done on another core, from the first moment, while the
// program gets ready and makes the start screen, which needs them only to paint its caption.
void LeggiCaratteriInParallelo();

// The default user's profile, which the start screen follows; then the start screen, shown.
SchermataAvvio* EseguiAvvio(Ordiparo& programma);
// The rest, once the start screen is on show, so that the pupil sees it without waiting for the disk: the
// cursive font, the settings folders, the list in use. Any message comes over the start screen.
void CompletaAvvio(Programma& programma);
// Runs lavoro once, right after the window is first painted (or after a second, if it never is).
void dopoLaPrimaPittura(QWidget* finestra, std::function<void()> lavoro);

} // namespace Avvio
