// The teacher's settings screen: the name line, the five tabs, opening, leaving and putting the settings
// into the controls.
#include "settings/SchermataConfigurazioni.h"

#include "support/Personaggio.h"
#include "support/Programma.h"
#include "settings/AreaConfigurazioni.h"
#include "settings/EditorListe.h"
#include "storage/StatoProgramma.h"
#include "support/AdattaTesto.h"
#include "support/Colori.h"
#include "support/Messaggi.h"
#include "support/TestoSemplice.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>

namespace {
constexpr int kLarghezzaDisegno = AreaConfigurazioni::kLarghezza;
constexpr int kAltezzaDisegno = AreaConfigurazioni::kAltezza;
constexpr double kPuntiDisegno = 12;
constexpr double kPuntiMinimi = 8;
constexpr double kBianco = 16777215;
} // namespace

SchermataConfigurazioni::SchermataConfigurazioni(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno), nomeUtente(new QLabel(area())), schede(new QTabBar(area())),
      m_programma(programma)
{
    setObjectName(QStringLiteral("SchermataConfigurazioni"));
    azioneMenu = barraMenu()->addAction(QStringLiteral("&Menu"));
    connect(azioneMenu, &QAction::triggered, this, &SchermataConfigurazioni::tornaAlMenu);

    nomeUtente->setObjectName(QStringLiteral("nomeUtente"));
    TestoSemplice::perEtichetta(nomeUtente); // the pupil's name
    QFont nome = nomeUtente->font();
    nome.setBold(true);
    nomeUtente->setFont(nome);
    Colori::impostaSfondo(nomeUtente, kBianco);
    nomeUtente->setAlignment(Qt::AlignCenter);
    posiziona(nomeUtente, 120, 60, 10560, 480);

    schede->setObjectName(QStringLiteral("schede"));
    for (const char* scheda : {"Utente", "Scelte didattiche", "Fonts e Colori", "Voce e Suoni", "Modalità di input"})
        schede->addTab(QString::fromUtf8(scheda));
    schede->setExpanding(true);
    schede->setDrawBase(false);
    posiziona(schede, 120, 600, 10560, 480);
    // A click on the current tab runs the handler too: the character hides and shows again.
    connect(schede, &QTabBar::currentChanged, this, [this](int indice) { mostraScheda(indice + 1); });
    connect(schede, &QTabBar::tabBarClicked, this, [this](int indice) {
        if (indice == schede->currentIndex())
            mostraScheda(indice + 1);
    });

    creaSchedaUtente();
    creaSchedaScelteDidattiche();
    creaSchedaFontColori();
    creaSchedaVoce();
    creaSchedaModalitaInput();
    editorListe = new EditorListe(programma, *this, etichettaListaInUso);
    connect(bottoneGestioneFile, &QPushButton::clicked, editorListe,
            &::EditorListe::apri);
    connect(bottoneListaInUso, &QPushButton::clicked, editorListe,
            &::EditorListe::cambiaListaInUso);

    completaCaricamento();
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    scalaVelocita->setValue(impostazioni.VelocitaVoce);
    didascaliaVelocita->setText(QStringLiteral("Velocità = ") + QStringLiteral(" %1").arg(impostazioni.VelocitaVoce));
    scalaTono->setValue(impostazioni.TonoVoce);
    didascaliaTono->setText(QStringLiteral("tono = ") + QStringLiteral(" %1").arg(impostazioni.TonoVoce));
    CaricaPersonaggio();
}

SchermataConfigurazioni::~SchermataConfigurazioni() = default;

QFrame* SchermataConfigurazioni::creaScheda(const char* nome)
{
    auto* frame = new QFrame(area());
    frame->setObjectName(QString::fromLatin1(nome));
    frame->setFrameShape(QFrame::StyledPanel);
    posiziona(frame, 120, 1080, 10560, 7800);
    return frame;
}

void SchermataConfigurazioni::attivazione()
{
    occupaSchermo();
    const int modalita = m_programma.stato.ImpostazioniUtente.ModalitaInput;
    if (modalita >= 0 && modalita <= 2)
        sceltaModalita[modalita]->setChecked(true);
    nomeUtente->setText(m_programma.stato.NomeUtente);
    ImpostaMerlino();
    nascondiSchede();
    ImpostaConfigurazioni();
    schedaUtente->show();
    schedaUtente->raise();
}

