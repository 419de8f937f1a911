// SPDX-License-Identifier: GPL-3.0-or-later
// The "Utente" tab: whose profile the screen edits (the default user, an existing one, a new one) and
// whether the exercises done are recorded for that user.
#include "settings/SchedaUtente.h"

#include "storage/StatoProgramma.h"
#include "support/Colori.h"
#include "support/Messaggi.h"
#include "support/Programma.h"
#include "support/SalvataggioProfilo.h"
#include "support/TestoSemplice.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {
constexpr double kRosso = 255;
}

SchedaUtente::SchedaUtente(Programma& programma, Schermata& schermata)
    : SchedaConfigurazioni("schedaUtente", programma, schermata)
{
    auto* gruppo = new QButtonGroup(this);
    const char* voci[] = {"Utente predefinito", "Modifica utente", "Nuovo utente"};
    const int alti[] = {360, 1080, 4560};
    for (int i = 0; i < 3; ++i) {
        m_sceltaUtente[i] = new QRadioButton(QString::fromUtf8(voci[i]), this);
        m_sceltaUtente[i]->setObjectName(QStringLiteral("sceltaUtente_%1").arg(i));
        posiziona(m_sceltaUtente[i], 480, alti[i], 3840, 480);
        gruppo->addButton(m_sceltaUtente[i], i);
        // Only the newly chosen option runs the handler, which looks at which one is selected.
        connect(m_sceltaUtente[i], &QRadioButton::toggled, this, [this](bool scelto) {
            if (scelto)
                utenteScelto();
        });
    }
    {
        const QSignalBlocker comeDisegnato(m_sceltaUtente[0]); // the design state runs no handler
        m_sceltaUtente[0]->setChecked(true);
    }

    m_elencoUtentiDaModificare = new QListWidget(this);
    m_elencoUtentiDaModificare->setObjectName(QStringLiteral("elencoUtentiDaModificare"));
    m_elencoUtentiDaModificare->setAccessibleName(QStringLiteral("Utenti esistenti"));
    posiziona(m_elencoUtentiDaModificare, 4560, 1080, 5520, 3120);
    m_elencoUtentiDaModificare->hide();
    connect(m_elencoUtentiDaModificare, &QListWidget::currentRowChanged, this, &SchedaUtente::utenteDaModificareScelto);

    m_nomeNuovoUtente = new QLineEdit(this);
    m_nomeNuovoUtente->setObjectName(QStringLiteral("nomeNuovoUtente"));
    m_nomeNuovoUtente->setAccessibleName(QStringLiteral("Nome del nuovo utente"));
    posiziona(m_nomeNuovoUtente, 4560, 4500, 5520, 600);
    m_nomeNuovoUtente->hide();
    connect(m_nomeNuovoUtente, &QLineEdit::textChanged, this, &SchedaUtente::nomeNuovoUtenteCambiato);

    m_avvisoNomeNonValido = new QLabel(this);
    TestoSemplice::perEtichetta(m_avvisoNomeNonValido); // its reason may quote the typed name
    m_avvisoNomeNonValido->setObjectName(QStringLiteral("avvisoNomeNonValido"));
    m_avvisoNomeNonValido->setWordWrap(true);
    Colori::impostaTesto(m_avvisoNomeNonValido, kRosso);
    posiziona(m_avvisoNomeNonValido, 4560, 5160, 5520, 960);
    m_avvisoNomeNonValido->hide();

    m_casellaSalvaAttivita = new QCheckBox(QStringLiteral("Tieni traccia dell'attività eseguita"), this);
    m_casellaSalvaAttivita->setObjectName(QStringLiteral("casellaSalvaAttivita"));
    posiziona(m_casellaSalvaAttivita, 480, 6480, 9600, 480);
    connect(m_casellaSalvaAttivita, &QCheckBox::toggled, this,
            [this](bool spuntata) { impostazioni().SalvaAttivita = spuntata; });
}

bool SchedaUtente::salvaPrimaDiCambiare()
{
    StatoProgramma& stato = m_programma.stato;
    if (m_nomeNonValido && m_nomeNuovoUtente->isVisible()) {
        // The refused name never became a user; the user current before it was written when "Nuovo utente"
        // was chosen.
        Messaggi::informa(window(), *m_nomeNonValido + QStringLiteral("\r\nIl nuovo utente non è stato creato."));
        return false;
    }
    const bool nomeDiUnAltro = !m_percorsoNuovoUtente.isEmpty() && stato.PercorsoUtente == m_percorsoNuovoUtente &&
                               m_sovrascritturaConfermata != stato.PercorsoUtente &&
                               QFileInfo::exists(Percorsi::risoltoSenzaMaiuscole(stato.PercorsoUtente));
    if (nomeDiUnAltro) {
        if (!Messaggi::chiedi(window(), QStringLiteral("Esiste già un utente di nome «%1».\r\n"
                                                       "Vuoi sostituire il suo profilo con queste impostazioni?")
                                            .arg(stato.NomeUtente)))
            return false;
        m_sovrascritturaConfermata = stato.PercorsoUtente;
    }
    const ImpostazioniUtente mostrate = stato.ImpostazioniUtente;
    if (!SalvataggioProfilo::salva(window(), stato))
        return false;
    // The teacher took the settings another computer saved: the screen shows them.
    if (!(stato.ImpostazioniUtente == mostrate))
        emit impostazioniCambiate();
    return true;
}

