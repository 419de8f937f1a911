// The "Utente" tab: whose profile the screen edits (the default user, an existing one, a new one) and
// whether the exercises done are recorded for that user.
#include "support/Programma.h"
#include "settings/SchermataConfigurazioni.h"
#include "storage/StatoProgramma.h"
#include "support/Colori.h"
#include "support/Messaggi.h"
#include "support/SalvataggioProfilo.h"
#include "support/TestoSemplice.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

namespace {
constexpr double kRosso = 255;
}

void SchermataConfigurazioni::creaSchedaUtente()
{
    schedaUtente = creaScheda("schedaUtente");
    auto* gruppo = new QButtonGroup(this);
    const char* voci[] = {"Utente predefinito", "Modifica utente", "Nuovo utente"};
    const int alti[] = {360, 1080, 4560};
    for (int i = 0; i < 3; ++i) {
        sceltaUtente[i] = new QRadioButton(QString::fromUtf8(voci[i]), schedaUtente);
        sceltaUtente[i]->setObjectName(QStringLiteral("OptionUtente_%1").arg(i));
        posiziona(sceltaUtente[i], 480, alti[i], 3840, 480);
        gruppo->addButton(sceltaUtente[i], i);
        // Only the newly chosen option runs the handler, which looks at which one is selected.
        connect(sceltaUtente[i], &QRadioButton::toggled, this, [this](bool scelto) {
            if (scelto)
                utenteScelto();
        });
    }
    {
        const QSignalBlocker comeDisegnato(sceltaUtente[0]); // the design state runs no handler
        sceltaUtente[0]->setChecked(true);
    }

    elencoUtentiDaModificare = new QListWidget(schedaUtente);
    elencoUtentiDaModificare->setObjectName(QStringLiteral("elencoUtentiDaModificare"));
    elencoUtentiDaModificare->setAccessibleName(QStringLiteral("Utenti esistenti"));
    posiziona(elencoUtentiDaModificare, 4560, 1080, 5520, 3120);
    elencoUtentiDaModificare->hide();
    connect(elencoUtentiDaModificare, &QListWidget::currentRowChanged, this, &SchermataConfigurazioni::utenteDaModificareScelto);

    nomeNuovoUtente = new QLineEdit(schedaUtente);
    nomeNuovoUtente->setObjectName(QStringLiteral("nomeNuovoUtente"));
    nomeNuovoUtente->setAccessibleName(QStringLiteral("Nome del nuovo utente"));
    posiziona(nomeNuovoUtente, 4560, 4500, 5520, 600);
    nomeNuovoUtente->hide();
    connect(nomeNuovoUtente, &QLineEdit::textChanged, this, &SchermataConfigurazioni::nomeNuovoUtenteCambiato);

    avvisoNomeNonValido = new QLabel(schedaUtente);
    TestoSemplice::perEtichetta(avvisoNomeNonValido); // its reason may quote the typed name
    avvisoNomeNonValido->setObjectName(QStringLiteral("avvisoNomeNonValido"));
    avvisoNomeNonValido->setWordWrap(true);
    Colori::impostaTesto(avvisoNomeNonValido, kRosso);
    posiziona(avvisoNomeNonValido, 4560, 5160, 5520, 960);
    avvisoNomeNonValido->hide();

    casellaSalvaAttivita = new QCheckBox(QStringLiteral("Tieni traccia dell'attività eseguita"), schedaUtente);
    casellaSalvaAttivita->setObjectName(QStringLiteral("casellaSalvaAttivita"));
    posiziona(casellaSalvaAttivita, 480, 6480, 9600, 480);
    connect(casellaSalvaAttivita, &QCheckBox::toggled, this,
            [this](bool spuntata) { m_programma.stato.ImpostazioniUtente.SalvaAttivita = spuntata; });
}

