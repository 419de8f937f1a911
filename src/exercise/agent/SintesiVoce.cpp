// SPDX-License-Identifier: GPL-3.0-or-later
// Italian speech from espeak-ng into memory, through one worker thread for the whole program.
#include "exercise/agent/SintesiVoce.h"

#include <QLoggingCategory>
#include <QMetaObject>
#include <QRegularExpression>
#include <QThread>
#include <cmath>
#include <espeak-ng/speak_lib.h>

Q_LOGGING_CATEGORY(lcVoce, "ordiparo.voice", QtInfoMsg)

namespace {
constexpr int kVelocitaNaturale = 130;
constexpr int kVelocitaEspeakNaturale = 165;
constexpr int kTonoNaturale = 100;

// State of the synthesis under way, touched only on the worker thread (and by espeak's callback there).
std::atomic<quint64> g_annullaFino{0};
VoceSintetizzata* g_inCorso = nullptr;
int g_frequenza = 0;
bool g_iniziato = false;
QString g_errore;

int sintesiCallback(short* campioni, int quanti, espeak_EVENT* eventi)
{
    if (!g_inCorso)
        return 1;
    if (g_inCorso->richiesta <= g_annullaFino.load()) {
        g_inCorso->annullata = true;
        return 1; // stops espeak at once
    }
    if (campioni && quanti > 0)
        g_inCorso->pcm.append(reinterpret_cast<const char*>(campioni), quanti * 2);
    for (espeak_EVENT* e = eventi; e && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        // Words come in the text's order; espeak sometimes adds one of no known place (0) or an earlier one.
        const bool avanti = g_inCorso->parole.isEmpty() || e->text_position - 1 > g_inCorso->parole.constLast().inizio;
        if (e->type == espeakEVENT_WORD && e->text_position > 0 && avanti)
            g_inCorso->parole.append({e->text_position - 1, e->length, e->audio_position});
    }
    return 0;
}

bool inizializza()
{
    if (g_iniziato)
        return g_errore.isEmpty();
    g_iniziato = true;
    g_frequenza = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr, 0);
    if (g_frequenza <= 0) {
        g_errore = QStringLiteral("la sintesi vocale espeak-ng non si avvia (mancano i suoi dati?)");
        return false;
    }
    if (espeak_SetVoiceByName("it") != EE_OK) {
        g_errore = QStringLiteral("manca la voce italiana di espeak-ng");
        return false;
    }
    espeak_SetSynthCallback(sintesiCallback);
    return true;
}

// espeak counts a word's place and length in characters of the whole Unicode range; a QString counts a character
// beyond its first 65536 as two.
void inUnitaQString(VoceSintetizzata& voce)
{
    QList<int> unita; // where each character starts in the QString
    for (int i = 0; i < voce.testo.size(); i += voce.testo[i].isHighSurrogate() ? 2 : 1)
        unita.append(i);
    unita.append(static_cast<int>(voce.testo.size()));
    const auto indice = [&](int carattere) { return unita[std::clamp(carattere, 0, int(unita.size()) - 1)]; };
    for (ParolaDetta& parola : voce.parole) {
        const int fine = indice(parola.inizio + parola.lunghezza);
        parola.inizio = indice(parola.inizio);
        parola.lunghezza = fine - parola.inizio;
    }
}

VoceSintetizzata esegui(quint64 richiesta, const TestoDaDire& daDire, const QByteArray& nomeVoce)
{
    VoceSintetizzata voce;
    voce.richiesta = richiesta;
    voce.testo = daDire.testo;
    if (!inizializza() || richiesta <= g_annullaFino.load()) {
        voce.annullata = richiesta <= g_annullaFino.load();
        return voce;
    }
    voce.frequenza = g_frequenza;
    if (espeak_SetVoiceByName(nomeVoce.constData()) != EE_OK)
        espeak_SetVoiceByName("it");
    espeak_SetParameter(espeakRATE, SintesiVoce::velocitaEspeak(daDire.parametri.velocita), 0);
    espeak_SetParameter(espeakPITCH, SintesiVoce::tonoEspeak(daDire.parametri.tono), 0);
    const QByteArray testo = daDire.testo.toUtf8();
    g_inCorso = &voce;
    espeak_Synth(testo.constData(), static_cast<size_t>(testo.size() + 1), 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
    g_inCorso = nullptr;
    inUnitaQString(voce);
    return voce;
}
} // namespace

