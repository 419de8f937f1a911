// SPDX-License-Identifier: GPL-3.0-or-later
// A text laid out in lines once, so that a word's place is known and a block can be drawn behind it as it is read
// aloud while the text stays exactly where it is. Header only: the speaking character's balloon uses it too.
#pragma once

#include <QFontMetricsF>
#include <QTextLayout>

namespace TestoAParole {

struct Parola {
    int inizio = 0;
    int lunghezza = 0; // 0: no word
};

// The word (from blank to blank, without the punctuation around it) that holds the character at posizione.
inline Parola parolaIntorno(const QString& testo, int posizione)
{
    const auto staccaParole = [](QChar carattere) { return carattere.isSpace(); };
    const auto attorno = [](QChar carattere) { return carattere.isPunct() || carattere.isSymbol(); };
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

// Wrapped at word breaks to that width, line breaks kept, lines apart by the font's leading: as
// QFontMetricsF::boundingRect with Qt::TextWordWrap measures the text, so the boxes fitted by it hold it whole.
inline void disponi(QTextLayout& disposizione, QString testo, const QFont& font, qreal larghezza,
                    Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop)
{
    testo.replace(u'\n', QChar::LineSeparator);
    disposizione.setText(testo);
    disposizione.setFont(font);
    QTextOption opzioni(allineamento);
    opzioni.setWrapMode(QTextOption::WordWrap);
    disposizione.setTextOption(opzioni);
    disposizione.setCacheEnabled(true);
    const qreal interlinea = QFontMetricsF(font).leading();
    qreal altezza = 0;
    disposizione.beginLayout();
    for (QTextLine riga = disposizione.createLine(); riga.isValid(); riga = disposizione.createLine()) {
        riga.setLineWidth(larghezza);
        if (riga.lineNumber() > 0)
            altezza += interlinea;
        riga.setPosition(QPointF(0, altezza));
        altezza += riga.height();
    }
    disposizione.endLayout();
}

// The block behind the characters from inizio, lunghezza of them, on the line of the first: it reaches a quarter of
// a blank past the word, where a cursive's joining strokes overhang it, and never into the next word.
inline QRectF dietro(const QTextLayout& disposizione, int inizio, int lunghezza)
{
    const QTextLine riga = disposizione.lineForTextPosition(inizio);
    if (!riga.isValid() || lunghezza <= 0)
        return {};
    const qreal margine = QFontMetricsF(disposizione.font()).horizontalAdvance(u' ') / 4;
    const qreal sinistra = riga.cursorToX(inizio);
    const qreal destra = riga.cursorToX(std::min(inizio + lunghezza, riga.textStart() + riga.textLength()));
    return QRectF(sinistra - margine, riga.y(), destra - sinistra + 2 * margine, riga.height());
}

} // namespace TestoAParole
