// The values every screen shares for the whole run.
#include "storage/StatoProgramma.h"

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
