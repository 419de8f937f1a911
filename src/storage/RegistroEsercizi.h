// SPDX-License-Identifier: GPL-3.0-or-later
// The record of every statement put to a pupil since the program started, with its wrong answers.
#pragma once

#include <QString>
#include <vector>

class RegistroEsercizi {
public:
    static constexpr int kCapacita = 1000;

    struct Riga {
        QString Stimolo;
        QString Affermazione;
        QString Errori;
    };

    RegistroEsercizi();

    qint16 NumeroEseguiti() const { return m_numeroEseguiti; }
    const Riga& riga(int numero) const;

    void azzera()
    {
        m_numeroEseguiti = 0;
        m_ultimaAggiunta = false;
    }
    // Adds a row for a statement just shown; past the capacity the record stops growing quietly.
    // Returns false when the row was not added.
    bool aggiungi(const QString& stimolo, const QString& affermazione);
    // Marks one wrong answer on the last row.
    void segnaErrore();

private:
    std::vector<Riga> m_righe;
    qint16 m_numeroEseguiti = 0;
    bool m_ultimaAggiunta = false;
};
