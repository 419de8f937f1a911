// SPDX-License-Identifier: GPL-3.0-or-later
// Plays synthesised speech on the default audio device and follows the device's own clock: a device may
// start playing well after it is handed the samples (a sink waking up), so no wall clock can tell what has
// been heard. Without a device the speech goes on silently at its real pace, so the mouth, the balloon and
// the queue behave the same.
#pragma once

#include <QBuffer>
#include <QElapsedTimer>
#include <QObject>

class QAudioSink;
struct VoceSintetizzata;

class RiproduzioneVoce : public QObject {
    Q_OBJECT
public:
    explicit RiproduzioneVoce(QObject* genitore = nullptr);
    ~RiproduzioneVoce() override;

    void avvia(const VoceSintetizzata& voce);
    // From 0 to 1, for every speech started after.
    void setVolume(double volume) { m_volume = volume; }
    // Silences at once, whatever the device still holds.
    void ferma();
    bool inCorso() const { return m_inCorso; }
    // Milliseconds of the speech heard so far.
    int trascorsi() const;
    // True once the device has played the whole speech.
    bool finita() const;
    bool conDispositivo() const { return m_uscita != nullptr; }

private:
    qint64 microsecondiSuonati() const;

    QAudioSink* m_uscita = nullptr;
    int m_frequenzaUscita = 0;
    QBuffer m_campioni;
    qint64 m_durataUs = 0;
    QElapsedTimer m_orologio; // without a device: the speech's own pace
    bool m_inCorso = false;
    double m_volume = 1.0;
};
