// Hands a file to the desktop's default application for its kind (a PDF to the PDF reader).
#include "support/ApriDocumento.h"

#include "support/Messaggi.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool ApriDocumento::apri(const QString& percorso)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
}

namespace ModuloNavigate {

void ApriDocumento(QWidget* finestra, ::ApriDocumento& apritore, const QString& percorso)
{
    // The desktop says nothing when the file is not there, so the teacher would click on and on: say it here.
    const QString nome = QFileInfo(percorso).fileName();
    if (!QFileInfo(percorso).isFile()) {
        Messaggi::errore(finestra, QStringLiteral("Il file \"%1\" non si trova nella cartella del programma:\r\n%2")
                                       .arg(nome, QFileInfo(percorso).absolutePath()));
        return;
    }
    if (!apritore.apri(percorso))
        Messaggi::errore(finestra,
                         QStringLiteral("Non si è potuto aprire \"%1\": manca un programma per leggere i file PDF.\r\n"
                                        "Il file è qui: %2")
                             .arg(nome, percorso));
}

} // namespace ModuloNavigate
