// Switch scanning over a screen's buttons.
#include "support/ScansioneCursore.h"

#include "support/Colori.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int kMillisecondiPerQuarto = 250;
}

ScansioneCursore::ScansioneCursore(QTimer* timer, QWidget* ricevitoreManuale, QWidget* ricevitoreAutomatico,
                                   QObject* genitore)
    : QObject(genitore), m_timer(timer), m_ricevitoreManuale(ricevitoreManuale),
      m_ricevitoreAutomatico(ricevitoreAutomatico)
{
    // Left unpainted, the receivers show the screen's own background, whatever colour it takes.
    for (QWidget* ricevitore : {m_ricevitoreManuale, m_ricevitoreAutomatico}) {
        ricevitore->setFocusPolicy(Qt::StrongFocus);
        ricevitore->installEventFilter(this);
    }
    connect(m_timer, &QTimer::timeout, this, &ScansioneCursore::tic);
}

void ScansioneCursore::setColori(double normale, double selezionato)
{
    m_normale = normale;
    m_selezionato = selezionato;
}

int ScansioneCursore::intervalloDaQuarti(int quarti)
{
    return std::max(1, quarti) * kMillisecondiPerQuarto;
}

void ScansioneCursore::prepara(int modalita, int intervalloMs)
{
    m_modalita = modalita;
    m_ricevitoreManuale->setVisible(modalita == Manuale);
    m_ricevitoreAutomatico->setVisible(modalita == Automatica);
    if (modalita != Manuale && modalita != Automatica) {
        m_timer->stop();
        return;
    }
    if (modalita == Automatica)
        m_timer->setInterval(intervalloMs);
    m_timer->start();
    ricevitore()->setFocus();
}

void ScansioneCursore::ferma()
{
    m_timer->stop();
}

QWidget* ScansioneCursore::ricevitore() const
{
    return m_modalita == Automatica ? m_ricevitoreAutomatico : m_ricevitoreManuale;
}

QAbstractButton* ScansioneCursore::evidenziato() const
{
    const QList<QAbstractButton*> bottoni = m_candidati();
    return bottoni.isEmpty() ? nullptr : bottoni.at(std::min<int>(m_cursore, bottoni.size() - 1));
}

void ScansioneCursore::evidenzia(int indice)
{
    const QList<QAbstractButton*> bottoni = m_candidati();
    m_cursore = bottoni.isEmpty() ? 0 : indice % bottoni.size();
    // The button lit before may have left the candidates (an answer disabled after it was chosen).
    if (m_acceso)
        Colori::impostaSfondo(m_acceso, m_normale);
    for (int i = 0; i < bottoni.size(); ++i) {
        if (i != m_cursore)
            Colori::impostaSfondo(bottoni.at(i), m_normale);
    }
    m_acceso = bottoni.isEmpty() ? nullptr : bottoni.at(m_cursore);
    if (m_acceso)
        Colori::impostaSfondo(m_acceso, m_selezionato);
}

void ScansioneCursore::avanza()
{
    if (QAbstractButton* attuale = evidenziato())
        Colori::impostaSfondo(attuale, m_normale);
    evidenzia(m_cursore + 1);
}

void ScansioneCursore::tic()
{
    if (m_modalita == Automatica)
        avanza();
    ricevitore()->setFocus();
}

void ScansioneCursore::scegli()
{
    if (QAbstractButton* bottone = evidenziato())
        emit scelto(bottone);
}

bool ScansioneCursore::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto != ricevitore() || (evento->type() != QEvent::KeyPress && evento->type() != QEvent::KeyRelease))
        return QObject::eventFilter(oggetto, evento);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    const bool spazio = tasto->key() == Qt::Key_Space;
    const bool invio = tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
    if (!spazio && !invio)
        return false;
    // A switch held down repeats its key: only the first release counts.
    if (evento->type() == QEvent::KeyPress || tasto->isAutoRepeat())
        return true;
    if (m_modalita == Manuale && spazio)
        avanza();
    else if ((m_modalita == Manuale && invio) || (m_modalita == Automatica && spazio))
        scegli();
    return true;
}
