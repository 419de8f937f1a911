// SPDX-License-Identifier: GPL-3.0-or-later
// Switch scanning over a screen's buttons.
#include "support/ScansioneCursore.h"

#include "storage/ImpostazioniUtente.h"
#include "support/BottoneEvidenziabile.h"
#include "support/PulsantiJoystick.h"
#include "support/VoceScansione.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace {
constexpr int kMillisecondiPerQuarto = 250;
constexpr int kAttesaSilenzioMs = 100; // how often a held-back word looks whether the other sound is over
} // namespace

ScansioneCursore::ScansioneCursore(QTimer* timer, QWidget* ricevitoreManuale, QWidget* ricevitoreAutomatico,
                                   QObject* genitore)
    : QObject(genitore), m_timer(timer), m_ricevitoreManuale(ricevitoreManuale),
      m_ricevitoreAutomatico(ricevitoreAutomatico), m_sensori{Sensore::predefinito(1), Sensore::predefinito(2)}
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
    m_sensori = {Sensore::dalProfilo(impostazioni.Sensore1, 1), Sensore::dalProfilo(impostazioni.Sensore2, 2)};
    m_voce = impostazioni.ScansioneUditiva ? voce : nullptr;
    // Quicker than the character, in the character's pitch, so the pupil knows which voice is which.
    m_velocitaVoce = impostazioni.VelocitaVoce * 3 / 2;
    m_tonoVoce = impostazioni.TonoVoce;
    m_siSenteAltro = std::move(siSenteAltro);
}

