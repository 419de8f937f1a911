// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every screen of the program shares.
#include "support/Schermata.h"

#include "support/Colori.h"
#include "support/ColoriWindows.h"
#include "support/Grafica.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

namespace {
constexpr int kTwipPerPixel = 15;
constexpr quint8 kPercentualeIniziale = 75;
} // namespace

Schermata::Schermata(int larghezzaTwip, int altezzaTwip)
    : m_area(new QWidget(this)), m_areaDisegno(pixel(larghezzaTwip), pixel(altezzaTwip))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Ordiparo"));
    setWindowIcon(Grafica::iconaProgramma());
    m_area->setAutoFillBackground(true);
    resize(m_areaDisegno);
}

int Schermata::pixel(int twip)
{
    return qRound(static_cast<double>(twip) / kTwipPerPixel);
}

QMenuBar* Schermata::barraMenu()
{
    if (!m_menu) {
        m_menu = new QMenuBar(this);
        m_menu->setObjectName(QStringLiteral("qt_barra_menu"));
    }
    return m_menu;
}

int Schermata::altezzaMenu() const
{
    if (!m_menu)
        return 0;
    // The bar may wrap its entries on a narrow window: ask for its height at this width.
    const int altezza = m_menu->heightForWidth(width());
    return altezza > 0 ? altezza : m_menu->sizeHint().height();
}

QSize Schermata::dimensioneArea() const
{
    return QSize(width(), std::max(0, height() - altezzaMenu()));
}

void Schermata::posiziona(QWidget* controllo, int sinistra, int alto, int larghezza, int altezza) const
{
    controllo->setGeometry(pixel(sinistra), pixel(alto), pixel(larghezza), pixel(altezza));
}

void Schermata::impostaColoreSfondo(double colore)
{
    QPalette tavolozza = m_area->palette();
    tavolozza.setColor(QPalette::Window, ColoriWindows::comeQColor(colore));
    // The labels written straight on the screen (the counts, say) stay readable on a dark colour too.
    tavolozza.setColor(QPalette::WindowText, Colori::bianconeroContro(ColoriWindows::comeQColor(colore)));
    m_area->setPalette(tavolozza);
}

void Schermata::completaCaricamento()
{
    // The design places are recorded against the designed area, with the menu bar as it now is above it.
    m_altezzaMenuDisegno = altezzaMenu();
    resize(m_areaDisegno.width(), m_areaDisegno.height() + m_altezzaMenuDisegno);
    disponiArea();
    m_layout.setSchermata(this);
    m_layout.occupaQuota(kPercentualeIniziale);
}

void Schermata::occupaSchermo()
{
    const QRect disponibile = screen()->availableGeometry();
    const QMargins cornice = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setGeometry(disponibile.marginsRemoved(cornice));
}

void Schermata::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (!evento->spontaneous() && !m_attivata) {
        m_attivata = true;
        attivazione();
    }
}

void Schermata::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    scalaMenu();
    disponiArea();
    m_layout.ridimensionaControlli();
}

void Schermata::closeEvent(QCloseEvent* evento)
{
    QWidget::closeEvent(evento);
    m_scaricata = evento->isAccepted();
}

void Schermata::scalaMenu()
{
    if (!m_menu)
        return;
    // The menus' letters grow with the screen, as the controls do; never below the desktop's own size.
    const double rapporto = std::min(width() / double(m_areaDisegno.width()),
                                     (height() - m_altezzaMenuDisegno) / double(m_areaDisegno.height()));
    QFont carattere = QApplication::font(m_menu);
    carattere.setPointSize(qRound(carattere.pointSizeF() * std::max(1.0, rapporto))); // whole points, as menus are
    if (carattere == m_menu->font())
        return;
    m_menu->setFont(carattere);
    for (QMenu* tendina : m_menu->findChildren<QMenu*>())
        tendina->setFont(carattere);
}

void Schermata::disponiArea()
{
    const QSize misura = dimensioneArea();
    const int menu = height() - misura.height();
    if (m_menu)
        m_menu->setGeometry(0, 0, width(), menu);
    m_area->setGeometry(0, menu, misura.width(), misura.height());
}
