// The exercise screen: a stimulus, one statement at a time, the answer buttons, counts and rewards.
#include "exercise/Form1.h"

#include "exercise/Immagine.h"
#include "exercise/SuonoFeedback.h"
#include "exercise/agent/Personaggio.h"
#include "home/Programma.h"
#include "startup/Modulo1.h"
#include "storage/StatoProgramma.h"
#include "support/AdattaTesto.h"
#include "support/BottoneEvidenziabile.h"
#include "support/Colori.h"
#include "support/Grafica.h"
#include "support/Messaggi.h"
#include "support/ScansioneCursore.h"
#include "support/TestoSemplice.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kLarghezzaDisegno = 8940;
constexpr int kAltezzaDisegno = 7260;
constexpr int kIntervalloDisegno = 100;
constexpr int kMassimoConteggio = 32767;
constexpr int kLatoIcona = 96;
constexpr double kPuntiMinimi = 6;
constexpr int kSottoIlPosto = 50; // pixels between the top of the character's place and his
constexpr qint16 kVero = 0;
constexpr qint16 kNonSiSa = 2;
// System colours 5 and 8: the window's background and its text, as text boxes have them.
constexpr double kFinestraDiSistema = -2147483643.0;
constexpr double kTestoFinestraDiSistema = -2147483640.0;
const QString kRisposte[] = {QStringLiteral("vero"), QStringLiteral("falso"), QStringLiteral("non si sa")};

QLabel* etichetta(QWidget* genitore, const QString& nome, const QString& testo, const QFont& carattere)
{
    auto* controllo = new QLabel(testo, genitore);
    TestoSemplice::perEtichetta(controllo); // the list's texts
    controllo->setObjectName(nome);
    controllo->setFont(carattere);
    return controllo;
}

QString conSegno(int numero)
{
    return (numero >= 0 ? QStringLiteral(" ") : QString()) + QString::number(numero);
}

QPixmap faccina(const QString& risorsa)
{
    return Grafica::icona(risorsa).pixmap(kLatoIcona, kLatoIcona);
}
} // namespace

