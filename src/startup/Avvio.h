// The start-up sequence, from the first copy's claim to the start screen.
#pragma once

class Programma;
class FormAvvio;

namespace Avvio {

// Fonts, folders, the default user's profile and list; then the start screen, shown.
FormAvvio* EseguiAvvio(Programma& programma);

} // namespace Avvio