void SchedaUtente::utenteScelto()
{
    StatoProgramma& stato = m_programma.stato;
    if (!salvaPrimaDiCambiare() && !m_percorsoNuovoUtente.isEmpty() && stato.PercorsoUtente == m_percorsoNuovoUtente) {
        // The teacher kept the namesake's profile: the new user is given up, and the user before it comes back,
        // so that no later save writes over the profile kept.
        stato.NomeUtente = m_utentePrimaDelNuovo;
        stato.PercorsoUtente = m_percorsoPrimaDelNuovo;
        emit nomeMostrato(stato.NomeUtente);
    }
    m_percorsoNuovoUtente.clear();
    m_nomeNonValido.reset();
    m_avvisoNomeNonValido->hide();
    if (m_sceltaUtente[0]->isChecked()) {
        // The settings on the screen stay: they are written into the default user's profile at the next save.
        stato.rendiCorrenteUtentePredefinito();
        emit nomeMostrato(stato.NomeUtente);
        m_nomeNuovoUtente->hide();
        m_elencoUtentiDaModificare->hide();
        m_casellaSalvaAttivita->hide();
    } else if (m_sceltaUtente[1]->isChecked()) {
        m_elencoUtentiDaModificare->show();
        {
            // Filling the list is not a choice of user.
            const QSignalBlocker senzaScelta(m_elencoUtentiDaModificare);
            m_elencoUtentiDaModificare->clear();
            for (const QString& nome : stato.percorsi.utenti()) {
                if (nome.compare(QStringLiteral("_predefinito"), Qt::CaseInsensitive) == 0)
                    continue;
                // The capitals may not fold back to the file's name: the name on disk stays behind.
                auto* riga = new QListWidgetItem(nome.toUpper(), m_elencoUtentiDaModificare);
                riga->setData(Qt::UserRole, nome);
            }
            m_elencoUtentiDaModificare->setCurrentRow(-1);
        }
        m_nomeNuovoUtente->hide();
    } else if (m_sceltaUtente[2]->isChecked()) {
        m_utentePrimaDelNuovo = stato.NomeUtente;
        m_percorsoPrimaDelNuovo = stato.PercorsoUtente;
        m_nomeNuovoUtente->clear();
        m_nomeNuovoUtente->show();
        m_nomeNuovoUtente->setFocus();
        m_elencoUtentiDaModificare->hide();
        m_casellaSalvaAttivita->show();
        m_casellaSalvaAttivita->setChecked(false);
    }
}

void SchedaUtente::utenteDaModificareScelto(int riga)
{
    if (riga < 0)
        return;
    StatoProgramma& stato = m_programma.stato;
    salvaPrimaDiCambiare();
    const QListWidgetItem* voce = m_elencoUtentiDaModificare->item(riga);
    stato.PercorsoUtente = stato.percorsi.profiloUtente(voce->data(Qt::UserRole).toString());
    stato.NomeUtente = voce->text();
    emit nomeMostrato(stato.NomeUtente);
    if (const auto avviso = stato.leggiProfiloUtente())
        Messaggi::informa(window(), *avviso);
    if (const auto errore = stato.caricaListaUtente())
        Messaggi::informa(window(), *errore);
    emit profiloLetto();
}

void SchedaUtente::nomeNuovoUtenteCambiato(const QString& testo)
{
    StatoProgramma& stato = m_programma.stato;
    m_nomeNonValido = testo.trimmed().isEmpty() ? std::nullopt : Percorsi::motivoNomeNonValido(testo);
    m_avvisoNomeNonValido->setText(m_nomeNonValido.value_or(QString()));
    m_avvisoNomeNonValido->setVisible(m_nomeNonValido.has_value());
    if (testo.trimmed().isEmpty())
        return; // the name and the path keep the last value set
    if (m_nomeNonValido) {
        // A name that cannot be a file name stays on the screen to be corrected; the user before it stays.
        stato.NomeUtente = m_utentePrimaDelNuovo;
        stato.PercorsoUtente = m_percorsoPrimaDelNuovo;
        m_percorsoNuovoUtente.clear();
    } else {
        stato.PercorsoUtente = stato.percorsi.profiloUtente(testo);
        stato.NomeUtente = testo;
        m_percorsoNuovoUtente = stato.PercorsoUtente;
    }
    emit nomeMostrato(stato.NomeUtente);
}

void SchedaUtente::mostraImpostazioni(const ImpostazioniUtente& imp)
{
    m_casellaSalvaAttivita->setChecked(imp.SalvaAttivita);
}

QList<QWidget*> SchedaUtente::sulloSfondo()
{
    return {this, m_casellaSalvaAttivita, m_sceltaUtente[0], m_sceltaUtente[1], m_sceltaUtente[2]};
}
