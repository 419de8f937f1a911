// Ordiparo: reading and picture comprehension for primary-school pupils.
#include "startup/Avvio.h"
#include "startup/UnaSolaCopia.h"
#include "storage/StatoProgramma.h"

#include <QApplication>
#include <QDateTime>

int main(int argc, char* argv[])
{
    QApplication applicazione(argc, argv);
    applicazione.setApplicationName(QStringLiteral("Ordiparo"));

    UnaSolaCopia copia;
    if (!copia.prendi())
        return 0;

    StatoProgramma stato(Percorsi::perQuestoComputer());
    stato.casualeGeneratore.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    Avvio::EseguiAvvio(stato);
    return applicazione.exec();
}
