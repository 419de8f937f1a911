// SPDX-License-Identifier: GPL-3.0-or-later
// Ordiparo: reading and picture comprehension for primary-school pupils.
#include "app/Avvio.h"
#include "app/ModuloAudio.h"
#include "app/ModuloJoystick.h"
#include "app/Ordiparo.h"
#include "app/UnaSolaCopia.h"
#include "startup/SchermataAvvio.h"
#include "storage/StatoProgramma.h"
#include "support/Personaggio.h"
#include "support/PulsantiJoystick.h"
#include "support/ServiziAudio.h"
#include "support/VoceScansione.h"

#include <QApplication>
#include <QDateTime>
#include <QLibraryInfo>
#include <QThreadPool>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication applicazione(argc, argv);
    applicazione.setApplicationName(QStringLiteral("Ordiparo"));
    // One look on every desktop: the profile's button colours show the same everywhere.
    applicazione.setStyle(QStringLiteral("Fusion"));
    // Qt's own dialogs (colours, files, fonts, printing) speak Italian like the rest of the program.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        applicazione.installTranslator(&traduzioneQt);

    UnaSolaCopia copia;
    if (!copia.prendi())
        return 0;
    Avvio::LeggiCaratteriInParallelo();

    StatoProgramma stato(Percorsi::perQuestoComputer());
    stato.casualeGeneratore.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    ModuloAudio audio(stato.percorsi.fileNelProgramma(QString::fromLatin1(kFileModuloAudio)));
    Ordiparo programma(stato, audio);
    programma.voceScansione = audio.voceScansione();
    programma.creaAgente = [&audio, &stato](QWidget* schermata) {
        return audio.creaAgente(schermata, stato.percorsi.fileNelProgramma(QStringLiteral("personaggi/")));
    };
    ModuloJoystick joystick(stato.percorsi.fileNelProgramma(QString::fromLatin1(kFileModuloJoystick)));
    copia.finestraCorrente = [&programma] { return programma.schermataCorrente(); };
    // The rest of the start, sounds, speech and controllers come once the start screen is on show.
    Avvio::dopoLaPrimaPittura(Avvio::EseguiAvvio(programma), [&] {
        audio.carica();
        joystick.avvia(*programma.joystick);
        Avvio::CompletaAvvio(programma);
    });
    const int esito = applicazione.exec();
    QThreadPool::globalInstance()->waitForDone(); // what was started on other cores ends before Qt does
    return esito;
}
