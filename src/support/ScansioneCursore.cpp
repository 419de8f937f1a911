// SPDX-License-Identifier: GPL-3.0-or-later
// Switch scanning over a screen's buttons.
#include "support/ScansioneCursore.h"

#include "storage/ImpostazioniUtente.h"
#include "support/BottoneEvidenziabile.h"
#include "support/VoceScansione.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace {
constexpr int kMillisecondiPerQuarto = 250;
constexpr int kAttesaSilenzioMs = 100; // how often a held-back word looks whether the other sound is over
} // namespace

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
    m_attesaRilascio.setSingleShot(true);
    m_attesaRilascio.setInterval(kConfermaRilascioMs);
    connect(&m_attesaRilascio, &QTimer::timeout, this, &ScansioneCursore::rilascioConfermato);
    m_attesaSilenzio.setInterval(kAttesaSilenzioMs);
    connect(&m_attesaSilenzio, &QTimer::timeout, this, &ScansioneCursore::annunciaAcceso);
    m_orologio = [orologio = std::make_shared<QElapsedTimer>()] {
        if (!orologio->isValid())
            orologio->start();
        return orologio->elapsed();
    };
}

void ScansioneCursore::regola(const ImpostazioniUtente& impostazioni, VoceScansione* voce,
                              std::function<bool()> siSenteAltro)
{
    m_fattorePrimoPasso = std::max<int>(1, impostazioni.FattorePrimoPasso);
    m_accettazioneMs = impostazioni.TempoAccettazione;
    m_rilascioMs = impostazioni.TempoRilascio;
    m_giriPrimaDellaPausa = impostazioni.GiriPrimaDellaPausa;
    m_voce = impostazioni.ScansioneUditiva ? voce : nullptr;
    // Quicker than the character, in the character's pitch, so the pupil knows which voice is which.
    m_velocitaVoce = impostazioni.VelocitaVoce * 3 / 2;
    m_tonoVoce = impostazioni.TonoVoce;
    m_siSenteAltro = std::move(siSenteAltro);
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
    m_tastiGiu.clear();
    m_attesaRilascio.stop();
    if (std::exchange(m_inPausa, false))
        emit pausaCambiata(false);
    m_giriSilenziosi = 0;
    m_intervallo = intervalloMs;
    const bool scansione = modalita == Manuale || modalita == Automatica;
    // While scanning the buttons never take the keyboard: after a helper's click the switch still
    // reaches the receiver, not the clicked button.
    for (QAbstractButton* bottone : std::as_const(m_bottoni))
        bottone->setFocusPolicy(scansione ? Qt::NoFocus : Qt::StrongFocus);
    m_ricevitoreManuale->setVisible(modalita == Manuale);
    m_ricevitoreAutomatico->setVisible(modalita == Automatica);
    if (!scansione) {
        m_timer->stop();
        return;
    }
    m_timer->setInterval(intervalloPasso());
    m_timer->start();
    ricevitore()->setFocus();
}

void ScansioneCursore::ferma()
{
    m_timer->stop();
    m_attesaRilascio.stop();
    taci();
}

// The first button of a round holds the highlight longer, so the pupil has time to get ready.
int ScansioneCursore::intervalloPasso() const
{
    // In manual scanning the clock only keeps the focus: its interval stays as it was.
    if (m_modalita != Automatica)
        return m_timer->interval();
    return m_cursore == 0 ? m_intervallo * m_fattorePrimoPasso : m_intervallo;
}

QWidget* ScansioneCursore::ricevitore() const
{
    return m_modalita == Automatica ? m_ricevitoreAutomatico : m_ricevitoreManuale;
}

QList<QAbstractButton*> ScansioneCursore::candidati() const
{
    QList<QAbstractButton*> presenti;
    for (QAbstractButton* bottone : m_bottoni) {
        if (!bottone->isHidden() && bottone->isEnabled())
            presenti << bottone;
    }
    return presenti;
}

QAbstractButton* ScansioneCursore::evidenziato() const
{
    const QList<QAbstractButton*> bottoni = candidati();
    return bottoni.isEmpty() ? nullptr : bottoni.at(std::min<int>(m_cursore, bottoni.size() - 1));
}

void ScansioneCursore::evidenzia(int indice)
{
    m_giriSilenziosi = 0;
    accendi(indice);
    riavviaPasso();
}

void ScansioneCursore::accendi(int indice)
{
    const QList<QAbstractButton*> bottoni = candidati();
    m_cursore = bottoni.isEmpty() ? 0 : indice % bottoni.size();
    // The button lit before may have left the candidates (an answer disabled after it was chosen).
    if (m_acceso)
        BottoneEvidenziabile::dipingi(m_acceso, false, m_normale, m_selezionato);
    for (int i = 0; i < bottoni.size(); ++i) {
        if (i != m_cursore)
            BottoneEvidenziabile::dipingi(bottoni.at(i), false, m_normale, m_selezionato);
    }
    const bool nuovo = m_acceso != (bottoni.isEmpty() ? nullptr : bottoni.at(m_cursore));
    m_acceso = bottoni.isEmpty() ? nullptr : bottoni.at(m_cursore);
    if (!m_acceso)
        return;
    BottoneEvidenziabile::dipingi(m_acceso, true, m_normale, m_selezionato);
    if (nuovo)
        annunciaAcceso();
}

