// Start-up helpers: the settings folders and their readme, the cursive font, the random colours.
#include "startup/Modulo1.h"

#include "storage/StatoProgramma.h"
#include "storage/TestoAnsi.h"
#include "support/Crediti.h"
#include "support/Messaggi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QLoggingCategory>
#include <array>

Q_LOGGING_CATEGORY(lcStartup, "ordiparo.startup", QtInfoMsg)

namespace {
constexpr std::array<double, 18> kColoriChiari = {
    12632319, 8421631,  8421631,  8438015,  33023,    12648447, 65535,    16576,    8454016,
    65535,    16777152, 16776960, 16761024, 16761087, 16761087, 14737632, 16761087, 16711935,
};

QStringList righeLeggimi()
{
    return {
        QStringLiteral("Questa cartella contiene i files di impostazione dei Programmi Lumio per la scuola, tra cui "
                       "Ordiparo."),
        QStringLiteral(" "),
        QStringLiteral("Se qualche programma presenta problemi di funzionamento può essere utile cancellare il "
                       "file *.ini relativo al programma in questa cartella."),
        QStringLiteral(" "),
        QStringLiteral("Non cancellare questo file."),
    };
}

bool registraFont(const QString& percorso)
{
    const bool registrato = QFontDatabase::addApplicationFont(percorso) >= 0;
    if (!registrato)
        qCWarning(lcStartup) << "cannot register the font" << percorso;
    return registrato;
}
} // namespace

namespace Modulo1 {

bool EsisteFile(const QString& percorso)
{
    return !percorso.isEmpty() && QFileInfo(percorso).isFile();
}

bool EsisteCartella(const QString& percorso)
{
    return !percorso.isEmpty() && QFileInfo::exists(percorso);
}

std::optional<QString> CreaCartella(const QString& percorso, const Percorsi& percorsi)
{
    // The root's parents (a fresh home may lack ~/.local/share) are made as well.
    if (!QDir().mkpath(percorso))
        return QStringLiteral("Non è stato possibile creare la cartella \"%1\": i profili degli utenti e gli "
                              "esercizi eseguiti non potranno essere salvati.")
            .arg(QDir::toNativeSeparators(percorso));
    if (const auto errore = TestoAnsi::scriviRighe(percorsi.leggimi(), righeLeggimi()))
        qCWarning(lcStartup) << "readme not written:" << *errore;
    return std::nullopt;
}

std::optional<QString> CreaCartelle(const Percorsi& percorsi)
{
    const QString cartelle[] = {percorsi.radice(), percorsi.cartellaOrdiparo(), percorsi.cartellaUtenti(),
                                percorsi.cartellaDati()};
    for (const QString& cartella : cartelle) {
        if (EsisteCartella(cartella))
            continue;
        // Each folder lies inside the one before: stop at the first that fails.
        if (auto errore = CreaCartella(cartella, percorsi))
            return errore;
    }
    return std::nullopt;
}

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
    if (EsisteFile(installato)) {
        registraFont(installato);
        return;
    }
    const QString delProgramma = percorsi.fontProgramma();
    if (!EsisteFile(delProgramma)) {
        Messaggi::informa(genitore, QStringLiteral("Manca il font per il corsivo 'indis1.ttf' nella cartella del "
                                                   "programma: il corsivo sarà scritto con un altro carattere."));
        return;
    }
    QDir().mkpath(percorsi.cartellaFontUtente());
    QFile::remove(installato);
    if (!QFile::copy(delProgramma, installato)) {
        // The font still works for this run from the program folder.
        qCWarning(lcStartup) << "cannot copy the font to" << installato;
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

double ScegliColoreCasuale(StatoProgramma& stato)
{
    const auto indice = static_cast<std::size_t>(stato.casuale() * kColoriChiari.size());
    return kColoriChiari[std::min(indice, kColoriChiari.size() - 1)];
}

} // namespace Modulo1
