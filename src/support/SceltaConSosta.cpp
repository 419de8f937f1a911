// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing by resting the pointer on a button.
#include "support/SceltaConSosta.h"

#include "support/Colori.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {
constexpr int kPassoMs = 20;       // the ring fills smoothly, and the pointer is followed as closely
constexpr int kMargineMinimo = 12; // pixels a head pointer's tremor may stray off a button
constexpr double kMarginePerCento = 2;
constexpr double kDiametroAnello = 0.8; // of the button's shorter side
constexpr int kOpacitaTraccia = 70;
} // namespace

// The ring over the target: a faint circle, and on it an arc from the top, clockwise, as far as the time has gone.
class SceltaConSosta::Anello : public QWidget {
public:
    Anello(QWidget* bersaglio, QRect posto) : QWidget(bersaglio)
    {
        setObjectName(QStringLiteral("anelloSosta"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(posto);
        show();
    }
    void setFrazione(double frazione)
    {
        m_frazione = frazione;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QWidget* sotto = parentWidget();
        const QColor colore = Colori::bianconeroContro(
            sotto->palette().color(qobject_cast<const QMenuBar*>(sotto) ? QPalette::Window : QPalette::Button));
        const double diametro = std::min(width(), height()) * kDiametroAnello;
        const double tratto = std::max(3.0, diametro / 8);
        const QRectF cerchio(QPointF(width() - diametro + tratto, height() - diametro + tratto) / 2,
                             QSizeF(diametro - tratto, diametro - tratto));
        QPainter pittore(this);
        pittore.setRenderHint(QPainter::Antialiasing);
        QColor traccia = colore;
        traccia.setAlpha(kOpacitaTraccia);
        pittore.setPen(QPen(traccia, tratto));
        pittore.drawEllipse(cerchio);
        pittore.setPen(QPen(colore, tratto, Qt::SolidLine, Qt::FlatCap));
        // Qt's angles run counter-clockwise from three o'clock, in sixteenths of a degree.
        pittore.drawArc(cerchio, 90 * 16, -qRound(m_frazione * 360 * 16));
    }

private:
    double m_frazione = 0;
};

SceltaConSosta::SceltaConSosta(QWidget* schermata) : QObject(schermata), m_schermata(schermata)
{
    m_timer.setInterval(kPassoMs);
    connect(&m_timer, &QTimer::timeout, this, &SceltaConSosta::tic);
}

SceltaConSosta::~SceltaConSosta()
{
    delete m_anello;
}

void SceltaConSosta::setBersagli(const QList<QAbstractButton*>& bottoni, QMenuBar* barra, const QList<QAction*>& voci)
{
    m_bersagli.clear();
    for (QAbstractButton* bottone : bottoni)
        m_bersagli.append({bottone, nullptr});
    for (QAction* voce : voci)
        m_bersagli.append({barra, voce});
}

void SceltaConSosta::avvia(int sostaMs)
{
    ferma();
    m_sostaMs = sostaMs;
    if (sostaMs <= 0)
        return;
    // A screen opened under the pointer is not chosen from: the pupil has not moved there.
    m_daLasciare = sotto(QCursor::pos());
    m_timer.start();
}

void SceltaConSosta::ferma()
{
    m_timer.stop();
    lascia();
    m_daLasciare.reset();
}

bool SceltaConSosta::sceglibile(const Bersaglio& bersaglio) const
{
    if (!bersaglio.widget || !bersaglio.widget->isVisible() || !bersaglio.widget->isEnabled())
        return false;
    return !bersaglio.voce || (bersaglio.voce->isVisible() && bersaglio.voce->isEnabled());
}

QRect SceltaConSosta::rettangolo(const Bersaglio& bersaglio) const
{
    const QRect locale = bersaglio.voce
                             ? static_cast<QMenuBar*>(bersaglio.widget.data())->actionGeometry(bersaglio.voce)
                             : bersaglio.widget->rect();
    return locale.translated(bersaglio.widget->mapToGlobal(QPoint(0, 0)));
}

bool SceltaConSosta::vicino(const Bersaglio& bersaglio, QPoint punto) const
{
    if (!bersaglio.widget)
        return false;
    const QRect posto = rettangolo(bersaglio);
    const int margine =
        std::max(kMargineMinimo, qRound(std::max(posto.width(), posto.height()) * kMarginePerCento / 100));
    return posto.adjusted(-margine, -margine, margine, margine).contains(punto);
}

std::optional<SceltaConSosta::Bersaglio> SceltaConSosta::sotto(QPoint punto) const
{
    for (const Bersaglio& bersaglio : m_bersagli) {
        if (sceglibile(bersaglio) && rettangolo(bersaglio).contains(punto))
            return bersaglio;
    }
    return std::nullopt;
}

void SceltaConSosta::tic()
{
    const QPoint punto = QCursor::pos();
    if (m_daLasciare && !vicino(*m_daLasciare, punto))
        m_daLasciare.reset();
    // A message or a menu over the screen, or another window in front, has the pointer's attention.
    const bool libero =
        m_schermata->isActiveWindow() && !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
    std::optional<Bersaglio> nuovo = libero ? sotto(punto) : std::nullopt;
    if (nuovo && nuovo == m_daLasciare)
        nuovo.reset();
    // Straying within the margin keeps the ring; reaching another button starts its own.
    if (m_corrente &&
        (!libero || !sceglibile(*m_corrente) || !vicino(*m_corrente, punto) || (nuovo && nuovo != m_corrente)))
        lascia();
    if (!m_corrente && nuovo)
        inizia(*nuovo);
    if (!m_corrente)
        return;
    const double frazione = m_inizio.elapsed() / double(m_sostaMs);
    if (frazione >= 1)
        scegli();
    else if (m_anello)
        m_anello->setFrazione(frazione);
}

void SceltaConSosta::inizia(const Bersaglio& bersaglio)
{
    m_corrente = bersaglio;
    m_inizio.start();
    const QRect posto = rettangolo(bersaglio).translated(-bersaglio.widget->mapToGlobal(QPoint(0, 0)));
    m_anello = new Anello(bersaglio.widget, posto);
}

void SceltaConSosta::lascia()
{
    m_corrente.reset();
    delete m_anello;
}

void SceltaConSosta::scegli()
{
    const Bersaglio scelto = *m_corrente;
    lascia();
    m_daLasciare = scelto;
    // As a click would: the button's or the entry's own handler, which may close the screen.
    if (scelto.voce)
        scelto.voce->trigger();
    else
        static_cast<QAbstractButton*>(scelto.widget.data())->click();
}