void SchermataConfigurazioni::nascondiSchede()
{
    for (QFrame* frame : {schedaUtente, schedaVoce, schedaScelteDidattiche, schedaFontColori, schedaModalitaInput})
        frame->hide();
}

void SchermataConfigurazioni::mostraScheda(int scheda)
{
    nascondiSchede();
    if (m_personaggio)
        m_personaggio->Hide();
    QFrame* frames[] = {schedaUtente, schedaScelteDidattiche, schedaFontColori, schedaVoce, schedaModalitaInput};
    if (scheda < 1 || scheda > 5)
        return;
    frames[scheda - 1]->show();
    frames[scheda - 1]->raise();
    if (scheda == 4 && m_personaggio)
        m_personaggio->Show();
}

void SchermataConfigurazioni::ImpostaConfigurazioni()
{
    const ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    casellaSalvaAttivita->setChecked(imp.SalvaAttivita);
    if (imp.StileLettere == QStringLiteral("minuscolo"))
        minuscolo->setChecked(true);
    else if (imp.StileLettere == QStringLiteral("maiuscolo"))
        maiuscolo->setChecked(true);
    else if (imp.StileLettere == QStringLiteral("corsivo"))
        corsivo->setChecked(true);
    if (imp.TipoRisposte == 0 || imp.TipoRisposte == 1)
        sceltaRisposteOfferte[imp.TipoRisposte]->setChecked(true);
    etichettaListaInUso->setText(imp.ListaInUso);

    QFont anteprima = esempioTesto->font();
    anteprima.setFamily(imp.FontTesto);
    anteprima.setPointSize(imp.DimensioneFontTesto);
    esempioTesto->setFont(anteprima);
    Colori::impostaTesto(esempioTesto, imp.ColoreFont);
    Colori::impostaSfondo(esempioTesto, imp.ColoreSfondoTesto);
    AdattaTesto::adattaEtichetta(esempioTesto, imp.DimensioneFontTesto);

    const QList<QWidget*> sulloSfondo{schedaUtente,
                                      schedaVoce,
                                      schedaScelteDidattiche,
                                      schedaFontColori,
                                      schedaModalitaInput,
                                      casellaSalvaAttivita,
                                      gruppoRisposte,
                                      sceltaRisposteOfferte[0],
                                      sceltaRisposteOfferte[1],
                                      sceltaUtente[0],
                                      sceltaUtente[1],
                                      sceltaUtente[2],
                                      gruppoStile,
                                      gruppoLista,
                                      gruppoCaratteri,
                                      gruppoColoreSfondo,
                                      maiuscolo,
                                      minuscolo,
                                      corsivo,
                                      sceltaColoreSfondo[0],
                                      sceltaColoreSfondo[1],
                                      casellaImpostazioniSistema,
                                      casellaParlato,
                                      casellaFumetto,
                                      casellaFumettoTuttoIlTesto,
                                      casellaSuoni,
                                      sceltaModalita[0],
                                      sceltaModalita[1],
                                      sceltaModalita[2],
                                      casellaMouseDiSistema,
                                      casellaScansioneUditiva};
    for (QWidget* controllo : sulloSfondo)
        Colori::impostaSfondo(controllo, imp.ColoreSfondo);

    sceltaColoreSfondo[imp.ColoreCasuale ? 0 : 1]->setChecked(true);
    casellaImpostazioniSistema->setChecked(imp.ImpostazioniSistema);
    gruppoColoreSfondo->setEnabled(!imp.ImpostazioniSistema);
    bottoneColori->setEnabled(!imp.ColoreCasuale);
    Colori::impostaSfondo(bottoneColoreSelezionato, imp.ColoreBottoneSelezionato);
    casellaMouseDiSistema->setChecked(imp.MouseDiSistema);
    casellaParlato->setChecked(imp.ParlatoAttivo);
    bitFumetto(Personaggio::kFumettoVisibile, imp.FumettoVisibile);
    casellaFumetto->setChecked(imp.FumettoVisibile);
    bitFumetto(Personaggio::kFumettoTuttoIlTesto, imp.FumettoContieneTesto);
    casellaFumettoTuttoIlTesto->setChecked(imp.FumettoContieneTesto);
    casellaSuoni->setChecked(imp.SuoniAttivi);

    for (QWidget* voce : {static_cast<QWidget*>(bottoneProvaVoce), static_cast<QWidget*>(scalaVelocita),
                          static_cast<QWidget*>(scalaTono), static_cast<QWidget*>(casellaFumetto),
                          static_cast<QWidget*>(casellaFumettoTuttoIlTesto), static_cast<QWidget*>(bottoneFontFumetto)})
        voce->setEnabled(imp.ParlatoAttivo);
    if (imp.ParlatoAttivo && !imp.FumettoVisibile)
        casellaFumettoTuttoIlTesto->setEnabled(false);

    casellaMouseDiSistema->setVisible(imp.ModalitaInput == 0);
    const bool automatica = imp.ModalitaInput == 2;
    scalaScansione->setVisible(automatica);
    didascaliaScansione->setVisible(automatica);
    if (automatica) {
        scalaScansione->setValue(imp.VelocitaScansione);
        velocitaScansioneCambiata(scalaScansione->value());
    }
    // The switch's settings belong to scanning; the first step and the rounds to automatic scanning alone.
    const bool scansione = imp.ModalitaInput == 1 || automatica;
    casellaScansioneUditiva->setChecked(imp.ScansioneUditiva);
    for (const RegolazioneSensore& regolazione : std::as_const(m_regolazioni)) {
        regolazione.scala->setValue(imp.*regolazione.campo);
        regolazione.mostra(regolazione.scala->value());
    }
    for (QWidget* controllo : {static_cast<QWidget*>(casellaScansioneUditiva), static_cast<QWidget*>(scalaAccettazione),
                               static_cast<QWidget*>(didascaliaAccettazione), static_cast<QWidget*>(scalaRilascio),
                               static_cast<QWidget*>(didascaliaRilascio)})
        controllo->setVisible(scansione);
    for (QWidget* controllo : {static_cast<QWidget*>(scalaPrimoPasso), static_cast<QWidget*>(didascaliaPrimoPasso),
                               static_cast<QWidget*>(scalaGiri), static_cast<QWidget*>(didascaliaGiri)})
        controllo->setVisible(automatica);
}

