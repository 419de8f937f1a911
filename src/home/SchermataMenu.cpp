// SPDX-License-Identifier: GPL-3.0-or-later
// The home screen: the pupils' list, the big buttons to start and to quit, the menus, switch scanning.
#include "home/SchermataMenu.h"

#include "home/CasellaDocumentazione.h"
#include "storage/StatoProgramma.h"
#include "support/AdattaTesto.h"
#include "support/BottoneEvidenziabile.h"
#include "support/Grafica.h"
#include "support/Messaggi.h"
#include "support/Programma.h"
#include "support/SalvataggioProfilo.h"
#include "support/ScansioneCursore.h"
#include "support/SceltaConSosta.h"

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

SchermataMenu::SchermataMenu(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno),
      elencoUtenti(new QComboBox(area())), bottoni{new BottoneEvidenziabile(QStringLiteral("&Ordiparo"), area()),
                                                   new BottoneEvidenziabile(QStringLiteral("&Esci"), area())},
      misuraTesto(new QLabel(QStringLiteral("dimensiona font "), area())), spiaScansioneManuale(new QWidget(area())),
      spiaScansioneAutomatica(new QWidget(area())), testoDocumentazione(new QTextEdit(area())),
      timerScansione(new QTimer(this)), avvisoScansione(new QLabel(area())), m_programma(programma)
{
    setObjectName(QStringLiteral("SchermataMenu"));
    azioneConfigurazioni = barraMenu()->addAction(QStringLiteral("&Configurazioni"));
    azioneEserciziEseguiti = barraMenu()->addAction(QStringLiteral("&Esercizi eseguiti"));
    QMenu* menuInformazioni = barraMenu()->addMenu(QStringLiteral("&Informazioni"));
    azioneDocumentazione = menuInformazioni->addAction(QStringLiteral("documentazione"));
    azioneInformazioni = menuInformazioni->addAction(QStringLiteral("about"));
    azioneAltriProgrammi = menuInformazioni->addAction(QStringLiteral("Programmi Lumio per la scuola"));
    connect(azioneConfigurazioni, &QAction::triggered, this, [this] { m_programma.apriConfigurazioni(this); });
    connect(azioneEserciziEseguiti, &QAction::triggered, this, [this] { m_programma.apriEserciziEseguiti(this); });
    connect(azioneInformazioni, &QAction::triggered, this, [this] { m_programma.apriInformazioni(this); });
    connect(azioneDocumentazione, &QAction::triggered, this, [this] {
        documentazione->mostra(m_programma.stato.percorsi.fileNelProgramma(QStringLiteral("documentazione.rtf")));
    });

    elencoUtenti->setObjectName(QStringLiteral("elencoUtenti"));
    elencoUtenti->setAccessibleName(QStringLiteral("Utente"));
    posiziona(elencoUtenti, 2400, 240, 4800, 600);
    connect(elencoUtenti, &QComboBox::currentIndexChanged, this, &SchermataMenu::scegliUtente);

    const char* icone[] = {":/icona-avvio.svg", ":/icona-esci.svg"};
    for (int indice = 0; indice < 2; ++indice) {
        QPushButton* bottone = bottoni[indice];
        bottone->setObjectName(QStringLiteral("bottoni_%1").arg(indice));
        bottone->setFont(QFont(QStringLiteral("Arial"), 24));
        bottone->setIcon(Grafica::icona(QString::fromLatin1(icone[indice])));
        bottone->setIconSize(QSize(kLatoIcona, kLatoIcona));
        bottone->setCursor(Grafica::cursoreFreccia());
        bottone->installEventFilter(this);
        connect(bottone, &QPushButton::clicked, this, [this, indice] { bottonePremuto(indice); });
    }
    posiziona(bottoni[0], 1200, 1200, 7200, 2520);
    posiziona(bottoni[1], 1200, 4080, 7200, 2520);

    misuraTesto->setObjectName(QStringLiteral("misuraTesto"));
    misuraTesto->hide();
    spiaScansioneManuale->setObjectName(QStringLiteral("spiaScansioneManuale"));
    spiaScansioneAutomatica->setObjectName(QStringLiteral("spiaScansioneAutomatica"));
    spiaScansioneManuale->setAccessibleName(QStringLiteral("Sensore: spazio per spostarsi, invio per scegliere"));
    spiaScansioneAutomatica->setAccessibleName(QStringLiteral("Sensore: spazio per scegliere"));
    posiziona(spiaScansioneManuale, 120, 6720, 255, 255);
    posiziona(spiaScansioneAutomatica, 480, 6720, 255, 255);
    testoDocumentazione->setObjectName(QStringLiteral("testoDocumentazione"));
    testoDocumentazione->setReadOnly(true);
    testoDocumentazione->hide();
    posiziona(testoDocumentazione, 0, 0, kLarghezzaDisegno, kAltezzaDisegno); // the whole screen, whatever its size
    documentazione = new CasellaDocumentazione(testoDocumentazione);
    // While the manual covers the buttons neither a switch nor a rest may choose one unseen; the keys are the
    // box's then.
    connect(documentazione, &CasellaDocumentazione::mostrata, this, [this] {
        m_scansione->ferma();
        m_sosta->ferma();
    });
    connect(documentazione, &CasellaDocumentazione::nascosta, this, &SchermataMenu::avviaScansione);

    avvisoScansione->setObjectName(QStringLiteral("avvisoScansione"));
    avvisoScansione->setTextFormat(Qt::PlainText);
    avvisoScansione->setWordWrap(true);
    avvisoScansione->setAlignment(Qt::AlignCenter);
    avvisoScansione->setFont(QFont(QStringLiteral("Arial"), kPuntiAvviso));
    posiziona(avvisoScansione, 960, 6660, 7680, 480);
    avvisoScansione->hide();

    timerScansione->setInterval(kIntervalloDisegno);
    m_scansione = new ScansioneCursore(timerScansione, spiaScansioneManuale, spiaScansioneAutomatica, this);
    m_scansione->setBottoni({bottoni[0], bottoni[1]});
    connect(m_scansione, &ScansioneCursore::scelto, this,
            [this](QAbstractButton* bottone) { scegliConScansione(bottone == bottoni[0] ? 0 : 1); });
    m_scansione->ascoltaJoystick(m_programma.joystick.get());
    m_scansione->prepara(ScansioneCursore::Mouse, kIntervalloDisegno);
    m_sosta = new SceltaConSosta(this);
    m_sosta->setBersagli({bottoni[0], bottoni[1]});
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

void SchermataMenu::attivazione()
{
    occupaSchermo();
    ImpostaUtente();
    RecuperaUtenti();
}

void SchermataMenu::ImpostaUtente()
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    if (impostazioni.MouseDiSistema) {
        for (QPushButton* bottone : bottoni)
            bottone->setCursor(Qt::ArrowCursor);
    }

    QFont misura(impostazioni.FontTesto, kPuntiMisura);
    misuraTesto->setFont(misura);
    misuraTesto->setText(QStringLiteral("a"));

    const bool maiuscolo = impostazioni.StileLettere == QStringLiteral("maiuscolo");
    for (QPushButton* bottone : bottoni)
        bottone->setText(maiuscolo ? bottone->text().toUpper() : bottone->text().toLower());
    if (maiuscolo) {
        for (int i = 0; i < elencoUtenti->count(); ++i)
            elencoUtenti->setItemText(i, elencoUtenti->itemText(i).toUpper());
    }

    for (QPushButton* bottone : bottoni) {
        if (misuraTesto->text().size() < bottone->text().size())
            misuraTesto->setText(bottone->text());
    }
    misuraTesto->setText(kMargine + misuraTesto->text() + kMargine);
    // A school cursive's hairlines are drawn heavier, or the captions are hard to read.
    for (BottoneEvidenziabile* bottone : bottoni)
        bottone->setTrattoPesante(impostazioni.StileLettere == QStringLiteral("corsivo"));
    // Grow the font until the padded longest caption fills the button's width, but never past the letters
    // fitting the button: a tall, narrow font (the cursive one) would otherwise be cut at the top and bottom.
    while (larghezzaTesto(misuraTesto) < bottoni[0]->width()) {
        QFont piuGrande = misura;
        piuGrande.setPointSize(misura.pointSize() + 1);
        if (!bottoni[0]->inchiostroEntra(piuGrande) || !bottoni[1]->inchiostroEntra(piuGrande))
            break;
        misura = piuGrande;
        misuraTesto->setFont(misura);
    }
    for (QPushButton* bottone : bottoni) {
        QFont carattere = bottone->font();
        carattere.setFamily(impostazioni.FontTesto);
        carattere.setPointSize(misura.pointSize());
        bottone->setFont(carattere);
    }

    m_scansione->setColori(impostazioni.ColoreBottoni, impostazioni.ColoreBottoneSelezionato);
    m_scansione->regola(impostazioni, m_programma.voceScansione.get(), {});
    avviaScansione();

    azioneEserciziEseguiti->setEnabled(impostazioni.SalvaAttivita);

    QFont elenco = elencoUtenti->font();
    elenco.setFamily(impostazioni.FontTesto);
    elenco.setPointSize(std::max(kPuntiMinimiElenco, bottoni[0]->font().pointSize() - 10));
    elencoUtenti->setFont(elenco);
    adattaElenco();
}

