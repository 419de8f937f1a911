// The program as the screens see it: the shared state, the sound player, and one reference per screen.
#include "home/Programma.h"

#include "exercise/Form1.h"
#include "exercise/agent/Personaggio.h"
#include "home/FormMenu.h"
#include "results/FormEserciziEseguiti.h"
#include "settings/FormConfigura.h"
#include "startup/FormAvvio.h"
#include "storage/StatoProgramma.h"
#include "support/ApriDocumento.h"
#include "support/FormInfo.h"
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

FormAvvio* Programma::apriAvvio()
{
    return apri(m_formAvvio, nullptr);
}
FormMenu* Programma::apriMenu(QWidget* apertoDa)
{
    return apri(m_formMenu, apertoDa);
}
Form1* Programma::apriEsercizio(QWidget* apertoDa)
{
    return apri(m_form1, apertoDa);
}
FormConfigura* Programma::apriConfigurazioni(QWidget* apertoDa)
{
    return apri(m_formConfigura, apertoDa);
}
FormEserciziEseguiti* Programma::apriEserciziEseguiti(QWidget* apertoDa)
{
    return apri(m_formEserciziEseguiti, apertoDa);
}

FormInfo* Programma::apriInfo(QWidget* apertoDa)
{
    return apri(m_formInfo, apertoDa);
}

namespace {
template <typename Schermo> Schermo* aperta(const QPointer<Schermo>& riferimento)
{
    return riferimento && !riferimento->scaricata() ? riferimento.data() : nullptr;
}
} // namespace

FormMenu* Programma::formMenu() const
{
    return aperta(m_formMenu);
}
Form1* Programma::form1() const
{
    return aperta(m_form1);
}
FormConfigura* Programma::formConfigura() const
{
    return aperta(m_formConfigura);
}

QWidget* Programma::schermataCorrente() const
{
    if (QWidget* dialogo = QApplication::activeModalWidget())
        return dialogo;
    for (QWidget* schermo : std::initializer_list<QWidget*>{aperta(m_formAvvio), formMenu(), form1(), formConfigura(),
                                                            aperta(m_formEserciziEseguiti), aperta(m_formInfo)}) {
        if (schermo)
            return schermo;
    }
    return nullptr;
}

void Programma::termina()
{
    for (QWidget* schermo : std::initializer_list<QWidget*>{m_formAvvio, m_formMenu, m_form1, m_formConfigura,
                                                            m_formEserciziEseguiti, m_formInfo}) {
        if (schermo)
            schermo->close();
    }
}
