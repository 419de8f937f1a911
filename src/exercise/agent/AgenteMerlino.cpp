// SPDX-License-Identifier: GPL-3.0-or-later
// The speaking character of the program: figure, balloon, speech queue over espeak-ng and the audio device.
#include "exercise/agent/AgenteMerlino.h"

#include "exercise/agent/DatiPersonaggio.h"
#include "exercise/agent/FiguraPersonaggio.h"
#include "exercise/agent/Fumetto.h"

#include <QPropertyAnimation>
#include <algorithm>

namespace {
constexpr int kBattitoMs = 40;
constexpr int kFumettoDopoMs = 1200;
constexpr int kPuntiMassimiFumetto = 72;
} // namespace

AgenteMerlino::AgenteMerlino(DatiPersonaggio dati, QWidget* schermata)
    : m_figura(new FiguraPersonaggio(std::move(dati), schermata)), m_fumetto(new Fumetto(schermata)),
      m_movimento(new QPropertyAnimation(m_figura, "pos", this)), m_carattere(QStringLiteral("Arial"), 14)
{
    m_battito.setInterval(kBattitoMs);
    connect(&m_battito, &QTimer::timeout, this, &AgenteMerlino::battito);
    m_prossimaParola.setSingleShot(true);
    m_prossimaParola.setTimerType(Qt::PreciseTimer);
    connect(&m_prossimaParola, &QTimer::timeout, this, &AgenteMerlino::battito);
    m_chiudiFumetto.setSingleShot(true);
    connect(&m_chiudiFumetto, &QTimer::timeout, m_fumetto, &QWidget::hide);
    connect(&SintesiVoce::istanza(), &SintesiVoce::pronta, this, &AgenteMerlino::arrivata);
}

AgenteMerlino::~AgenteMerlino()
{
    StopAll();
    delete m_fumetto;
    delete m_figura;
}

void AgenteMerlino::setBalloonFontSize(int punti)
{
    // The balloon is a few hundred pixels wide: larger letters would cut its words.
    if (punti > 0)
        m_carattere.setPointSize(std::min(punti, kPuntiMassimiFumetto));
}

void AgenteMerlino::MoveTo(int x, int y, int velocita)
{
    const QPoint destinazione = m_figura->parentWidget()->mapFromGlobal(QPoint(x, y));
    m_movimento->stop();
    if (velocita <= 0 || !m_figura->isVisible()) {
        m_figura->move(destinazione);
        return;
    }
    m_movimento->setDuration(velocita);
    m_movimento->setEndValue(destinazione);
    m_movimento->start();
}

void AgenteMerlino::entraIn(QSize spazio)
{
    m_figura->resize(m_figura->dimensioneDisegno().scaled(spazio, Qt::KeepAspectRatio));
}

void AgenteMerlino::Show()
{
    m_figura->show();
    m_figura->raise();
    // He appears, waves hello, then talks or rests.
    m_figura->anima(QStringLiteral("Appare"), false,
                    [this] { m_figura->anima(QStringLiteral("Saluta"), false, [this] { animaSecondoLaVoce(); }); });
}

void AgenteMerlino::animaSecondoLaVoce()
{
    m_figura->anima(m_inCorso && m_riproduzione.trascorsi() > 0 ? QStringLiteral("Parla") : QStringLiteral("Riposo"),
                    true);
}

void AgenteMerlino::Hide()
{
    m_fumetto->hide();
    m_figura->anima(QStringLiteral("Scompare"), false, [this] { m_figura->hide(); });
}

int AgenteMerlino::Speak(const QString& testo)
{
    m_coda.enqueue({++m_numeroRichieste, testo});
    if (!m_inCorso)
        prossima();
    return m_numeroRichieste;
}

void AgenteMerlino::StopAll()
{
    m_coda.clear();
    SintesiVoce::istanza().annullaFinoA(SintesiVoce::istanza().ultimaRichiesta());
    m_inCorso = 0;
    m_riproduzione.ferma();
    m_battito.stop();
    m_prossimaParola.stop();
    avvisaParola(-1);
    m_fumetto->hide();
    if (m_figura->isVisible() && m_figura->animazione() == QStringLiteral("Parla"))
        animaSecondoLaVoce();
}

