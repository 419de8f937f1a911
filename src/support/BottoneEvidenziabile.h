// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's big button. Lit, by switch scanning or under the mouse, it is filled with the highlight colour and
// ringed in black or white, whichever stands out more against the screen behind it, so the lit button shows
// whatever colours the profile chose. Its caption keeps clear of that ring.
#pragma once

#include <QPushButton>

class BottoneEvidenziabile : public QPushButton {
    Q_OBJECT
public:
    BottoneEvidenziabile(const QString& testo, QWidget* genitore);

    void setEvidenziato(bool evidenziato);
    bool evidenziato() const { return m_evidenziato; }
    // Strokes drawn heavier than the font's own: a school cursive's hairlines, at the size of a caption, are
    // too thin for a pupil to read.
    void setTrattoPesante(bool pesante);

    // The text drawn, without the access-key marker.
    QString didascalia() const;
    // The room the caption may fill, lit or not: inside the ring, with a little air.
    QRect spazioDidascalia() const;
    // Paints any button in the highlight colour, lit, or in the normal colour; a button of this kind also
    // takes or loses its ring.
    static void dipingi(QAbstractButton* bottone, bool acceso, double normale, double evidenziato);

    // Whether the caption's ink, in this font, fits that room. A caption whose line is taller than the button
    // (a school cursive sized by its letters) is centred by its ink, so its loops and tails stay inside.
    bool inchiostroEntra(const QFont& carattere) const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    int spessoreAnello() const;
    double aggiuntaTratto() const;
    QRectF inchiostro(const QFont& carattere) const;
    void disegnaDidascalia(QPainter& pittore, const QColor& colore);

    bool m_evidenziato = false;
    bool m_trattoPesante = false;
};
