// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program: it opens the screens, one reference each, over the state that main hands it. Opening a screen
// creates it when needed, shows it and closes the screen that opened it.
#pragma once

#include "exercise/SchermataEsercizio.h"
#include "home/SchermataInformazioni.h"
#include "home/SchermataMenu.h"
#include "results/SchermataEserciziEseguiti.h"
#include "settings/SchermataConfigurazioni.h"
#include "startup/SchermataAvvio.h"
#include "support/Programma.h"

#include <QPointer>

class Ordiparo : public Programma {
public:
    Ordiparo(StatoProgramma& stato, SuonoFeedback& suoni);
    ~Ordiparo() override;
    Q_DISABLE_COPY_MOVE(Ordiparo)

    SchermataAvvio* apriAvvio();
    SchermataMenu* apriMenu(QWidget* apertoDa) override;
    SchermataEsercizio* apriEsercizio(QWidget* apertoDa) override;
    SchermataConfigurazioni* apriConfigurazioni(QWidget* apertoDa) override;
    SchermataEserciziEseguiti* apriEserciziEseguiti(QWidget* apertoDa) override;
    SchermataInformazioni* apriInformazioni(QWidget* apertoDa) override;
    void termina() override;
    QWidget* schermataCorrente() const override;

    // The screens while they are open, else null.
    SchermataMenu* schermataMenu() const;
    SchermataEsercizio* schermataEsercizio() const;
    SchermataConfigurazioni* schermataConfigurazioni() const;

private:
    template <typename Schermo> Schermo* apri(QPointer<Schermo>& riferimento, QWidget* apertoDa);

    QPointer<SchermataAvvio> m_schermataAvvio;
    QPointer<SchermataMenu> m_schermataMenu;
    QPointer<SchermataEsercizio> m_schermataEsercizio;
    QPointer<SchermataConfigurazioni> m_schermataConfigurazioni;
    QPointer<SchermataEserciziEseguiti> m_schermataEserciziEseguiti;
    QPointer<SchermataInformazioni> m_schermataInformazioni;
};
