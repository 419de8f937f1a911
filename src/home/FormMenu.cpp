// The home screen: the pupils' list, the big buttons to start and to quit, the menus, switch scanning.
#include "home/FormMenu.h"

#include "home/CasellaDocumentazione.h"
#include "home/Programma.h"
#include "storage/StatoProgramma.h"
#include "support/AdattaTesto.h"
#include "support/BottoneEvidenziabile.h"
#include "support/Grafica.h"
#include "support/Messaggi.h"
#include "support/SalvataggioProfilo.h"
#include "support/ScansioneCursore.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTextEdit>
#include <QTimer>

namespace {
constexpr int kLarghezzaDisegno = 9600;
constexpr int kAltezzaDisegno = 7200;
constexpr double kGialloChiaro = 12648447; // red 255, green 255, blue 192
constexpr int kIntervalloDisegno = 100;
constexpr int kPuntiMisura = 12;
constexpr int kPuntiMinimiElenco = 14;
constexpr int kLatoIcona = 64;
const QString kMargine(5, u' ');
constexpr double kPuntiAvviso = 14;

int larghezzaTesto(const QLabel* etichetta)
{
    QString testo = etichetta->text();
    testo.remove(testo.indexOf(u'&'), 1); // the access-key marker is not drawn
    return etichetta->fontMetrics().horizontalAdvance(testo);
}
} // namespace

