// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures drawn for the program: icons, the large arrow pointer and pictures that fit their box.
#include "support/Grafica.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>
#include <QtConcurrent>

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

namespace {
QImage disegna(const QByteArray& svg, QSize misura, qreal scala)
{
    QSvgRenderer disegno(svg);
    QImage immagine(misura * scala, QImage::Format_ARGB32_Premultiplied);
    immagine.setDevicePixelRatio(scala);
    immagine.fill(Qt::transparent);
    QSizeF occupato = disegno.defaultSize();
    occupato.scale(misura, Qt::KeepAspectRatio);
    QPainter pittore(&immagine);
    const QPointF angolo((misura.width() - occupato.width()) / 2, (misura.height() - occupato.height()) / 2);
    disegno.render(&pittore, QRectF(angolo, occupato));
    return immagine;
}
} // namespace

DisegnoSvg::DisegnoSvg(const QString& risorsa, QWidget* genitore) : QWidget(genitore)
{
    QFile file(risorsa);
    if (file.open(QIODevice::ReadOnly))
        m_svg = file.readAll();
}

void DisegnoSvg::preparaDisegno()
{
    m_preparato = QtConcurrent::run(disegna, m_svg, size(), devicePixelRatioF());
}

void DisegnoSvg::paintEvent(QPaintEvent*)
{
    QImage immagine = m_preparato.isValid() ? m_preparato.result() : QImage();
    if (immagine.deviceIndependentSize() != QSizeF(size()))
        immagine = disegna(m_svg, size(), devicePixelRatioF());
    m_preparato = QtFuture::makeReadyFuture(immagine); // kept for the repaints that follow
    QPainter(this).drawImage(0, 0, immagine);
}
