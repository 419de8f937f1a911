// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the profiles name: the cursive school letters shipped with the program, and the Windows names.
#include "support/FontCorsivo.h"

#include "storage/Cartelle.h"
#include "storage/Percorsi.h"
#include "support/Crediti.h"
#include "support/Messaggi.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcFont, "ordiparo.font", QtInfoMsg)

namespace {
bool registraFont(const QString& percorso)
{
    const bool registrato = QFontDatabase::addApplicationFont(percorso) >= 0;
    if (!registrato)
        qCWarning(lcFont) << "cannot register the font" << percorso;
    return registrato;
}
} // namespace

namespace FontCorsivo {

void SostituisciFontDiWindows()
{
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

void InstallaFont(const Percorsi& percorsi, QWidget* genitore)
{
    SostituisciFontDiWindows();
    const QString installato = percorsi.fontInstallato();
    if (Cartelle::EsisteFile(installato)) {
        registraFont(installato);
        return;
    }
    const QString delProgramma = percorsi.fontProgramma();
    if (!Cartelle::EsisteFile(delProgramma)) {
        Messaggi::informa(genitore, QStringLiteral("Manca il font per il corsivo 'indis1.ttf' nella cartella del "
                                                   "programma: il corsivo sarà scritto con un altro carattere."));
        return;
    }
    QDir().mkpath(percorsi.cartellaFontUtente());
    QFile::remove(installato);
    if (!QFile::copy(delProgramma, installato)) {
        // The font still works for this run from the program folder.
        qCWarning(lcFont) << "cannot copy the font to" << installato;
        registraFont(delProgramma);
        return;
    }
    registraFont(installato);
    Messaggi::informa(genitore, QStringLiteral("Ho installato il font per il corsivo 'indis1.ttf'\r\n"
                                               " ----------------------- \r\n"
                                               "Font prodotto da ") +
                                    QString::fromUtf16(Crediti::kAutoreFont) + QStringLiteral("\r\n ") +
                                    QString::fromUtf16(Crediti::kOrigineFont));
}

} // namespace FontCorsivo