void SchermataConfigurazioni::tornaAlMenu()
{
    // The teacher's changes are never dropped on the way out: a profile that was not written keeps the screen.
    if (!salvaPrimaDiCambiare())
        return;
    m_programma.apriMenu(this);
}

void SchermataConfigurazioni::closeEvent(QCloseEvent* evento)
{
    Schermata::closeEvent(evento);
    if (!evento->isAccepted())
        return;
    if (m_personaggio)
        m_personaggio->StopAll();
    m_personaggio = nullptr;
    m_controlloAgente.reset();
}

void SchermataConfigurazioni::resizeEvent(QResizeEvent* evento)
{
    Schermata::resizeEvent(evento);
    // The captions grow and shrink with the screen, as the controls do.
    const QSize misura = dimensioneArea();
    const double rapporto =
        std::min(misura.width() / double(pixel(kLarghezzaDisegno)), misura.height() / double(pixel(kAltezzaDisegno)));
    QFont carattere = area()->font();
    carattere.setPointSizeF(std::max(kPuntiMinimi, kPuntiDisegno * rapporto));
    area()->setFont(carattere);
    // The school letters are small for their size: the caption takes the largest size its place holds.
    constexpr double kCorsivoPiuGrande = 2.5;
    constexpr int kSegnoDellaScelta = 30; // the round mark before the caption and the style's margins, in pixels
    constexpr int kMargini = 6;
    QFont scolastico(QStringLiteral("Indis1"));
    const QSize posto(corsivo->width() - kSegnoDellaScelta, corsivo->height() - kMargini);
    scolastico.setPointSizeF(AdattaTesto::puntiCheEntrano(scolastico, {corsivo->text()}, posto, false,
                                                          carattere.pointSizeF() * kCorsivoPiuGrande));
    corsivo->setFont(scolastico);
    AdattaTesto::adattaEtichetta(esempioTesto, m_programma.stato.ImpostazioniUtente.DimensioneFontTesto);
}