void ScansioneCursore::ascoltaJoystick(PulsantiJoystick* joystick)
{
    connect(joystick, &PulsantiJoystick::pulsante, this, &ScansioneCursore::pulsanteJoystick);
    // A switch held on a controller unplugged never comes up: the scanning goes on without it.
    connect(joystick, &PulsantiJoystick::scollegato, this, [this] { m_sensoriGiu.clear(); });
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
    m_sensoriGiu.clear();
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
    ascolta(scansione);
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
    ascolta(false);
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
    const bool sensoreGiu = !m_sensoriGiu.isEmpty() || m_attesaRilascio.isActive();
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

int ScansioneCursore::numeroSensore(const Sensore& sensore) const
{
    const auto trovato = std::find(m_sensori.begin(), m_sensori.end(), sensore);
    return trovato == m_sensori.end() ? 0 : static_cast<int>(trovato - m_sensori.begin()) + 1;
}

// A mouse button taught as a switch is heard wherever the pointer is over the pupil's buttons, and clicks nothing.
void ScansioneCursore::ascolta(bool inAscolto)
{
    m_inAscolto = inAscolto;
    const bool mouse = std::any_of(m_sensori.begin(), m_sensori.end(),
                                   [](const Sensore& sensore) { return sensore.tipo == Sensore::Tipo::Mouse; });
    qApp->removeEventFilter(this);
    if (inAscolto && mouse)
        qApp->installEventFilter(this);
}

bool ScansioneCursore::eventFilter(QObject* oggetto, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::FocusOut:
        // A switch let go elsewhere (a message took the keyboard) would hold the scanning for good.
        if (oggetto == ricevitore())
            m_sensoriGiu.clear();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu:
        return pulsanteMouse(oggetto, evento);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    const int numero = oggetto == ricevitore() ? numeroSensore(Sensore::tasto(tasto->key())) : 0;
    if (!numero)
        return false;
    if (!tasto->isAutoRepeat())
        sensore(numero, evento->type() == QEvent::KeyPress, istante(Istante::Fonte::EventoQt, tasto->timestamp()));
    return true;
}

bool ScansioneCursore::pulsanteMouse(QObject* oggetto, QEvent* evento)
{
    const auto* sotto = qobject_cast<QWidget*>(oggetto);
    const QWidget* schermo = m_ricevitoreManuale->parentWidget();
    if (!m_inAscolto || !sotto || (sotto != schermo && !schermo->isAncestorOf(sotto)))
        return false;
    // The right button's press would open a menu too.
    if (evento->type() == QEvent::ContextMenu)
        return numeroSensore(Sensore::mouse(Qt::RightButton)) != 0;
    const auto* mouse = static_cast<const QMouseEvent*>(evento);
    const int numero = numeroSensore(Sensore::mouse(mouse->button()));
    if (numero)
        sensore(numero, evento->type() != QEvent::MouseButtonRelease,
                istante(Istante::Fonte::EventoQt, mouse->timestamp()));
    return numero != 0;
}

void ScansioneCursore::pulsanteJoystick(int pulsante, bool premuto, quint32 istanteMs)
{
    // Read whichever window is in front: only the screen in front, with no message over it, takes it.
    const int numero = numeroSensore({Sensore::Tipo::Joystick, pulsante});
    if (numero && m_inAscolto && ricevitore()->window()->isActiveWindow() && !QApplication::activeModalWidget())
        sensore(numero, premuto, istante(Istante::Fonte::Joystick, istanteMs));
}

ScansioneCursore::Istante ScansioneCursore::istante(Istante::Fonte fonte, quint64 evento) const
{
    // A time of 0 is an event that carries none, such as one a program made up.
    return {evento ? fonte : Istante::Fonte::Nessuna, evento, m_orologio()};
}

// On a busy computer an event may be handled long after the switch moved: a press handled late would look short,
// a release handled late would make the next press look like a double hit. So two moments of one device are told
// apart by that device's clock, which counts milliseconds in 32 bits and wraps; any others by the engine's.
qint64 ScansioneCursore::trascorso(const Istante& da, const Istante& a)
{
    if (da.fonte != Istante::Fonte::Nessuna && da.fonte == a.fonte)
        return static_cast<qint32>(static_cast<quint32>(a.evento - da.evento));
    return a.orologio - da.orologio;
}

// One physical press is one step, taken when the switch is let go. X11 repeats a held key as release/press
// pairs sent together, and Qt flags only the pairs it sees together. So the switch's state is kept here: a
// press while it is down changes nothing, and a release counts only once the switch has stayed up for
// kConfermaRilascioMs; a press before then (the repeat's own, or a bouncing switch) continues the hold.
void ScansioneCursore::sensore(int numero, bool premuto, const Istante& quando)
{
    // The other switch moving means the pending release was a real one.
    if (m_attesaRilascio.isActive() && numero != m_sensoreRilasciato)
        rilascioConfermato();
    if (premuto) {
        const bool continua =
            m_sensoriGiu.contains(numero) || (m_attesaRilascio.isActive() && numero == m_sensoreRilasciato);
        m_attesaRilascio.stop();
        m_sensoriGiu.insert(numero);
        if (!continua) { // a new press: a double hit if it comes within the release time of the last step
            m_inizioPressione = quando;
            m_pressioneIgnorata =
                m_rilascioMs > 0 && m_ultimoPasso && trascorso(*m_ultimoPasso, m_inizioPressione) < m_rilascioMs;
        }
    } else if (m_sensoriGiu.remove(numero)) {
        m_fineRilascio = quando;
        m_sensoreRilasciato = numero;
        m_accesoAlRilascio = evidenziato(); // the pupil chooses what was lit when letting go
        m_attesaRilascio.start();
    }
}

void ScansioneCursore::rilascioConfermato()
{
    m_attesaRilascio.stop();
    // A tremor's short touch and a second hit right after a step are no presses.
    if (m_pressioneIgnorata || trascorso(m_inizioPressione, m_fineRilascio) < m_accettazioneMs)
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
    const bool primo = m_sensoreRilasciato == 1;
    // Manual scanning moves with switch 1 and chooses with switch 2; automatic scanning chooses with switch 1.
    const bool sceglie = m_ogniSensoreSceglie || (m_modalita == Manuale) != primo;
    if (m_modalita == Manuale && !sceglie) {
        accendi(m_cursore + 1);
    } else if (sceglie && m_accesoAlRilascio) {
        riavviaPasso();
        emit scelto(m_accesoAlRilascio);
    }
}
