// The program as the screens see it: the shared state, the sound player, and one reference per screen.
#include "home/Programma.h"

#include "exercise/SchermataEsercizio.h"
#include "exercise/agent/Personaggio.h"
#include "home/SchermataMenu.h"
#include "results/SchermataEserciziEseguiti.h"
#include "settings/SchermataConfigurazioni.h"
#include "startup/SchermataAvvio.h"
#include "storage/StatoProgramma.h"
#include "support/ApriDocumento.h"
#include "support/SchermataInformazioni.h"
#include "support/Messaggi.h"
#include "support/VoceScansione.h"

#include <QApplication>

Programma::Programma(StatoProgramma& statoProgramma, SuonoFeedback& suoniProgramma)
    : stato(statoProgramma), suoni(suoniProgramma), apriDocumento(std::make_unique<ApriDocumento>())
{}

Programma::~Programma() = default;

Personaggio* Programma::caricaMerlino(QWidget* schermata, std::unique_ptr<ControlloAgente>& controllo)
{
    controllo = creaAgente ? creaAgente(schermata) : nullptr;
    QString motivo = QStringLiteral("manca il modulo dei suoni e della voce");
    if (controllo &&
        controllo->CharactersLoad(QStringLiteral("Merlin"), QStringLiteral("Merlin") + QStringLiteral(".acs"), &motivo))
        return controllo->Characters(QStringLiteral("Merlin"));
    controllo.reset();
    if (!std::exchange(m_personaggioMancanteSegnalato, true))
        Messaggi::informa(schermata, QStringLiteral("Il personaggio che legge ad alta voce non è disponibile: %1.\r\n"
                                                    "Gli esercizi continuano senza voce.")
                                         .arg(motivo));
    return nullptr;
}

template <typename Schermo> Schermo* Programma::apri(QPointer<Schermo>& riferimento, QWidget* apertoDa)
{
    if (!riferimento || riferimento->scaricata())
        riferimento = new Schermo(*this);
    riferimento->show();
    riferimento->raise();
    riferimento->activateWindow();
    if (apertoDa && apertoDa != riferimento)
        apertoDa->close();
    return riferimento;
}

SchermataAvvio* Programma::apriAvvio()
{
    return apri(m_schermataAvvio, nullptr);
}
SchermataMenu* Programma::apriMenu(QWidget* apertoDa)
{
    return apri(m_schermataMenu, apertoDa);
}
SchermataEsercizio* Programma::apriEsercizio(QWidget* apertoDa)
{
    return apri(m_schermataEsercizio, apertoDa);
}
SchermataConfigurazioni* Programma::apriConfigurazioni(QWidget* apertoDa)
{
    return apri(m_schermataConfigurazioni, apertoDa);
}
SchermataEserciziEseguiti* Programma::apriEserciziEseguiti(QWidget* apertoDa)
{
    return apri(m_schermataEserciziEseguiti, apertoDa);
}

SchermataInformazioni* Programma::apriInfo(QWidget* apertoDa)
{
    return apri(m_schermataInformazioni, apertoDa);
}

namespace {
template <typename Schermo> Schermo* aperta(const QPointer<Schermo>& riferimento)
{
    return riferimento && !riferimento->scaricata() ? riferimento.data() : nullptr;
}
} // namespace

SchermataMenu* Programma::schermataMenu() const
{
    return aperta(m_schermataMenu);
}
SchermataEsercizio* Programma::schermataEsercizio() const
{
    return aperta(m_schermataEsercizio);
}
SchermataConfigurazioni* Programma::schermataConfigurazioni() const
{
    return aperta(m_schermataConfigurazioni);
}

QWidget* Programma::schermataCorrente() const
{
    if (QWidget* dialogo = QApplication::activeModalWidget())
        return dialogo;
    for (QWidget* schermo : std::initializer_list<QWidget*>{aperta(m_schermataAvvio), schermataMenu(), schermataEsercizio(), schermataConfigurazioni(),
                                                            aperta(m_schermataEserciziEseguiti), aperta(m_schermataInformazioni)}) {
        if (schermo)
            return schermo;
    }
    return nullptr;
}

void Programma::termina()
{
    for (QWidget* schermo : std::initializer_list<QWidget*>{m_schermataAvvio, m_schermataMenu, m_schermataEsercizio, m_schermataConfigurazioni,
                                                            m_schermataEserciziEseguiti, m_schermataInformazioni}) {
        if (schermo)
            schermo->close();
    }
}
