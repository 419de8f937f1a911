// Plays synthesised speech on the default audio device and keeps its clock. Without a device the speech
// goes on silently at its real pace, so the mouth, the balloon and the queue behave the same.
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
    void ferma();
    bool inCorso() const { return m_inCorso; }
    // Milliseconds since the speech started, as heard.
    int trascorsi() const;
    bool conDispositivo() const { return m_uscita != nullptr; }

private:
    QAudioSink* m_uscita = nullptr;
    int m_frequenzaUscita = 0;
    QBuffer m_campioni;
    QElapsedTimer m_orologio;
    bool m_inCorso = false;
};