void AgenteMerlino::prossima()
{
    if (m_coda.isEmpty())
        return;
    const Richiesta richiesta = m_coda.dequeue();
    m_numeroInCorso = richiesta.numero;
    const TestoDaDire daDire = separaTag(richiesta.testo);
    m_inCorso = SintesiVoce::istanza().richiedi(daDire, SintesiVoce::vocePerLingua(m_lingua));
}

void AgenteMerlino::arrivata(const VoceSintetizzata& voce)
{
    if (voce.richiesta != m_inCorso)
        return; // stopped meanwhile, or another screen's character
    m_voce = voce;
    m_parolaSentita = -1;
    m_riproduzione.avvia(m_voce);
    m_chiudiFumetto.stop();
    if (m_stileFumetto & kFumettoVisibile) {
        m_fumetto->setFont(m_carattere);
        m_fumetto->inizia(m_voce.testo, m_stileFumetto & kFumettoTuttoIlTesto, m_figura->geometry());
        m_fumetto->show();
        m_fumetto->raise();
    } else {
        m_fumetto->hide();
    }
    m_battito.start();
    battito();
}

void AgenteMerlino::battito()
{
    const int trascorsi = m_riproduzione.trascorsi();
    int sentite = 0; // the words whose first sample has been played: none before the device plays
    while (sentite < m_voce.parole.size() && m_voce.parole[sentite].ms < trascorsi)
        ++sentite;
    // The balloon shows the words heard, the last one whole (espeak may cut it at an apostrophe), marked while
    // someone follows the words.
    TestoAParole::Parola ultima;
    if (sentite > 0)
        ultima = TestoAParole::parolaIntorno(m_voce.testo, m_voce.parole[sentite - 1].inizio);
    const int finoA = sentite > 0 ? std::max(m_voce.parole[sentite - 1].inizio + m_voce.parole[sentite - 1].lunghezza,
                                             ultima.inizio + ultima.lunghezza)
                                  : 0;
    m_fumetto->rivela(finoA, m_avvisoParola ? ultima : TestoAParole::Parola{});
    avvisaParola(sentite - 1);
    // The next word is caught when it is due rather than at the next beat, which may come 40 ms late.
    if (sentite < m_voce.parole.size() && m_voce.parole[sentite].ms - trascorsi < kBattitoMs)
        m_prossimaParola.start(std::max(1, m_voce.parole[sentite].ms - trascorsi));
    // The mouth moves once the device is heard; an appearance or a greeting under way finishes first.
    if (trascorsi > 0 && m_figura->isVisible() && m_figura->animazione() == QStringLiteral("Riposo"))
        animaSecondoLaVoce();
    if (m_riproduzione.finita())
        finita();
}

void AgenteMerlino::avvisaParola(int indice)
{
    if (indice == m_parolaSentita)
        return;
    m_parolaSentita = indice;
    if (m_avvisoParola)
        m_avvisoParola(m_numeroInCorso, indice >= 0 ? m_voce.parole[indice].inizio : -1);
}

void AgenteMerlino::finita()
{
    m_battito.stop();
    m_prossimaParola.stop();
    avvisaParola(-1);
    m_riproduzione.ferma();
    m_fumetto->rivela(static_cast<int>(m_voce.testo.size()));
    m_chiudiFumetto.start(kFumettoDopoMs);
    m_inCorso = 0;
    if (m_figura->isVisible() && m_figura->animazione() == QStringLiteral("Parla"))
        animaSecondoLaVoce();
    prossima();
}

ControlloAgenteMerlino::ControlloAgenteMerlino(QWidget* schermata, QString cartellaPersonaggi)
    : m_schermata(schermata), m_cartella(std::move(cartellaPersonaggi))
{}

ControlloAgenteMerlino::~ControlloAgenteMerlino()
{
    qDeleteAll(m_personaggi);
}

bool ControlloAgenteMerlino::CharactersLoad(const QString& id, const QString& file, QString* motivo)
{
    if (!SintesiVoce::istanza().disponibile(motivo))
        return false;
    std::optional<DatiPersonaggio> dati = DatiPersonaggio::leggi(m_cartella + file, motivo);
    if (!dati || !m_schermata)
        return false;
    delete m_personaggi.take(id);
    m_personaggi.insert(id, new AgenteMerlino(std::move(*dati), m_schermata));
    return true;
}

Personaggio* ControlloAgenteMerlino::Characters(const QString& id)
{
    return m_personaggi.value(id);
}
