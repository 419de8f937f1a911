// SPDX-License-Identifier: GPL-3.0-or-later
// The feedback sounds over Qt Multimedia, on outputs opened ahead and kept waiting.
#include "exercise/agent/SuonoFeedbackQt.h"

#include "storage/FileSuono.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>

namespace {
constexpr int kUscite = 2; // one playing, one waiting for the next sound
// What an output holds ahead: a sound this long is written at once; PulseAudio starts a new stream only once
// it holds this much, so a shorter sound is followed by silence up to it.
constexpr int kRiservaMs = 500;
constexpr qint64 kTolleranzaUs = 1'000'000; // a device that does not play does not hold anything up for long
} // namespace

SuonoFeedbackQt::SuonoFeedbackQt(QObject* genitore) : QObject(genitore)
{
    QAudioFormat formato;
    formato.setSampleRate(FileSuono::kFrequenza);
    formato.setChannelCount(1);
    formato.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (!dispositivo.isNull() && dispositivo.isFormatSupported(formato)) {
        for (int i = 0; i < kUscite; ++i) {
            auto* uscita = new QAudioSink(dispositivo, formato, this);
            uscita->setBufferSize(formato.bytesForDuration(kRiservaMs * 1000));
            m_uscite << uscita;
        }
    }
    connect(&m_alimentazione, &QTimer::timeout, this, &SuonoFeedbackQt::alimenta);
    apriUscite();
}

SuonoFeedbackQt::~SuonoFeedbackQt()
{
    for (QAudioSink* uscita : std::as_const(m_uscite))
        uscita->stop();
}

// Every output that is neither playing nor waiting is opened, to wait for the next sound.
void SuonoFeedbackQt::apriUscite()
{
    for (QAudioSink* uscita : std::as_const(m_uscite)) {
        const bool occupata = uscita == m_inCorso.uscita ||
                              std::any_of(m_inAttesa.cbegin(), m_inAttesa.cend(),
                                          [uscita](const Uscita& attesa) { return attesa.uscita == uscita; });
        if (occupata)
            continue;
        if (QIODevice* ingresso = uscita->start())
            m_inAttesa << Uscita{uscita, ingresso};
    }
}

void SuonoFeedbackQt::suona(const QString& percorso)
{
    // What the output still holds of the sound before is dropped with it.
    m_alimentazione.stop();
    if (m_inCorso.uscita)
        m_inCorso.uscita->stop();
    m_inCorso = {};
    m_durataUs = 0;
    const std::optional<QByteArray> pcm = campioni(percorso);
    if (!pcm) {
        QApplication::beep();
        return;
    }
    m_durataUs = pcm->size() / 2 * 1'000'000LL / FileSuono::kFrequenza;
    m_orologio.start();
    if (m_inAttesa.isEmpty())
        apriUscite(); // asked again before the last one was opened: open one now
    if (!m_inAttesa.isEmpty()) {
        m_inCorso = m_inAttesa.takeFirst();
        m_daScrivere = *pcm;
        const qsizetype riserva = m_inCorso.uscita->bufferSize();
        if (m_daScrivere.size() < riserva)
            m_daScrivere.append(QByteArray(riserva - m_daScrivere.size(), '\0'));
        m_scritti = 0;
        alimenta();
    }
    // The closed output waits again for the sound after, once this event is over.
    QTimer::singleShot(0, this, &SuonoFeedbackQt::apriUscite);
}

void SuonoFeedbackQt::alimenta()
{
    m_alimentazione.stop();
    // An output the sound server has let go of takes nothing more.
    if (!m_inCorso.uscita || m_inCorso.uscita->state() == QAudio::StoppedState)
        return;
    const qsizetype libero = m_inCorso.uscita->bytesFree() & ~qsizetype(1);
    const qsizetype quanti = std::min(libero, m_daScrivere.size() - m_scritti);
    if (quanti > 0)
        m_scritti += std::max<qint64>(0, m_inCorso.ingresso->write(m_daScrivere.constData() + m_scritti, quanti));
    if (m_scritti < m_daScrivere.size())
        m_alimentazione.start(kRiservaMs / 4);
}

bool SuonoFeedbackQt::staSuonando() const
{
    if (m_durataUs == 0 || m_orologio.nsecsElapsed() / 1000 > m_durataUs + kTolleranzaUs)
        return false;
    // The device's own clock: it may have started late. Without a device, the sound's own length.
    if (m_inCorso.uscita)
        return m_inCorso.uscita->processedUSecs() < m_durataUs;
    return m_orologio.nsecsElapsed() / 1000 < m_durataUs;
}

// Read once and kept; read again when the file changes on disk.
std::optional<QByteArray> SuonoFeedbackQt::campioni(const QString& percorso)
{
    const QFileInfo file(percorso);
    Letto& letto = m_letti[percorso];
    if (letto.pcm.isEmpty() || letto.modificato != file.lastModified() || letto.byte != file.size()) {
        const std::optional<QByteArray> pcm = FileSuono::leggi(percorso);
        letto = {file.lastModified(), file.size(), pcm.value_or(QByteArray())};
    }
    if (letto.pcm.isEmpty())
        return std::nullopt;
    return letto.pcm;
}
