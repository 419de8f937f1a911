// SPDX-License-Identifier: GPL-3.0-or-later
// Windows colour numbers as the profiles hold them.
#include "support/ColoriWindows.h"

#include <QApplication>
#include <QPalette>
#include <cmath>

namespace {
QPalette::ColorRole ruoloDiSistema(int indice)
{
    switch (indice) {
    case 5: // window
        return QPalette::Base;
    case 7: // menu text
    case 8: // window text
    case 9: // caption text
        return QPalette::WindowText;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 16:
        return QPalette::Dark;
    case 17:
        return QPalette::PlaceholderText;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default: // desktop, captions, borders, menus, workspace
        return QPalette::Window;
    }
}
} // namespace

namespace ColoriWindows {

QColor comeQColor(double numero)
{
    const auto valore = static_cast<quint32>(static_cast<qint64>(std::llround(numero)));
    if (valore & 0x80000000u)
        return QApplication::palette().color(ruoloDiSistema(static_cast<int>(valore & 0xFFu)));
    return QColor(static_cast<int>(valore & 0xFFu), static_cast<int>((valore >> 8) & 0xFFu),
                  static_cast<int>((valore >> 16) & 0xFFu));
}

double numeroDi(const QColor& colore)
{
    return colore.red() + colore.green() * 256.0 + colore.blue() * 65536.0;
}

} // namespace ColoriWindows
