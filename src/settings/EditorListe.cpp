// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's list editor, laid over the whole settings dialog.
#include "settings/EditorListe.h"

#include "settings/AreaConfigurazioni.h"
#include "settings/SceltaImmagine.h"
#include "storage/Cartelle.h"
#include "storage/StatoProgramma.h"
#include "support/DialoghiStandard.h"
#include "support/Grafica.h"
#include "support/Immagine.h"
#include "support/Messaggi.h"
#include "support/Programma.h"
#include "support/Schermata.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace {
// Design places in twips, inside the editor, which covers the settings screen's area.
using AreaConfigurazioni::kAltezza;
using AreaConfigurazioni::kLarghezza;
constexpr int kBoxStimolo[] = {360, 360, 4815, 2415};
constexpr int kSinistraFrasi = 240;
constexpr int kLarghezzaFrasi = 7815;
constexpr int kAltezzaFrasi = 495;
constexpr int kPrimaFrase = 2880;
constexpr int kPassoFrasi = 600;
constexpr int kSinistraRisposte = 8160;
constexpr int kLarghezzaRisposte = 2535;
constexpr int kSinistraRisposta[] = {0, 720, 1440};
constexpr int kLarghezzaRisposta[] = {720, 720, 1095};
constexpr int kAltoComandi = 7920;
constexpr int kLarghezzaComando = 1500;
constexpr int kAltezzaComando = 735;
constexpr double kPuntiTitolo = 10;
constexpr double kPuntiTitoloMinimi = 6;

constexpr int kColonne = TabellaFrasi::kColonne;
constexpr qint16 kImmagine = 0;
constexpr qint16 kTesto = 1;
constexpr int kRisposte = 3;

const QString kSovrascrivere = QStringLiteral("Un file con questo nome esiste già. Sovrascriverlo?");

// A stimulus of a few thousand characters is already a page, and a statement a line: a longer text would only
// keep its box busy (one word of megabytes froze the editor for minutes).
constexpr int kMassimoCaratteri = 4000;

// The background of the editor, RGB 192, 255, 255.
const QColor kSfondo(192, 255, 255);

void arial(QWidget* controllo, double punti)
{
    Grafica::caratterePerDisegno(controllo, QStringLiteral("Arial"), punti);
}

