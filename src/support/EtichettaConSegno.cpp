// SPDX-License-Identifier: GPL-3.0-or-later
// A box of plain text that can mark the word being read aloud without moving the text.
#include "support/EtichettaConSegno.h"

#include "support/Colori.h"

#include <QPainter>
#include <QTextLine>

namespace {
// The marker reaches a little past the word's advance, where a cursive's joining strokes overhang it, and
// never into the next word's.
constexpr double kMargineSegno = 0.25; // of a blank's width

bool staccaParole(QChar carattere)
{
    return carattere.isSpace();
}
bool attorno(QChar carattere)
{
    return carattere.isPunct() || carattere.isSymbol();
}
} // namespace

EtichettaConSegno::EtichettaConSegno(QWidget* genitore) : QLabel(genitore) {}

EtichettaConSegno::Parola EtichettaConSegno::parolaIntorno(const QString& testo, int posizione)
{
    if (posizione < 0 || posizione >= testo.size() || staccaParole(testo[posizione]))
        return {};
    int inizio = posizione;
    while (inizio > 0 && !staccaParole(testo[inizio - 1]))
        --inizio;
    int fine = posizione + 1;
    while (fine < testo.size() && !staccaParole(testo[fine]))
        ++fine;
    while (inizio < fine && attorno(testo[inizio]))
        ++inizio;
    while (fine > inizio && attorno(testo[fine - 1]))
        --fine;
    // Only the low half of a pair was left out at the end: keep the pair whole.
    if (fine < testo.size() && testo[fine].isLowSurrogate() && fine > inizio)
        ++fine;
    return {inizio, fine - inizio};
}

void EtichettaConSegno::segnaParola(int posizione)
{
    const Parola parola = parolaIntorno(text(), posizione);
    // A place between words (a speech engine's pause at a colon) keeps the word marked.
    if ((posizione >= 0 && parola.lunghezza == 0) ||
        (parola.inizio == m_segnata.inizio && parola.lunghezza == m_segnata.lunghezza))
        return;
    // Only the two places change: the old marker's and the new one's.
    if (m_segnata.lunghezza > 0)
        update(riquadro(m_segnata).toAlignedRect());
    m_segnata = parola;
    if (m_segnata.lunghezza > 0)
        update(riquadro(m_segnata).toAlignedRect());
}

void EtichettaConSegno::disponi()
{
    const int larghezza = contentsRect().width() - 2 * margin();
    if (text() == m_testoDisposto && font() == m_fontDisposto && larghezza == m_larghezzaDisposta)
        return;
    m_testoDisposto = text();
    m_fontDisposto = font();
    m_larghezzaDisposta = larghezza;
    // Line breaks in the text end a line, as they do in the label's own drawing.
    QString testo = m_testoDisposto;
    testo.replace(u'\n', QChar::LineSeparator);
    m_disposizione.setText(testo);
    m_disposizione.setFont(m_fontDisposto);
    QTextOption opzioni(alignment());
    opzioni.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    m_disposizione.setTextOption(opzioni);
    m_disposizione.setCacheEnabled(true);
    // Lines apart by the font's leading, as the fitting of the text to its box measures them.
    const qreal interlinea = QFontMetricsF(m_fontDisposto).leading();
    qreal altezza = 0;
    m_disposizione.beginLayout();
    for (QTextLine riga = m_disposizione.createLine(); riga.isValid(); riga = m_disposizione.createLine()) {
        riga.setLineWidth(larghezza);
        if (riga.lineNumber() > 0)
            altezza += interlinea;
        riga.setPosition(QPointF(0, altezza));
        altezza += riga.height();
    }
    m_disposizione.endLayout();
}

QPointF EtichettaConSegno::origine() const
{
    return QPointF(contentsRect().topLeft()) + QPointF(margin(), margin());
}

QRectF EtichettaConSegno::riquadro(Parola parola)
{
    disponi();
    const QTextLine riga = m_disposizione.lineForTextPosition(parola.inizio);
    if (!riga.isValid() || parola.lunghezza <= 0)
        return {};
    const qreal margine = QFontMetricsF(font()).horizontalAdvance(u' ') * kMargineSegno;
    const qreal sinistra = riga.cursorToX(parola.inizio);
    const qreal destra =
        riga.cursorToX(std::min(parola.inizio + parola.lunghezza, riga.textStart() + riga.textLength()));
    const QRectF segno(sinistra - margine, riga.y(), destra - sinistra + 2 * margine, riga.height());
    return segno.translated(origine()).intersected(QRectF(contentsRect()));
}

EtichettaConSegno::Parola EtichettaConSegno::parolaA(QPoint punto)
{
    disponi();
    const QPointF dentro = QPointF(punto) - origine();
    for (int n = 0; n < m_disposizione.lineCount(); ++n) {
        const QTextLine riga = m_disposizione.lineAt(n);
        if (dentro.y() < riga.y() || dentro.y() >= riga.y() + riga.height())
            continue;
        if (dentro.x() < 0 || dentro.x() > riga.naturalTextWidth())
            return {};
        const int posizione = riga.xToCursor(dentro.x(), QTextLine::CursorOnCharacter);
        const Parola parola = parolaIntorno(text(), posizione);
        // Only a point on the word itself, not on the blank or the comma beside it.
        return riquadro(parola).contains(punto) ? parola : Parola{};
    }
    return {};
}

void EtichettaConSegno::paintEvent(QPaintEvent* /*evento*/)
{
    disponi();
    QPainter pittore(this);
    const QColor testo = palette().color(foregroundRole());
    const QRectF segnato = m_segnata.lunghezza > 0 ? riquadro(m_segnata) : QRectF();
    const Colori::Segno segno = Colori::segnoPer(palette().color(backgroundRole()), testo);
    if (!segnato.isEmpty())
        pittore.fillRect(segnato, segno.sfondo);
    pittore.setPen(testo);
    m_disposizione.draw(&pittore, origine());
    // A word that would not stand out on the marker in the text's own colour is drawn again over it, clipped
    // to it, so that no pixel outside the marker changes.
    if (!segnato.isEmpty() && segno.testo != testo) {
        pittore.setClipRect(segnato);
        pittore.fillRect(segnato, segno.sfondo);
        pittore.setPen(segno.testo);
        m_disposizione.draw(&pittore, origine());
    }
}
