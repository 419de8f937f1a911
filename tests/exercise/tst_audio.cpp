// Speech reaches a real audio device, and StopAll silences it. Runs against the PulseAudio null sink that
// scripts/test starts; its monitor is recorded with parec.
#include "exercise/agent/AgenteMerlino.h"
#include "support/AmbienteProva.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <cmath>

namespace {
constexpr int kFrequenza = 22050;

double rms(const QByteArray& pcm)
{
    const auto* campioni = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype quanti = pcm.size() / 2;
    double somma = 0;
    for (qsizetype i = 0; i < quanti; ++i)
        somma += double(campioni[i]) * campioni[i];
    return quanti ? std::sqrt(somma / quanti) : 0;
}

// Records the device's monitor for the given time.
QByteArray registra(QProcess& registratore, int ms)
{
    registratore.readAllStandardOutput();
    QByteArray audio;
    QElapsedTimer orologio;
    orologio.start();
    while (orologio.elapsed() < ms) {
        QTest::qWait(20);
        audio += registratore.readAllStandardOutput();
    }
    return audio;
}
} // namespace

class TestAudio : public QObject {
    Q_OBJECT
private slots:
    void laVoceArrivaAlDispositivoEStopAllLaZittisce()
    {
        QVERIFY2(!QMediaDevices::defaultAudioOutput().isNull(),
                 "no audio device: run through scripts/test, which starts a PulseAudio null sink");
        QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "PULSE_SERVER names the test's PulseAudio server");
        const QString monitor =
            qEnvironmentVariable("ORDIPARO_MONITOR_AUDIO", QStringLiteral("ordiparo_nulla.monitor"));
        QProcess registratore;
        registratore.start(QStringLiteral("parec"),
                           {QStringLiteral("--device=") + monitor, QStringLiteral("--format=s16le"),
                            QStringLiteral("--rate=%1").arg(kFrequenza), QStringLiteral("--channels=1"),
                            QStringLiteral("--latency-msec=20")});
        QVERIFY(registratore.waitForStarted());
        // The recording stream takes a moment to start flowing.
        QTRY_VERIFY_WITH_TIMEOUT(registratore.bytesAvailable() > 2000, 10000);
        QVERIFY2(rms(registra(registratore, 300)) < 50, "the device is not silent before speaking");

        QWidget schermata;
        ControlloAgenteMerlino controllo(&schermata, AmbienteProva::sorgente(QStringLiteral("assets/personaggi/")));
        QVERIFY(controllo.CharactersLoad(QStringLiteral("Merlin"), QStringLiteral("Merlin.acs"), nullptr));
        auto* merlino = static_cast<AgenteMerlino*>(controllo.Characters(QStringLiteral("Merlin")));
        merlino->Speak(QStringLiteral("C'era una volta un mago gentile che leggeva le storie ai bambini del paese, "
                                      "ogni sera, vicino al fuoco."));
        const QByteArray parlato = registra(registratore, 1200);
        QVERIFY(merlino->riproduzione().conDispositivo());
        QVERIFY2(rms(parlato) > 300,
                 qPrintable(QStringLiteral("RMS %1 over %2 bytes").arg(rms(parlato)).arg(parlato.size())));

        merlino->StopAll();
        QTest::qWait(150); // what the device had buffered drains
        const QByteArray dopo = registra(registratore, 500);
        QVERIFY2(rms(dopo) < 50, qPrintable(QStringLiteral("RMS %1 after StopAll").arg(rms(dopo))));
        registratore.kill();
        registratore.waitForFinished();
    }
};

QTEST_MAIN(TestAudio)
#include "tst_audio.moc"
