// Where the program's files live: the program folder and the settings folder tree.
#include "storage/Percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString conBarra(QString cartella)
{
    cartella = QDir::cleanPath(cartella);
    return cartella.endsWith(u'/') ? cartella : cartella + u'/';
}
} // namespace

Percorsi::Percorsi(QString cartellaProgramma, QString radiceImpostazioni, QString cartellaFontUtente)
    : m_programma(conBarra(cartellaProgramma)), m_radice(conBarra(radiceImpostazioni)),
      m_fontUtente(conBarra(cartellaFontUtente))
{}

Percorsi Percorsi::perQuestoComputer()
{
    QString radice = qEnvironmentVariable("ORDIPARO_CARTELLA_IMPOSTAZIONI");
    if (radice.isEmpty()) {
#ifdef Q_OS_WIN
        radice = QStringLiteral("C:/ImpostazioniProgrammiLumio/");
#else
        radice = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                 QStringLiteral("/ImpostazioniProgrammiLumio/");
#endif
    }
    const QString fontUtente =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/fonts/");
    return Percorsi(QCoreApplication::applicationDirPath(), radice, fontUtente);
}

QString Percorsi::cartellaOrdiparo() const
{
    return m_radice + QStringLiteral("Ordiparo/");
}
QString Percorsi::cartellaUtenti() const
{
    return cartellaOrdiparo() + QStringLiteral("utenti/");
}
QString Percorsi::cartellaDati() const
{
    return cartellaOrdiparo() + QStringLiteral("dati/");
}
QString Percorsi::leggimi() const
{
    return m_radice + QStringLiteral("leggimi.txt");
}

QString Percorsi::profiloUtente(const QString& nomeUtente) const
{
    return cartellaUtenti() + nomeUtente + QStringLiteral(".ini");
}

std::optional<QString> Percorsi::utenteDelProfilo(const QString& nomeFile)
{
    const QString estensione = QStringLiteral(".ini");
    if (!nomeFile.endsWith(estensione, Qt::CaseInsensitive))
        return std::nullopt;
    const QString nome = nomeFile.chopped(estensione.size());
    // Without a separator the profile path cannot leave the users folder; Windows paths use both.
    if (nome.isEmpty() || nome.contains(u'/') || nome.contains(u'\\'))
        return std::nullopt;
    return nome;
}

QString Percorsi::listaPredefinita() const
{
    return fileNelProgramma(QStringLiteral("testiordiparo/frasi.txt"));
}
QString Percorsi::cartellaImmagini() const
{
    return fileNelProgramma(QStringLiteral("immagini/"));
}
QString Percorsi::fileNelProgramma(const QString& relativo) const
{
    return m_programma + relativo;
}
QString Percorsi::fontProgramma() const
{
    return fileNelProgramma(QStringLiteral("indis1.ttf"));
}
QString Percorsi::fontInstallato() const
{
    return m_fontUtente + QStringLiteral("indis1.ttf");
}

QString Percorsi::nativo(const QString& percorso)
{
#ifdef Q_OS_WIN
    return percorso;
#else
    QString risultato = percorso;
    return risultato.replace(u'\\', u'/');
#endif
}

QString Percorsi::risoltoSenzaMaiuscole(const QString& percorso)
{
    const QString locale = nativo(percorso);
    const QFileInfo info(locale);
    if (info.exists() || info.fileName().isEmpty())
        return locale;
    const QDir cartella = info.dir();
    const QStringList nomi =
        cartella.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& nome : nomi) {
        if (nome.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return cartella.filePath(nome);
    }
    return locale;
}
