// SPDX-License-Identifier: GPL-3.0-or-later
// The "Utente" tab: whose profile the screen edits (the default user, an existing one, a new one) and whether the
// exercises done are recorded for that user.
#pragma once

#include "settings/SchedaConfigurazioni.h"

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

class SchedaUtente : public SchedaConfigurazioni {
    Q_OBJECT
public:
    SchedaUtente(Programma& programma, Schermata& schermata);

    void mostraImpostazioni(const ImpostazioniUtente& impostazioni) override;
    QList<QWidget*> sulloSfondo() override;
    // Writes the current profile before a switch or on leaving; false when it was not written (a refused
    // name, the teacher keeping another pupil's profile, a failed save).
    bool salvaPrimaDiCambiare();

signals:
    // The name of the user whose profile the screen now edits.
    void nomeMostrato(const QString& nome);
    // Another user's profile was read: every control shows it, the voice scales too.
    void profiloLetto();

private:
    void utenteScelto();
    void utenteDaModificareScelto(int riga);
    void nomeNuovoUtenteCambiato(const QString& testo);

    QRadioButton* m_sceltaUtente[3];
    QListWidget* m_elencoUtentiDaModificare;
    QLineEdit* m_nomeNuovoUtente;
    QLabel* m_avvisoNomeNonValido;
    QCheckBox* m_casellaSalvaAttivita;

    // The user current when "Nuovo utente" was chosen: it stays current while the typed name is refused.
    QString m_utentePrimaDelNuovo;
    QString m_percorsoPrimaDelNuovo;
    // The profile path that the typed name gave, and the one whose overwriting the teacher has confirmed.
    QString m_percorsoNuovoUtente;
    QString m_sovrascritturaConfermata;
    std::optional<QString> m_nomeNonValido;
};