TestoDaDire separaTag(const QString& richiesta, ParametriVoce predefiniti)
{
    static const QRegularExpression tag(QStringLiteral("^\\\\+(Spd|Pit)=(\\d+)\\\\"));
    TestoDaDire risultato{richiesta, predefiniti};
    for (QRegularExpressionMatch trovato = tag.match(risultato.testo); trovato.hasMatch();
         trovato = tag.match(risultato.testo)) {
        const int valore = trovato.captured(2).toInt();
        if (trovato.captured(1) == QStringLiteral("Spd"))
            risultato.parametri.velocita = valore;
        else
            risultato.parametri.tono = valore;
        risultato.testo.remove(0, trovato.capturedLength());
    }
    return risultato;
}

SintesiVoce& SintesiVoce::istanza()
{
    static SintesiVoce sintesi;
    return sintesi;
}

SintesiVoce::SintesiVoce() : m_lavoratore(new QObject), m_filo(new QThread)
{
    qRegisterMetaType<VoceSintetizzata>();
    m_filo->setObjectName(QStringLiteral("sintesi vocale"));
    m_lavoratore->moveToThread(m_filo);
    m_filo->start();
}

SintesiVoce::~SintesiVoce()
{
    annullaFinoA(m_ultima.load());
    QMetaObject::invokeMethod(
        m_lavoratore,
        [] {
            if (g_iniziato && g_errore.isEmpty())
                espeak_Terminate();
        },
        Qt::BlockingQueuedConnection);
    m_filo->quit();
    m_filo->wait();
    delete m_lavoratore;
    delete m_filo;
}

bool SintesiVoce::disponibile(QString* motivo)
{
    bool pronto = false;
    QString errore;
    QMetaObject::invokeMethod(
        m_lavoratore,
        [&] {
            pronto = inizializza();
            errore = g_errore;
        },
        Qt::BlockingQueuedConnection);
    if (motivo)
        *motivo = errore;
    return pronto;
}

void SintesiVoce::preparaInAnticipo()
{
    QMetaObject::invokeMethod(
        m_lavoratore, [] { inizializza(); }, Qt::QueuedConnection);
}

quint64 SintesiVoce::richiedi(const TestoDaDire& daDire, const QByteArray& nomeVoce)
{
    const quint64 richiesta = ++m_ultima;
    QMetaObject::invokeMethod(
        m_lavoratore,
        [this, richiesta, daDire, nomeVoce] {
            const VoceSintetizzata voce = esegui(richiesta, daDire, nomeVoce);
            if (!voce.annullata)
                emit pronta(voce);
        },
        Qt::QueuedConnection);
    return richiesta;
}

VoceSintetizzata SintesiVoce::sintetizza(const TestoDaDire& daDire, const QByteArray& nomeVoce)
{
    const quint64 richiesta = ++m_ultima;
    VoceSintetizzata voce;
    QMetaObject::invokeMethod(
        m_lavoratore, [&] { voce = esegui(richiesta, daDire, nomeVoce); }, Qt::BlockingQueuedConnection);
    return voce;
}

void SintesiVoce::annullaFinoA(quint64 richiesta)
{
    quint64 attuale = g_annullaFino.load();
    while (attuale < richiesta && !g_annullaFino.compare_exchange_weak(attuale, richiesta)) {
    }
}

QByteArray SintesiVoce::vocePerLingua(int lingua)
{
    switch (lingua) {
    case 1031:
        return "de";
    case 1033:
        return "en";
    case 1034:
        return "es";
    case 1036:
        return "fr";
    default: // 1040, Italian, and anything unknown
        return "it";
    }
}

int SintesiVoce::velocitaEspeak(int velocitaTag)
{
    // Proportional around the natural pair 130 ↔ 165 words per minute, within espeak's range.
    return std::clamp(velocitaTag * kVelocitaEspeakNaturale / kVelocitaNaturale, 80, 450);
}

int SintesiVoce::tonoEspeak(int tonoTag)
{
    // One octave up or down moves espeak's 0..100 pitch by 25 around its natural 50.
    if (tonoTag <= 0)
        return 0;
    return std::clamp(static_cast<int>(std::lround(50 + 25 * std::log2(double(tonoTag) / kTonoNaturale))), 0, 100);
}