// A list file holds one text a line: the stimulus box wraps its text but takes no line break, neither typed
// nor pasted.
class CasellaStimolo : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* evento) override
    {
        // A letter typed into a full box is refused, as a line box does; shortcuts still work.
        const bool pieno = document()->characterCount() > kMassimoCaratteri && !textCursor().hasSelection() &&
                           !(evento->modifiers() & Qt::ControlModifier) && !evento->text().isEmpty() &&
                           evento->text().front().isPrint();
        if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter || pieno) {
            evento->ignore();
            return;
        }
        QPlainTextEdit::keyPressEvent(evento);
    }
    void insertFromMimeData(const QMimeData* origine) override
    {
        QString testo = origine->text();
        testo.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        for (const QChar fine :
             {QChar(u'\n'), QChar(u'\r'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
            testo.replace(fine, u' ');
        const qsizetype posto =
            kMassimoCaratteri - (document()->characterCount() - 1) + textCursor().selectedText().size();
        if (testo.size() > posto) {
            testo.truncate(std::max<qsizetype>(posto, 0));
            Messaggi::informa(window(), QStringLiteral("Lo stimolo può avere al massimo %1 caratteri: il testo "
                                                       "incollato è stato accorciato.")
                                            .arg(kMassimoCaratteri));
        }
        insertPlainText(testo);
    }
};

QPushButton* bottone(QWidget* genitore, const Schermata& dialogo, const QString& nome, const QString& testo,
                     int sinistra, int alto, int larghezza)
{
    auto* comando = new QPushButton(testo, genitore);
    comando->setObjectName(nome);
    arial(comando, 12);
    dialogo.posiziona(comando, sinistra, alto, larghezza, kAltezzaComando);
    return comando;
}

void svuotaScelta(QButtonGroup* gruppo)
{
    gruppo->setExclusive(false);
    for (QAbstractButton* scelta : gruppo->buttons())
        scelta->setChecked(false);
    gruppo->setExclusive(true);
}
} // namespace

EditorListe::EditorListe(Programma& programma, Schermata& dialogo, QLabel* etichettaListaInUso)
    : QFrame(dialogo.area()), m_programma(programma), m_labelListaInUso(etichettaListaInUso)
{
    setObjectName(QStringLiteral("EditorListe"));
    setAccessibleName(QStringLiteral("Gestione file"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, kSfondo);
    setPalette(tavolozza);
    hide();
    dialogo.posiziona(this, 0, 0, kLarghezza, kAltezza);

    auto* stimolo = new CasellaStimolo(this);
    stimolo->setObjectName(QStringLiteral("caselleTesto_0"));
    stimolo->setAccessibleName(QStringLiteral("Testo dello stimolo"));
    stimolo->verticalScrollBar()->setAccessibleName(QStringLiteral("Scorri il testo dello stimolo"));
    arial(stimolo, 12);
    stimolo->setTabChangesFocus(true);
    dialogo.posiziona(stimolo, kBoxStimolo[0], kBoxStimolo[1], kBoxStimolo[2], kBoxStimolo[3]);
    caselleTesto[0] = stimolo;
    connect(stimolo, &QPlainTextEdit::textChanged, this, [this] { testoCambiato(0); });

    immagineStimolo = new QLabel(this);
    immagineStimolo->setObjectName(QStringLiteral("immagineStimolo"));
    immagineStimolo->setAccessibleName(QStringLiteral("Immagine dello stimolo"));
    immagineStimolo->setScaledContents(true);
    immagineStimolo->setProperty("tag", QStringLiteral("@")); // placed by the picture fitting, not by the layout
    immagineStimolo->hide();
    dialogo.posiziona(immagineStimolo, kBoxStimolo[0], kBoxStimolo[1], kBoxStimolo[2], kBoxStimolo[3]);

    m_gruppi[0] = new QButtonGroup(this);
    const QString tipi[] = {QStringLiteral("Immagine"), QStringLiteral("Testo")};
    const int altiTipo[] = {840, 1680};
    for (int indice = 0; indice < 2; ++indice) {
        sceltaTipoStimolo[indice] = new QRadioButton(tipi[indice], this);
        sceltaTipoStimolo[indice]->setObjectName(QStringLiteral("sceltaTipoStimolo_%1").arg(indice));
        arial(sceltaTipoStimolo[indice], 14.25);
        dialogo.posiziona(sceltaTipoStimolo[indice], 5880, altiTipo[indice], 2055, 495);
        m_gruppi[0]->addButton(sceltaTipoStimolo[indice], indice);
    }
    connect(m_gruppi[0], &QButtonGroup::idToggled, this, [this](int indice, bool scelto) {
        if (scelto)
            tipoStimoloScelto(indice);
    });

    bottoneCaricaImmagine = bottone(this, dialogo, QStringLiteral("bottoneCaricaImmagine"),
                                    QStringLiteral("Carica immagine"), 8280, 720, 2160);
    bottoneCaricaImmagine->hide();
    connect(bottoneCaricaImmagine, &QPushButton::clicked, this, &EditorListe::apriSceltaImmagine);

    const QString risposte[] = {QStringLiteral("vero"), QStringLiteral("falso"), QStringLiteral("non si sa")};
    for (int colonna = 1; colonna < kColonne; ++colonna) {
        const int alto = kPrimaFrase + (colonna - 1) * kPassoFrasi;
        auto* frase = new QLineEdit(this);
        frase->setMaxLength(kMassimoCaratteri);
        frase->setObjectName(QStringLiteral("caselleTesto_%1").arg(colonna));
        frase->setAccessibleName(QStringLiteral("Frase %1").arg(colonna));
        arial(frase, 12);
        dialogo.posiziona(frase, kSinistraFrasi, alto, kLarghezzaFrasi, kAltezzaFrasi);
        caselleTesto[colonna] = frase;
        connect(frase, &QLineEdit::textChanged, this, [this, colonna] { testoCambiato(colonna); });

        QWidget* contenitore = new QWidget(this);
        contenitore->setObjectName(QStringLiteral("risposteFrase_%1").arg(colonna - 1));
        contenitore->setAccessibleName(QStringLiteral("Risposta della frase %1").arg(colonna));
        dialogo.posiziona(contenitore, kSinistraRisposte, alto, kLarghezzaRisposte, kAltezzaFrasi);
        risposteFrase[colonna - 1] = contenitore;
        QButtonGroup* gruppo = m_gruppi[colonna] = new QButtonGroup(this);
        for (int codice = 0; codice < kRisposte; ++codice) {
            const int indice = kRisposte * (colonna - 1) + codice;
            auto* scelta = new QRadioButton(risposte[codice], contenitore);
            scelta->setObjectName(QStringLiteral("sceltaRisposte_%1").arg(indice));
            arial(scelta, 8.25);
            // As high as their box: the mark needs more than the caption's height on a small screen.
            dialogo.posiziona(scelta, kSinistraRisposta[codice], 0, kLarghezzaRisposta[codice], kAltezzaFrasi);
            gruppo->addButton(scelta, codice);
            sceltaRisposte[indice] = scelta;
        }
        connect(gruppo, &QButtonGroup::idToggled, this, [this, colonna](int codice, bool scelto) {
            if (scelto)
                rispostaScelta(kRisposte * (colonna - 1) + codice);
        });
    }

    scorrimentoEsercizi = new QScrollBar(Qt::Horizontal, this);
    scorrimentoEsercizi->setObjectName(QStringLiteral("scorrimentoEsercizi"));
    scorrimentoEsercizi->setAccessibleName(QStringLiteral("Esercizio"));
    scorrimentoEsercizi->setRange(1, 1);
    scorrimentoEsercizi->setPageStep(1);
    dialogo.posiziona(scorrimentoEsercizi, 360, kAltoComandi, 2175, 255);
    connect(scorrimentoEsercizi, &QScrollBar::valueChanged, this, &EditorListe::rigaScelta);
    posizioneEsercizio = new QLabel(this);
    posizioneEsercizio->setObjectName(QStringLiteral("posizioneEsercizio"));
    posizioneEsercizio->setAccessibleDescription(QStringLiteral("Posizione nella lista"));
    arial(posizioneEsercizio, 12);
    dialogo.posiziona(posizioneEsercizio, 360, 8400, 2175, 375);

    bottoneAggiungi = bottone(this, dialogo, QStringLiteral("bottoneAggiungi"), QStringLiteral("Aggiungi"), 2640,
                              kAltoComandi, kLarghezzaComando);
    bottoneCaricaLista = bottone(this, dialogo, QStringLiteral("bottoneCaricaLista"), QStringLiteral("Carica lista"),
                                 4200, kAltoComandi, kLarghezzaComando);
    bottoneSvuotaLista = bottone(this, dialogo, QStringLiteral("bottoneSvuotaLista"), QStringLiteral("Svuota lista"),
                                 5760, kAltoComandi, kLarghezzaComando);
    bottoneSalvaLista = bottone(this, dialogo, QStringLiteral("bottoneSalvaLista"), QStringLiteral("Salva lista"), 7320,
                                kAltoComandi, kLarghezzaComando);
    bottoneChiudi = bottone(this, dialogo, QStringLiteral("bottoneChiudi"), QStringLiteral("Chiudi"), 8880,
                            kAltoComandi, kLarghezzaComando);
    bottoneChiudi->setAccessibleName(QStringLiteral("Chiudi la gestione file"));
    connect(bottoneAggiungi, &QPushButton::clicked, this, &EditorListe::aggiungiEsercizio);
    connect(bottoneCaricaLista, &QPushButton::clicked, this, &EditorListe::caricaListaScelta);
    connect(bottoneSvuotaLista, &QPushButton::clicked, this, &EditorListe::svuotaLista);
    connect(bottoneSalvaLista, &QPushButton::clicked, this, &EditorListe::salvaLista);
    connect(bottoneChiudi, &QPushButton::clicked, this, &EditorListe::chiudi);

    sceltaImmagine = new SceltaImmagine(m_programma.stato.percorsi.cartellaImmagini(), dialogo, this);
    connect(sceltaImmagine, &SceltaImmagine::scelta, this, &EditorListe::immagineScelta);
}

QString EditorListe::testoDi(int colonna) const
{
    if (auto* stimolo = qobject_cast<QPlainTextEdit*>(caselleTesto[colonna]))
        return stimolo->document()->toRawText(); // as typed: the plain text would turn no-break spaces to blanks
    return static_cast<QLineEdit*>(caselleTesto[colonna])->text();
}

void EditorListe::impostaTesto(int colonna, const QString& testo)
{
    // Cut before the box gets it: laying out the whole text is what would keep the editor busy.
    const QString mostrato = testo.left(kMassimoCaratteri);
    if (mostrato.size() < testo.size())
        m_accorciati << colonna;
    if (auto* stimolo = qobject_cast<QPlainTextEdit*>(caselleTesto[colonna])) {
        if (testoDi(colonna) != mostrato)
            stimolo->setPlainText(mostrato);
        return;
    }
    static_cast<QLineEdit*>(caselleTesto[colonna])->setText(mostrato);
}

void EditorListe::avvisaAccorciati(int riga)
{
    if (m_accorciati.isEmpty())
        return;
    QStringList testi;
    for (const int colonna : std::as_const(m_accorciati))
        testi << (colonna ? QStringLiteral("della frase %1").arg(colonna) : QStringLiteral("dello stimolo"));
    m_accorciati.clear();
    const QString quali = testi.size() == 1 ? testi.first()
                                            : testi.mid(0, testi.size() - 1).join(QStringLiteral(", ")) +
                                                  QStringLiteral(" e ") + testi.last();
    const QString avviso =
        testi.size() == 1 ? QStringLiteral("Nell'esercizio %1 il testo %2 è troppo lungo per l'editor: ne restano i "
                                           "primi %3 caratteri, e se salvi la lista sarà salvato così.")
                          : QStringLiteral("Nell'esercizio %1 i testi %2 sono troppo lunghi per l'editor: di ciascuno "
                                           "restano i primi %3 caratteri, e se salvi la lista saranno salvati così.");
    Messaggi::informa(window(), avviso.arg(riga).arg(quali).arg(kMassimoCaratteri));
}

int EditorListe::rigaCorrente() const
{
    return scorrimentoEsercizi->value();
}

void EditorListe::impostaTitolo(const QString& titolo)
{
    m_titolo = titolo;
    setAccessibleDescription(titolo);
    update();
}

void EditorListe::paintEvent(QPaintEvent* evento)
{
    QFrame::paintEvent(evento);
    if (m_titolo.isEmpty())
        return;
    // The list in use stands above the stimulus box, its file name kept in view when the path is long.
    const QRect posto(caselleTesto[0]->x(), 0, width() - 2 * caselleTesto[0]->x(), caselleTesto[0]->y());
    QPainter pittore(this);
    pittore.setFont(
        Grafica::carattere(QStringLiteral("Arial"), std::max(kPuntiTitoloMinimi, kPuntiTitolo * m_rapporto)));
    pittore.drawText(posto, Qt::AlignLeft | Qt::AlignVCenter,
                     pittore.fontMetrics().elidedText(m_titolo, Qt::ElideLeft, posto.width()));
}

void EditorListe::resizeEvent(QResizeEvent* evento)
{
    QFrame::resizeEvent(evento);
    // The captions grow and shrink with the editor, as its controls do.
    m_rapporto =
        std::min(width() / double(Schermata::pixel(kLarghezza)), height() / double(Schermata::pixel(kAltezza)));
    Grafica::scalaCaratteri(this, m_rapporto);
    // The layout moves the stimulus box after the editor itself: the picture follows once all have moved.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (immagineStimolo->isVisible())
                InserisciImmagine();
        },
        Qt::QueuedConnection);
}