void SchermataMenu::avviaScansione()
{
    avvisoScansione->hide();
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    const int modalita = impostazioni.ModalitaInput;
    if (modalita == ScansioneCursore::Manuale || modalita == ScansioneCursore::Automatica) {
        for (QPushButton* bottone : bottoni)
            bottone->setCursor(Qt::ArrowCursor);
        // In manual scanning the clock only keeps the focus: its interval stays as it was.
        m_scansione->prepara(modalita, modalita == ScansioneCursore::Automatica
                                           ? ScansioneCursore::intervalloDaQuarti(impostazioni.VelocitaScansione)
                                           : timerScansione->interval());
        m_scansione->evidenzia(0); // every profile, a new pupil's too, starts from the first button
        m_sosta->ferma();
    } else {
        m_scansione->prepara(ScansioneCursore::Mouse, timerScansione->interval());
        m_sosta->avvia(impostazioni.TempoSosta);
    }
}

void SchermataMenu::adattaElenco()
{
    QStringList nomi;
    for (int i = 0; i < elencoUtenti->count(); ++i)
        nomi << elencoUtenti->itemText(i);
    if (nomi.isEmpty())
        return;
    QStyleOptionComboBox opzioni;
    opzioni.initFrom(elencoUtenti);
    const QRect campo = elencoUtenti->style()->subControlRect(QStyle::CC_ComboBox, &opzioni,
                                                              QStyle::SC_ComboBoxEditField, elencoUtenti);
    // The list's size grows with the buttons' one; a name is never cut by the box that shows it.
    QFont elenco = elencoUtenti->font();
    elenco.setPointSizeF(AdattaTesto::puntiCheEntrano(elenco, nomi, campo.size(), false, elenco.pointSizeF()));
    elencoUtenti->setFont(elenco);
}

