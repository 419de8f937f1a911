// The program as the screens see it: the shared state, the sound player, and one reference per screen.
#include "home/Programma.h"

#include "exercise/Form1.h"
#include "exercise/agent/AgenteMerlino.h"
#include "home/FormMenu.h"
#include "results/FormEserciziEseguiti.h"
#include "startup/FormAvvio.h"
#include "storage/StatoProgramma.h"

#include <QApplication>

Programma::Programma(StatoProgramma& statoProgramma, SuonoFeedback& suoniProgramma)
    : stato(statoProgramma), suoni(suoniProgramma), creaAgente([this](QWidget* schermata) {
          return std::make_unique<ControlloAgenteMerlino>(
              schermata, stato.percorsi.fileNelProgramma(QStringLiteral("personaggi/")));
      })
{}

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
FormEserciziEseguiti* Programma::apriEserciziEseguiti(QWidget* apertoDa)
{
    return apri(m_formEserciziEseguiti, apertoDa);
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

QWidget* Programma::schermataCorrente() const
{
    if (QWidget* dialogo = QApplication::activeModalWidget())
        return dialogo;
    for (QWidget* schermo :
         std::initializer_list<QWidget*>{aperta(m_formAvvio), formMenu(), form1(), aperta(m_formEserciziEseguiti)}) {
        if (schermo)
            return schermo;
    }
    return nullptr;
}

void Programma::termina()
{
    for (QWidget* schermo : std::initializer_list<QWidget*>{m_formAvvio, m_formMenu, m_form1, m_formEserciziEseguiti}) {
        if (schermo)
            schermo->close();
    }
}