Form1::Form1(Programma& programma) : Schermata(kLarghezzaDisegno, kAltezzaDisegno), m_programma(programma)
{
    setObjectName(QStringLiteral("Form1"));
    QWidget* a = area();
    const QFont testi = Grafica::carattere(QStringLiteral("Times New Roman"), 48, true);
    const QFont risposte = Grafica::carattere(QStringLiteral("Arial"), 14.25, false);

    Label1 = etichetta(a, QStringLiteral("Label1"), QString(), testi);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    posiziona(Label1, 240, 120, 6375, 3015);
    Image1 = etichetta(a, QStringLiteral("Image1"), QString(), testi);
    Image1->setScaledContents(true);
    Image1->setProperty("tag", QStringLiteral("@")); // placed by the picture fitting, not by the layout
    Image1->hide();
    posiziona(Image1, 240, 120, 4815, 2535);
    Picture1 = new QWidget(a);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->hide();
    posiziona(Picture1, 8160, 120, 375, 4815);
    Label4 = etichetta(a, QStringLiteral("Label4"), QString(), testi);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    posiziona(Label4, 240, 3360, 7575, 1575);

    const int sinistra[] = {120, 2760, 5400};
    const int larghezza[] = {2535, 2535, 2415};
    for (int indice = 0; indice < 3; ++indice) {
        Command1[indice] = new BottoneEvidenziabile(kRisposte[indice], a);
        Command1[indice]->setObjectName(QStringLiteral("Command1_%1").arg(indice));
        Command1[indice]->setFont(risposte);
        Command1[indice]->installEventFilter(this);
        posiziona(Command1[indice], sinistra[indice], 5160, larghezza[indice], 735);
        connect(Command1[indice], &QPushButton::clicked, this, [this, indice] { Command1_Click(indice); });
    }
    BottoneAvanti = new BottoneEvidenziabile(QStringLiteral("avanti"), a);
    BottoneAvanti->setObjectName(QStringLiteral("BottoneAvanti"));
    BottoneAvanti->setFont(risposte);
    BottoneAvanti->installEventFilter(this);
    BottoneAvanti->hide();
    posiziona(BottoneAvanti, 6960, 6120, 1725, 900);
    connect(BottoneAvanti, &QPushButton::clicked, this, &Form1::BottoneAvanti_Click);

    ComandoIconaSi = etichetta(a, QStringLiteral("ComandoIconaSi"), QString(), testi);
    ComandoIconaSi->setPixmap(faccina(QStringLiteral(":/faccina-si.svg")));
    ComandoIconaSi->setAccessibleName(QStringLiteral("Faccina sorridente"));
    ComandoIconaNo = etichetta(a, QStringLiteral("ComandoIconaNo"), QString(), testi);
    ComandoIconaNo->setPixmap(faccina(QStringLiteral(":/faccina-no.svg")));
    ComandoIconaNo->setAccessibleName(QStringLiteral("Faccina triste"));
    for (QLabel* icona : {ComandoIconaSi, ComandoIconaNo}) {
        icona->setScaledContents(true);
        posiziona(icona, 480, 6120, 1095, 975);
    }
    ComandoIconaNo->hide();

    Label3 = etichetta(a, QStringLiteral("Label3"), QStringLiteral("Esatti"),
                       Grafica::carattere(QStringLiteral("Arial"), 12, true));
    posiziona(Label3, 2490, 6180, 735, 375);
    EtichettaEsatti = etichetta(a, QStringLiteral("EtichettaEsatti"), QStringLiteral("quantiesatti"),
                                Grafica::carattere(QStringLiteral("Arial"), 18, true));
    EtichettaEsatti->setAccessibleDescription(QStringLiteral("Risposte esatte"));
    posiziona(EtichettaEsatti, 3330, 6060, 975, 615);
    Label2 = etichetta(a, QStringLiteral("Label2"), QStringLiteral("Errati"),
                       Grafica::carattere(QStringLiteral("Arial"), 12, true));
    posiziona(Label2, 2520, 6690, 735, 495);
    EtichettaErrati = etichetta(a, QStringLiteral("EtichettaErrati"), QStringLiteral("quantierrati"),
                                Grafica::carattere(QStringLiteral("Arial"), 18, true));
    EtichettaErrati->setAccessibleDescription(QStringLiteral("Risposte sbagliate"));
    posiziona(EtichettaErrati, 3360, 6600, 855, 615);

    LabelDimensionaFont =
        etichetta(a, QStringLiteral("LabelDimensionaFont"), QStringLiteral("dimensiona font "), risposte);
    LabelDimensionaFont->hide();
    // Left unpainted, the character's place always shows the screen's own background, whatever colour it takes.
    picAgent = new QWidget(a);
    picAgent->setObjectName(QStringLiteral("picAgent"));
    posiziona(picAgent, 6840, 360, 1935, 2535);
    PictureScansioneManuale = new QWidget(a);
    PictureScansioneManuale->setObjectName(QStringLiteral("PictureScansioneManuale"));
    PictureScansioneManuale->setAccessibleName(QStringLiteral("Sensore: spazio per spostarsi, invio per scegliere"));
    posiziona(PictureScansioneManuale, 8160, 4920, 255, 255);
    PictureScansioneAutomatica = new QWidget(a);
    PictureScansioneAutomatica->setObjectName(QStringLiteral("PictureScansioneAutomatica"));
    PictureScansioneAutomatica->setAccessibleName(QStringLiteral("Sensore: spazio per scegliere"));
    posiziona(PictureScansioneAutomatica, 8160, 4200, 255, 255);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kIntervalloDisegno);
    m_scansione = new ScansioneCursore(Timer1, PictureScansioneManuale, PictureScansioneAutomatica, this);
    m_scansione->setBottoni({Command1[0], Command1[1], Command1[2], BottoneAvanti});
    connect(m_scansione, &ScansioneCursore::scelto, this, [this](QAbstractButton* bottone) {
        if (bottone == BottoneAvanti)
            avanti(); // the switch reaches "avanti", whose click only the mouse mode obeys
        else
            Command1_Click(
                static_cast<int>(std::find(std::begin(Command1), std::end(Command1), bottone) - std::begin(Command1)));
    });
    m_scansione->prepara(ScansioneCursore::Mouse, kIntervalloDisegno);

    mnuAzzera = barraMenu()->addAction(QStringLiteral("&Azzera conteggio"));
    mnuNascondi = barraMenu()->addAction(QStringLiteral("&Nascondi Parole"));
    mnuEsci = barraMenu()->addAction(QStringLiteral("&Esci"));
    connect(mnuAzzera, &QAction::triggered, this, &Form1::mnuAzzera_Click);
    connect(mnuNascondi, &QAction::triggered, this, &Form1::mnuNascondi_Click);
    connect(mnuEsci, &QAction::triggered, this, &Form1::mnuEsci_Click);

    a->setMouseTracking(true);
    for (QWidget* sotto : {a, static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label4), picAgent}) {
        sotto->setMouseTracking(true);
        sotto->installEventFilter(this);
    }
    Image1->installEventFilter(this);
    completaCaricamento();
    if (m_programma.stato.ImpostazioniUtente.ParlatoAttivo)
        CaricaPersonaggio();
}

