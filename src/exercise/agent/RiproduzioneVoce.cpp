// SPDX-License-Identifier: GPL-3.0-or-later
// Plays synthesised speech on the default audio device and follows the device's own clock.
#include "exercise/agent/RiproduzioneVoce.h"

#include "exercise/agent/SintesiVoce.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {
// Qt refills the device from the event loop: this much held ahead rides out a busy screen. PulseAudio
// grants about half of what is asked, still well above 200 ms.
constexpr int kRiservaMs = 1000;
} // namespace

RiproduzioneVoce::RiproduzioneVoce(QObject* genitore) : QObject(genitore) {}

RiproduzioneVoce::~RiproduzioneVoce()
{
    ferma();
}

void RiproduzioneVoce::avvia(const VoceSintetizzata& voce)
{
    ferma();
    m_durataUs = voce.frequenza ? voce.pcm.size() / 2 * 1'000'000LL / voce.frequenza : 0;
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (!dispositivo.isNull() && voce.frequenza > 0) {
        QAudioFormat formato;
        formato.setSampleRate(voce.frequenza);
        formato.setChannelCount(1);
        formato.setSampleFormat(QAudioFormat::Int16);
        if (!m_uscita || m_frequenzaUscita != voce.frequenza) {
            delete m_uscita;
            m_uscita = dispositivo.isFormatSupported(formato) ? new QAudioSink(dispositivo, formato, this) : nullptr;
            m_frequenzaUscita = voce.frequenza;
        }
        if (m_uscita) {
            const int riserva = formato.bytesForDuration(kRiservaMs * 1000);
            // Silence after the speech keeps the device taking samples past its end: PulseAudio tells what it
            // has taken only in steps, and after an underrun waits for a full buffer before playing on.
            // ferma() drops it unheard.
            m_campioni.close();
            m_campioni.setData(voce.pcm + QByteArray(riserva, '\0'));
            m_campioni.open(QIODevice::ReadOnly);
            // Asked every time: the sink keeps the size it was granted, and would shrink at each start.
            m_uscita->setBufferSize(riserva);
            m_uscita->setVolume(m_volume);
            m_uscita->start(&m_campioni);
        }
    }
    m_orologio.start();
    m_inCorso = true;
}

void RiproduzioneVoce::ferma()
{
    if (m_uscita)
        m_uscita->stop();
    m_campioni.close();
    m_inCorso = false;
}

qint64 RiproduzioneVoce::microsecondiSuonati() const
{
    // A sink that would not start, or was lost, leaves the speech to its own pace.
    if (!m_uscita || m_uscita->state() == QAudio::StoppedState)
        return m_orologio.nsecsElapsed() / 1000;
    // PulseAudio's clock counts what it has taken in as played even while the device has not started
    // (a sink waking up): what the sink still holds has not been heard.
    const qint64 nelDispositivo = m_uscita->bufferSize() - m_uscita->bytesFree();
    const qint64 presi = m_uscita->format().durationForBytes(static_cast<qint32>(m_campioni.pos() - nelDispositivo));
    return std::max<qint64>(0, std::min(m_uscita->processedUSecs(), presi));
}

int RiproduzioneVoce::trascorsi() const
{
    return m_inCorso ? static_cast<int>(std::min(microsecondiSuonati(), m_durataUs) / 1000) : 0;
}

bool RiproduzioneVoce::finita() const
{
    return !m_inCorso || microsecondiSuonati() >= m_durataUs;
}
