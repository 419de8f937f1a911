// SPDX-License-Identifier: GPL-3.0-or-later
// Speech: from Speak of a ten-word sentence to its first samples handed to the audio device (goal 30 ms),
// from StopAll to silence (goal 50 ms), and how long after the device has played it an utterance ends
// (goal 150 ms at most), beside the device's own wait before it plays. Run with PULSE_SERVER set (or a desktop)
// to include the device.
#include "exercise/agent/AgenteMerlino.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    QWidget schermata;
    ControlloAgenteMerlino controllo(&schermata, QStringLiteral(ORDIPARO_SORGENTI "/assets/personaggi/"));
    QString motivo;
    if (!controllo.CharactersLoad(QStringLiteral("Merlin"), QStringLiteral("Merlin.acs"), &motivo)) {
        std::fprintf(stderr, "%s\n", qPrintable(motivo));
        return 1;
    }
    auto* merlino = static_cast<AgenteMerlino*>(controllo.Characters(QStringLiteral("Merlin")));
    const QString frase = QStringLiteral("\\Spd=130\\\\Pit=100\\Oggi Luca e Sara vanno al parco con il cane Fido.");

    std::vector<double> alPrimoSuono;
    std::vector<double> alSilenzio;
    for (int volta = 0; volta < 21; ++volta) {
        QElapsedTimer cronometro;
        cronometro.start();
        merlino->Speak(frase);
        while (!merlino->riproduzione().inCorso())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        alPrimoSuono.push_back(cronometro.nsecsElapsed() / 1e6);
        QTest::qWait(100);
        cronometro.restart();
        merlino->StopAll();
        alSilenzio.push_back(cronometro.nsecsElapsed() / 1e6);
    }
    const int durataMs = SintesiVoce::istanza().sintetizza(separaTag(frase)).durataMs();
    std::vector<double> primaCheSuoni;
    std::vector<double> dopoIlSuono;
    for (int volta = 0; volta < 5; ++volta) {
        merlino->Speak(frase);
        while (!merlino->riproduzione().inCorso())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        QElapsedTimer cronometro;
        cronometro.start();
        while (merlino->riproduzione().trascorsi() == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        primaCheSuoni.push_back(cronometro.nsecsElapsed() / 1e6);
        const int giaSuonati = merlino->riproduzione().trascorsi();
        cronometro.restart();
        while (merlino->staParlando())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        dopoIlSuono.push_back(cronometro.nsecsElapsed() / 1e6 - (durataMs - giaSuonati));
    }
    const auto mediana = [](std::vector<double> tempi) {
        std::sort(tempi.begin(), tempi.end());
        return tempi[tempi.size() / 2];
    };
    std::printf("dispositivo audio: %s\n", merlino->riproduzione().conDispositivo() ? "sì" : "no (voce muta)");
    std::printf("da Speak ai primi campioni al dispositivo: %6.2f ms   (obiettivo: al massimo 30 ms)\n",
                mediana(alPrimoSuono));
    std::printf("da StopAll al silenzio:                   %6.2f ms   (obiettivo: al massimo 50 ms)\n",
                mediana(alSilenzio));
    std::printf("fine dell'enunciato dopo l'ultimo suono:  %6.2f ms   (obiettivo: al massimo 150 ms)\n",
                mediana(dopoIlSuono));
    std::printf("attesa del dispositivo prima di suonare:  %6.2f ms   (del dispositivo, non del programma)\n",
                mediana(primaCheSuoni));
    return 0;
}