FormMenu::FormMenu(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno),
      Combo1(new QComboBox(area())), Command1{new BottoneEvidenziabile(QStringLiteral("&Ordiparo"), area()),
                                              new BottoneEvidenziabile(QStringLiteral("&Esci"), area())},
      LabelDimensionaFont(new QLabel(QStringLiteral("dimensiona font "), area())),
      PictureScansioneManuale(new QWidget(area())), PictureScansioneAutomatica(new QWidget(area())),
      RichTextBox1(new QTextEdit(area())), Timer1(new QTimer(this)), avvisoScansione(new QLabel(area())),
      m_programma(programma)
{
    setObjectName(QStringLiteral("FormMenu"));
    mnuOpzioni = barraMenu()->addAction(QStringLiteral("&Configurazioni"));
    mnuEserciziEseguiti = barraMenu()->addAction(QStringLiteral("&Esercizi eseguiti"));
    QMenu* mnuInfo = barraMenu()->addMenu(QStringLiteral("&Informazioni"));
    mnuDocum = mnuInfo->addAction(QStringLiteral("documentazione"));
    mnuInformazioni = mnuInfo->addAction(QStringLiteral("about"));
    mnuAltriProgrammi = mnuInfo->addAction(QStringLiteral("Programmi Lumio per la scuola"));
    connect(mnuOpzioni, &QAction::triggered, this, [this] { m_programma.apriConfigurazioni(this); });
    connect(mnuEserciziEseguiti, &QAction::triggered, this, [this] { m_programma.apriEserciziEseguiti(this); });
    connect(mnuInformazioni, &QAction::triggered, this, [this] { m_programma.apriInfo(this); });
    connect(mnuDocum, &QAction::triggered, this, [this] {
        documentazione->mostra(m_programma.stato.percorsi.fileNelProgramma(QStringLiteral("documentazione.rtf")));
    });

    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(QStringLiteral("Utente"));
    posiziona(Combo1, 2400, 240, 4800, 600);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &FormMenu::Combo1_Click);

    const char* icone[] = {":/icona-avvio.svg", ":/icona-esci.svg"};
    for (int indice = 0; indice < 2; ++indice) {
        QPushButton* bottone = Command1[indice];
        bottone->setObjectName(QStringLiteral("Command1_%1").arg(indice));
        bottone->setFont(QFont(QStringLiteral("Arial"), 24));
        bottone->setIcon(Grafica::icona(QString::fromLatin1(icone[indice])));
        bottone->setIconSize(QSize(kLatoIcona, kLatoIcona));
        bottone->setCursor(Grafica::cursoreFreccia());
        bottone->installEventFilter(this);
        connect(bottone, &QPushButton::clicked, this, [this, indice] { Command1_Click(indice); });
    }
    posiziona(Command1[0], 1200, 1200, 7200, 2520);
    posiziona(Command1[1], 1200, 4080, 7200, 2520);

    LabelDimensionaFont->setObjectName(QStringLiteral("LabelDimensionaFont"));
    LabelDimensionaFont->hide();
    PictureScansioneManuale->setObjectName(QStringLiteral("PictureScansioneManuale"));
    PictureScansioneAutomatica->setObjectName(QStringLiteral("PictureScansioneAutomatica"));
    PictureScansioneManuale->setAccessibleName(QStringLiteral("Sensore: spazio per spostarsi, invio per scegliere"));
    PictureScansioneAutomatica->setAccessibleName(QStringLiteral("Sensore: spazio per scegliere"));
    posiziona(PictureScansioneManuale, 120, 6720, 255, 255);
    posiziona(PictureScansioneAutomatica, 480, 6720, 255, 255);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    RichTextBox1->hide();
    posiziona(RichTextBox1, 0, 0, kLarghezzaDisegno, kAltezzaDisegno); // the whole screen, whatever its size
    documentazione = new CasellaDocumentazione(RichTextBox1);
    // While the manual covers the buttons a switch must not choose one unseen; the keys are the box's then.
    connect(documentazione, &CasellaDocumentazione::mostrata, this, [this] { m_scansione->ferma(); });
    connect(documentazione, &CasellaDocumentazione::nascosta, this, &FormMenu::avviaScansione);

    avvisoScansione->setObjectName(QStringLiteral("avvisoScansione"));
    avvisoScansione->setTextFormat(Qt::PlainText);
    avvisoScansione->setWordWrap(true);
    avvisoScansione->setAlignment(Qt::AlignCenter);
    avvisoScansione->setFont(QFont(QStringLiteral("Arial"), kPuntiAvviso));
    posiziona(avvisoScansione, 960, 6660, 7680, 480);
    avvisoScansione->hide();

    Timer1->setInterval(kIntervalloDisegno);
    m_scansione = new ScansioneCursore(Timer1, PictureScansioneManuale, PictureScansioneAutomatica, this);
    m_scansione->setBottoni({Command1[0], Command1[1]});
    connect(m_scansione, &ScansioneCursore::scelto, this,
            [this](QAbstractButton* bottone) { scegliConScansione(bottone == Command1[0] ? 0 : 1); });
    m_scansione->prepara(ScansioneCursore::Mouse, kIntervalloDisegno);
    connect(m_scansione, &ScansioneCursore::pausaCambiata, this, [this](bool inPausa) {
        if (inPausa)
            avvisa(QStringLiteral("La scansione è in pausa: premi il sensore per farla ripartire dal primo bottone."));
        else
            avvisoScansione->hide();
    });

    area()->setMouseTracking(true);
    area()->installEventFilter(this);
    impostaColoreSfondo(kGialloChiaro);
    completaCaricamento();
}

void FormMenu::attivazione()
{
    occupaSchermo();
    ImpostaUtente();
    RecuperaUtenti();
}

