// The start-up up to the start screen shown, against a bare Qt window shown: at most twice its time.
// Each figure is a fresh process, from main() to the window on screen, so both pay for Qt's own start.
#include "exercise/SuonoFeedback.h"
#include "home/Programma.h"
#include "startup/Avvio.h"
#include "startup/FormAvvio.h"
#include "storage/StatoProgramma.h"
#include "support/Messaggi.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kVolte = 11;

double finestraNuda(QElapsedTimer& cronometro, int argc, char* argv[], bool conTesto)
{
    QApplication applicazione(argc, argv);
    QWidget finestra;
    finestra.resize(800, 600);
    // Any text on screen makes Qt start fontconfig, a cost of the platform rather than of the program.
    if (conTesto)
        new QPushButton(QStringLiteral("Avvio"), &finestra);
    finestra.show();
    return QTest::qWaitForWindowExposed(&finestra) ? cronometro.nsecsElapsed() / 1e6 : -1;
}

double avvioOrdiparo(QElapsedTimer& cronometro, int argc, char* argv[], const QString& cartella)
{
    QApplication applicazione(argc, argv);
    Messaggi::Prova::intercetta(true); // the first start's font message would wait for a click
    const QString cartellaProgramma = cartella + QStringLiteral("/programma/");
    StatoProgramma stato(
        Percorsi(cartellaProgramma, cartella + QStringLiteral("/Lumio"), cartella + QStringLiteral("/fonts")));
    SuonoFeedbackQt suoni;
    Programma programma(stato, suoni);
    FormAvvio* schermata = Avvio::EseguiAvvio(programma);
    const double tempo = QTest::qWaitForWindowExposed(schermata) ? cronometro.nsecsElapsed() / 1e6 : -1;
    delete schermata;
    return tempo;
}

double mediana(const QString& modo, const QString& cartella)
{
    std::vector<double> tempi;
    for (int i = 0; i < kVolte; ++i) {
        QProcess processo;
        processo.start(QCoreApplication::applicationFilePath(), {modo, cartella + QString::number(i)});
        processo.waitForFinished();
        tempi.push_back(processo.readAllStandardOutput().trimmed().toDouble());
    }
    std::sort(tempi.begin(), tempi.end());
    return tempi[tempi.size() / 2];
}

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
    QElapsedTimer cronometro;
    cronometro.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray modo = argc > 2 ? QByteArray(argv[1]) : QByteArray();
    if (modo == "nuda" || modo == "testo") {
        std::printf("%f\n", finestraNuda(cronometro, argc, argv, modo == "testo"));
        return 0;
    }
    if (modo == "avvio") {
        std::printf("%f\n", avvioOrdiparo(cronometro, argc, argv, QString::fromLocal8Bit(argv[2])));
        return 0;
    }

    QCoreApplication applicazione(argc, argv);
    QTemporaryDir cartella;
    // Every start is a first start: folders to make and the font to install.
    for (int i = 0; i < kVolte; ++i)
        preparaProgramma(cartella.filePath(QStringLiteral("avvio%1").arg(i)));
    const double nuda = mediana(QStringLiteral("nuda"), cartella.filePath(QStringLiteral("nuda")));
    const double conTesto = mediana(QStringLiteral("testo"), cartella.filePath(QStringLiteral("testo")));
    const double avvio = mediana(QStringLiteral("avvio"), cartella.filePath(QStringLiteral("avvio")));
    std::printf("avvio fino alla schermata iniziale: %7.2f ms\n", avvio);
    std::printf("finestra Qt vuota mostrata:         %7.2f ms\n", nuda);
    std::printf("rapporto: %.2f   (obiettivo: al massimo 2)\n", avvio / nuda);
    std::printf("per confronto, finestra Qt con un pulsante scritto: %7.2f ms (rapporto %.2f)\n", conTesto,
                avvio / conTesto);
    return 0;
}
