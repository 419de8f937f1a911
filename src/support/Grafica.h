// Pictures drawn for the program: icons, the large arrow pointer and pictures that fit their box.
#pragma once

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QWidget>

class QSvgRenderer;

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

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QSvgRenderer* m_disegno;
};
