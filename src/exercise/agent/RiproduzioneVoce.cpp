// Plays synthesised speech on the default audio device and keeps its clock.
#include "exercise/agent/RiproduzioneVoce.h"

#include "exercise/agent/SintesiVoce.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

RiproduzioneVoce::RiproduzioneVoce(QObject* genitore) : QObject(genitore) {}

RiproduzioneVoce::~RiproduzioneVoce()
{
    ferma();
}

void RiproduzioneVoce::avvia(const VoceSintetizzata& voce)
{
    ferma();
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (!dispositivo.isNull() && voce.frequenza > 0) {
        if (!m_uscita || m_frequenzaUscita != voce.frequenza) {
            delete m_uscita;
            QAudioFormat formato;
            formato.setSampleRate(voce.frequenza);
            formato.setChannelCount(1);
            formato.setSampleFormat(QAudioFormat::Int16);
            m_uscita = dispositivo.isFormatSupported(formato) ? new QAudioSink(dispositivo, formato, this) : nullptr;
            m_frequenzaUscita = voce.frequenza;
        }
        if (m_uscita) {
            m_campioni.close();
            m_campioni.setData(voce.pcm);
            m_campioni.open(QIODevice::ReadOnly);
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

int RiproduzioneVoce::trascorsi() const
{
    return m_inCorso ? static_cast<int>(m_orologio.elapsed()) : 0;
}
