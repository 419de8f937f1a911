// SPDX-License-Identifier: GPL-3.0-or-later
// Italian speech from espeak-ng into memory. The library keeps process-wide state and is not re-entrant,
// so every call goes through one worker thread shared by the whole program.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <atomic>

class QThread;

// The values of the speech tags "\Spd=n\" (words per minute) and "\Pit=n\" (hertz).
struct ParametriVoce {
    int velocita = 130;
    int tono = 100;
};

// A text with its leading speech tags taken off.
struct TestoDaDire {
    QString testo;
    ParametriVoce parametri;
};
TestoDaDire separaTag(const QString& richiesta, ParametriVoce predefiniti = {});

struct ParolaDetta {
    int inizio = 0;    // index of its first character in the text said (a QString index)
    int lunghezza = 0; // in QString characters, as espeak cut the word
    int ms = 0;        // when it is heard, from the start of the audio
};

struct VoceSintetizzata {
    quint64 richiesta = 0;
    QString testo;
    QByteArray pcm; // 16-bit signed mono samples
    int frequenza = 0;
    QList<ParolaDetta> parole;
    bool annullata = false;
    int durataMs() const { return frequenza ? static_cast<int>(pcm.size() / 2 * 1000LL / frequenza) : 0; }
};

class SintesiVoce : public QObject {
    Q_OBJECT
public:
    static SintesiVoce& istanza();
    ~SintesiVoce() override;

    // True when the Italian voice can be used; otherwise an Italian reason.
    bool disponibile(QString* motivo = nullptr);
    // Starts the engine on its thread and returns at once.
    void preparaInAnticipo();

    // Queues the text; the audio arrives through pronta() on the caller's thread.
    quint64 richiedi(const TestoDaDire& daDire, const QByteArray& nomeVoce);
    // Synthesises at once and waits: for tests and measurements.
    VoceSintetizzata sintetizza(const TestoDaDire& daDire, const QByteArray& nomeVoce = "it");
    // Every request up to this one stops or never starts.
    void annullaFinoA(quint64 richiesta);
    quint64 ultimaRichiesta() const { return m_ultima.load(); }

    // The espeak voice for a Windows language number (1040 is Italian).
    static QByteArray vocePerLingua(int lingua);
    // espeak's rate and pitch for the tag values: monotone, so that 130 and 100 sound natural.
    static int velocitaEspeak(int velocitaTag);
    static int tonoEspeak(int tonoTag);

signals:
    void pronta(const VoceSintetizzata& voce);

private:
    SintesiVoce();
    QObject* m_lavoratore;
    QThread* m_filo;
    std::atomic<quint64> m_ultima{0};
};
