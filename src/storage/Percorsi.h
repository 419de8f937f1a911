// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's files live: the program folder and the settings folder tree.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Percorsi {
public:
    // cartellaProgramma: the folder of the executable, with lists, pictures, sounds and the font beside it.
    // radiceImpostazioni: the settings root shared by the maker's programs.
    // cartellaFontUtente: where a font is installed for the user.
    Percorsi(QString cartellaProgramma, QString radiceImpostazioni, QString cartellaFontUtente);

    // The folders of this computer; ORDIPARO_CARTELLA_IMPOSTAZIONI replaces the settings root.
    static Percorsi perQuestoComputer();

    QString cartellaProgramma() const { return m_programma; }
    QString radice() const { return m_radice; }
    QString cartellaOrdiparo() const;
    QString cartellaUtenti() const;
    QString cartellaDati() const;
    QString leggimi() const;
    // The teachers' own lists, beside "utenti" and "dati": the program's folder may be read-only.
    QString cartellaListe() const;
    // The lists shipped with the program, the default one among them.
    QString cartellaListeProgramma() const;
    // The folder of a user's record files inside "dati", the one there whatever its letter case; none for a
    // name that would lead out of it (a path separator, a drive, only dots and blanks). A comma is allowed: old
    // profiles may hold one.
    std::optional<QString> cartellaRegistri(const QString& nomeUtente) const;
    // The profile of a user named as utenteDelProfilo gives it.
    QString profiloUtente(const QString& nomeUtente) const;
    // The user a file of the users folder stands for: its name without the ".ini" extension. None for any
    // other file, and for a name that is empty or holds a path separator of either system, which would
    // make a profile path outside the users folder.
    static std::optional<QString> utenteDelProfilo(const QString& nomeFile);
    // The users of the users folder, named as their files are, in alphabetical order whatever the case.
    QStringList utenti() const;
    // Why a typed name cannot name a pupil, in Italian, or none when it can. A pupil's name becomes a file
    // name that must stay inside the users folder and travel to Windows computers: no separators or signs
    // that Windows refuses, no comma (the profile's fields), no unseen marks, no "..", not only dots and blanks,
    // not longer than a file name can be in bytes, not a name that Windows reserves for a device.
    static std::optional<QString> motivoNomeNonValido(const QString& nome);
    QString listaPredefinita() const;
    QString cartellaImmagini() const;
    QString fileNelProgramma(const QString& relativo) const;
    QString fontProgramma() const;
    QString cartellaFontUtente() const { return m_fontUtente; }
    QString fontInstallato() const;

    // A path stored on a Windows computer uses backslashes; here it uses the platform's separator.
    static QString nativo(const QString& percorso);

    // The file on disk whose name matches the path's name without regard to letter case, or the path
    // itself when there is none (profiles and pictures come from Windows, where case does not count).
    static QString risoltoSenzaMaiuscole(const QString& percorso);

private:
    QString m_programma;
    QString m_radice;
    QString m_fontUtente;
};
