// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program: it opens the screens, one reference each.
#include "app/Ordiparo.h"

#include <QApplication>

Ordiparo::Ordiparo(StatoProgramma& statoProgramma, SuonoFeedback& suoniProgramma)
    : Programma(statoProgramma, suoniProgramma)
{}

Ordiparo::~Ordiparo() = default;

template <typename Schermo> Schermo* Ordiparo::apri(QPointer<Schermo>& riferimento, QWidget* apertoDa)
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

SchermataAvvio* Ordiparo::apriAvvio()
{
    return apri(m_schermataAvvio, nullptr);
}
SchermataMenu* Ordiparo::apriMenu(QWidget* apertoDa)
{
    return apri(m_schermataMenu, apertoDa);
}
SchermataEsercizio* Ordiparo::apriEsercizio(QWidget* apertoDa)
{
    return apri(m_schermataEsercizio, apertoDa);
}
SchermataConfigurazioni* Ordiparo::apriConfigurazioni(QWidget* apertoDa)
{
    return apri(m_schermataConfigurazioni, apertoDa);
}
SchermataEserciziEseguiti* Ordiparo::apriEserciziEseguiti(QWidget* apertoDa)
{
    return apri(m_schermataEserciziEseguiti, apertoDa);
}

SchermataInformazioni* Ordiparo::apriInformazioni(QWidget* apertoDa)
{
    return apri(m_schermataInformazioni, apertoDa);
}

namespace {
template <typename Schermo> Schermo* aperta(const QPointer<Schermo>& riferimento)
{
    return riferimento && !riferimento->scaricata() ? riferimento.data() : nullptr;
}
} // namespace

SchermataMenu* Ordiparo::schermataMenu() const
{
    return aperta(m_schermataMenu);
}
SchermataEsercizio* Ordiparo::schermataEsercizio() const
{
    return aperta(m_schermataEsercizio);
}
SchermataConfigurazioni* Ordiparo::schermataConfigurazioni() const
{
    return aperta(m_schermataConfigurazioni);
}

QWidget* Ordiparo::schermataCorrente() const
{
    if (QWidget* dialogo = QApplication::activeModalWidget())
        return dialogo;
    for (QWidget* schermo : std::initializer_list<QWidget*>{
             aperta(m_schermataAvvio), schermataMenu(), schermataEsercizio(), schermataConfigurazioni(),
             aperta(m_schermataEserciziEseguiti), aperta(m_schermataInformazioni)}) {
        if (schermo)
            return schermo;
    }
    return nullptr;
}

void Ordiparo::termina()
{
    for (QWidget* schermo : std::initializer_list<QWidget*>{m_schermataAvvio, m_schermataMenu, m_schermataEsercizio,
                                                            m_schermataConfigurazioni, m_schermataEserciziEseguiti,
                                                            m_schermataInformazioni}) {
        if (schermo)
            schermo->close();
    }
}