Form1::~Form1()
{
    if (m_personaggio)
        m_personaggio->StopAll();
    m_personaggio = nullptr;
    m_controlloAgente.reset();
}

void Form1::CaricaPersonaggio()
{
    const StatoProgramma& stato = m_programma.stato;
    const ImpostazioniUtente& impostazioni = stato.ImpostazioniUtente;
    m_personaggio = m_programma.caricaMerlino(this, m_controlloAgente);
    if (!m_personaggio)
        return;
    m_personaggio->setLanguageID(numeroLingua(stato.LinguaAgente));
    m_personaggio->setBalloonFontName(impostazioni.FontTesto);
    m_personaggio->setBalloonFontSize(impostazioni.DimensioneFontTesto);
    impostaBitFumetto(*m_personaggio, Personaggio::kFumettoVisibile, impostazioni.FumettoVisibile);
    impostaBitFumetto(*m_personaggio, Personaggio::kFumettoTuttoIlTesto, impostazioni.FumettoContieneTesto);
}

void Form1::Saluta()
{
    collocaPersonaggio();
    m_personaggio->Show();
    const QString saluto = QStringLiteral("Ciao!");
    m_personaggio->Speak(m_tagVoce + (m_programma.stato.ImpostazioniUtente.StileLettere == QStringLiteral("maiuscolo")
                                          ? saluto.toUpper()
                                          : saluto));
}

// 50 pixels below the top of the character's place, and within it: drawn at his file's size he stood on the
// statement's box on a small display.
void Form1::collocaPersonaggio()
{
    const QPoint posto = picAgent->mapToGlobal(QPoint(0, 0));
    m_personaggio->MoveTo(posto.x(), posto.y() + kSottoIlPosto, 0);
    m_personaggio->entraIn(picAgent->size() - QSize(0, kSottoIlPosto));
}

void Form1::dici(const QString& testo)
{
    if (!m_parlatoAttivo)
        return;
    m_personaggio->StopAll();
    m_personaggio->Speak(m_tagVoce + testo);
}

void Form1::Image1_Click()
{
    if (!m_paroleVisibili)
        dici(Label4->text());
}

