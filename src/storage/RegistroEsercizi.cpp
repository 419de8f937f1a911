// SPDX-License-Identifier: GPL-3.0-or-later
// The record of every statement put to a pupil since the program started, with its wrong answers.
#include "storage/RegistroEsercizi.h"

RegistroEsercizi::RegistroEsercizi() : m_righe(kCapacita + 1) {}

const RegistroEsercizi::Riga& RegistroEsercizi::riga(int numero) const
{
    Q_ASSERT(numero >= 1 && numero <= m_numeroEseguiti);
    return m_righe[static_cast<std::size_t>(numero)];
}

bool RegistroEsercizi::aggiungi(const QString& stimolo, const QString& affermazione)
{
    m_ultimaAggiunta = m_numeroEseguiti < kCapacita;
    if (!m_ultimaAggiunta)
        return false;
    ++m_numeroEseguiti;
    m_righe[static_cast<std::size_t>(m_numeroEseguiti)] = {stimolo, affermazione, QString()};
    return true;
}

void RegistroEsercizi::segnaErrore()
{
    // When the record is full, the statement on screen has no row of its own: mark nothing.
    if (m_ultimaAggiunta)
        m_righe[static_cast<std::size_t>(m_numeroEseguiti)].Errori += QStringLiteral(" * ");
}
