// The "Utente" tab: whose profile the screen edits (the default user, an existing one, a new one) and
// whether the exercises done are recorded for that user.
#include "home/Programma.h"
#include "settings/FormConfigura.h"
#include "storage/StatoProgramma.h"
#include "support/Colori.h"
#include "support/Messaggi.h"

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

void FormConfigura::creaFrameUtente()
{
    FrameUtente = creaFrame("FrameUtente");
    auto* gruppo = new QButtonGroup(this);
    const char* voci[] = {"Utente predefinito", "Modifica utente", "Nuovo utente"};
    const int alti[] = {360, 1080, 4560};
    for (int i = 0; i < 3; ++i) {
        OptionUtente[i] = new QRadioButton(QString::fromUtf8(voci[i]), FrameUtente);
        OptionUtente[i]->setObjectName(QStringLiteral("OptionUtente_%1").arg(i));
        posiziona(OptionUtente[i], 480, alti[i], 3840, 480);
        gruppo->addButton(OptionUtente[i], i);
        // Only the newly chosen option runs the handler, which looks at which one is selected.
        connect(OptionUtente[i], &QRadioButton::toggled, this, [this](bool scelto) {
            if (scelto)
                OptionUtente_Click();
        });
    }
    {
        const QSignalBlocker comeDisegnato(OptionUtente[0]); // the design state runs no handler
        OptionUtente[0]->setChecked(true);
    }

    ListModificaUtente = new QListWidget(FrameUtente);
    ListModificaUtente->setObjectName(QStringLiteral("ListModificaUtente"));
    ListModificaUtente->setAccessibleName(QStringLiteral("Utenti esistenti"));
    posiziona(ListModificaUtente, 4560, 1080, 5520, 3120);
    ListModificaUtente->hide();
    connect(ListModificaUtente, &QListWidget::currentRowChanged, this, &FormConfigura::ListModificaUtente_Click);

    TextNuovoUtente = new QLineEdit(QStringLiteral("Text1"), FrameUtente);
    TextNuovoUtente->setObjectName(QStringLiteral("TextNuovoUtente"));
    TextNuovoUtente->setAccessibleName(QStringLiteral("Nome del nuovo utente"));
    posiziona(TextNuovoUtente, 4560, 4500, 5520, 600);
    TextNuovoUtente->hide();
    connect(TextNuovoUtente, &QLineEdit::textChanged, this, &FormConfigura::TextNuovoUtente_Change);

    LabelNomeNonValido = new QLabel(FrameUtente);
    LabelNomeNonValido->setObjectName(QStringLiteral("LabelNomeNonValido"));
    LabelNomeNonValido->setWordWrap(true);
    Colori::impostaTesto(LabelNomeNonValido, kRosso);
    posiziona(LabelNomeNonValido, 4560, 5160, 5520, 960);
    LabelNomeNonValido->hide();

    CheckSalvaUtente = new QCheckBox(QStringLiteral("Tieni traccia dell'attività eseguita"), FrameUtente);
    CheckSalvaUtente->setObjectName(QStringLiteral("CheckSalvaUtente"));
    posiziona(CheckSalvaUtente, 480, 6480, 9600, 480);
    connect(CheckSalvaUtente, &QCheckBox::toggled, this,
            [this](bool spuntata) { m_programma.stato.ImpostazioniUtente.SalvaAttivita = spuntata; });
}

bool FormConfigura::salvaPrimaDiCambiare()
{
    StatoProgramma& stato = m_programma.stato;
    if (m_nomeNonValido && TextNuovoUtente->isVisible()) {
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
    if (const auto errore = ModuloPerIni::SalvaUtente(stato.ImpostazioniUtente, stato.PercorsoUtente)) {
        Messaggi::informa(this, *errore);
        return false;
    }
    return true;
}

void FormConfigura::OptionUtente_Click()
{
    StatoProgramma& stato = m_programma.stato;
    salvaPrimaDiCambiare();
    m_percorsoNuovoUtente.clear();
    m_nomeNonValido.reset();
    LabelNomeNonValido->hide();
    if (OptionUtente[0]->isChecked()) {
        // The settings on the screen stay: they are written into the default user's profile at the next save.
        stato.rendiCorrenteUtentePredefinito();
        Label4->setText(stato.NomeUtente);
        TextNuovoUtente->hide();
        ListModificaUtente->hide();
        CheckSalvaUtente->hide();
    } else if (OptionUtente[1]->isChecked()) {
        ListModificaUtente->show();
        {
            // Filling the list is not a choice of user.
            const QSignalBlocker senzaScelta(ListModificaUtente);
            ListModificaUtente->clear();
            for (const QString& nome : stato.percorsi.utenti()) {
                if (nome.compare(QStringLiteral("_predefinito"), Qt::CaseInsensitive) == 0)
                    continue;
                // The capitals may not fold back to the file's name: the name on disk stays behind.
                auto* riga = new QListWidgetItem(nome.toUpper(), ListModificaUtente);
                riga->setData(Qt::UserRole, nome);
            }
            ListModificaUtente->setCurrentRow(-1);
        }
        TextNuovoUtente->hide();
    } else if (OptionUtente[2]->isChecked()) {
        m_utentePrimaDelNuovo = stato.NomeUtente;
        m_percorsoPrimaDelNuovo = stato.PercorsoUtente;
        TextNuovoUtente->clear();
        TextNuovoUtente->show();
        TextNuovoUtente->setFocus();
        ListModificaUtente->hide();
        CheckSalvaUtente->show();
        CheckSalvaUtente->setChecked(false);
    }
}

void FormConfigura::ListModificaUtente_Click(int riga)
{
    if (riga < 0)
        return;
    StatoProgramma& stato = m_programma.stato;
    salvaPrimaDiCambiare();
    const QListWidgetItem* voce = ListModificaUtente->item(riga);
    stato.PercorsoUtente = stato.percorsi.profiloUtente(voce->data(Qt::UserRole).toString());
    stato.NomeUtente = voce->text();
    Label4->setText(stato.NomeUtente);
    if (const auto avviso = stato.leggiProfiloUtente())
        Messaggi::informa(this, *avviso);
    if (const auto errore = stato.caricaListaUtente())
        Messaggi::informa(this, *errore);
    ImpostaConfigurazioni();
    // The voice scales show the chosen user's speed and pitch too, and the test sentence uses them.
    HScroll1->setValue(stato.ImpostazioniUtente.VelocitaVoce);
    HScroll2->setValue(stato.ImpostazioniUtente.TonoVoce);
}

void FormConfigura::TextNuovoUtente_Change(const QString& testo)
{
    StatoProgramma& stato = m_programma.stato;
    m_nomeNonValido = testo.trimmed().isEmpty() ? std::nullopt : Percorsi::motivoNomeNonValido(testo);
    LabelNomeNonValido->setText(m_nomeNonValido.value_or(QString()));
    LabelNomeNonValido->setVisible(m_nomeNonValido.has_value());
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
    Label4->setText(stato.NomeUtente);
}
