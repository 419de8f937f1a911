// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's settings screen: the name line, the five tabs, opening, leaving and putting the settings into the
// controls.
#include "settings/SchermataConfigurazioni.h"

#include "settings/AreaConfigurazioni.h"
#include "settings/EditorListe.h"
#include "settings/SchedaFontColori.h"
#include "settings/SchedaModalitaInput.h"
#include "settings/SchedaScelteDidattiche.h"
#include "settings/SchedaUtente.h"
#include "settings/SchedaVoce.h"
#include "storage/StatoProgramma.h"
#include "support/Colori.h"
#include "support/Programma.h"
#include "support/TestoSemplice.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>

namespace {
constexpr int kLarghezzaDisegno = AreaConfigurazioni::kLarghezza;
constexpr int kAltezzaDisegno = AreaConfigurazioni::kAltezza;
constexpr double kPuntiDisegno = 12;
constexpr double kPuntiMinimi = 8;
constexpr double kBianco = 16777215;
} // namespace

SchermataConfigurazioni::SchermataConfigurazioni(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno), m_programma(programma), m_nomeUtente(new QLabel(area())),
      m_schede(new QTabBar(area()))
{
    setObjectName(QStringLiteral("SchermataConfigurazioni"));
    m_azioneMenu = barraMenu()->addAction(QStringLiteral("&Menu"));
    m_azioneMenu->setObjectName(QStringLiteral("azioneMenu"));
    connect(m_azioneMenu, &QAction::triggered, this, &SchermataConfigurazioni::tornaAlMenu);

    m_nomeUtente->setObjectName(QStringLiteral("nomeUtente"));
    TestoSemplice::perEtichetta(m_nomeUtente); // the pupil's name
    QFont nome = m_nomeUtente->font();
    nome.setBold(true);
    m_nomeUtente->setFont(nome);
    Colori::impostaSfondo(m_nomeUtente, kBianco);
    m_nomeUtente->setAlignment(Qt::AlignCenter);
    posiziona(m_nomeUtente, 120, 60, 10560, 480);

    m_schede->setObjectName(QStringLiteral("schede"));
    for (const char* scheda : {"Utente", "Scelte didattiche", "Fonts e Colori", "Voce e Suoni", "Modalità di input"})
        m_schede->addTab(QString::fromUtf8(scheda));
    m_schede->setExpanding(true);
    m_schede->setDrawBase(false);
    posiziona(m_schede, 120, 600, 10560, 480);
    // A click on the current tab runs the handler too: the character hides and shows again.
    connect(m_schede, &QTabBar::currentChanged, this, [this](int indice) { mostraScheda(indice + 1); });
    connect(m_schede, &QTabBar::tabBarClicked, this, [this](int indice) {
        if (indice == m_schede->currentIndex())
            mostraScheda(indice + 1);
    });

    m_schedaUtente = new SchedaUtente(programma, *this);
    m_schedaScelteDidattiche = new SchedaScelteDidattiche(programma, *this);
    m_schedaFontColori = new SchedaFontColori(programma, *this);
    m_schedaVoce = new SchedaVoce(programma, *this);
    m_schedaModalitaInput = new SchedaModalitaInput(programma, *this);
    for (SchedaConfigurazioni* scheda : schede())
        connect(scheda, &SchedaConfigurazioni::impostazioniCambiate, this,
                &SchermataConfigurazioni::ImpostaConfigurazioni);
    connect(m_schedaUtente, &SchedaUtente::nomeMostrato, m_nomeUtente, &QLabel::setText);
    connect(m_schedaUtente, &SchedaUtente::profiloLetto, this, [this] {
        ImpostaConfigurazioni();
        // The voice scales show the chosen user's speed and pitch too, and the test sentence uses them.
        m_schedaVoce->mostraVelocitaETono(false);
    });
    connect(m_schedaFontColori, &SchedaFontColori::mouseDiSistemaImposto, m_schedaModalitaInput,
            &SchedaModalitaInput::spuntaMouseDiSistema);
    m_editorListe = new EditorListe(programma, *this, m_schedaScelteDidattiche->etichettaListaInUso());
    connect(m_schedaScelteDidattiche, &SchedaScelteDidattiche::gestioneFileRichiesta, m_editorListe,
            &EditorListe::apri);
    connect(m_schedaScelteDidattiche, &SchedaScelteDidattiche::cambioListaRichiesto, m_editorListe,
            &EditorListe::cambiaListaInUso);

    completaCaricamento();
    m_schedaVoce->mostraVelocitaETono(true);
    m_schedaVoce->CaricaPersonaggio(this);
}

SchermataConfigurazioni::~SchermataConfigurazioni()
{
    m_schedaVoce->rilasciaPersonaggio();
}

QList<SchedaConfigurazioni*> SchermataConfigurazioni::schede() const
{
    return {m_schedaUtente, m_schedaScelteDidattiche, m_schedaFontColori, m_schedaVoce, m_schedaModalitaInput};
}

void SchermataConfigurazioni::attivazione()
{
    occupaSchermo();
    m_schedaModalitaInput->scegliModalita(m_programma.stato.ImpostazioniUtente.ModalitaInput);
    m_nomeUtente->setText(m_programma.stato.NomeUtente);
    m_schedaVoce->ImpostaMerlino();
    for (SchedaConfigurazioni* scheda : schede())
        scheda->hide();
    ImpostaConfigurazioni();
    m_schedaUtente->show();
    m_schedaUtente->raise();
}

void SchermataConfigurazioni::mostraScheda(int scheda)
{
    const QList<SchedaConfigurazioni*> tutte = schede();
    for (SchedaConfigurazioni* altra : tutte)
        altra->hide();
    m_schedaVoce->mostraPersonaggio(false);
    if (scheda < 1 || scheda > tutte.size())
        return;
    tutte[scheda - 1]->show();
    tutte[scheda - 1]->raise();
    if (tutte[scheda - 1] == m_schedaVoce)
        m_schedaVoce->mostraPersonaggio(true);
}

void SchermataConfigurazioni::ImpostaConfigurazioni()
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    for (SchedaConfigurazioni* scheda : schede()) {
        for (QWidget* controllo : scheda->sulloSfondo())
            Colori::impostaSfondo(controllo, impostazioni.ColoreSfondo);
    }
    for (SchedaConfigurazioni* scheda : schede())
        scheda->mostraImpostazioni(impostazioni);
}

void SchermataConfigurazioni::tornaAlMenu()
{
    // The teacher's changes are never dropped on the way out: a profile that was not written keeps the screen.
    if (!m_schedaUtente->salvaPrimaDiCambiare())
        return;
    m_programma.apriMenu(this);
}

void SchermataConfigurazioni::closeEvent(QCloseEvent* evento)
{
    Schermata::closeEvent(evento);
    if (evento->isAccepted())
        m_schedaVoce->fermaPersonaggio();
}

void SchermataConfigurazioni::resizeEvent(QResizeEvent* evento)
{
    Schermata::resizeEvent(evento);
    if (!m_schedaFontColori) // a resize while the screen is still being built
        return;
    // The captions grow and shrink with the screen, as the controls do.
    const QSize misura = dimensioneArea();
    const double rapporto =
        std::min(misura.width() / double(pixel(kLarghezzaDisegno)), misura.height() / double(pixel(kAltezzaDisegno)));
    QFont carattere = area()->font();
    carattere.setPointSizeF(std::max(kPuntiMinimi, kPuntiDisegno * rapporto));
    area()->setFont(carattere);
    m_schedaScelteDidattiche->adattaCorsivo(carattere.pointSizeF());
    m_schedaFontColori->adattaEsempio();
}