void SchermataMenu::RecuperaUtenti()
{
    const StatoProgramma& stato = m_programma.stato;
    const bool maiuscolo = stato.ImpostazioniUtente.StileLettere == QStringLiteral("maiuscolo");
    {
        // Filling the list is not a choice of user: the choice is made once, below.
        const QSignalBlocker senzaScelta(elencoUtenti);
        elencoUtenti->clear();
        for (const QString& nome : stato.percorsi.utenti()) {
            // The caption may not fold back to the file's name ("straße" shown as "STRASSE"): the name stays behind.
            elencoUtenti->addItem(maiuscolo ? nome.toUpper() : nome, nome);
        }
        elencoUtenti->setCurrentIndex(-1);
    }
    elencoUtenti->setVisible(elencoUtenti->count() >= 2);
    adattaElenco();
    const QString utenteCorrente = stato.NomeUtente.toUpper();
    for (int i = 0; i < elencoUtenti->count(); ++i) {
        if (elencoUtenti->itemText(i).toUpper() == utenteCorrente) {
            elencoUtenti->setCurrentIndex(i);
            break;
        }
    }
}

void SchermataMenu::scegliUtente(int indice)
{
    if (indice < 0)
        return;
    StatoProgramma& stato = m_programma.stato;
    SalvataggioProfilo::salva(this, stato);
    stato.NomeUtente = elencoUtenti->itemText(indice);
    stato.PercorsoUtente = stato.percorsi.profiloUtente(elencoUtenti->itemData(indice).toString());
    if (const auto avviso = stato.leggiProfiloUtente())
        Messaggi::informa(this, *avviso);
    // The pupil works on his own list.
    if (const auto errore = stato.caricaListaUtente())
        Messaggi::informa(this, *errore);
    ImpostaUtente();
}

void SchermataMenu::bottonePremuto(int indice)
{
    if (m_programma.stato.ImpostazioniUtente.ModalitaInput != ScansioneCursore::Mouse)
        return clicDuranteLaScansione(indice);
    if (indice == 0)
        m_programma.apriEsercizio(this);
    else
        m_programma.termina(); // by mouse the profile is not saved
}

void SchermataMenu::clicDuranteLaScansione(int indice)
{
    // "No" is the default: a switch pressed while the question shows does not quit.
    if (indice == 1 && Messaggi::chiedi(this, QStringLiteral("Vuoi chiudere Ordiparo?"))) {
        m_programma.termina(); // as by mouse: the profile is not saved
        return;
    }
    avvisa(QStringLiteral("Con la scansione i bottoni si scelgono con il sensore. Per usare il mouse: menu "
                          "«Configurazioni», scheda «Modalità di input»."));
}

void SchermataMenu::avvisa(const QString& testo)
{
    avvisoScansione->setText(testo);
    avvisoScansione->show();
    // As large as the screen's proportions make it, and as its line holds.
    AdattaTesto::adattaEtichetta(avvisoScansione,
                                 kPuntiAvviso * std::max(1.0, area()->height() / double(pixel(kAltezzaDisegno))));
}

void SchermataMenu::scegliConScansione(int indice)
{
    if (indice == 0) {
        m_programma.apriEsercizio(this);
        return;
    }
    SalvataggioProfilo::salva(this, m_programma.stato);
    m_programma.termina();
}

void SchermataMenu::evidenziaSottoIlMouse(QObject* sotto)
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    for (BottoneEvidenziabile* bottone : bottoni)
        BottoneEvidenziabile::dipingi(bottone, bottone == sotto, impostazioni.ColoreBottoni,
                                      impostazioni.ColoreBottoneSelezionato);
}

bool SchermataMenu::eventFilter(QObject* oggetto, QEvent* evento)
{
    const bool mouse = m_programma.stato.ImpostazioniUtente.ModalitaInput == ScansioneCursore::Mouse;
    if (mouse && evento->type() == QEvent::Enter && (oggetto == bottoni[0] || oggetto == bottoni[1]))
        evidenziaSottoIlMouse(oggetto);
    else if (mouse && evento->type() == QEvent::MouseMove && oggetto == area())
        evidenziaSottoIlMouse(nullptr);
    return Schermata::eventFilter(oggetto, evento);
}