void FormMenu::ImpostaUtente()
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    if (impostazioni.MouseDiSistema) {
        for (QPushButton* bottone : Command1)
            bottone->setCursor(Qt::ArrowCursor);
    }

    QFont misura(impostazioni.FontTesto, kPuntiMisura);
    LabelDimensionaFont->setFont(misura);
    LabelDimensionaFont->setText(QStringLiteral("a"));

    const bool maiuscolo = impostazioni.StileLettere == QStringLiteral("maiuscolo");
    for (QPushButton* bottone : Command1)
        bottone->setText(maiuscolo ? bottone->text().toUpper() : bottone->text().toLower());
    if (maiuscolo) {
        for (int i = 0; i < Combo1->count(); ++i)
            Combo1->setItemText(i, Combo1->itemText(i).toUpper());
    }

    for (QPushButton* bottone : Command1) {
        if (LabelDimensionaFont->text().size() < bottone->text().size())
            LabelDimensionaFont->setText(bottone->text());
    }
    LabelDimensionaFont->setText(kMargine + LabelDimensionaFont->text() + kMargine);
    // A school cursive's hairlines are drawn heavier, or the captions are hard to read.
    for (BottoneEvidenziabile* bottone : Command1)
        bottone->setTrattoPesante(impostazioni.StileLettere == QStringLiteral("corsivo"));
    // Grow the font until the padded longest caption fills the button's width, but never past the letters
    // fitting the button: a tall, narrow font (the cursive one) would otherwise be cut at the top and bottom.
    while (larghezzaTesto(LabelDimensionaFont) < Command1[0]->width()) {
        QFont piuGrande = misura;
        piuGrande.setPointSize(misura.pointSize() + 1);
        if (!Command1[0]->inchiostroEntra(piuGrande) || !Command1[1]->inchiostroEntra(piuGrande))
            break;
        misura = piuGrande;
        LabelDimensionaFont->setFont(misura);
    }
    for (QPushButton* bottone : Command1) {
        QFont carattere = bottone->font();
        carattere.setFamily(impostazioni.FontTesto);
        carattere.setPointSize(misura.pointSize());
        bottone->setFont(carattere);
    }

    m_scansione->setColori(impostazioni.ColoreBottoni, impostazioni.ColoreBottoneSelezionato);
    m_scansione->regola(impostazioni, m_programma.voceScansione.get(), {});
    avviaScansione();

    mnuEserciziEseguiti->setEnabled(impostazioni.SalvaAttivita);

    QFont elenco = Combo1->font();
    elenco.setFamily(impostazioni.FontTesto);
    elenco.setPointSize(std::max(kPuntiMinimiElenco, Command1[0]->font().pointSize() - 10));
    Combo1->setFont(elenco);
    adattaElenco();
}

void FormMenu::avviaScansione()
{
    avvisoScansione->hide();
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    const int modalita = impostazioni.ModalitaInput;
    if (modalita == ScansioneCursore::Manuale || modalita == ScansioneCursore::Automatica) {
        for (QPushButton* bottone : Command1)
            bottone->setCursor(Qt::ArrowCursor);
        // In manual scanning the clock only keeps the focus: its interval stays as it was.
        m_scansione->prepara(modalita, modalita == ScansioneCursore::Automatica
                                           ? ScansioneCursore::intervalloDaQuarti(impostazioni.VelocitaScansione)
                                           : Timer1->interval());
        m_scansione->evidenzia(0); // every profile, a new pupil's too, starts from the first button
    } else {
        m_scansione->prepara(ScansioneCursore::Mouse, Timer1->interval());
    }
}

void FormMenu::adattaElenco()
{
    QStringList nomi;
    for (int i = 0; i < Combo1->count(); ++i)
        nomi << Combo1->itemText(i);
    if (nomi.isEmpty())
        return;
    QStyleOptionComboBox opzioni;
    opzioni.initFrom(Combo1);
    opzioni.rect = QRect(QPoint(), Combo1->size());
    const QRect campo =
        Combo1->style()->subControlRect(QStyle::CC_ComboBox, &opzioni, QStyle::SC_ComboBoxEditField, Combo1);
    // The list's size grows with the buttons' one; a name is never cut by the box that shows it.
    QFont elenco = Combo1->font();
    elenco.setPointSizeF(AdattaTesto::puntiCheEntrano(elenco, nomi, campo.size(), false, elenco.pointSizeF()));
    Combo1->setFont(elenco);
}

