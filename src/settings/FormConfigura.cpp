// The teacher's settings screen: the name line, the five tabs, opening, leaving and putting the settings
// into the controls.
#include "settings/FormConfigura.h"

#include "exercise/agent/Personaggio.h"
#include "home/Programma.h"
#include "settings/AreaConfigurazioni.h"
#include "settings/FrameCreaNuovaLista.h"
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

FormConfigura::FormConfigura(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno), Label4(new QLabel(area())), TabStrip1(new QTabBar(area())),
      m_programma(programma)
{
    setObjectName(QStringLiteral("FormConfigura"));
    mnuEsci = barraMenu()->addAction(QStringLiteral("&Menu"));
    connect(mnuEsci, &QAction::triggered, this, &FormConfigura::mnuEsci_Click);

    Label4->setObjectName(QStringLiteral("Label4"));
    TestoSemplice::perEtichetta(Label4); // the pupil's name
    QFont nome = Label4->font();
    nome.setBold(true);
    Label4->setFont(nome);
    Colori::impostaSfondo(Label4, kBianco);
    Label4->setAlignment(Qt::AlignCenter);
    posiziona(Label4, 120, 60, 10560, 480);

    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    for (const char* scheda : {"Utente", "Scelte didattiche", "Fonts e Colori", "Voce e Suoni", "Modalità di input"})
        TabStrip1->addTab(QString::fromUtf8(scheda));
    TabStrip1->setExpanding(true);
    TabStrip1->setDrawBase(false);
    posiziona(TabStrip1, 120, 600, 10560, 480);
    // A click on the current tab runs the handler too: the character hides and shows again.
    connect(TabStrip1, &QTabBar::currentChanged, this, [this](int indice) { TabStrip1_Click(indice + 1); });
    connect(TabStrip1, &QTabBar::tabBarClicked, this, [this](int indice) {
        if (indice == TabStrip1->currentIndex())
            TabStrip1_Click(indice + 1);
    });

    creaFrameUtente();
    creaFrameLettere();
    creaFrameFonts();
    creaFrameVoce();
    creaFramePunt();
    FrameCreaNuovaLista = new ::FrameCreaNuovaLista(programma, *this, LabelListaInUso);
    connect(CommandCreaLista, &QPushButton::clicked, FrameCreaNuovaLista,
            &::FrameCreaNuovaLista::CommandCreaLista_Click);
    connect(CommandCambiaListaInUso, &QPushButton::clicked, FrameCreaNuovaLista,
            &::FrameCreaNuovaLista::CommandCambiaListaInUso_Click);

    completaCaricamento();
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    HScroll1->setValue(impostazioni.VelocitaVoce);
    Label1->setText(QStringLiteral("Velocità = ") + QStringLiteral(" %1").arg(impostazioni.VelocitaVoce));
    HScroll2->setValue(impostazioni.TonoVoce);
    Label2->setText(QStringLiteral("tono = ") + QStringLiteral(" %1").arg(impostazioni.TonoVoce));
    CaricaPersonaggio();
}

FormConfigura::~FormConfigura() = default;

QFrame* FormConfigura::creaFrame(const char* nome)
{
    auto* frame = new QFrame(area());
    frame->setObjectName(QString::fromLatin1(nome));
    frame->setFrameShape(QFrame::StyledPanel);
    posiziona(frame, 120, 1080, 10560, 7800);
    return frame;
}

void FormConfigura::attivazione()
{
    occupaSchermo();
    const int modalita = m_programma.stato.ImpostazioniUtente.ModalitaInput;
    if (modalita >= 0 && modalita <= 2)
        Option4[modalita]->setChecked(true);
    Label4->setText(m_programma.stato.NomeUtente);
    ImpostaMerlino();
    NascondiFrame();
    ImpostaConfigurazioni();
    FrameUtente->show();
    FrameUtente->raise();
}

void FormConfigura::NascondiFrame()
{
    for (QFrame* frame : {FrameUtente, FrameVoce, FrameLettere, FrameFonts, FramePunt})
        frame->hide();
}

void FormConfigura::TabStrip1_Click(int scheda)
{
    NascondiFrame();
    if (m_personaggio)
        m_personaggio->Hide();
    QFrame* frames[] = {FrameUtente, FrameLettere, FrameFonts, FrameVoce, FramePunt};
    if (scheda < 1 || scheda > 5)
        return;
    frames[scheda - 1]->show();
    frames[scheda - 1]->raise();
    if (scheda == 4 && m_personaggio)
        m_personaggio->Show();
}

