// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a decoded text file the way the program's files are made: whole lines, delimited fields, codes.
#include "storage/LettoreTesto.h"

LettoreTesto::LettoreTesto(QString testo) : m_testo(std::move(testo)) {}

bool LettoreTesto::soloSpaziRimasti() const
{
    for (qsizetype i = m_pos; i < m_testo.size(); ++i) {
        if (!m_testo.at(i).isSpace())
            return false;
    }
    return true;
}

bool LettoreTesto::fineRiga(qsizetype pos) const
{
    return pos >= m_testo.size() || m_testo.at(pos) == u'\r' || m_testo.at(pos) == u'\n';
}

void LettoreTesto::saltaFineRiga()
{
    if (m_pos < m_testo.size() && m_testo.at(m_pos) == u'\r')
        ++m_pos;
    if (m_pos < m_testo.size() && m_testo.at(m_pos) == u'\n')
        ++m_pos;
    ++m_riga;
}

void LettoreTesto::saltaSpazi()
{
    while (m_pos < m_testo.size() && (m_testo.at(m_pos) == u' ' || m_testo.at(m_pos) == u'\t'))
        ++m_pos;
}

std::optional<QString> LettoreTesto::leggiRiga()
{
    if (fine())
        return std::nullopt;
    const qsizetype inizio = m_pos;
    while (!fineRiga(m_pos))
        ++m_pos;
    QString riga = m_testo.mid(inizio, m_pos - inizio);
    saltaFineRiga();
    return riga;
}

std::optional<QString> LettoreTesto::leggiCampo()
{
    if (fine())
        return std::nullopt;
    saltaSpazi();
    QString campo;
    if (m_pos < m_testo.size() && m_testo.at(m_pos) == u'"') {
        const qsizetype chiusa = m_testo.indexOf(u'"', m_pos + 1);
        const qsizetype fineCampo = chiusa < 0 ? m_testo.size() : chiusa;
        campo = m_testo.mid(m_pos + 1, fineCampo - m_pos - 1);
        m_riga += campo.count(u'\n');
        m_pos = chiusa < 0 ? fineCampo : chiusa + 1;
        // Whatever follows the closing quote up to the separator is not part of the field.
        while (!fineRiga(m_pos) && m_testo.at(m_pos) != u',')
            ++m_pos;
    } else {
        const qsizetype inizio = m_pos;
        while (!fineRiga(m_pos) && m_testo.at(m_pos) != u',')
            ++m_pos;
        campo = m_testo.mid(inizio, m_pos - inizio);
    }
    if (m_pos < m_testo.size() && m_testo.at(m_pos) == u',')
        ++m_pos;
    else
        saltaFineRiga();
    return campo;
}

std::optional<QString> LettoreTesto::leggiCampoIntero()
{
    if (fine())
        return std::nullopt;
    saltaSpazi();
    if (m_pos < m_testo.size() && m_testo.at(m_pos) == u'"')
        return leggiCampo();
    return leggiRiga();
}

std::optional<qint16> LettoreTesto::leggiCodice()
{
    if (fine())
        return std::nullopt;
    saltaSpazi();
    const qsizetype inizio = m_pos;
    while (!fineRiga(m_pos) && m_testo.at(m_pos) != u' ' && m_testo.at(m_pos) != u',')
        ++m_pos;
    const QString numero = m_testo.mid(inizio, m_pos - inizio);
    while (!fineRiga(m_pos))
        ++m_pos;
    saltaFineRiga();
    bool valido = false;
    const int valore = numero.toInt(&valido);
    if (!valido || valore < INT16_MIN || valore > INT16_MAX)
        return std::nullopt;
    return static_cast<qint16>(valore);
}