void FormMenu::RecuperaUtenti()
{
    const StatoProgramma& stato = m_programma.stato;
    const bool maiuscolo = stato.ImpostazioniUtente.StileLettere == QStringLiteral("maiuscolo");
    {
        // Filling the list is not a choice of user: the choice is made once, below.
        const QSignalBlocker senzaScelta(Combo1);
        Combo1->clear();
        for (const QString& nome : stato.percorsi.utenti()) {
            // The caption may not fold back to the file's name ("straße" shown as "STRASSE"): the name stays behind.
            Combo1->addItem(maiuscolo ? nome.toUpper() : nome, nome);
        }
        Combo1->setCurrentIndex(-1);
    }
    Combo1->setVisible(Combo1->count() >= 2);
    adattaElenco();
    const QString utenteCorrente = stato.NomeUtente.toUpper();
    for (int i = 0; i < Combo1->count(); ++i) {
        if (Combo1->itemText(i).toUpper() == utenteCorrente) {
            Combo1->setCurrentIndex(i);
            break;
        }
    }
}

void FormMenu::Combo1_Click(int indice)
{
    if (indice < 0)
        return;
    StatoProgramma& stato = m_programma.stato;
    SalvataggioProfilo::salva(this, stato);
    stato.NomeUtente = Combo1->itemText(indice);
    stato.PercorsoUtente = stato.percorsi.profiloUtente(Combo1->itemData(indice).toString());
    if (const auto avviso = stato.leggiProfiloUtente())
        Messaggi::informa(this, *avviso);
    // The pupil works on his own list.
    if (const auto errore = stato.caricaListaUtente())
        Messaggi::informa(this, *errore);
    ImpostaUtente();
}

void FormMenu::Command1_Click(int indice)
{
    if (m_programma.stato.ImpostazioniUtente.ModalitaInput != ScansioneCursore::Mouse)
        return clicDuranteLaScansione(indice);
    if (indice == 0)
        m_programma.apriEsercizio(this);
    else
        m_programma.termina(); // by mouse the profile is not saved
}

void FormMenu::clicDuranteLaScansione(int indice)
{
    // "No" is the default: a switch pressed while the question shows does not quit.
    if (indice == 1 && Messaggi::chiedi(this, QStringLiteral("Vuoi chiudere Ordiparo?"))) {
        m_programma.termina(); // as by mouse: the profile is not saved
        return;
    }
    avvisa(QStringLiteral("Con la scansione i bottoni si scelgono con il sensore. Per usare il mouse: menu "
                          "«Configurazioni», scheda «Modalità di input»."));
}

void FormMenu::avvisa(const QString& testo)
{
    avvisoScansione->setText(testo);
    avvisoScansione->show();
    // As large as the screen's proportions make it, and as its line holds.
    AdattaTesto::adattaEtichetta(avvisoScansione,
                                 kPuntiAvviso * std::max(1.0, area()->height() / double(pixel(kAltezzaDisegno))));
}

void FormMenu::scegliConScansione(int indice)
{
    if (indice == 0) {
        m_programma.apriEsercizio(this);
        return;
    }
    SalvataggioProfilo::salva(this, m_programma.stato);
    m_programma.termina();
}

void FormMenu::evidenziaSottoIlMouse(QObject* sotto)
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    for (BottoneEvidenziabile* bottone : Command1)
        BottoneEvidenziabile::dipingi(bottone, bottone == sotto, impostazioni.ColoreBottoni,
                                      impostazioni.ColoreBottoneSelezionato);
}

bool FormMenu::eventFilter(QObject* oggetto, QEvent* evento)
{
    const bool mouse = m_programma.stato.ImpostazioniUtente.ModalitaInput == ScansioneCursore::Mouse;
    if (mouse && evento->type() == QEvent::Enter && (oggetto == Command1[0] || oggetto == Command1[1]))
        evidenziaSottoIlMouse(oggetto);
    else if (mouse && evento->type() == QEvent::MouseMove && oggetto == area())
        evidenziaSottoIlMouse(nullptr);
    return Schermata::eventFilter(oggetto, evento);
}