void EditorListe::apri()
{
    show();
    raise();
    impostaTitolo(m_programma.stato.ImpostazioniUtente.ListaInUso);
    mostraPrimaRiga();
}

void EditorListe::cambiaListaInUso()
{
    scegliLista();
}

void EditorListe::caricaListaScelta()
{
    if (!scegliLista())
        return;
    impostaTitolo(m_programma.stato.ImpostazioniUtente.ListaInUso);
    mostraPrimaRiga();
}

QString EditorListe::fileLista(qint16 modo, const QString& titolo, const QString& filtro)
{
    const Percorsi& percorsi = m_programma.stato.percorsi;
    QDir().mkpath(percorsi.cartellaListe());
    return DialoghiStandard::scegliFile(window(), modo, titolo, QString(), filtro, percorsi.cartellaListe(),
                                        QStringLiteral("txt"), {percorsi.cartellaListeProgramma()});
}

bool EditorListe::scegliLista()
{
    StatoProgramma& stato = m_programma.stato;
    const QString percorso = fileLista(DialoghiStandard::kApri, QStringLiteral("Open"),
                                       QStringLiteral("%1*.txt%1Tutti i files%1*.*%1%1").arg(QChar(u'\0')));
    if (percorso.isEmpty())
        return false; // a cancel says nothing and changes nothing
    stato.ImpostazioniUtente.ListaInUso = percorso;
    m_labelListaInUso->setText(percorso);
    if (const auto errore = CaricaLista(stato.TabellaFrasi, percorso, stato.percorsi))
        Messaggi::errore(window(), *errore);
    return true;
}

