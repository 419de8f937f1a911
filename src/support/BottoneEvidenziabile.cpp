// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's big button, lit with a solid fill and a ring that stands out against the screen.
#include "support/BottoneEvidenziabile.h"

#include "support/Colori.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kAnelloMinimo = 4; // pixels: the least a ring must be to be seen from a pupil's seat
constexpr int kAnelloMassimo = 10;
constexpr double kContrastoTesto = 4.5; // below this, the caption on the lit fill turns black or white

// The caption's access key: the index of the marked character in the text drawn, or -1.
int tastoDiAccesso(const QString& testo)
{
    int tolti = 0;
    for (int i = 0; i + 1 < testo.size(); ++i) {
        if (testo[i] != u'&')
            continue;
        if (testo[i + 1] != u'&')
            return i - tolti;
        ++i; // "&&" draws one "&"
        ++tolti;
    }
    return -1;
}
} // namespace

BottoneEvidenziabile::BottoneEvidenziabile(const QString& testo, QWidget* genitore) : QPushButton(testo, genitore) {}

void BottoneEvidenziabile::setEvidenziato(bool evidenziato)
{
    if (std::exchange(m_evidenziato, evidenziato) != evidenziato)
        update();
}

void BottoneEvidenziabile::setTrattoPesante(bool pesante)
{
    if (std::exchange(m_trattoPesante, pesante) != pesante)
        update();
}

void BottoneEvidenziabile::dipingi(QAbstractButton* bottone, bool acceso, double normale, double evidenziato)
{
    Colori::impostaSfondo(bottone, acceso ? evidenziato : normale);
    if (auto* evidenziabile = qobject_cast<BottoneEvidenziabile*>(bottone))
        evidenziabile->setEvidenziato(acceso);
}

QString BottoneEvidenziabile::didascalia() const
{
    QString testo = text();
    const int tasto = tastoDiAccesso(testo);
    if (tasto >= 0)
        testo.remove(testo.indexOf(u'&'), 1);
    return testo.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// Thick enough to be seen on a big button, never so thick that it eats a small one.
int BottoneEvidenziabile::spessoreAnello() const
{
    return std::clamp(std::min(width(), height()) / 12, kAnelloMinimo, kAnelloMassimo);
}

QRect BottoneEvidenziabile::spazioDidascalia() const
{
    const int margine = spessoreAnello() + std::max(2, spessoreAnello() / 2);
    return rect().adjusted(margine, margine, -margine, -margine);
}

// In step with the button, so that a caption made small by its loops ("falso") is as bold as its neighbours.
double BottoneEvidenziabile::aggiuntaTratto() const
{
    return m_trattoPesante ? height() / 40.0 : 0;
}

QRectF BottoneEvidenziabile::inchiostro(const QFont& carattere) const
{
    const double mezzaAggiunta = aggiuntaTratto() / 2;
    return QFontMetricsF(carattere)
        .tightBoundingRect(didascalia())
        .adjusted(-mezzaAggiunta, -mezzaAggiunta, mezzaAggiunta, mezzaAggiunta);
}

bool BottoneEvidenziabile::inchiostroEntra(const QFont& carattere) const
{
    const QRectF occupato = inchiostro(carattere);
    const QRect spazio = spazioDidascalia();
    const double icona = icon().isNull() ? 0 : iconSize().width() * 1.25;
    return occupato.width() + icona <= spazio.width() && occupato.height() <= spazio.height();
}

void BottoneEvidenziabile::paintEvent(QPaintEvent*)
{
    QStylePainter pittore(this);
    QColor testo = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    if (!m_evidenziato) {
        QStyleOptionButton opzione;
        initStyleOption(&opzione);
        pittore.drawControl(QStyle::CE_PushButtonBevel, opzione);
        disegnaDidascalia(pittore, testo);
        return;
    }
    const QColor fondo = palette().color(QPalette::Button);
    pittore.fillRect(rect(), fondo);
    const QWidget* schermo = parentWidget() ? parentWidget() : this;
    const QColor dietro = schermo->palette().color(schermo->backgroundRole());
    const int anello = spessoreAnello();
    QPainterPath cornice;
    cornice.addRect(rect());
    cornice.addRect(rect().adjusted(anello, anello, -anello, -anello));
    pittore.fillPath(cornice, Colori::bianconeroContro(dietro));
    if (Colori::contrasto(testo, fondo) < kContrastoTesto)
        testo = Colori::bianconeroContro(fondo);
    disegnaDidascalia(pittore, testo);
}

// Icon and caption side by side in the middle. A caption is placed as the style places a line, so captions of
// one font share their baseline, unless its ink would then reach the ring: then it is centred by its ink.
void BottoneEvidenziabile::disegnaDidascalia(QPainter& pittore, const QColor& colore)
{
    const QFont carattere = font();
    const QFontMetricsF misure(carattere);
    const QString testo = didascalia();
    const QRect spazio = spazioDidascalia();
    const QSize icona = icon().isNull() ? QSize() : iconSize();
    const double distanza = icona.width() / 4.0;
    const double larghezza = icona.width() + distanza + misure.horizontalAdvance(testo);
    double x = spazio.left() + (spazio.width() - larghezza) / 2;
    if (!icona.isEmpty()) {
        const QRect posto(qRound(x), spazio.center().y() - icona.height() / 2 + 1, icona.width(), icona.height());
        icon().paint(&pittore, posto, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        x += icona.width() + distanza;
    }
    const QRectF occupato = inchiostro(carattere);
    double base = (height() - misure.ascent() - misure.descent()) / 2 + misure.ascent();
    if (base + occupato.top() < spazio.top() || base + occupato.bottom() > spazio.bottom())
        base = spazio.top() + (spazio.height() - occupato.height()) / 2 - occupato.top();

    pittore.setRenderHint(QPainter::Antialiasing);
    const double aggiunta = aggiuntaTratto();
    if (aggiunta > 0) {
        QPainterPath tracciato;
        tracciato.addText(x, base, carattere, testo);
        pittore.setPen(QPen(colore, aggiunta, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        pittore.setBrush(colore);
        pittore.drawPath(tracciato);
    } else {
        pittore.setPen(colore);
        pittore.setFont(carattere);
        pittore.drawText(QPointF(x, base), testo);
    }

    // The access key's mark sits right under its letter, whatever depth the font gives its underline.
    const int tasto = tastoDiAccesso(text());
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    if (tasto < 0 || !style()->styleHint(QStyle::SH_UnderlineShortcut, &opzione, this))
        return;
    const double spessore = std::max(1.0, misure.lineWidth()) + aggiunta / 2;
    const double inizio = x + misure.horizontalAdvance(testo.left(tasto));
    const QRectF segno(inizio, base + aggiunta / 2 + 1, misure.horizontalAdvance(testo.mid(tasto, 1)), spessore);
    pittore.fillRect(segno, colore);
}
