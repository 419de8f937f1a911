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
const QColor kSfondo(255, 255, 225);
// Behind the word heard: 3.8:1 against the balloon, and black letters 5.4:1 on it.
const QColor kSegno(0, 136, 204);
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
    m_segnata = {};
    posiziona();
    TestoAParole::disponi(m_disposizione, m_mostrato, font(), areaTesto().width());
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

void Fumetto::rivela(int finoA, TestoAParole::Parola segnata)
{
    QString mostrato = m_testo.left(finoA);
    const qsizetype tutto = mostrato.size();
    if (!m_tuttoIlTesto) {
        // Two lines only: drop words from the front until the latest ones fit.
        const QFontMetrics misure(font());
        const QRect area = areaTesto();
        while (mostrato.contains(u' ') &&
               misure.boundingRect(QRect(0, 0, area.width(), 100000), kFlagTesto, mostrato).height() > area.height())
            mostrato = mostrato.mid(mostrato.indexOf(u' ') + 1);
    }
    segnata.inizio -= static_cast<int>(tutto - mostrato.size()); // the words dropped from the front
    if (mostrato == m_mostrato && segnata.inizio == m_segnata.inizio && segnata.lunghezza == m_segnata.lunghezza)
        return;
    m_mostrato = mostrato;
    m_segnata = segnata.inizio >= 0 ? segnata : TestoAParole::Parola{};
    TestoAParole::disponi(m_disposizione, m_mostrato, font(), areaTesto().width());
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
    pittore.setBrush(kSfondo);
    pittore.drawPath(sagoma);
    const QPointF origine = areaTesto().topLeft();
    if (m_segnata.lunghezza > 0)
        pittore.fillRect(
            TestoAParole::dietro(m_disposizione, m_segnata.inizio, m_segnata.lunghezza).translated(origine), kSegno);
    pittore.setPen(Qt::black);
    m_disposizione.draw(&pittore, origine);
}