void Form1::attivazione()
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    occupaSchermo();
    m_contaEsatti = 0;
    m_contaErrati = 0;
    ComandoIconaSi->show();
    ComandoIconaNo->hide();
    mostraConteggi();
    m_paroleVisibili = true;
    Command1[2]->setVisible(impostazioni.TipoRisposte != 0);

    const QCursor puntatore = impostazioni.MouseDiSistema ? QCursor(Qt::ArrowCursor) : Grafica::cursoreFreccia();
    for (QWidget* controllo :
         {static_cast<QWidget*>(Command1[0]), static_cast<QWidget*>(Command1[1]), static_cast<QWidget*>(Command1[2]),
          static_cast<QWidget*>(BottoneAvanti), static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label4)})
        controllo->setCursor(puntatore);

    dimensionaFontRisposte();
    m_puntiTesto = impostazioni.DimensioneFontTesto;
    for (QLabel* testo : {Label1, Label4}) {
        QFont font = testo->font();
        font.setFamily(impostazioni.FontTesto);
        font.setPointSize(impostazioni.DimensioneFontTesto);
        testo->setFont(font);
    }
    applicaColori();

    m_scansione->setColori(impostazioni.ColoreBottoni, impostazioni.ColoreBottoneSelezionato);
    m_scansione->regola(impostazioni, m_programma.voceScansione.get(), [this] {
        return (m_personaggio && m_personaggio->staParlando()) || m_programma.suoni.staSuonando();
    });
    if (impostazioni.ModalitaInput == ScansioneCursore::Manuale ||
        impostazioni.ModalitaInput == ScansioneCursore::Automatica)
        m_scansione->prepara(impostazioni.ModalitaInput,
                             ScansioneCursore::intervalloDaQuarti(impostazioni.VelocitaScansione));

    m_tagVoce = tagVoce(impostazioni.VelocitaVoce, impostazioni.TonoVoce);
    m_parlatoAttivo = impostazioni.ParlatoAttivo && m_personaggio;
    if (m_parlatoAttivo) {
        Saluta();
    } else {
        // Without speech, a click on the texts says nothing: they keep the plain pointer.
        Label1->setCursor(Qt::ArrowCursor);
        Label4->setCursor(Qt::ArrowCursor);
    }
    if (!haEserciziDaMostrare()) {
        Messaggi::informa(this, QStringLiteral("La lista di frasi in uso non contiene esercizi da svolgere.\r\n"
                                               "Scegli un'altra lista nelle configurazioni."));
        // Leave once this activation has finished.
        QTimer::singleShot(0, this, &Form1::tornaAlMenu);
        return;
    }
    GeneraEsercizio();
}

void Form1::dimensionaFontRisposte()
{
    const QString famiglia = m_programma.stato.ImpostazioniUtente.FontTesto;
    LabelDimensionaFont->setText(Command1[2]->text());
    QFont font = LabelDimensionaFont->font();
    font.setFamily(famiglia);
    LabelDimensionaFont->setFont(font);
    const int larghezza = Command1[0]->width();
    const int altezza = Command1[0]->height();
    // The first size at which the longest answer no longer fits in 90 % of a button.
    const auto misura = [this] { return LabelDimensionaFont->fontMetrics().size(0, LabelDimensionaFont->text()); };
    while (misura().width() < larghezza && misura().height() < altezza - altezza / 10) {
        font.setPointSizeF(font.pointSizeF() + 1);
        LabelDimensionaFont->setFont(font);
    }
    // A school cursive's letters are a fifth of its line, and its "f" reaches from the top of the line to the
    // bottom: sized by the line, "vero" came out a few pixels tall. Each cursive caption takes the largest size
    // at which its own ink fits, no larger than the longest answer's, with strokes drawn heavier.
    const bool corsivo = m_programma.stato.ImpostazioniUtente.StileLettere == QStringLiteral("corsivo");
    double tetto = 0;
    for (int indice = 2; indice >= 0; --indice) {
        BottoneEvidenziabile* bottone = Command1[indice];
        bottone->setTrattoPesante(corsivo);
        QFont risposta = bottone->font();
        risposta.setFamily(famiglia);
        double punti = font.pointSizeF();
        if (corsivo) {
            punti = AdattaTesto::piuGrandeCheEntra(kPuntiMinimi, altezza * 2, [&](double prova) {
                QFont carattere = risposta;
                carattere.setPointSizeF(prova);
                return bottone->inchiostroEntra(carattere);
            });
            tetto = indice == 2 ? punti : tetto;
            punti = std::min(punti, tetto);
        }
        risposta.setPointSizeF(punti);
        bottone->setFont(risposta);
    }
}

void Form1::applicaColori()
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    if (impostazioni.ImpostazioniSistema) {
        for (QLabel* testo : {Label1, Label4}) {
            Colori::impostaTesto(testo, kTestoFinestraDiSistema);
            Colori::impostaSfondo(testo, kFinestraDiSistema);
        }
        return;
    }
    for (QLabel* testo : {Label1, Label4}) {
        Colori::impostaTesto(testo, impostazioni.ColoreFont);
        Colori::impostaSfondo(testo, impostazioni.ColoreSfondoTesto);
    }
    for (QPushButton* bottone : Command1)
        Colori::impostaSfondo(bottone, impostazioni.ColoreBottoni);
    if (!impostazioni.ColoreCasuale)
        impostaColoreSfondo(impostazioni.ColoreSfondo);
}

