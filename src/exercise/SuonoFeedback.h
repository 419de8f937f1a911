// Plays the reward and mistake sounds without ever waiting for them.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;
class StatoProgramma;

class SuonoFeedback {
public:
    virtual ~SuonoFeedback() = default;
    // Starts the wave file and returns at once; a new sound cuts short the one playing.
    virtual void suona(const QString& percorso) = 0;
};

// The real player, over Qt Multimedia. A file that is missing or cannot be played gives the desktop's beep.
class SuonoFeedbackQt : public QObject, public SuonoFeedback {
    Q_OBJECT
public:
    explicit SuonoFeedbackQt(QObject* genitore = nullptr);
    void suona(const QString& percorso) override;

private:
    QHash<QString, QSoundEffect*> m_effetti;
    QSoundEffect* m_inCorso = nullptr;
};

namespace ModuloSuoni {
// The right-answer sound, when sounds are on.
void SuonaSi(StatoProgramma& stato, SuonoFeedback& suoni);
} // namespace ModuloSuoni

namespace ModuloStampa {
// The wrong-answer sound, when sounds are on and the character does not speak.
void SuonaNo(StatoProgramma& stato, SuonoFeedback& suoni, bool parlatoAttivo);
} // namespace ModuloStampa
