// Ordiparo: reading and picture comprehension for primary-school pupils.
#include "exercise/SuonoFeedback.h"
#include "home/Programma.h"
#include "startup/Avvio.h"
#include "startup/UnaSolaCopia.h"
#include "storage/StatoProgramma.h"

#include <QApplication>
#include <QDateTime>
#include <QLibraryInfo>
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

    StatoProgramma stato(Percorsi::perQuestoComputer());
    stato.casualeGeneratore.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    SuonoFeedbackQt suoni;
    Programma programma(stato, suoni);
    copia.finestraCorrente = [&programma] { return programma.schermataCorrente(); };
    Avvio::EseguiAvvio(programma);
    return applicazione.exec();
}