int Form1::colonnaSeguente(int riga, int colonna) const
{
    const TabellaFrasi& tabella = m_programma.stato.TabellaFrasi;
    const bool treRisposte = m_programma.stato.ImpostazioniUtente.TipoRisposte == 1;
    while (++colonna < TabellaFrasi::kColonne) {
        const qint16 codice = tabella.Codice(riga, colonna);
        if (!treRisposte && codice == kNonSiSa)
            continue; // "vero - falso" passes over what cannot be told
        // A blank statement ends the item (with two answers, one of blanks only too).
        if (treRisposte ? tabella.Testo(riga, colonna).isEmpty() : tabella.Testo(riga, colonna).trimmed().isEmpty())
            return 0;
        // A code that no button answers would trap the pupil: pass the statement over.
        if (codice >= kVero && codice <= kNonSiSa)
            return colonna;
    }
    return 0;
}

bool Form1::haEserciziDaMostrare() const
{
    for (int riga = 1; riga <= m_programma.stato.TabellaFrasi.NumeroRighe; ++riga) {
        if (colonnaSeguente(riga, 0))
            return true;
    }
    return false;
}

void Form1::GeneraEsercizio()
{
    do {
        estraiEsercizio();
    } while (!mostraProssimaAffermazione());
}

void Form1::estraiEsercizio()
{
    StatoProgramma& stato = m_programma.stato;
    abilitaRisposte(true);
    if (!stato.ImpostazioniUtente.ImpostazioniSistema && stato.ImpostazioniUtente.ColoreCasuale) {
        impostaColoreSfondo(Modulo1::ScegliColoreCasuale(stato));
    }
    m_rigaCorrente = static_cast<int>(stato.casuale() * stato.TabellaFrasi.NumeroRighe) + 1;
    if (stimoloImmagine()) {
        Label1->hide();
        InserisciImmagine();
    } else {
        Label1->setText(stato.TabellaFrasi.Testo(m_rigaCorrente, 0));
        AdattaTesto::adattaEtichetta(Label1, m_puntiTesto);
        Label1->show();
        Image1->hide();
    }
    m_colonnaCorrente = 0;
}

bool Form1::stimoloImmagine() const
{
    return m_programma.stato.TabellaFrasi.Codice(m_rigaCorrente, 0) != 1;
}

void Form1::ProseguiEsercizio()
{
    abilitaRisposte(true);
    if (!mostraProssimaAffermazione())
        GeneraEsercizio();
}

bool Form1::mostraProssimaAffermazione()
{
    StatoProgramma& stato = m_programma.stato;
    const TabellaFrasi& tabella = stato.TabellaFrasi;
    const int riga = m_rigaCorrente;
    const int colonna = m_colonnaCorrente = colonnaSeguente(riga, m_colonnaCorrente);
    if (!colonna)
        return false;
    Label4->setText(tabella.Testo(riga, colonna));
    AdattaTesto::adattaEtichetta(Label4, m_puntiTesto);
    stato.RegistroEsercizi.aggiungi(tabella.Testo(riga, 0), tabella.Testo(riga, colonna));
    if (m_scansione->modalita() != ScansioneCursore::Mouse)
        m_scansione->evidenzia(0);
    Image1_Click(); // with the words hidden the character reads each new statement
    return true;
}

void Form1::InserisciImmagine()
{
    Image1->hide();
    Image1->clear();
    const QString percorso = Immagine::fileImmagine(m_programma.stato.percorsi.cartellaImmagini(),
                                                    m_programma.stato.TabellaFrasi.Testo(m_rigaCorrente, 0));
    // With the words hidden the picture grows up to the character's box, which would paint over it.
    const int limiteDestro = std::min(area()->width(), picAgent->x());
    const Immagine::Adattata adattata = Immagine::leggi(
        percorso, {Label1->geometry(), Picture1->y(), Picture1->height(), limiteDestro, m_paroleVisibili});
    if (adattata.immagine.isNull())
        return; // a missing or unreadable picture leaves the picture area empty
    Image1->setGeometry(adattata.posto);
    Image1->setPixmap(QPixmap::fromImage(adattata.immagine));
    Image1->show();
}

void Form1::abilitaRisposte(bool abilitate)
{
    for (QPushButton* bottone : Command1)
        bottone->setEnabled(abilitate);
}

