// SPDX-License-Identifier: GPL-3.0-or-later
// The word balloon: the words appear as they are spoken.
#include "exercise/agent/Fumetto.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kMargine = 12;
constexpr int kCoda = 18;
constexpr int kLarghezzaMassima = 420;
constexpr int kRigheFisse = 2;
constexpr int kFlagTesto = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
} // namespace

Fumetto::Fumetto(QWidget* schermata) : QWidget(schermata)
{
    setObjectName(QStringLiteral("qt_fumetto"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

QRect Fumetto::areaTesto() const
{
    return rect().adjusted(kMargine, kMargine, -kMargine - kCoda, -kMargine);
}

void Fumetto::inizia(const QString& testo, bool tuttoIlTesto, const QRect& figura)
{
    m_testo = testo;
    m_mostrato.clear();
    m_tuttoIlTesto = tuttoIlTesto;
    m_figura = figura;
    posiziona();
    update();
}

void Fumetto::posiziona()
{
    const QFontMetrics misure(font());
    const int larghezzaTesto = std::min(
        kLarghezzaMassima, misure.boundingRect(QRect(0, 0, kLarghezzaMassima, 10000), kFlagTesto, m_testo).width());
    const int altezzaTesto =
        m_tuttoIlTesto ? misure.boundingRect(QRect(0, 0, larghezzaTesto, 100000), kFlagTesto, m_testo).height()
                       : misure.lineSpacing() * kRigheFisse;
    const QSize misura(larghezzaTesto + 2 * kMargine + kCoda, altezzaTesto + 2 * kMargine);
    // To the left of the character, level with his head, kept inside the screen.
    QPoint angolo(m_figura.left() - misura.width(), m_figura.top());
    const QRect schermo = parentWidget()->rect();
    angolo.setX(std::clamp(angolo.x(), 0, std::max(0, schermo.width() - misura.width())));
    angolo.setY(std::clamp(angolo.y(), 0, std::max(0, schermo.height() - misura.height())));
    setGeometry(QRect(angolo, misura));
}

void Fumetto::rivela(int finoA)
{
    QString mostrato = m_testo.left(finoA);
    if (!m_tuttoIlTesto) {
        // Two lines only: drop words from the front until the latest ones fit.
        const QFontMetrics misure(font());
        const QRect area = areaTesto();
        while (mostrato.contains(u' ') &&
               misure.boundingRect(QRect(0, 0, area.width(), 100000), kFlagTesto, mostrato).height() > area.height())
            mostrato = mostrato.mid(mostrato.indexOf(u' ') + 1);
    }
    if (mostrato == m_mostrato)
        return;
    m_mostrato = mostrato;
    update();
}

void Fumetto::paintEvent(QPaintEvent*)
{
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    const QRectF corpo = QRectF(rect()).adjusted(1, 1, -kCoda - 1, -1);
    QPainterPath sagoma;
    sagoma.addRoundedRect(corpo, 10, 10);
    QPainterPath coda;
    const double y = std::min(corpo.bottom() - 8, corpo.top() + 28);
    coda.moveTo(corpo.right() - 1, y - 8);
    coda.lineTo(width() - 1, y);
    coda.lineTo(corpo.right() - 1, y + 8);
    coda.closeSubpath();
    sagoma = sagoma.united(coda);
    pittore.setPen(QPen(Qt::black, 2));
    pittore.setBrush(QColor(255, 255, 225));
    pittore.drawPath(sagoma);
    pittore.setPen(Qt::black);
    pittore.drawText(areaTesto(), kFlagTesto, m_mostrato);
}
