// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence, from the first copy's claim to the start screen and what follows its first showing.
#include "app/Avvio.h"

#include "app/Ordiparo.h"
#include "startup/SchermataAvvio.h"
#include "storage/Cartelle.h"
#include "storage/StatoProgramma.h"
#include "support/FontCorsivo.h"
#include "support/Messaggi.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QTimer>
#include <QWindow>
#include <QtConcurrent>

namespace {
constexpr int kAttesaMassimaMs = 1000;

// Waits for the window's first exposure: Qt paints the window while it handles it.
class AttesaPittura : public QObject {
public:
    // Owned by the application: the work is done even if the window goes first.
    AttesaPittura(QWindow* finestra, std::function<void()> lavoro)
        : QObject(QCoreApplication::instance()), m_lavoro(std::move(lavoro))
    {
        finestra->installEventFilter(this);
        QTimer::singleShot(kAttesaMassimaMs, this, &AttesaPittura::esegui);
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Expose && static_cast<QWindow*>(oggetto)->isExposed())
            QTimer::singleShot(0, this, &AttesaPittura::esegui);
        return QObject::eventFilter(oggetto, evento);
    }

private:
    // The work may wait in a message box, whose own loop brings further exposures here: only the first call
    // runs it, and only that call, once the work is over, lets this object go.
    void esegui()
    {
        if (!m_lavoro)
            return;
        std::exchange(m_lavoro, {})();
        deleteLater();
    }
    std::function<void()> m_lavoro;
};
} // namespace

namespace Avvio {

void LeggiCaratteriInParallelo()
{
    (void)QtConcurrent::run([] { QFontDatabase::families(); });
}

SchermataAvvio* EseguiAvvio(Ordiparo& programma)
{
    StatoProgramma& stato = programma.stato;
    stato.LinguaAgente = QStringLiteral("&H410");
    FontCorsivo::SostituisciFontDiWindows();
    stato.rendiCorrenteUtentePredefinito();
    if (const auto avviso = stato.leggiProfiloUtente())
        Messaggi::informa(nullptr, *avviso);
    return programma.apriAvvio();
}

void CompletaAvvio(Programma& programma)
{
    StatoProgramma& stato = programma.stato;
    QWidget* davanti = programma.schermataCorrente();
    FontCorsivo::InstallaFont(stato.percorsi, davanti);
    if (const auto errore = Cartelle::CreaCartelle(stato.percorsi))
        Messaggi::informa(davanti, *errore);
    if (const auto errore = stato.caricaListaUtente())
        Messaggi::informa(davanti, *errore);
}

void dopoLaPrimaPittura(QWidget* finestra, std::function<void()> lavoro)
{
    finestra->winId(); // the window exists, to be watched
    if (finestra->windowHandle()->isExposed())
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(lavoro));
    else
        new AttesaPittura(finestra->windowHandle(), std::move(lavoro));
}

} // namespace Avvio