// The character's sentences and the reward sounds come first: a word over them would be lost in both. The word
// waits for them to finish, so that the button lit meanwhile is still heard.
void ScansioneCursore::annunciaAcceso()
{
    m_attesaSilenzio.stop();
    if (!m_voce || !m_acceso || m_modalita == Mouse)
        return;
    if (m_siSenteAltro && m_siSenteAltro()) {
        m_attesaSilenzio.start();
        return;
    }
    QString parola = m_acceso->accessibleName().isEmpty() ? m_acceso->text() : m_acceso->accessibleName();
    m_voce->annuncia(parola.remove(u'&').toLower(), m_velocitaVoce, m_tonoVoce);
}

// A button lit by a choice or by the screen gets a whole step before the clock moves on.
void ScansioneCursore::riavviaPasso()
{
    if (m_timer->isActive())
        m_timer->start(intervalloPasso());
}

void ScansioneCursore::tic()
{
    // A switch held down keeps the highlight where the pupil pressed it: a slow press still chooses that button.
    const bool sensoreGiu = !m_tastiGiu.isEmpty() || m_attesaRilascio.isActive();
    if (m_modalita == Automatica && !sensoreGiu) {
        const int candidatiPresenti = static_cast<int>(candidati().size());
        if (m_cursore + 1 >= candidatiPresenti && m_giriPrimaDellaPausa > 0 &&
            ++m_giriSilenziosi >= m_giriPrimaDellaPausa) {
            pausa();
            return;
        }
        accendi(m_cursore + 1);
        m_timer->setInterval(intervalloPasso());
    }
    ricevitore()->setFocus();
}

// Nobody is scanning: the highlight goes out and the clock stops until the next press.
void ScansioneCursore::pausa()
{
    m_timer->stop();
    m_inPausa = true;
    if (m_acceso)
        BottoneEvidenziabile::dipingi(m_acceso, false, m_normale, m_selezionato);
    m_acceso = nullptr;
    taci();
    emit pausaCambiata(true);
}

void ScansioneCursore::taci()
{
    m_attesaSilenzio.stop();
    if (m_voce)
        m_voce->taci();
}

bool ScansioneCursore::eventFilter(QObject* oggetto, QEvent* evento)
{
    // A switch let go elsewhere (a message took the keyboard) would hold the scanning for good.
    if (evento->type() == QEvent::FocusOut)
        m_tastiGiu.clear();
    if (oggetto != ricevitore() || (evento->type() != QEvent::KeyPress && evento->type() != QEvent::KeyRelease))
        return QObject::eventFilter(oggetto, evento);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    if (tasto->key() != Qt::Key_Space && tasto->key() != Qt::Key_Return && tasto->key() != Qt::Key_Enter)
        return false;
    tastoSensore(tasto);
    return true;
}

// One physical press is one step, taken when the switch is let go. X11 repeats a held key as release/press
// pairs sent together, and Qt flags only the pairs it sees together. So the switch's state is kept here: a
// press while it is down changes nothing, and a release counts only once the key has stayed up for
// kConfermaRilascioMs; a press before then (the repeat's own, or a bouncing switch) continues the hold.
void ScansioneCursore::tastoSensore(const QKeyEvent* evento)
{
    const int codice = evento->key() == Qt::Key_Enter ? Qt::Key_Return : evento->key();
    if (evento->isAutoRepeat())
        return;
    // The other switch moving means the pending release was a real one.
    if (m_attesaRilascio.isActive() && codice != m_tastoRilasciato)
        rilascioConfermato();
    if (evento->type() == QEvent::KeyPress) {
        const bool continua =
            m_tastiGiu.contains(codice) || (m_attesaRilascio.isActive() && codice == m_tastoRilasciato);
        m_attesaRilascio.stop();
        m_tastiGiu.insert(codice);
        if (!continua) { // a new press: a double hit if it comes within the release time of the last step
            m_inizioPressione = m_orologio();
            m_pressioneIgnorata =
                m_rilascioMs > 0 && m_ultimoPasso && m_inizioPressione - *m_ultimoPasso < m_rilascioMs;
        }
    } else if (m_tastiGiu.remove(codice)) {
        m_fineRilascio = m_orologio();
        m_tastoRilasciato = codice;
        m_accesoAlRilascio = evidenziato(); // the pupil chooses what was lit when letting go
        m_attesaRilascio.start();
    }
}

void ScansioneCursore::rilascioConfermato()
{
    m_attesaRilascio.stop();
    // A tremor's short touch and a second hit right after a step are no presses.
    if (m_pressioneIgnorata || m_fineRilascio - m_inizioPressione < m_accettazioneMs)
        return;
    m_ultimoPasso = m_fineRilascio;
    m_giriSilenziosi = 0;
    if (m_inPausa) { // the press only wakes the scanning, from the first button
        m_inPausa = false;
        m_timer->start();
        evidenzia(0);
        emit pausaCambiata(false);
        return;
    }
    const bool spazio = m_tastoRilasciato == Qt::Key_Space;
    // Manual scanning moves with space and chooses with enter; automatic scanning chooses with space.
    const bool sceglie = m_ogniSensoreSceglie || (m_modalita == Manuale) != spazio;
    if (m_modalita == Manuale && !sceglie) {
        accendi(m_cursore + 1);
    } else if (sceglie && m_accesoAlRilascio) {
        riavviaPasso();
        emit scelto(m_accesoAlRilascio);
    }
}
