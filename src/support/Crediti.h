// SPDX-License-Identifier: GPL-3.0-or-later
// Who made the program and its font: one place for the texts that name them.
#pragma once

namespace Crediti {
inline constexpr char16_t kAutoreFont[] = u"Jean-Marie Douteau";
inline constexpr char16_t kOrigineFont[] = u"(font Ecolier court, licenza SIL OFL 1.1, adattato per Ordiparo)";
} // namespace Crediti