void Form1::mostraConteggi()
{
    EtichettaEsatti->setText(conSegno(m_contaEsatti));
    EtichettaErrati->setText(conSegno(m_contaErrati));
}

void Form1::Command1_Click(int indice)
{
    StatoProgramma& stato = m_programma.stato;
    if (stato.TabellaFrasi.Codice(m_rigaCorrente, m_colonnaCorrente) != indice) {
        ModuloStampa::SuonaNo(stato, m_programma.suoni, m_parlatoAttivo);
        stato.RegistroEsercizi.segnaErrore();
        m_contaErrati = std::min(m_contaErrati + 1, kMassimoConteggio);
        ComandoIconaSi->hide();
        ComandoIconaNo->show();
        mostraConteggi();
        return;
    }
    m_contaEsatti = std::min(m_contaEsatti + 1, kMassimoConteggio);
    ComandoIconaSi->show();
    ComandoIconaNo->hide();
    mostraConteggi();
    ModuloSuoni::SuonaSi(stato, m_programma.suoni);
    abilitaRisposte(false);
    BottoneAvanti->show();
    if (m_scansione->modalita() != ScansioneCursore::Mouse)
        m_scansione->evidenzia(0); // only "avanti" is left to choose
}

void Form1::BottoneAvanti_Click()
{
    if (m_programma.stato.ImpostazioniUtente.ModalitaInput == ScansioneCursore::Mouse)
        avanti();
}

void Form1::avanti()
{
    BottoneAvanti->hide();
    ProseguiEsercizio();
}

void Form1::mnuAzzera_Click()
{
    m_contaEsatti = 0;
    m_contaErrati = 0;
    ComandoIconaSi->show();
    ComandoIconaNo->hide();
    mostraConteggi();
}

void Form1::mnuNascondi_Click()
{
    m_paroleVisibili = !m_paroleVisibili;
    mnuNascondi->setText(m_paroleVisibili ? QStringLiteral("&Nascondi parole") : QStringLiteral("Mostra &parole"));
    Label4->setVisible(m_paroleVisibili);
    Image1->setCursor(m_paroleVisibili ? QCursor(Qt::ArrowCursor) : Label4->cursor());
    if (stimoloImmagine())
        InserisciImmagine();
}

void Form1::mnuEsci_Click()
{
    m_scansione->ferma();
    tornaAlMenu();
}

void Form1::tornaAlMenu()
{
    m_programma.apriMenu(this);
}

void Form1::resizeEvent(QResizeEvent* evento)
{
    Schermata::resizeEvent(evento);
    // The texts are fitted again to their boxes' new size, from the size the profile chose.
    if (m_puntiTesto > 0) {
        AdattaTesto::adattaEtichetta(Label1, m_puntiTesto);
        AdattaTesto::adattaEtichetta(Label4, m_puntiTesto);
    }
    // The picture's place follows the stimulus box, which the layout has just moved; the character his own.
    if (m_rigaCorrente > 0 && stimoloImmagine())
        InserisciImmagine();
    if (m_parlatoAttivo)
        collocaPersonaggio();
}

void Form1::evidenziaSottoIlMouse(QObject* sotto)
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    for (BottoneEvidenziabile* bottone : {Command1[0], Command1[1], Command1[2], BottoneAvanti})
        BottoneEvidenziabile::dipingi(bottone, bottone == sotto, impostazioni.ColoreBottoni,
                                      impostazioni.ColoreBottoneSelezionato);
}

bool Form1::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        if (oggetto == Label1)
            dici(Label1->text());
        else if (oggetto == Label4)
            dici(Label4->text());
        else if (oggetto == Image1)
            Image1_Click();
    }
    if (m_programma.stato.ImpostazioniUtente.ModalitaInput == ScansioneCursore::Mouse) {
        const bool bottone = oggetto == BottoneAvanti ||
                             std::find(std::begin(Command1), std::end(Command1), oggetto) != std::end(Command1);
        if (bottone && evento->type() == QEvent::Enter)
            evidenziaSottoIlMouse(oggetto);
        else if (!bottone && evento->type() == QEvent::MouseMove)
            evidenziaSottoIlMouse(nullptr);
    }
    return Schermata::eventFilter(oggetto, evento);
}
