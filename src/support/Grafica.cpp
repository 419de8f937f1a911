// Pictures drawn for the program: icons, the large arrow pointer and pictures that fit their box.
#include "support/Grafica.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr int kLatoCursore = 32;
constexpr QPoint kPuntaCursore(1, 1);
} // namespace

namespace Grafica {

QIcon iconaProgramma()
{
    return icona(QStringLiteral(":/icona-programma.svg"));
}

QIcon icona(const QString& risorsa)
{
    return QIcon(risorsa);
}

QCursor cursoreFreccia()
{
    QPixmap disegno(kLatoCursore, kLatoCursore);
    disegno.fill(Qt::transparent);
    QPainter pittore(&disegno);
    QSvgRenderer(QStringLiteral(":/cursore-freccia.svg")).render(&pittore);
    pittore.end();
    return QCursor(disegno, kPuntaCursore.x(), kPuntaCursore.y());
}

QFont carattere(const QString& famiglia, double punti, bool grassetto)
{
    QFont font(famiglia);
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

} // namespace Grafica

DisegnoSvg::DisegnoSvg(const QString& risorsa, QWidget* genitore)
    : QWidget(genitore), m_disegno(new QSvgRenderer(risorsa, this))
{}

void DisegnoSvg::paintEvent(QPaintEvent*)
{
    QSizeF misura = m_disegno->defaultSize();
    misura.scale(size(), Qt::KeepAspectRatio);
    const QRectF riquadro(QPointF((width() - misura.width()) / 2, (height() - misura.height()) / 2), misura);
    QPainter pittore(this);
    m_disegno->render(&pittore, riquadro);
}
