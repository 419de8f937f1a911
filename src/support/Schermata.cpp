// The frame every screen of the program shares.
#include "support/Schermata.h"

#include "support/ColoriWindows.h"
#include "support/Grafica.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

namespace {
constexpr int kTwipPerPixel = 15;
constexpr quint8 kPercentualeIniziale = 75;
} // namespace

Schermata::Schermata(int larghezzaTwip, int altezzaTwip) : m_area(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Ordiparo"));
    setWindowIcon(Grafica::iconaProgramma());
    m_area->setObjectName(QStringLiteral("qt_area_controlli"));
    m_area->setAutoFillBackground(true);
    resize(pixel(larghezzaTwip), pixel(altezzaTwip));
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
        resize(width(), height() + m_menu->sizeHint().height());
        disponiArea();
    }
    return m_menu;
}

QSize Schermata::dimensioneArea() const
{
    const int menu = m_menu ? m_menu->sizeHint().height() : 0;
    return QSize(width(), std::max(0, height() - menu));
}

void Schermata::posiziona(QWidget* controllo, int sinistra, int alto, int larghezza, int altezza) const
{
    controllo->setGeometry(pixel(sinistra), pixel(alto), pixel(larghezza), pixel(altezza));
}

void Schermata::impostaColoreSfondo(double colore)
{
    m_coloreSfondo = colore;
    QPalette tavolozza = m_area->palette();
    tavolozza.setColor(QPalette::Window, ColoriWindows::comeQColor(colore));
    m_area->setPalette(tavolozza);
}

void Schermata::completaCaricamento()
{
    disponiArea();
    m_layout.setSourceForm(this);
    m_layout.SizeFormToScreen(kPercentualeIniziale);
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
    disponiArea();
    m_layout.ResizeControls();
}

void Schermata::closeEvent(QCloseEvent* evento)
{
    QWidget::closeEvent(evento);
    m_scaricata = evento->isAccepted();
}

void Schermata::disponiArea()
{
    const QSize misura = dimensioneArea();
    const int menu = height() - misura.height();
    if (m_menu)
        m_menu->setGeometry(0, 0, width(), menu);
    m_area->setGeometry(0, menu, misura.width(), misura.height());
}
