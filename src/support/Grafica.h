// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures drawn for the program: icons, the large arrow pointer and pictures that fit their box.
#pragma once

#include <QCursor>
#include <QFont>
#include <QFuture>
#include <QIcon>
#include <QImage>
#include <QWidget>

namespace Grafica {

QIcon iconaProgramma();
QIcon icona(const QString& risorsa);
// The program's own large arrow pointer (white with a black shadow).
QCursor cursoreFreccia();
// A design font: a family at a size in points, which may have a fraction (14.25).
QFont carattere(const QString& famiglia, double punti, bool grassetto = false);
// Gives a control its design font and remembers the design size for scalaCaratteri.
void caratterePerDisegno(QWidget* controllo, const QString& famiglia, double punti);
// The controls inside the container that have a design font take it at rapporto times its design size, so
// that captions grow and shrink with their controls.
void scalaCaratteri(QWidget* contenitore, double rapporto);

} // namespace Grafica

// A vector picture drawn as large as its box allows, keeping its proportions, centred.
class DisegnoSvg : public QWidget {
    Q_OBJECT
public:
    DisegnoSvg(const QString& risorsa, QWidget* genitore);
    // Starts drawing the picture at the box's present size on another core, so that the screen shows up without
    // waiting for it: for a box that has just taken the size it is first shown at.
    void preparaDisegno();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QByteArray m_svg;
    QFuture<QImage> m_preparato;
};