void EditorListe::aggiungiEsercizio()
{
    TabellaFrasi& tabella = m_programma.stato.TabellaFrasi;
    if (tabella.NumeroRighe >= TabellaFrasi::kUltimaRiga) {
        Messaggi::informa(window(), QStringLiteral("La lista ha già %1 esercizi, quanti ne può contenere: non se ne "
                                                   "possono aggiungere altri.")
                                        .arg(TabellaFrasi::kUltimaRiga));
        scorrimentoEsercizi->setValue(TabellaFrasi::kUltimaRiga);
        return;
    }
    ++tabella.NumeroRighe;
    scorrimentoEsercizi->setMaximum(tabella.NumeroRighe);
    // The count below the browser changes even when the browser already stands on the new row.
    if (scorrimentoEsercizi->value() == tabella.NumeroRighe)
        mostraRiga(tabella.NumeroRighe);
    else
        scorrimentoEsercizi->setValue(tabella.NumeroRighe);
    immagineStimolo->clear();
}

void EditorListe::svuotaLista()
{
    StatoProgramma& stato = m_programma.stato;
    TabellaFrasi& tabella = stato.TabellaFrasi;
    for (int riga = 0; riga <= TabellaFrasi::kUltimaRiga; ++riga) {
        for (int colonna = 0; colonna < kColonne; ++colonna) {
            tabella.Testo(riga, colonna).clear();
            tabella.Codice(riga, colonna) = 0;
        }
    }
    stato.ImpostazioniUtente.ListaInUso.clear();
    tabella.listaCaricata = QString();
    tabella.NumeroRighe = 0;
    m_labelListaInUso->clear();
    impostaTitolo(QString());
    mostraPrimaRiga();
}

