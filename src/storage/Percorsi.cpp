// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's files live: the program folder and the settings folder tree.
#include "storage/Percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

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
QString Percorsi::cartellaListe() const
{
    return cartellaOrdiparo() + QStringLiteral("liste/");
}
QString Percorsi::cartellaListeProgramma() const
{
    return fileNelProgramma(QStringLiteral("testiordiparo/"));
}

std::optional<QString> Percorsi::cartellaRegistri(const QString& nomeUtente) const
{
    const bool fuori = std::any_of(nomeUtente.begin(), nomeUtente.end(),
                                   [](QChar c) { return c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20; });
    // "." and ".." are this folder and its parent; Windows drops trailing dots and blanks, so " .. " is too.
    if (fuori || QString(nomeUtente).remove(u'.').trimmed().isEmpty())
        return std::nullopt;
    // The pupil's folder whatever its letter case, as with profiles: one pupil, one folder.
    return risoltoSenzaMaiuscole(cartellaDati() + nomeUtente) + u'/';
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

QStringList Percorsi::utenti() const
{
    // Folders too: a folder named like a profile stands for a user, as it always has.
    const QStringList voci =
        QDir(cartellaUtenti())
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    QStringList nomi;
    for (const QString& voce : voci) {
        if (const std::optional<QString> nome = utenteDelProfilo(voce))
            nomi << *nome;
    }
    return nomi;
}

std::optional<QString> Percorsi::motivoNomeNonValido(const QString& nome)
{
    // A file name holds 255 bytes; the name leaves room for ".ini", the temporary name of a save and the copy of
    // a damaged profile after it.
    constexpr qsizetype kByteMassimi = 200;
    const QString segniVietati = QStringLiteral("\\/:*?\"<>|,");
    const bool segnoVietato =
        std::any_of(nome.begin(), nome.end(), [&](QChar c) { return segniVietati.contains(c) || c.unicode() < 0x20; });
    if (segnoVietato)
        return QStringLiteral("Il nome di un alunno non può contenere la virgola né i segni \\ / : * ? \" < > |.");
    // Unseen marks would make two names look the same: one that turns the writing right to left shows one pupil's
    // name as another's.
    const QList<uint> lettere = nome.toUcs4();
    const bool invisibile = !nome.isValidUtf16() || std::any_of(lettere.begin(), lettere.end(), [](uint c) {
        const QChar::Category tipo = QChar::category(char32_t(c));
        return tipo == QChar::Other_Format || tipo == QChar::Other_Control || tipo == QChar::Separator_Line ||
               tipo == QChar::Separator_Paragraph;
    });
    if (invisibile)
        return QStringLiteral("Il nome di un alunno non può contenere segni invisibili, come quelli che cambiano il "
                              "verso della scrittura.");
    if (nome.contains(QStringLiteral("..")))
        return QStringLiteral("Il nome di un alunno non può contenere due punti di seguito.");
    if (nome.trimmed().remove(u'.').trimmed().isEmpty())
        return QStringLiteral("Il nome di un alunno deve contenere almeno una lettera o una cifra.");
    // Counted as the file system counts: a letter with an accent takes two bytes, other scripts up to four.
    if (QFile::encodeName(nome).size() > kByteMassimi)
        return QStringLiteral("Il nome di un alunno è troppo lungo: può avere al massimo %1 lettere, e ogni lettera "
                              "accentata conta per due.")
            .arg(kByteMassimi);
    // Windows keeps these names for devices, with any extension after them.
    static const QStringList riservati{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                       QStringLiteral("NUL")};
    const QString base = nome.section(u'.', 0, 0).trimmed().toUpper();
    const bool porta = base.size() == 4 &&
                       (base.startsWith(QStringLiteral("COM")) || base.startsWith(QStringLiteral("LPT"))) &&
                       base.back() >= u'1' && base.back() <= u'9';
    if (riservati.contains(base) || porta)
        return QStringLiteral("«%1» è un nome che Windows riserva ai dispositivi: scegli un altro nome.").arg(base);
    return std::nullopt;
}

QString Percorsi::listaPredefinita() const
{
    return cartellaListeProgramma() + QStringLiteral("frasi.txt");
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
