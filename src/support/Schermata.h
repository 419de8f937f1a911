// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every screen of the program shares: an optional menu bar, the area of the controls placed
// at their design places in twips and kept in proportion, activation once per opening.
#pragma once

#include "support/Proporzioni.h"

#include <QWidget>

class QMenuBar;

class Schermata : public QWidget {
    Q_OBJECT
public:
    explicit Schermata(int larghezzaTwip, int altezzaTwip);

    // Twips are the screens' design unit: 15 twips make one pixel at 96 dpi.
    static int pixel(int twip);

    QWidget* area() const { return m_area; }
    QMenuBar* barraMenu();
    // The size of the controls' area, as the proportional layout measures it.
    QSize dimensioneArea() const;
    // Places the control at its design place, in twips inside the controls' area.
    void posiziona(QWidget* controllo, int sinistra, int alto, int larghezza, int altezza) const;
    // Gives the controls' area the colour of a Windows colour number.
    void impostaColoreSfondo(double colore);

    Proporzioni& layout() { return m_layout; }
    // True once the screen has been closed: it is gone, even before Qt deletes it.
    bool scaricata() const { return m_scaricata; }

protected:
    // The end of loading: records the design layout and sizes the screen to 75 % of the display.
    void completaCaricamento();
    // Runs once, when the program first shows the screen.
    virtual void attivazione() {}
    // Places the screen over the whole display.
    void occupaSchermo();

    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void disponiArea();
    void scalaMenu();
    int altezzaMenu() const;

    QWidget* m_area;
    QSize m_areaDisegno;
    QMenuBar* m_menu = nullptr;
    int m_altezzaMenuDisegno = 0; // the menu bar's height at the design size
    Proporzioni m_layout;
    bool m_attivata = false;
    bool m_scaricata = false;
};
