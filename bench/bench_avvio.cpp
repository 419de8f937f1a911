// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up up to the start screen shown, against a bare Qt window shown: at most twice its time. Each figure
// is a fresh process timed from outside, from its launch to its window on screen, so that the libraries each
// loads count as the pupil waits for them: the bare window is a program of its own that links Qt Widgets only.
#include "app/Avvio.h"
#include "app/ModuloAudio.h"
#include "app/ModuloJoystick.h"
#include "app/Ordiparo.h"
#include "startup/SchermataAvvio.h"
#include "storage/StatoProgramma.h"
#include "support/Messaggi.h"
#include "support/PulsantiJoystick.h"
#include "support/ServiziAudio.h"
#include "support/VoceScansione.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
constexpr int kVolte = 11;

qint64 adessoUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The start-up as main() runs it, the sound and speech module and the controllers' module from the build's program
// folder. Prints when the start screen is on show, then when the rest of the start is done, sounds, speech and
// controllers ready.
int avvioOrdiparo(int argc, char* argv[], const QString& cartella)
{
    QApplication applicazione(argc, argv);
    Avvio::LeggiCaratteriInParallelo();
    applicazione.setStyle(QStringLiteral("Fusion"));
    Messaggi::Prova::intercetta(true); // the first start's font message would wait for a click
    StatoProgramma stato(Percorsi(cartella + QStringLiteral("/programma/"), cartella + QStringLiteral("/Lumio"),
                                  cartella + QStringLiteral("/fonts")));
    ModuloAudio audio(QStringLiteral(ORDIPARO_CARTELLA_PROGRAMMA "/") + QString::fromLatin1(kFileModuloAudio));
    Ordiparo programma(stato, audio);
    programma.voceScansione = audio.voceScansione();
    ModuloJoystick joystick(QStringLiteral(ORDIPARO_CARTELLA_PROGRAMMA "/") + QString::fromLatin1(kFileModuloJoystick));
    SchermataAvvio* schermata = Avvio::EseguiAvvio(programma);
    bool completato = false;
    Avvio::dopoLaPrimaPittura(schermata, [&] {
        audio.carica();
        joystick.avvia(*programma.joystick);
        Avvio::CompletaAvvio(programma);
        completato = true;
    });
    if (!QTest::qWaitForWindowExposed(schermata))
        return 1;
    std::printf("%lld\n", static_cast<long long>(adessoUs()));
    if (!QTest::qWaitFor([&] { return completato; }))
        return 1;
    std::printf("%lld\n", static_cast<long long>(adessoUs()));
    delete schermata;
    QThreadPool::globalInstance()->waitForDone();
    return 0;
}

// A program timed from outside: milliseconds from launch to each line it prints, over fresh processes.
struct Lancio {
    QString programma;
    QStringList argomenti; // "%n" is the run's number
    std::vector<std::vector<double>> tempi = {};

    void misura(int volta)
    {
        QProcess processo;
        const qint64 lancio = adessoUs();
        processo.start(programma,
                       QStringList(argomenti).replaceInStrings(QStringLiteral("%n"), QString::number(volta)));
        processo.waitForFinished();
        const QList<QByteArray> righe = processo.readAllStandardOutput().trimmed().split('\n');
        tempi.resize(std::max<size_t>(tempi.size(), righe.size()));
        for (qsizetype r = 0; r < righe.size(); ++r)
            tempi[r].push_back((righe[r].toLongLong() - lancio) / 1000.0);
    }
    double mediana(size_t riga)
    {
        std::vector<double>& serie = tempi.at(riga);
        std::sort(serie.begin(), serie.end());
        return serie[serie.size() / 2];
    }
};

void preparaProgramma(const QString& cartella)
{
    const QString programma = cartella + QStringLiteral("/programma/");
    QDir().mkpath(programma + QStringLiteral("testiordiparo"));
    QFile::copy(QStringLiteral(ORDIPARO_SORGENTI "/assets/testiordiparo/frasi.txt"),
                programma + QStringLiteral("testiordiparo/frasi.txt"));
    QFile::copy(QStringLiteral(ORDIPARO_SORGENTI "/assets/indis1.ttf"), programma + QStringLiteral("indis1.ttf"));
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && QByteArray(argv[1]) == "avvio")
        return avvioOrdiparo(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication applicazione(argc, argv);
    QTemporaryDir cartella;
    // Every start is a first start: folders to make and the font to install.
    for (int i = 0; i < kVolte; ++i)
        preparaProgramma(cartella.filePath(QStringLiteral("avvio%1").arg(i)));
    const QString finestra = QStringLiteral(ORDIPARO_FINESTRA_NUDA);
    Lancio nuda{finestra, {QStringLiteral("nuda")}};
    Lancio conTesto{finestra, {QStringLiteral("testo")}};
    Lancio avvio{QCoreApplication::applicationFilePath(),
                 {QStringLiteral("avvio"), cartella.filePath(QStringLiteral("avvio%n"))}};
    // In turns, so that a computer busy with something else slows each alike.
    for (int volta = 0; volta < kVolte; ++volta) {
        for (Lancio* lancio : {&nuda, &conTesto, &avvio})
            lancio->misura(volta);
    }
    if (avvio.tempi.size() < 2)
        return 1;
    const double schermata = avvio.mediana(0);
    std::printf("dal lancio alla schermata iniziale:  %7.2f ms\n", schermata);
    std::printf("dal lancio a una finestra Qt vuota:  %7.2f ms\n", nuda.mediana(0));
    std::printf("rapporto: %.2f   (obiettivo: al massimo 2)\n", schermata / nuda.mediana(0));
    std::printf("per confronto, finestra Qt con un pulsante scritto: %7.2f ms (rapporto %.2f)\n", conTesto.mediana(0),
                schermata / conTesto.mediana(0));
    std::printf("avvio completo, suoni e voce pronti:                %7.2f ms\n", avvio.mediana(1));
    return 0;
}