void EditorListe::salvaLista()
{
    StatoProgramma& stato = m_programma.stato;
    const QString lista =
        fileLista(DialoghiStandard::kSalva, QStringLiteral("Salva"), QStringLiteral("%1*.txt%1%1").arg(QChar(u'\0')));
    if (lista.isEmpty())
        return; // a cancel writes nothing, not even over the list in use
    const QString suDisco = Percorsi::risoltoSenzaMaiuscole(lista);
    QString domanda = kSovrascrivere + QStringLiteral("\r\n") + QDir::toNativeSeparators(suDisco);
    const TabellaFrasi& tabella = stato.TabellaFrasi;
    if (!tabella.listaIncompleta.isEmpty() && QFileInfo(suDisco) == QFileInfo(tabella.listaIncompleta))
        domanda += QStringLiteral("\r\nAttenzione: quel file non è stato caricato per intero (ha più di %1 "
                                  "esercizi, o una parte danneggiata). Se lo sovrascrivi, gli esercizi che non sono "
                                  "stati caricati andranno persi.")
                       .arg(TabellaFrasi::kUltimaRiga);
    if (Cartelle::EsisteFile(suDisco) && !Messaggi::chiedi(window(), domanda))
        return;
    if (const auto errore = SalvaFile(stato.TabellaFrasi, lista)) {
        Messaggi::errore(window(), *errore); // the list in use stays: the table is not in that file
        return;
    }
    stato.ImpostazioniUtente.ListaInUso = lista;
    m_labelListaInUso->setText(lista);
    impostaTitolo(lista);
    // Saving marks blank statements as having no answer: the row shows it.
    mostraRiga(rigaCorrente());
}

void EditorListe::chiudi()
{
    hide();
}

void EditorListe::mostraPrimaRiga()
{
    scorrimentoEsercizi->setRange(1, std::max<int>(1, m_programma.stato.TabellaFrasi.NumeroRighe));
    if (scorrimentoEsercizi->value() == 1)
        mostraRiga(1);
    else
        scorrimentoEsercizi->setValue(1);
}

