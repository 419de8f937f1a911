// The values every screen shares for the whole run.
#include "storage/StatoProgramma.h"

#include <QFileInfo>

namespace {
constexpr char16_t kUtentePredefinito[] = u"_predefinito";
}

StatoProgramma::StatoProgramma(Percorsi percorsiProgramma) : percorsi(std::move(percorsiProgramma))
{
    ModuloPerIni::ImpostazioniPredefinite(ImpostazioniUtente, percorsi);
}

void StatoProgramma::rendiCorrenteUtentePredefinito()
{
    NomeUtente = QString::fromUtf16(kUtentePredefinito);
    PercorsoUtente = percorsi.cartellaUtenti() + NomeUtente + QStringLiteral(".INI");
}

std::optional<QString> StatoProgramma::leggiProfiloUtente()
{
    const std::optional<QString> avviso = ModuloPerIni::LeggiUtente(ImpostazioniUtente, PercorsoUtente, percorsi);
    if (!avviso || m_avvisiDati.contains(*avviso))
        return std::nullopt;
    m_avvisiDati.insert(*avviso);
    return avviso;
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
