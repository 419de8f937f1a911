// SPDX-License-Identifier: GPL-3.0-or-later
// The table of exercise items and the list file it is loaded from and saved to.
#pragma once

#include <QString>
#include <optional>
#include <vector>

class Percorsi;

// Row 0 is never used; rows 1 to NumeroRighe hold the items. Column 0 is the stimulus
// (code 1 a text, anything else a picture), columns 1 to 8 the statements
// (code 0 "vero", 1 "falso", 2 "non si sa", 3 blank).
class TabellaFrasi {
public:
    static constexpr int kUltimaRiga = 1000;
    static constexpr int kColonne = 9;

    TabellaFrasi();

    QString& Testo(int riga, int colonna) { return m_celle[indice(riga, colonna)].testo; }
    const QString& Testo(int riga, int colonna) const { return m_celle[indice(riga, colonna)].testo; }
    qint16& Codice(int riga, int colonna) { return m_celle[indice(riga, colonna)].codice; }
    qint16 Codice(int riga, int colonna) const { return m_celle[indice(riga, colonna)].codice; }

    qint16 NumeroRighe = 0;
    // The list file the rows were loaded from or last saved to, as the profile names it ("" after the editor
    // emptied the table); none before the first load.
    std::optional<QString> listaCaricata;
    // The file of the last load when it was not read whole (more rows than the table holds, a damaged row, too
    // large): it holds what the table lacks, which a save over it would drop. Empty otherwise.
    QString listaIncompleta;

private:
    struct Cella {
        QString testo;
        qint16 codice = 0;
    };
    static std::size_t indice(int riga, int colonna);

    std::vector<Cella> m_celle;
};

// Loads the list the profile names, or the default list while that one is empty or missing; the profile
// keeps its choice, and the table remembers it. Returns an Italian message when the file cannot be read
// whole; the rows read in full are kept, and never more than the table holds.
std::optional<QString> CaricaLista(TabellaFrasi& tabella, const QString& listaScelta, const Percorsi& percorsi);

// Writes rows 1 to NumeroRighe to the file listaInUso, which the table then stands for; blank cells get
// code 3, also in the table.
// Returns an Italian message when the file cannot be written; the old file is then left whole.
std::optional<QString> SalvaFile(TabellaFrasi& tabella, const QString& listaInUso);