void EditorListe::rigaScelta(int riga)
{
    mostraRiga(riga);
}

void EditorListe::mostraPosizione()
{
    posizioneEsercizio->setText(
        QStringLiteral("%1 di %2").arg(rigaCorrente()).arg(m_programma.stato.TabellaFrasi.NumeroRighe));
}

// Filling the boxes and choices runs their own handlers, which write the same values back into the row.
void EditorListe::mostraRiga(int riga)
{
    const QScopedValueRollback mostrando(m_mostrandoRiga, true);
    const TabellaFrasi& tabella = m_programma.stato.TabellaFrasi;
    mostraPosizione();
    impostaTesto(0, tabella.Testo(riga, 0));
    const qint16 tipo = tabella.Codice(riga, 0);
    if (tipo == kImmagine || tipo == kTesto)
        sceltaTipoStimolo[tipo]->setChecked(true);
    else
        svuotaScelta(m_gruppi[0]);
    if (tipo == kTesto) {
        immagineStimolo->hide();
        caselleTesto[0]->show();
        bottoneCaricaImmagine->hide();
    } else {
        caselleTesto[0]->hide();
        bottoneCaricaImmagine->show();
        m_nomeImmagine = tabella.Testo(riga, 0);
        InserisciImmagine();
    }
    for (int colonna = 1; colonna < kColonne; ++colonna) {
        impostaTesto(colonna, tabella.Testo(riga, colonna));
        const qint16 codice = tabella.Codice(riga, colonna);
        if (codice >= 0 && codice < kRisposte)
            sceltaRisposte[kRisposte * (colonna - 1) + codice]->setChecked(true);
        else
            svuotaScelta(m_gruppi[colonna]);
    }
    avvisaAccorciati(riga);
}

// What the teacher puts on the row shown beyond the list's end (after "Svuota lista", in an empty list) is part
// of the list: the row is counted, and saved.
void EditorListe::rigaModificata()
{
    TabellaFrasi& tabella = m_programma.stato.TabellaFrasi;
    if (m_mostrandoRiga || rigaCorrente() <= tabella.NumeroRighe)
        return;
    tabella.NumeroRighe = static_cast<qint16>(rigaCorrente());
    mostraPosizione();
}

void EditorListe::testoCambiato(int indice)
{
    m_programma.stato.TabellaFrasi.Testo(rigaCorrente(), indice) = testoDi(indice);
    rigaModificata();
}

void EditorListe::tipoStimoloScelto(int indice)
{
    m_programma.stato.TabellaFrasi.Codice(rigaCorrente(), 0) = static_cast<qint16>(indice);
    rigaModificata();
    const bool immagine = indice == kImmagine;
    bottoneCaricaImmagine->setVisible(immagine);
    immagineStimolo->setVisible(immagine);
    caselleTesto[0]->setVisible(!immagine);
}

void EditorListe::rispostaScelta(int indice)
{
    m_programma.stato.TabellaFrasi.Codice(rigaCorrente(), indice / kRisposte + 1) =
        static_cast<qint16>(indice % kRisposte);
    rigaModificata();
}

void EditorListe::apriSceltaImmagine()
{
    sceltaImmagine->apri();
}

void EditorListe::immagineScelta(const QString& nome)
{
    m_nomeImmagine = nome;
    InserisciImmagine();
    m_programma.stato.TabellaFrasi.Testo(rigaCorrente(), 0) = nome;
    rigaModificata();
    // The stimulus box says what the row holds, should the teacher switch the row to a text.
    impostaTesto(0, nome);
}

void EditorListe::InserisciImmagine()
{
    immagineStimolo->hide();
    const QString percorso = Immagine::fileImmagine(m_programma.stato.percorsi.cartellaImmagini(), m_nomeImmagine);
    const Immagine::Adattata adattata = percorso.isEmpty()
                                            ? Immagine::Adattata()
                                            : Immagine::leggi(percorso, {caselleTesto[0]->geometry(), 0, 0, 0, true});
    // A missing or unreadable picture shows none: another row's picture would tell the teacher a wrong story.
    if (adattata.immagine.isNull()) {
        immagineStimolo->clear();
        return;
    }
    immagineStimolo->setGeometry(adattata.posto);
    immagineStimolo->setPixmap(QPixmap::fromImage(adattata.immagine));
    immagineStimolo->show();
}