bool SchermataConfigurazioni::salvaPrimaDiCambiare()
{
    StatoProgramma& stato = m_programma.stato;
    if (m_nomeNonValido && nomeNuovoUtente->isVisible()) {
        // The refused name never became a user; the user current before it was written when "Nuovo utente"
        // was chosen.
        Messaggi::informa(this, *m_nomeNonValido + QStringLiteral("\r\nIl nuovo utente non è stato creato."));
        return false;
    }
    const bool nomeDiUnAltro = !m_percorsoNuovoUtente.isEmpty() && stato.PercorsoUtente == m_percorsoNuovoUtente &&
                               m_sovrascritturaConfermata != stato.PercorsoUtente &&
                               QFileInfo::exists(Percorsi::risoltoSenzaMaiuscole(stato.PercorsoUtente));
    if (nomeDiUnAltro) {
        if (!Messaggi::chiedi(this, QStringLiteral("Esiste già un utente di nome «%1».\r\n"
                                                   "Vuoi sostituire il suo profilo con queste impostazioni?")
                                        .arg(stato.NomeUtente)))
            return false;
        m_sovrascritturaConfermata = stato.PercorsoUtente;
    }
    const ImpostazioniUtente mostrate = stato.ImpostazioniUtente;
    if (!SalvataggioProfilo::salva(this, stato))
        return false;
    // The teacher took the settings another computer saved: the screen shows them.
    if (!(stato.ImpostazioniUtente == mostrate))
        ImpostaConfigurazioni();
    return true;
}

void SchermataConfigurazioni::utenteScelto()
{
    StatoProgramma& stato = m_programma.stato;
    salvaPrimaDiCambiare();
    m_percorsoNuovoUtente.clear();
    m_nomeNonValido.reset();
    avvisoNomeNonValido->hide();
    if (sceltaUtente[0]->isChecked()) {
        // The settings on the screen stay: they are written into the default user's profile at the next save.
        stato.rendiCorrenteUtentePredefinito();
        nomeUtente->setText(stato.NomeUtente);
        nomeNuovoUtente->hide();
        elencoUtentiDaModificare->hide();
        casellaSalvaAttivita->hide();
    } else if (sceltaUtente[1]->isChecked()) {
        elencoUtentiDaModificare->show();
        {
            // Filling the list is not a choice of user.
            const QSignalBlocker senzaScelta(elencoUtentiDaModificare);
            elencoUtentiDaModificare->clear();
            for (const QString& nome : stato.percorsi.utenti()) {
                if (nome.compare(QStringLiteral("_predefinito"), Qt::CaseInsensitive) == 0)
                    continue;
                // The capitals may not fold back to the file's name: the name on disk stays behind.
                auto* riga = new QListWidgetItem(nome.toUpper(), elencoUtentiDaModificare);
                riga->setData(Qt::UserRole, nome);
            }
            elencoUtentiDaModificare->setCurrentRow(-1);
        }
        nomeNuovoUtente->hide();
    } else if (sceltaUtente[2]->isChecked()) {
        m_utentePrimaDelNuovo = stato.NomeUtente;
        m_percorsoPrimaDelNuovo = stato.PercorsoUtente;
        nomeNuovoUtente->clear();
        nomeNuovoUtente->show();
        nomeNuovoUtente->setFocus();
        elencoUtentiDaModificare->hide();
        casellaSalvaAttivita->show();
        casellaSalvaAttivita->setChecked(false);
    }
}

void SchermataConfigurazioni::utenteDaModificareScelto(int riga)
{
    if (riga < 0)
        return;
    StatoProgramma& stato = m_programma.stato;
    salvaPrimaDiCambiare();
    const QListWidgetItem* voce = elencoUtentiDaModificare->item(riga);
    stato.PercorsoUtente = stato.percorsi.profiloUtente(voce->data(Qt::UserRole).toString());
    stato.NomeUtente = voce->text();
    nomeUtente->setText(stato.NomeUtente);
    if (const auto avviso = stato.leggiProfiloUtente())
        Messaggi::informa(this, *avviso);
    if (const auto errore = stato.caricaListaUtente())
        Messaggi::informa(this, *errore);
    ImpostaConfigurazioni();
    // The voice scales show the chosen user's speed and pitch too, and the test sentence uses them.
    scalaVelocita->setValue(stato.ImpostazioniUtente.VelocitaVoce);
    scalaTono->setValue(stato.ImpostazioniUtente.TonoVoce);
}

void SchermataConfigurazioni::nomeNuovoUtenteCambiato(const QString& testo)
{
    StatoProgramma& stato = m_programma.stato;
    m_nomeNonValido = testo.trimmed().isEmpty() ? std::nullopt : Percorsi::motivoNomeNonValido(testo);
    avvisoNomeNonValido->setText(m_nomeNonValido.value_or(QString()));
    avvisoNomeNonValido->setVisible(m_nomeNonValido.has_value());
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
    nomeUtente->setText(stato.NomeUtente);
}
