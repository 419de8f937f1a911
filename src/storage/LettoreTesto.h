// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a decoded text file the way the program's files are made: whole lines, delimited fields, codes.
#pragma once

#include <QString>
#include <optional>

class LettoreTesto {
public:
    explicit LettoreTesto(QString testo);

    // True when nothing is left to read.
    bool fine() const { return m_pos >= m_testo.size(); }
    // True when only blanks and line ends are left.
    bool soloSpaziRimasti() const;

    // The next whole line without its line end (CR LF, LF or CR), blanks kept.
    std::optional<QString> leggiRiga();

    // The next field: leading blanks skipped; a field opened by a double quote runs to the next quote,
    // any other to the next comma or line end. The comma or line end that closes it is passed over.
    std::optional<QString> leggiCampo();

    // The next value that fills its line: leading blanks skipped; opened by a double quote it is read as
    // leggiCampo reads it, otherwise it runs to the line end, commas included.
    std::optional<QString> leggiCampoIntero();

    // The next number: leading blanks skipped, it ends at a blank, a comma or the line end, and the
    // rest of its line is passed over. nullopt past the end, for a text, or for a number outside 16 bits.
    std::optional<qint16> leggiCodice();

    // The number of the line the next read starts on, counted from 1.
    int rigaCorrente() const { return m_riga; }

private:
    bool fineRiga(qsizetype pos) const;
    void saltaFineRiga();
    void saltaSpazi();

    QString m_testo;
    qsizetype m_pos = 0;
    int m_riga = 1;
};
