// Pictures drawn for the program: icons, the large arrow pointer and pictures that fit their box.
#include "support/Grafica.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr int kLatoCursore = 32;
constexpr QPoint kPuntaCursore(1, 1);
constexpr char kPuntiDisegno[] = "puntiDisegno";
constexpr double kPuntiMinimi = 6;
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

void caratterePerDisegno(QWidget* controllo, const QString& famiglia, double punti)
{
    controllo->setFont(carattere(famiglia, punti));
    controllo->setProperty(kPuntiDisegno, punti);
}

void scalaCaratteri(QWidget* contenitore, double rapporto)
{
    const auto controlli = contenitore->findChildren<QWidget*>();
    for (QWidget* controllo : controlli) {
        const QVariant punti = controllo->property(kPuntiDisegno);
        if (!punti.isValid())
            continue;
        QFont font = controllo->font();
        font.setPointSizeF(std::max(kPuntiMinimi, punti.toDouble() * rapporto));
        controllo->setFont(font);
    }
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
