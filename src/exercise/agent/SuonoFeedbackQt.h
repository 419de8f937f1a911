// SPDX-License-Identifier: GPL-3.0-or-later
// The feedback sounds over Qt Multimedia, on outputs opened ahead and kept waiting. A sound is written whole to a
// waiting output the moment it is asked for, so it is heard with the click, first sample first; the output it
// cuts short is closed at once and opened again afterwards. (An output opened at the click starts only after a
// round trip to the sound server and a tick of its clock: 60 ms and more on a busy computer.)
#pragma once

#include "support/SuonoFeedback.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <optional>

class QAudioSink;
class QIODevice;

class SuonoFeedbackQt : public QObject, public SuonoFeedback {
    Q_OBJECT
public:
    explicit SuonoFeedbackQt(QObject* genitore = nullptr);
    ~SuonoFeedbackQt() override;
    // A file that is missing or cannot be played gives the desktop's beep.
    void suona(const QString& percorso) override;
    bool staSuonando() const override;
    // How many outputs wait, opened, for a sound; none without an audio device.
    int usciteInAttesa() const { return static_cast<int>(m_inAttesa.size()); }

private:
    struct Uscita {
        QAudioSink* uscita = nullptr;
        QIODevice* ingresso = nullptr;
    };
    void apriUscite();
    void alimenta();
    std::optional<QByteArray> campioni(const QString& percorso);

    QList<QAudioSink*> m_uscite;
    QList<Uscita> m_inAttesa;
    Uscita m_inCorso;
    QByteArray m_daScrivere;
    qsizetype m_scritti = 0;
    qint64 m_durataUs = 0;
    QElapsedTimer m_orologio; // since the sound was asked for
    QTimer m_alimentazione;   // for a sound longer than an output holds
    struct Letto {
        QDateTime modificato;
        qint64 byte = 0;
        QByteArray pcm;
    };
    QHash<QString, Letto> m_letti;
};
