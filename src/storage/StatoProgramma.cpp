// SPDX-License-Identifier: GPL-3.0-or-later
// The values every screen shares for the whole run.
#include "storage/StatoProgramma.h"

#include <QFileInfo>

namespace {
constexpr char16_t kUtentePredefinito[] = u"_predefinito";
}

StatoProgramma::StatoProgramma(Percorsi percorsiProgramma) : percorsi(std::move(percorsiProgramma))
{
    FileProfilo::ImpostazioniPredefinite(ImpostazioniUtente, percorsi);
}

void StatoProgramma::rendiCorrenteUtentePredefinito()
{
    NomeUtente = QString::fromUtf16(kUtentePredefinito);
    PercorsoUtente = percorsi.cartellaUtenti() + NomeUtente + QStringLiteral(".INI");
}

std::optional<QString> StatoProgramma::leggiProfiloUtente()
{
    TestoAnsi::Impronta letta;
    const std::optional<QString> avviso =
        FileProfilo::LeggiUtente(ImpostazioniUtente, PercorsoUtente, percorsi, &letta);
    m_profiloSulDisco = {PercorsoUtente, ImpostazioniUtente, letta};
    if (!avviso || m_avvisiDati.contains(*avviso))
        return std::nullopt;
    m_avvisiDati.insert(*avviso);
    return avviso;
}

StatoProgramma::Salvataggio StatoProgramma::salvaProfiloUtente(bool sostituisci, QString* errore)
{
    // Only a profile read or written under this path has a fingerprint: a user just named, or the default user
    // taking the settings on screen, is written as it is.
    const bool stessoProfilo = m_profiloSulDisco && m_profiloSulDisco->percorso == PercorsoUtente;
    const bool invariato = stessoProfilo && m_profiloSulDisco->impostazioni == ImpostazioniUtente;
    if (invariato && TestoAnsi::collegamento(Percorsi::risoltoSenzaMaiuscole(PercorsoUtente)))
        return Salvataggio::NienteDaSalvare; // the notice was given on reading: nothing of the teacher's is lost
    if (!sostituisci && stessoProfilo && FileProfilo::CambiatoDa(m_profiloSulDisco->impronta, PercorsoUtente))
        return invariato ? Salvataggio::NienteDaSalvare : Salvataggio::CambiatoAltrove;
    TestoAnsi::Impronta scritta;
    if (const std::optional<QString> messaggio =
            FileProfilo::SalvaUtente(ImpostazioniUtente, PercorsoUtente, &scritta)) {
        if (errore)
            *errore = *messaggio;
        return Salvataggio::Fallito;
    }
    m_profiloSulDisco = {PercorsoUtente, ImpostazioniUtente, scritta};
    return Salvataggio::Salvato;
}

std::optional<QString> StatoProgramma::caricaListaUtente()
{
    if (TabellaFrasi.listaCaricata == ImpostazioniUtente.ListaInUso)
        return std::nullopt;
    return CaricaLista(TabellaFrasi, ImpostazioniUtente.ListaInUso, percorsi);
}

std::optional<QString> StatoProgramma::cartellaRegistri() const
{
    QString nome = NomeUtente;
    const QString profilo = QFileInfo(Percorsi::risoltoSenzaMaiuscole(PercorsoUtente)).fileName();
    // Shown in capitals, a name may not fold back to the file's ("STRASSE" for "straße").
    if (const std::optional<QString> delProfilo = Percorsi::utenteDelProfilo(profilo);
        delProfilo && (delProfilo->compare(nome, Qt::CaseInsensitive) == 0 || delProfilo->toUpper() == nome.toUpper()))
        nome = *delProfilo;
    return percorsi.cartellaRegistri(nome);
}
