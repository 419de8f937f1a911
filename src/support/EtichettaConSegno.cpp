// SPDX-License-Identifier: GPL-3.0-or-later
// A box of plain text that can mark the word being read aloud without moving the text.
#include "support/EtichettaConSegno.h"

#include "support/Colori.h"
#include "support/TestoAParole.h"

#include <QPainter>
#include <QTextLine>

EtichettaConSegno::EtichettaConSegno(QWidget* genitore) : QLabel(genitore) {}

void EtichettaConSegno::segnaParola(int posizione)
{
    const Parola parola = TestoAParole::parolaIntorno(text(), posizione);
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
    TestoAParole::disponi(m_disposizione, m_testoDisposto, m_fontDisposto, larghezza, alignment());
}

QPointF EtichettaConSegno::origine() const
{
    return QPointF(contentsRect().topLeft()) + QPointF(margin(), margin());
}

QRectF EtichettaConSegno::riquadro(Parola parola)
{
    disponi();
    const QRectF segno = TestoAParole::dietro(m_disposizione, parola.inizio, parola.lunghezza);
    return segno.isNull() ? segno : segno.translated(origine()).intersected(QRectF(contentsRect()));
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
        const Parola parola = TestoAParole::parolaIntorno(text(), posizione);
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
    const bool segnata = m_segnata.lunghezza > 0;
    const QRectF segnato = segnata ? riquadro(m_segnata) : QRectF();
    const Colori::Segno segno =
        segnata ? Colori::segnoPer(palette().color(backgroundRole()), testo) : Colori::Segno{{}, testo};
    pittore.fillRect(segnato, segno.sfondo);
    pittore.setPen(testo);
    m_disposizione.draw(&pittore, origine());
    // A word that would not stand out on the marker in the text's own colour is drawn again over it, clipped
    // to it, so that no pixel outside the marker changes.
    if (segno.testo != testo) {
        pittore.setClipRect(segnato);
        pittore.fillRect(segnato, segno.sfondo);
        pittore.setPen(segno.testo);
        m_disposizione.draw(&pittore, origine());
    }
}
