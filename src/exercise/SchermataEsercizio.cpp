// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise screen: a stimulus, one statement at a time, the answer buttons, counts and rewards.
#include "exercise/SchermataEsercizio.h"

#include "exercise/SuoniRisposta.h"
#include "storage/StatoProgramma.h"
#include "support/AdattaTesto.h"
#include "support/BottoneEvidenziabile.h"
#include "support/Colori.h"
#include "support/EtichettaConSegno.h"
#include "support/Grafica.h"
#include "support/Immagine.h"
#include "support/Messaggi.h"
#include "support/Personaggio.h"
#include "support/Programma.h"
#include "support/ScansioneCursore.h"
#include "support/SceltaConSosta.h"
#include "support/SuonoFeedback.h"
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

template <typename Etichetta = QLabel>
Etichetta* etichetta(QWidget* genitore, const QString& nome, const QString& testo, const QFont& carattere)
{
    auto* controllo = new Etichetta(genitore);
    controllo->setText(testo);
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

SchermataEsercizio::SchermataEsercizio(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno), m_programma(programma)
{
    setObjectName(QStringLiteral("SchermataEsercizio"));
    QWidget* a = area();
    const QFont testi = Grafica::carattere(QStringLiteral("Times New Roman"), 48, true);
    const QFont risposte = Grafica::carattere(QStringLiteral("Arial"), 14.25, false);

    testoStimolo = etichetta<EtichettaConSegno>(a, QStringLiteral("testoStimolo"), QString(), testi);
    testoStimolo->setWordWrap(true);
    testoStimolo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    posiziona(testoStimolo, 240, 120, 6375, 3015);
    immagineStimolo = etichetta(a, QStringLiteral("immagineStimolo"), QString(), testi);
    immagineStimolo->setScaledContents(true);
    immagineStimolo->setProperty("tag", QStringLiteral("@")); // placed by the picture fitting, not by the layout
    immagineStimolo->hide();
    posiziona(immagineStimolo, 240, 120, 4815, 2535);
    spazioImmagine = new QWidget(a);
    spazioImmagine->setObjectName(QStringLiteral("spazioImmagine"));
    spazioImmagine->hide();
    posiziona(spazioImmagine, 8160, 120, 375, 4815);
    testoAffermazione = etichetta<EtichettaConSegno>(a, QStringLiteral("testoAffermazione"), QString(), testi);
    testoAffermazione->setWordWrap(true);
    testoAffermazione->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    posiziona(testoAffermazione, 240, 3360, 7575, 1575);

    const int sinistra[] = {120, 2760, 5400};
    const int larghezza[] = {2535, 2535, 2415};
    for (int indice = 0; indice < 3; ++indice) {
        bottoniRisposta[indice] = new BottoneEvidenziabile(kRisposte[indice], a);
        bottoniRisposta[indice]->setObjectName(QStringLiteral("bottoniRisposta_%1").arg(indice));
        bottoniRisposta[indice]->setFont(risposte);
        bottoniRisposta[indice]->installEventFilter(this);
        posiziona(bottoniRisposta[indice], sinistra[indice], 5160, larghezza[indice], 735);
        connect(bottoniRisposta[indice], &QPushButton::clicked, this, [this, indice] { scegliRisposta(indice); });
    }
    bottoneAvanti = new BottoneEvidenziabile(QStringLiteral("avanti"), a);
    bottoneAvanti->setObjectName(QStringLiteral("bottoneAvanti"));
    bottoneAvanti->setFont(risposte);
    bottoneAvanti->installEventFilter(this);
    bottoneAvanti->hide();
    posiziona(bottoneAvanti, 6960, 6120, 1725, 900);
    connect(bottoneAvanti, &QPushButton::clicked, this, &SchermataEsercizio::avantiPremuto);

    faccinaSi = etichetta(a, QStringLiteral("faccinaSi"), QString(), testi);
    faccinaSi->setPixmap(faccina(QStringLiteral(":/faccina-si.svg")));
    faccinaSi->setAccessibleName(QStringLiteral("Faccina sorridente"));
    faccinaNo = etichetta(a, QStringLiteral("faccinaNo"), QString(), testi);
    faccinaNo->setPixmap(faccina(QStringLiteral(":/faccina-no.svg")));
    faccinaNo->setAccessibleName(QStringLiteral("Faccina triste"));
    for (QLabel* icona : {faccinaSi, faccinaNo}) {
        icona->setScaledContents(true);
        posiziona(icona, 480, 6120, 1095, 975);
    }
    faccinaNo->hide();

    didascaliaEsatti = etichetta(a, QStringLiteral("didascaliaEsatti"), QStringLiteral("Esatti"),
                                 Grafica::carattere(QStringLiteral("Arial"), 12, true));
    posiziona(didascaliaEsatti, 2490, 6180, 735, 375);
    numeroEsatti = etichetta(a, QStringLiteral("numeroEsatti"), QStringLiteral("quantiesatti"),
                             Grafica::carattere(QStringLiteral("Arial"), 18, true));
    numeroEsatti->setAccessibleDescription(QStringLiteral("Risposte esatte"));
    posiziona(numeroEsatti, 3330, 6060, 975, 615);
    didascaliaErrati = etichetta(a, QStringLiteral("didascaliaErrati"), QStringLiteral("Errati"),
                                 Grafica::carattere(QStringLiteral("Arial"), 12, true));
    posiziona(didascaliaErrati, 2520, 6690, 735, 495);
    numeroErrati = etichetta(a, QStringLiteral("numeroErrati"), QStringLiteral("quantierrati"),
                             Grafica::carattere(QStringLiteral("Arial"), 18, true));
    numeroErrati->setAccessibleDescription(QStringLiteral("Risposte sbagliate"));
    posiziona(numeroErrati, 3360, 6600, 855, 615);

    misuraTesto = etichetta(a, QStringLiteral("misuraTesto"), QStringLiteral("dimensiona font "), risposte);
    misuraTesto->hide();
    // Left unpainted, the character's place always shows the screen's own background, whatever colour it takes.
    postoPersonaggio = new QWidget(a);
    postoPersonaggio->setObjectName(QStringLiteral("postoPersonaggio"));
    posiziona(postoPersonaggio, 6840, 360, 1935, 2535);
    spiaScansioneManuale = new QWidget(a);
    spiaScansioneManuale->setObjectName(QStringLiteral("spiaScansioneManuale"));
    spiaScansioneManuale->setAccessibleName(QStringLiteral("Sensore: spazio per spostarsi, invio per scegliere"));
    posiziona(spiaScansioneManuale, 8160, 4920, 255, 255);
    spiaScansioneAutomatica = new QWidget(a);
    spiaScansioneAutomatica->setObjectName(QStringLiteral("spiaScansioneAutomatica"));
    spiaScansioneAutomatica->setAccessibleName(QStringLiteral("Sensore: spazio per scegliere"));
    posiziona(spiaScansioneAutomatica, 8160, 4200, 255, 255);

    timerScansione = new QTimer(this);
    timerScansione->setInterval(kIntervalloDisegno);
    m_scansione = new ScansioneCursore(timerScansione, spiaScansioneManuale, spiaScansioneAutomatica, this);
    m_scansione->setBottoni({bottoniRisposta[0], bottoniRisposta[1], bottoniRisposta[2], bottoneAvanti});
    connect(m_scansione, &ScansioneCursore::scelto, this, [this](QAbstractButton* bottone) {
        if (bottone == bottoneAvanti)
            avanti(); // the switch reaches "avanti", whose click only the mouse mode obeys
        else
            scegliRisposta(static_cast<int>(std::find(std::begin(bottoniRisposta), std::end(bottoniRisposta), bottone) -
                                            std::begin(bottoniRisposta)));
    });
    m_scansione->ascoltaJoystick(m_programma.joystick.get());
    m_scansione->prepara(ScansioneCursore::Mouse, kIntervalloDisegno);

    azioneAzzera = barraMenu()->addAction(QStringLiteral("&Azzera conteggio"));
    azioneNascondiParole = barraMenu()->addAction(QStringLiteral("&Nascondi Parole"));
    azioneEsci = barraMenu()->addAction(QStringLiteral("&Esci"));
    connect(azioneAzzera, &QAction::triggered, this, &SchermataEsercizio::azzeraConteggi);
    connect(azioneNascondiParole, &QAction::triggered, this, &SchermataEsercizio::mostraONascondiParole);
    connect(azioneEsci, &QAction::triggered, this, &SchermataEsercizio::esci);
    // A pupil who chooses by resting the pointer goes back to the home screen by resting on "Esci" too.
    m_sosta = new SceltaConSosta(this);
    m_sosta->setBersagli({bottoniRisposta[0], bottoniRisposta[1], bottoniRisposta[2], bottoneAvanti}, barraMenu(),
                         {azioneEsci});

    for (QWidget* sotto :
         {a, static_cast<QWidget*>(testoStimolo), static_cast<QWidget*>(testoAffermazione), postoPersonaggio}) {
        sotto->setMouseTracking(true);
        sotto->installEventFilter(this);
    }
    immagineStimolo->installEventFilter(this);
    completaCaricamento();
    if (m_programma.stato.ImpostazioniUtente.ParlatoAttivo)
        CaricaPersonaggio();
}

SchermataEsercizio::~SchermataEsercizio()
{
    if (m_personaggio)
        m_personaggio->StopAll();
    m_personaggio = nullptr;
    m_controlloAgente.reset();
}

void SchermataEsercizio::CaricaPersonaggio()
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

void SchermataEsercizio::Saluta()
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
void SchermataEsercizio::collocaPersonaggio()
{
    const QPoint posto = postoPersonaggio->mapToGlobal(QPoint(0, 0));
    m_personaggio->MoveTo(posto.x(), posto.y() + kSottoIlPosto, 0);
    m_personaggio->entraIn(postoPersonaggio->size() - QSize(0, kSottoIlPosto));
}

void SchermataEsercizio::dici(const QString& testo, EtichettaConSegno* inTesto, int da)
{
    if (!m_parlatoAttivo)
        return;
    m_personaggio->StopAll();
    m_testoLetto = inTesto;
    m_inizioLetto = da;
    m_richiestaLetta = m_personaggio->Speak(m_tagVoce + testo);
}

void SchermataEsercizio::leggiAdAltaVoce()
{
    if (!m_paroleVisibili)
        dici(testoAffermazione->text(), testoAffermazione);
}

void SchermataEsercizio::testoCliccato(EtichettaConSegno* testo, QPoint punto)
{
    // Reading along, a word clicked while nothing is being read is said alone: a help to decode it.
    const EtichettaConSegno::Parola parola = testo->parolaA(punto);
    if (m_parlatoAttivo && m_evidenziaParole && parola.lunghezza > 0 && !m_personaggio->staParlando())
        dici(testo->text().mid(parola.inizio, parola.lunghezza), testo, parola.inizio);
    else
        dici(testo->text(), testo);
}

void SchermataEsercizio::parolaSentita(int richiesta, int posizione)
{
    if (!m_testoLetto || richiesta != m_richiestaLetta)
        return;
    // Words hidden from the pupil are never marked.
    const bool segna = posizione >= 0 && m_testoLetto->isVisible();
    m_testoLetto->segnaParola(segna ? m_inizioLetto + posizione : -1);
}

void SchermataEsercizio::mostraTesto(EtichettaConSegno* testo, const QString& contenuto)
{
    if (m_testoLetto == testo) {
        testo->segnaParola(-1);
        m_testoLetto = nullptr;
    }
    testo->setText(contenuto);
    AdattaTesto::adattaEtichetta(testo, m_puntiTesto);
}

void SchermataEsercizio::attivazione()
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    occupaSchermo();
    azzeraConteggi();
    m_paroleVisibili = true;
    bottoniRisposta[2]->setVisible(impostazioni.TipoRisposte != 0);

    const QCursor puntatore = impostazioni.MouseDiSistema ? QCursor(Qt::ArrowCursor) : Grafica::cursoreFreccia();
    for (QWidget* controllo : {static_cast<QWidget*>(bottoniRisposta[0]), static_cast<QWidget*>(bottoniRisposta[1]),
                               static_cast<QWidget*>(bottoniRisposta[2]), static_cast<QWidget*>(bottoneAvanti),
                               static_cast<QWidget*>(testoStimolo), static_cast<QWidget*>(testoAffermazione)})
        controllo->setCursor(puntatore);

    dimensionaFontRisposte();
    m_puntiTesto = impostazioni.DimensioneFontTesto;
    for (QLabel* testo : {testoStimolo, testoAffermazione}) {
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
    else
        m_sosta->avvia(impostazioni.TempoSosta);

    m_tagVoce = tagVoce(impostazioni.VelocitaVoce, impostazioni.TonoVoce);
    m_parlatoAttivo = impostazioni.ParlatoAttivo && m_personaggio;
    m_evidenziaParole = impostazioni.EvidenziaParoleLette;
    if (m_parlatoAttivo) {
        // Reading along, the character tells each word as it is heard, and marks it in its balloon too.
        Personaggio::AvvisoParola avviso = [this](int richiesta, int posizione) {
            parolaSentita(richiesta, posizione);
        };
        m_personaggio->seguiParole(m_evidenziaParole ? avviso : nullptr);
        Saluta();
    } else {
        // Without speech, a click on the texts says nothing: they keep the plain pointer.
        testoStimolo->setCursor(Qt::ArrowCursor);
        testoAffermazione->setCursor(Qt::ArrowCursor);
    }
    if (!haEserciziDaMostrare()) {
        Messaggi::informa(this, QStringLiteral("La lista di frasi in uso non contiene esercizi da svolgere.\r\n"
                                               "Scegli un'altra lista nelle configurazioni."));
        // Leave once this activation has finished.
        QTimer::singleShot(0, this, &SchermataEsercizio::tornaAlMenu);
        return;
    }
    GeneraEsercizio();
}

void SchermataEsercizio::dimensionaFontRisposte()
{
    const QString famiglia = m_programma.stato.ImpostazioniUtente.FontTesto;
    misuraTesto->setText(bottoniRisposta[2]->text());
    QFont font = misuraTesto->font();
    font.setFamily(famiglia);
    misuraTesto->setFont(font);
    const int larghezza = bottoniRisposta[0]->width();
    const int altezza = bottoniRisposta[0]->height();
    // The first size at which the longest answer no longer fits in 90 % of a button.
    const auto misura = [this] { return misuraTesto->fontMetrics().size(0, misuraTesto->text()); };
    while (misura().width() < larghezza && misura().height() < altezza - altezza / 10) {
        font.setPointSizeF(font.pointSizeF() + 1);
        misuraTesto->setFont(font);
    }
    // A school cursive's letters are a fifth of its line, and its "f" reaches from the top of the line to the
    // bottom: sized by the line, "vero" came out a few pixels tall. Each cursive caption takes the largest size
    // at which its own ink fits, no larger than the longest answer's, with strokes drawn heavier.
    const bool corsivo = m_programma.stato.ImpostazioniUtente.StileLettere == QStringLiteral("corsivo");
    double tetto = 0;
    for (int indice = 2; indice >= 0; --indice) {
        BottoneEvidenziabile* bottone = bottoniRisposta[indice];
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

void SchermataEsercizio::applicaColori()
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    if (impostazioni.ImpostazioniSistema) {
        for (QLabel* testo : {testoStimolo, testoAffermazione}) {
            Colori::impostaTesto(testo, kTestoFinestraDiSistema);
            Colori::impostaSfondo(testo, kFinestraDiSistema);
        }
        return;
    }
    for (QLabel* testo : {testoStimolo, testoAffermazione}) {
        Colori::impostaTesto(testo, impostazioni.ColoreFont);
        Colori::impostaSfondo(testo, impostazioni.ColoreSfondoTesto);
    }
    for (QPushButton* bottone : bottoniRisposta)
        Colori::impostaSfondo(bottone, impostazioni.ColoreBottoni);
    if (!impostazioni.ColoreCasuale)
        impostaColoreSfondo(impostazioni.ColoreSfondo);
}

int SchermataEsercizio::colonnaSeguente(int riga, int colonna) const
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

bool SchermataEsercizio::haEserciziDaMostrare() const
{
    for (int riga = 1; riga <= m_programma.stato.TabellaFrasi.NumeroRighe; ++riga) {
        if (colonnaSeguente(riga, 0))
            return true;
    }
    return false;
}

void SchermataEsercizio::GeneraEsercizio()
{
    do {
        estraiEsercizio();
    } while (!mostraProssimaAffermazione());
}

void SchermataEsercizio::estraiEsercizio()
{
    StatoProgramma& stato = m_programma.stato;
    abilitaRisposte(true);
    if (!stato.ImpostazioniUtente.ImpostazioniSistema && stato.ImpostazioniUtente.ColoreCasuale) {
        impostaColoreSfondo(Colori::ScegliColoreCasuale(stato));
    }
    m_rigaCorrente = static_cast<int>(stato.casuale() * stato.TabellaFrasi.NumeroRighe) + 1;
    if (stimoloImmagine()) {
        testoStimolo->hide();
        InserisciImmagine();
    } else {
        mostraTesto(testoStimolo, stato.TabellaFrasi.Testo(m_rigaCorrente, 0));
        testoStimolo->show();
        immagineStimolo->hide();
    }
    m_colonnaCorrente = 0;
}

bool SchermataEsercizio::stimoloImmagine() const
{
    return m_programma.stato.TabellaFrasi.Codice(m_rigaCorrente, 0) != 1;
}

void SchermataEsercizio::ProseguiEsercizio()
{
    abilitaRisposte(true);
    if (!mostraProssimaAffermazione())
        GeneraEsercizio();
}

bool SchermataEsercizio::mostraProssimaAffermazione()
{
    StatoProgramma& stato = m_programma.stato;
    const TabellaFrasi& tabella = stato.TabellaFrasi;
    const int riga = m_rigaCorrente;
    const int colonna = m_colonnaCorrente = colonnaSeguente(riga, m_colonnaCorrente);
    if (!colonna)
        return false;
    mostraTesto(testoAffermazione, tabella.Testo(riga, colonna));
    stato.RegistroEsercizi.aggiungi(tabella.Testo(riga, 0), tabella.Testo(riga, colonna));
    if (m_scansione->modalita() != ScansioneCursore::Mouse)
        m_scansione->evidenzia(0);
    leggiAdAltaVoce(); // with the words hidden the character reads each new statement
    return true;
}

void SchermataEsercizio::InserisciImmagine()
{
    immagineStimolo->hide();
    immagineStimolo->clear();
    const QString percorso = Immagine::fileImmagine(m_programma.stato.percorsi.cartellaImmagini(),
                                                    m_programma.stato.TabellaFrasi.Testo(m_rigaCorrente, 0));
    // With the words hidden the picture grows up to the character's box, which would paint over it.
    const int limiteDestro = std::min(area()->width(), postoPersonaggio->x());
    const Immagine::Adattata adattata =
        Immagine::leggi(percorso, {testoStimolo->geometry(), spazioImmagine->y(), spazioImmagine->height(),
                                   limiteDestro, m_paroleVisibili});
    if (adattata.immagine.isNull())
        return; // a missing or unreadable picture leaves the picture area empty
    immagineStimolo->setGeometry(adattata.posto);
    immagineStimolo->setPixmap(QPixmap::fromImage(adattata.immagine));
    immagineStimolo->show();
}

void SchermataEsercizio::abilitaRisposte(bool abilitate)
{
    for (QPushButton* bottone : bottoniRisposta)
        bottone->setEnabled(abilitate);
}

void SchermataEsercizio::mostraConteggi()
{
    numeroEsatti->setText(conSegno(m_contaEsatti));
    numeroErrati->setText(conSegno(m_contaErrati));
}

void SchermataEsercizio::scegliRisposta(int indice)
{
    StatoProgramma& stato = m_programma.stato;
    if (stato.TabellaFrasi.Codice(m_rigaCorrente, m_colonnaCorrente) != indice) {
        SuoniRisposta::SuonaNo(stato, m_programma.suoni, m_parlatoAttivo);
        stato.RegistroEsercizi.segnaErrore();
        m_contaErrati = std::min(m_contaErrati + 1, kMassimoConteggio);
        faccinaSi->hide();
        faccinaNo->show();
        mostraConteggi();
        return;
    }
    m_contaEsatti = std::min(m_contaEsatti + 1, kMassimoConteggio);
    faccinaSi->show();
    faccinaNo->hide();
    mostraConteggi();
    SuoniRisposta::SuonaSi(stato, m_programma.suoni);
    abilitaRisposte(false);
    bottoneAvanti->show();
    if (m_scansione->modalita() != ScansioneCursore::Mouse)
        m_scansione->evidenzia(0); // only "avanti" is left to choose
}

void SchermataEsercizio::avantiPremuto()
{
    if (m_programma.stato.ImpostazioniUtente.ModalitaInput == ScansioneCursore::Mouse)
        avanti();
}

void SchermataEsercizio::avanti()
{
    bottoneAvanti->hide();
    ProseguiEsercizio();
}

void SchermataEsercizio::azzeraConteggi()
{
    m_contaEsatti = 0;
    m_contaErrati = 0;
    faccinaSi->show();
    faccinaNo->hide();
    mostraConteggi();
}

void SchermataEsercizio::mostraONascondiParole()
{
    m_paroleVisibili = !m_paroleVisibili;
    azioneNascondiParole->setText(m_paroleVisibili ? QStringLiteral("&Nascondi parole")
                                                   : QStringLiteral("Mostra &parole"));
    testoAffermazione->setVisible(m_paroleVisibili);
    immagineStimolo->setCursor(m_paroleVisibili ? QCursor(Qt::ArrowCursor) : testoAffermazione->cursor());
    if (stimoloImmagine())
        InserisciImmagine();
}

void SchermataEsercizio::esci()
{
    m_scansione->ferma();
    m_sosta->ferma();
    tornaAlMenu();
}

void SchermataEsercizio::tornaAlMenu()
{
    m_programma.apriMenu(this);
}

void SchermataEsercizio::resizeEvent(QResizeEvent* evento)
{
    Schermata::resizeEvent(evento);
    // The texts are fitted again to their boxes' new size, from the size the profile chose.
    if (m_puntiTesto > 0) {
        AdattaTesto::adattaEtichetta(testoStimolo, m_puntiTesto);
        AdattaTesto::adattaEtichetta(testoAffermazione, m_puntiTesto);
    }
    // The picture's place follows the stimulus box, which the layout has just moved; the character his own.
    if (m_rigaCorrente > 0 && stimoloImmagine())
        InserisciImmagine();
    if (m_parlatoAttivo)
        collocaPersonaggio();
}

void SchermataEsercizio::evidenziaSottoIlMouse(QObject* sotto)
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    for (BottoneEvidenziabile* bottone : {bottoniRisposta[0], bottoniRisposta[1], bottoniRisposta[2], bottoneAvanti})
        BottoneEvidenziabile::dipingi(bottone, bottone == sotto, impostazioni.ColoreBottoni,
                                      impostazioni.ColoreBottoneSelezionato);
}

bool SchermataEsercizio::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        const QPoint punto = static_cast<QMouseEvent*>(evento)->position().toPoint();
        if (oggetto == testoStimolo || oggetto == testoAffermazione)
            testoCliccato(static_cast<EtichettaConSegno*>(oggetto), punto);
        else if (oggetto == immagineStimolo)
            leggiAdAltaVoce();
    }
    if (m_programma.stato.ImpostazioniUtente.ModalitaInput == ScansioneCursore::Mouse) {
        const bool bottone =
            oggetto == bottoneAvanti ||
            std::find(std::begin(bottoniRisposta), std::end(bottoniRisposta), oggetto) != std::end(bottoniRisposta);
        if (bottone && evento->type() == QEvent::Enter)
            evidenziaSottoIlMouse(oggetto);
        else if (!bottone && evento->type() == QEvent::MouseMove)
            evidenziaSottoIlMouse(nullptr);
    }
    return Schermata::eventFilter(oggetto, evento);
}
