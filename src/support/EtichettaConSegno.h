// SPDX-License-Identifier: GPL-3.0-or-later
// A box of plain text, wrapped at word breaks, that can mark one of its words with a solid block behind it as
// the word is read aloud. The text is laid out once for its font and width and drawn from that layout, so the
// marker moves without the text ever reflowing or shifting.
#pragma once

#include "support/TestoAParole.h"

#include <QLabel>
#include <QTextLayout>

class EtichettaConSegno : public QLabel {
    Q_OBJECT
public:
    explicit EtichettaConSegno(QWidget* genitore = nullptr);

    using Parola = TestoAParole::Parola;

    // Marks the word around that character of the text; -1 takes the marker away, a blank or a comma leaves it.
    void segnaParola(int posizione);
    Parola parolaSegnata() const { return m_segnata; }
    // The word under that point of the box; a length of 0 off the words.
    Parola parolaA(QPoint punto);
    // Where the marker stands for that word, in the box's own coordinates.
    QRectF riquadro(Parola parola);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    // Lays the text out again only when its text, font or width changed.
    void disponi();
    QPointF origine() const;

    QTextLayout m_disposizione;
    QString m_testoDisposto;
    QFont m_fontDisposto;
    int m_larghezzaDisposta = -1;
    Parola m_segnata;
};
