// Pictures drawn for the program: icons, the large arrow pointer and pictures that fit their box.
#include "support/Grafica.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr int kLatoCursore = 32;
constexpr QPoint kPuntaCursore(1, 1);
constexpr char kPuntiDisegno[] = "puntiDisegno";
constexpr double kPuntiMinimi = 6;
constexpr double kOpacitaDisabilitata = 0.4;

// Our icons drawn from their vector picture at whatever size is asked. Qt's own engine for such icons is a
// plugin, looked for and loaded while the first screen is being made.
class IconaVettoriale : public QIconEngine {
public:
    explicit IconaVettoriale(QString risorsa) : m_risorsa(std::move(risorsa)) {}
    void paint(QPainter* pittore, const QRect& riquadro, QIcon::Mode modo, QIcon::State) override
    {
        pittore->save();
        if (modo == QIcon::Disabled)
            pittore->setOpacity(kOpacitaDisabilitata);
        QSvgRenderer(m_risorsa).render(pittore, riquadro);
        pittore->restore();
    }
    QPixmap pixmap(const QSize& misura, QIcon::Mode modo, QIcon::State stato) override
    {
        QPixmap disegno(misura);
        disegno.fill(Qt::transparent);
        QPainter pittore(&disegno);
        paint(&pittore, QRect(QPoint(0, 0), misura), modo, stato);
        return disegno;
    }
    // The sizes a desktop asks for a window's icon.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }
    QIconEngine* clone() const override { return new IconaVettoriale(m_risorsa); }

private:
    QString m_risorsa;
};
} // namespace

namespace Grafica {

QIcon iconaProgramma()
{
    return icona(QStringLiteral(":/icona-programma.svg"));
}

QIcon icona(const QString& risorsa)
{
    return QIcon(new IconaVettoriale(risorsa));
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
