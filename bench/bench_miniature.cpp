// SPDX-License-Identifier: GPL-3.0-or-later
// The picture chooser on a folder of 100 phone photos (JPEG, 4000 × 3000): every thumbnail built in at most
// 1.5 times the time vipsthumbnail takes on the same folder in the same run; the next opening, from the shared
// thumbnail cache, in under 200 ms; reopened on the folder with one more photo, the others shown again from the
// chooser's own thumbnails. Never a pause of the event loop longer than 50 ms.
//
// Needs vipsthumbnail, for the comparison only: sudo apt-get install libvips-tools
// Run: cmake --build build --target bench_miniature && build/bench/bench_miniature
#include "settings/Miniature.h"
#include "settings/SceltaImmagine.h"
#include "support/Schermata.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtConcurrent>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>

namespace {
constexpr int kFoto = 100;
constexpr QSize kMisura(4000, 3000);
constexpr double kRapportoMassimo = 1.5;
constexpr double kPausaMassimaMs = 50;
constexpr double kCacheMassimaMs = 200;
constexpr int kBattitoMs = 5;

// A photo-like picture, different for each number: a gradient, shapes and sensor noise, so the JPEG is as
// heavy to decode as a real photo.
void creaFoto(const QString& percorso, int numero)
{
    QImage foto(kMisura, QImage::Format_RGB32);
    QRandomGenerator caso(static_cast<quint32>(numero) + 1);
    QPainter pittore(&foto);
    QLinearGradient cielo(0, 0, kMisura.width(), kMisura.height());
    cielo.setColorAt(0, QColor::fromHsv((numero * 47) % 360, 120, 230));
    cielo.setColorAt(1, QColor::fromHsv((numero * 47 + 150) % 360, 200, 90));
    pittore.fillRect(foto.rect(), cielo);
    pittore.setPen(Qt::NoPen);
    for (int i = 0; i < 300; ++i) {
        pittore.setBrush(QColor::fromHsv(caso.bounded(360), 80 + caso.bounded(170), 60 + caso.bounded(190)));
        pittore.drawEllipse(QPoint(caso.bounded(kMisura.width()), caso.bounded(kMisura.height())),
                            20 + caso.bounded(300), 20 + caso.bounded(200));
    }
    pittore.end();
    for (int y = 0; y < foto.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(foto.scanLine(y));
        quint32 stato = caso.generate();
        for (int x = 0; x < foto.width(); ++x) {
            stato = stato * 1664525u + 1013904223u;
            const int rumore = static_cast<int>(stato >> 28) - 8;
            const QRgb p = riga[x];
            riga[x] = qRgb(std::clamp(qRed(p) + rumore, 0, 255), std::clamp(qGreen(p) + rumore, 0, 255),
                           std::clamp(qBlue(p) + rumore, 0, 255));
        }
    }
    foto.save(percorso, "JPEG", 90);
}

struct Misura {
    double totaleMs = 0;
    double pausaMassimaMs = 0;
    int mostrate = 0;
};

// A chooser in a dialog of its own, as each opening of the settings screen makes one.
struct Dialogo {
    explicit Dialogo(const QString& cartella) : finestra(10800, 9000), scelta(cartella, finestra, finestra.area())
    {
        finestra.show();
        QCoreApplication::processEvents();
    }
    Schermata finestra;
    SceltaImmagine scelta;
};

// Opens the chooser and waits until every thumbnail is shown, measuring the longest time the event loop could
// not answer.
Misura apriScelta(SceltaImmagine& scelta)
{
    Misura misura;
    QElapsedTimer battito;
    QTimer orologio;
    orologio.setTimerType(Qt::PreciseTimer);
    orologio.setInterval(kBattitoMs);
    QObject::connect(&orologio, &QTimer::timeout, [&] {
        misura.pausaMassimaMs = std::max(misura.pausaMassimaMs, battito.nsecsElapsed() / 1e6 - kBattitoMs);
        battito.start();
    });
    QElapsedTimer cronometro;
    cronometro.start();
    battito.start();
    orologio.start();
    scelta.apri();
    QEventLoop giro;
    QTimer controllo;
    QObject::connect(&controllo, &QTimer::timeout, [&] {
        if (!scelta.inCostruzione())
            giro.quit();
    });
    controllo.start(1);
    giro.exec();
    misura.totaleMs = cronometro.nsecsElapsed() / 1e6;
    misura.pausaMassimaMs = std::max(misura.pausaMassimaMs, battito.nsecsElapsed() / 1e6 - kBattitoMs);
    misura.mostrate = scelta.elencoImmagini->count();
    return misura;
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    const QString vips = QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail"));
    if (vips.isEmpty()) {
        std::fprintf(stderr, "manca vipsthumbnail: sudo apt-get install libvips-tools\n");
        return 2;
    }
    QTemporaryDir cartella;
    const QString foto = cartella.filePath(QStringLiteral("immagini/"));
    const QString cache = cartella.filePath(QStringLiteral("cache"));
    const QString uscitaVips = cartella.filePath(QStringLiteral("vips/"));
    QDir().mkpath(foto);
    QDir().mkpath(uscitaVips);
    qputenv("XDG_CACHE_HOME", cache.toLocal8Bit());

    std::printf("preparo %d foto %dx%d...\n", kFoto, kMisura.width(), kMisura.height());
    std::fflush(stdout);
    QList<int> numeri(kFoto);
    std::iota(numeri.begin(), numeri.end(), 0);
    QtConcurrent::blockingMap(numeri, [&](int numero) {
        creaFoto(foto + QStringLiteral("foto%1.jpg").arg(numero, 3, 10, QChar(u'0')), numero);
    });
    QStringList file;
    for (const QString& nome : QDir(foto).entryList(QDir::Files, QDir::Name))
        file << foto + nome;
    // The photos are read once before any timing, so both sides find them in the page cache.
    for (const QString& percorso : file) {
        QFile letto(percorso);
        letto.open(QIODevice::ReadOnly);
        letto.readAll();
    }

    QElapsedTimer cronometro;
    cronometro.start();
    QProcess processo;
    processo.start(vips, QStringList{QStringLiteral("--size=%1").arg(Miniature::kLato),
                                     QStringLiteral("--output=") + uscitaVips + QStringLiteral("%s.png")} +
                             file);
    processo.waitForFinished(-1);
    const double vipsMs = cronometro.nsecsElapsed() / 1e6;
    if (processo.exitCode() != 0 || QDir(uscitaVips).entryList(QDir::Files).size() != kFoto) {
        std::fprintf(stderr, "vipsthumbnail non ha fatto le miniature: %s\n",
                     processo.readAllStandardError().constData());
        return 2;
    }

    const Misura prima = apriScelta(std::make_unique<Dialogo>(foto)->scelta);
    Dialogo dialogo(foto);
    const Misura seconda = apriScelta(dialogo.scelta);
    // A photo added meanwhile: the same chooser shows the others again and builds the new one.
    creaFoto(foto + QStringLiteral("nuova.jpg"), kFoto);
    const Misura terza = apriScelta(dialogo.scelta);

    const double rapporto = prima.totaleMs / vipsMs;
    const bool riuscito = prima.mostrate == kFoto && seconda.mostrate == kFoto && terza.mostrate == kFoto + 1 &&
                          rapporto <= kRapportoMassimo && prima.pausaMassimaMs <= kPausaMassimaMs &&
                          seconda.totaleMs < kCacheMassimaMs && seconda.pausaMassimaMs <= kPausaMassimaMs &&
                          terza.pausaMassimaMs <= kPausaMassimaMs;
    std::printf("vipsthumbnail, %d foto:                    %8.1f ms\n", kFoto, vipsMs);
    std::printf("Ordiparo, prima apertura (%d miniature):  %8.1f ms = %.2f volte vipsthumbnail   (obiettivo: al "
                "massimo %.1f)\n",
                prima.mostrate, prima.totaleMs, rapporto, kRapportoMassimo);
    std::printf("  pausa più lunga del ciclo degli eventi:     %8.1f ms   (obiettivo: al massimo %.0f ms)\n",
                prima.pausaMassimaMs, kPausaMassimaMs);
    std::printf("Ordiparo, seconda apertura dalla cache:      %8.1f ms   (obiettivo: meno di %.0f ms)\n",
                seconda.totaleMs, kCacheMassimaMs);
    std::printf("  pausa più lunga del ciclo degli eventi:     %8.1f ms   (obiettivo: al massimo %.0f ms)\n",
                seconda.pausaMassimaMs, kPausaMassimaMs);
    std::printf("Ordiparo, riaperta con una foto nuova:        %8.1f ms\n", terza.totaleMs);
    std::printf("  pausa più lunga del ciclo degli eventi:     %8.1f ms   (obiettivo: al massimo %.0f ms)\n",
                terza.pausaMassimaMs, kPausaMassimaMs);
    std::printf("%s\n", riuscito ? "obiettivi raggiunti" : "OBIETTIVI NON RAGGIUNTI");
    return riuscito ? 0 : 1;
}
