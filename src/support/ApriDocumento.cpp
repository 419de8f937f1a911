// SPDX-License-Identifier: GPL-3.0-or-later
// Hands a file to the desktop's default application for its kind (a PDF to the PDF reader).
#include "support/ApriDocumento.h"

#include "support/Messaggi.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <optional>

namespace {
constexpr int kAttesaRispostaMs = 5000;
} // namespace

// Where xdg-mime cannot be asked, the opening itself is left to tell.
bool ApriDocumento::programmaPer(const QString& percorso)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    const auto chiedi = [&xdgMime](const QStringList& domanda) -> std::optional<QString> {
        QProcess risposta;
        risposta.start(xdgMime, QStringList{QStringLiteral("query")} + domanda);
        if (!risposta.waitForFinished(kAttesaRispostaMs) || risposta.exitStatus() != QProcess::NormalExit ||
            risposta.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(risposta.readAllStandardOutput()).trimmed();
    };
    // The kind as the desktop itself tells it, so that both answers come from the same place.
    const std::optional<QString> tipo =
        xdgMime.isEmpty() ? std::nullopt : chiedi({QStringLiteral("filetype"), percorso});
    if (!tipo || tipo->isEmpty())
        return true;
    const std::optional<QString> programma = chiedi({QStringLiteral("default"), *tipo});
    return !programma || !programma->isEmpty();
#else
    Q_UNUSED(percorso)
    return true;
#endif
}

bool ApriDocumento::apri(const QString& percorso)
{
    return programmaPer(percorso) && QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
}

namespace Documenti {

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

} // namespace Documenti
