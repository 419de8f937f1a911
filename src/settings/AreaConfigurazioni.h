// SPDX-License-Identifier: GPL-3.0-or-later
// The settings screen's design area in twips, which the list editor and the picture chooser cover whole.
#pragma once

namespace AreaConfigurazioni {
inline constexpr int kLarghezza = 10800;
inline constexpr int kAltezza = 9000;
} // namespace AreaConfigurazioni
