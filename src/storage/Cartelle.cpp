// SPDX-License-Identifier: GPL-3.0-or-later
// The settings folders and the readme that tells what they hold.
#include "storage/Cartelle.h"

#include "storage/Percorsi.h"
#include "storage/TestoAnsi.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringList>

Q_DECLARE_LOGGING_CATEGORY(lcStorage)

namespace {
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
} // namespace

namespace Cartelle {

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
        qCWarning(lcStorage) << "readme not written:" << *errore;
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

} // namespace Cartelle
