// Plays the reward and mistake sounds without ever waiting for them.
#include "exercise/SuonoFeedback.h"

#include "storage/StatoProgramma.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SuonoFeedbackQt::SuonoFeedbackQt(QObject* genitore) : QObject(genitore) {}

void SuonoFeedbackQt::suona(const QString& percorso)
{
    if (m_inCorso)
        m_inCorso->stop();
    m_inCorso = nullptr;
    if (!QFileInfo(percorso).isFile()) {
        QApplication::beep();
        return;
    }
    QSoundEffect*& effetto = m_effetti[percorso];
    if (!effetto) {
        effetto = new QSoundEffect(this);
        connect(effetto, &QSoundEffect::statusChanged, this, [effetto] {
            if (effetto->status() == QSoundEffect::Error)
                QApplication::beep();
        });
        effetto->setSource(QUrl::fromLocalFile(percorso));
    }
    if (effetto->status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    m_inCorso = effetto;
    effetto->play();
}

namespace ModuloSuoni {
void SuonaSi(StatoProgramma& stato, SuonoFeedback& suoni)
{
    if (stato.ImpostazioniUtente.SuoniAttivi)
        suoni.suona(stato.percorsi.fileNelProgramma(QStringLiteral("suoni/si.wav")));
}
} // namespace ModuloSuoni

namespace ModuloStampa {
void SuonaNo(StatoProgramma& stato, SuonoFeedback& suoni, bool parlatoAttivo)
{
    if (stato.ImpostazioniUtente.SuoniAttivi && !parlatoAttivo)
        suoni.suona(stato.percorsi.fileNelProgramma(QStringLiteral("suoni/no.wav")));
}
} // namespace ModuloStampa