void FormConfigura::ImpostaConfigurazioni()
{
    const ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    CheckSalvaUtente->setChecked(imp.SalvaAttivita);
    if (imp.StileLettere == QStringLiteral("minuscolo"))
        minuscolo->setChecked(true);
    else if (imp.StileLettere == QStringLiteral("maiuscolo"))
        maiuscolo->setChecked(true);
    else if (imp.StileLettere == QStringLiteral("corsivo"))
        corsivo->setChecked(true);
    if (imp.TipoRisposte == 0 || imp.TipoRisposte == 1)
        Option5[imp.TipoRisposte]->setChecked(true);
    LabelListaInUso->setText(imp.ListaInUso);

    QFont anteprima = LabelFontSelezionato->font();
    anteprima.setFamily(imp.FontTesto);
    anteprima.setPointSize(imp.DimensioneFontTesto);
    LabelFontSelezionato->setFont(anteprima);
    Colori::impostaTesto(LabelFontSelezionato, imp.ColoreFont);
    Colori::impostaSfondo(LabelFontSelezionato, imp.ColoreSfondoTesto);
    AdattaTesto::adattaEtichetta(LabelFontSelezionato, imp.DimensioneFontTesto);

    const QList<QWidget*> sulloSfondo{FrameUtente,
                                      FrameVoce,
                                      FrameLettere,
                                      FrameFonts,
                                      FramePunt,
                                      CheckSalvaUtente,
                                      Frame3,
                                      Option5[0],
                                      Option5[1],
                                      OptionUtente[0],
                                      OptionUtente[1],
                                      OptionUtente[2],
                                      Frame1,
                                      Frame4,
                                      Frame5,
                                      Frame6,
                                      maiuscolo,
                                      minuscolo,
                                      corsivo,
                                      OptionColoreCasualeFisso[0],
                                      OptionColoreCasualeFisso[1],
                                      CheckImpostazioniSistema,
                                      Check1,
                                      ChkFumetto,
                                      CheckContieneTesto,
                                      CheckSuoni,
                                      Option4[0],
                                      Option4[1],
                                      Option4[2],
                                      CheckDisabilitaMousePersonalizzato,
                                      CheckScansioneUditiva};
    for (QWidget* controllo : sulloSfondo)
        Colori::impostaSfondo(controllo, imp.ColoreSfondo);

    OptionColoreCasualeFisso[imp.ColoreCasuale ? 0 : 1]->setChecked(true);
    CheckImpostazioniSistema->setChecked(imp.ImpostazioniSistema);
    Frame6->setEnabled(!imp.ImpostazioniSistema);
    CommandSceltaColori->setEnabled(!imp.ColoreCasuale);
    Colori::impostaSfondo(CommandSceltaColoreBottoniSelezionati, imp.ColoreBottoneSelezionato);
    CheckDisabilitaMousePersonalizzato->setChecked(imp.MouseDiSistema);
    Check1->setChecked(imp.ParlatoAttivo);
    bitFumetto(Personaggio::kFumettoVisibile, imp.FumettoVisibile);
    ChkFumetto->setChecked(imp.FumettoVisibile);
    bitFumetto(Personaggio::kFumettoTuttoIlTesto, imp.FumettoContieneTesto);
    CheckContieneTesto->setChecked(imp.FumettoContieneTesto);
    CheckSuoni->setChecked(imp.SuoniAttivi);

    for (QWidget* voce : {static_cast<QWidget*>(CommandProvaVoce), static_cast<QWidget*>(HScroll1),
                          static_cast<QWidget*>(HScroll2), static_cast<QWidget*>(ChkFumetto),
                          static_cast<QWidget*>(CheckContieneTesto), static_cast<QWidget*>(CommandFontFumetto)})
        voce->setEnabled(imp.ParlatoAttivo);
    if (imp.ParlatoAttivo && !imp.FumettoVisibile)
        CheckContieneTesto->setEnabled(false);

    CheckDisabilitaMousePersonalizzato->setVisible(imp.ModalitaInput == 0);
    const bool automatica = imp.ModalitaInput == 2;
    HScroll3->setVisible(automatica);
    Label7->setVisible(automatica);
    if (automatica) {
        HScroll3->setValue(imp.VelocitaScansione);
        HScroll3_Change(HScroll3->value());
    }
    // The switch's settings belong to scanning; the first step and the rounds to automatic scanning alone.
    const bool scansione = imp.ModalitaInput == 1 || automatica;
    CheckScansioneUditiva->setChecked(imp.ScansioneUditiva);
    for (const RegolazioneSensore& regolazione : std::as_const(m_regolazioni)) {
        regolazione.scala->setValue(imp.*regolazione.campo);
        regolazione.mostra(regolazione.scala->value());
    }
    for (QWidget* controllo : {static_cast<QWidget*>(CheckScansioneUditiva), static_cast<QWidget*>(HScrollAccettazione),
                               static_cast<QWidget*>(LabelAccettazione), static_cast<QWidget*>(HScrollRilascio),
                               static_cast<QWidget*>(LabelRilascio)})
        controllo->setVisible(scansione);
    for (QWidget* controllo : {static_cast<QWidget*>(HScrollPrimoPasso), static_cast<QWidget*>(LabelPrimoPasso),
                               static_cast<QWidget*>(HScrollGiri), static_cast<QWidget*>(LabelGiri)})
        controllo->setVisible(automatica);
}

void FormConfigura::mnuEsci_Click()
{
    // The teacher's changes are never dropped on the way out: a profile that was not written keeps the screen.
    if (!salvaPrimaDiCambiare())
        return;
    m_programma.apriMenu(this);
}

void FormConfigura::closeEvent(QCloseEvent* evento)
{
    Schermata::closeEvent(evento);
    if (!evento->isAccepted())
        return;
    if (m_personaggio)
        m_personaggio->StopAll();
    m_personaggio = nullptr;
    m_controlloAgente.reset();
}

void FormConfigura::resizeEvent(QResizeEvent* evento)
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
    AdattaTesto::adattaEtichetta(LabelFontSelezionato, m_programma.stato.ImpostazioniUtente.DimensioneFontTesto);
}
