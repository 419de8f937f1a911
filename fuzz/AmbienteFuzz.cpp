// SPDX-License-Identifier: GPL-3.0-or-later
// What every fuzz target shares: a Qt application and a scratch folder, made once per process.
#include "AmbienteFuzz.h"

#include <QFile>
#include <QTemporaryDir>
#ifdef ORDIPARO_FUZZ_GUI
#include <QGuiApplication>
using ApplicazioneQt = QGuiApplication;
#else
#include <QCoreApplication>
using ApplicazioneQt = QCoreApplication;
#endif

namespace {
// Qt wants its application object before anything reads files, fonts or pictures; the fuzzer owns main().
struct Applicazione {
    Applicazione()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new ApplicazioneQt(argc, argv);
    }
    int argc = 1;
    char nome[8] = "fuzz";
    char* argv[2] = {nome, nullptr};
};
} // namespace

namespace AmbienteFuzz {

QString cartella()
{
    static Applicazione applicazione;
    static QTemporaryDir temporanea;
    return temporanea.path() + u'/';
}

QString scrivi(const QString& nome, const QByteArray& byte)
{
    const QString percorso = cartella() + nome;
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(byte) != byte.size())
        qFatal("cannot write the fuzz input %s", qPrintable(percorso));
    return percorso;
}

} // namespace AmbienteFuzz
