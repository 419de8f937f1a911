// The teacher's list editor, laid over the whole settings dialog.
#include "settings/FrameCreaNuovaLista.h"

#include "exercise/Immagine.h"
#include "home/Programma.h"
#include "settings/AreaConfigurazioni.h"
#include "settings/SceltaImmagine.h"
#include "startup/Modulo1.h"
#include "storage/StatoProgramma.h"
#include "support/CommDlgs.h"
#include "support/Grafica.h"
#include "support/Messaggi.h"
#include "support/Schermata.h"

#include <QButtonGroup>
#include <QDir>
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
        if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
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

FrameCreaNuovaLista::FrameCreaNuovaLista(Programma& programma, Schermata& dialogo, QLabel* LabelListaInUso)
    : QFrame(dialogo.area()), m_programma(programma), m_labelListaInUso(LabelListaInUso)
{
    setObjectName(QStringLiteral("FrameCreaNuovaLista"));
    setAccessibleName(QStringLiteral("Gestione file"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, kSfondo);
    setPalette(tavolozza);
    hide();
    dialogo.posiziona(this, 0, 0, kLarghezza, kAltezza);

    auto* stimolo = new CasellaStimolo(this);
    stimolo->setObjectName(QStringLiteral("Text1_0"));
    stimolo->setAccessibleName(QStringLiteral("Testo dello stimolo"));
    arial(stimolo, 12);
    stimolo->setTabChangesFocus(true);
    dialogo.posiziona(stimolo, kBoxStimolo[0], kBoxStimolo[1], kBoxStimolo[2], kBoxStimolo[3]);
    Text1[0] = stimolo;
    connect(stimolo, &QPlainTextEdit::textChanged, this, [this] { Text1_Change(0); });

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Immagine dello stimolo"));
    Image1->setScaledContents(true);
    Image1->setProperty("tag", QStringLiteral("@")); // placed by the picture fitting, not by the layout
    Image1->hide();
    dialogo.posiziona(Image1, kBoxStimolo[0], kBoxStimolo[1], kBoxStimolo[2], kBoxStimolo[3]);

    m_gruppi[0] = new QButtonGroup(this);
    const QString tipi[] = {QStringLiteral("Immagine"), QStringLiteral("Testo")};
    const int altiTipo[] = {840, 1680};
    for (int indice = 0; indice < 2; ++indice) {
        Option1[indice] = new QRadioButton(tipi[indice], this);
        Option1[indice]->setObjectName(QStringLiteral("Option1_%1").arg(indice));
        arial(Option1[indice], 14.25);
        dialogo.posiziona(Option1[indice], 5880, altiTipo[indice], 2055, 495);
        m_gruppi[0]->addButton(Option1[indice], indice);
    }
    connect(m_gruppi[0], &QButtonGroup::idToggled, this, [this](int indice, bool scelto) {
        if (scelto)
            Option1_Click(indice);
    });

    Command2 = bottone(this, dialogo, QStringLiteral("Command2"), QStringLiteral("Carica immagine"), 8280, 720, 2160);
    Command2->hide();
    connect(Command2, &QPushButton::clicked, this, &FrameCreaNuovaLista::Command2_Click);

    const QString risposte[] = {QStringLiteral("vero"), QStringLiteral("falso"), QStringLiteral("non si sa")};
    for (int colonna = 1; colonna < kColonne; ++colonna) {
        const int alto = kPrimaFrase + (colonna - 1) * kPassoFrasi;
        auto* frase = new QLineEdit(this);
        frase->setObjectName(QStringLiteral("Text1_%1").arg(colonna));
        frase->setAccessibleName(QStringLiteral("Frase %1").arg(colonna));
        arial(frase, 12);
        dialogo.posiziona(frase, kSinistraFrasi, alto, kLarghezzaFrasi, kAltezzaFrasi);
        Text1[colonna] = frase;
        connect(frase, &QLineEdit::textChanged, this, [this, colonna] { Text1_Change(colonna); });

        QWidget* contenitore = new QWidget(this);
        contenitore->setObjectName(QStringLiteral("Picture1_%1").arg(colonna - 1));
        contenitore->setAccessibleName(QStringLiteral("Risposta della frase %1").arg(colonna));
        dialogo.posiziona(contenitore, kSinistraRisposte, alto, kLarghezzaRisposte, kAltezzaFrasi);
        Picture1[colonna - 1] = contenitore;
        QButtonGroup* gruppo = m_gruppi[colonna] = new QButtonGroup(this);
        for (int codice = 0; codice < kRisposte; ++codice) {
            const int indice = kRisposte * (colonna - 1) + codice;
            auto* scelta = new QRadioButton(risposte[codice], contenitore);
            scelta->setObjectName(QStringLiteral("Option2_%1").arg(indice));
            arial(scelta, 8.25);
            // As high as their box: the mark needs more than the caption's height on a small screen.
            dialogo.posiziona(scelta, kSinistraRisposta[codice], 0, kLarghezzaRisposta[codice], kAltezzaFrasi);
            gruppo->addButton(scelta, codice);
            Option2[indice] = scelta;
        }
        connect(gruppo, &QButtonGroup::idToggled, this, [this, colonna](int codice, bool scelto) {
            if (scelto)
                Option2_Click(kRisposte * (colonna - 1) + codice);
        });
    }

    HScroll4 = new QScrollBar(Qt::Horizontal, this);
    HScroll4->setObjectName(QStringLiteral("HScroll4"));
    HScroll4->setAccessibleName(QStringLiteral("Esercizio"));
    HScroll4->setRange(1, 1);
    HScroll4->setPageStep(1);
    dialogo.posiziona(HScroll4, 360, kAltoComandi, 2175, 255);
    connect(HScroll4, &QScrollBar::valueChanged, this, &FrameCreaNuovaLista::HScroll4_Change);
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setAccessibleDescription(QStringLiteral("Posizione nella lista"));
    arial(Label5, 12);
    dialogo.posiziona(Label5, 360, 8400, 2175, 375);

    Command3 = bottone(this, dialogo, QStringLiteral("Command3"), QStringLiteral("Aggiungi"), 2640, kAltoComandi,
                       kLarghezzaComando);
    Command1 = bottone(this, dialogo, QStringLiteral("Command1"), QStringLiteral("Carica lista"), 4200, kAltoComandi,
                       kLarghezzaComando);
    CommandSvuotaLista = bottone(this, dialogo, QStringLiteral("CommandSvuotaLista"), QStringLiteral("Svuota lista"),
                                 5760, kAltoComandi, kLarghezzaComando);
    CommandSalvaLista = bottone(this, dialogo, QStringLiteral("CommandSalvaLista"), QStringLiteral("Salva lista"), 7320,
                                kAltoComandi, kLarghezzaComando);
    Command7 = bottone(this, dialogo, QStringLiteral("Command7"), QStringLiteral("Chiudi"), 8880, kAltoComandi,
                       kLarghezzaComando);
    Command7->setAccessibleName(QStringLiteral("Chiudi la gestione file"));
    connect(Command3, &QPushButton::clicked, this, &FrameCreaNuovaLista::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &FrameCreaNuovaLista::Command1_Click);
    connect(CommandSvuotaLista, &QPushButton::clicked, this, &FrameCreaNuovaLista::CommandSvuotaLista_Click);
    connect(CommandSalvaLista, &QPushButton::clicked, this, &FrameCreaNuovaLista::CommandSalvaLista_Click);
    connect(Command7, &QPushButton::clicked, this, &FrameCreaNuovaLista::Command7_Click);

    Frame10 = new SceltaImmagine(m_programma.stato.percorsi.cartellaImmagini(), dialogo, this);
    connect(Frame10, &SceltaImmagine::scelta, this, &FrameCreaNuovaLista::immagineScelta);
}

QString FrameCreaNuovaLista::testoDi(int colonna) const
{
    if (auto* stimolo = qobject_cast<QPlainTextEdit*>(Text1[colonna]))
        return stimolo->document()->toRawText(); // as typed: the plain text would turn no-break spaces to blanks
    return static_cast<QLineEdit*>(Text1[colonna])->text();
}

void FrameCreaNuovaLista::impostaTesto(int colonna, const QString& testo)
{
    if (auto* stimolo = qobject_cast<QPlainTextEdit*>(Text1[colonna])) {
        if (testoDi(colonna) != testo)
            stimolo->setPlainText(testo);
        return;
    }
    static_cast<QLineEdit*>(Text1[colonna])->setText(testo);
}

int FrameCreaNuovaLista::rigaCorrente() const
{
    return HScroll4->value();
}

void FrameCreaNuovaLista::impostaTitolo(const QString& titolo)
{
    m_titolo = titolo;
    setAccessibleDescription(titolo);
    update();
}

void FrameCreaNuovaLista::paintEvent(QPaintEvent* evento)
{
    QFrame::paintEvent(evento);
    if (m_titolo.isEmpty())
        return;
    // The list in use stands above the stimulus box, its file name kept in view when the path is long.
    const QRect posto(Text1[0]->x(), 0, width() - 2 * Text1[0]->x(), Text1[0]->y());
    QPainter pittore(this);
    pittore.setFont(
        Grafica::carattere(QStringLiteral("Arial"), std::max(kPuntiTitoloMinimi, kPuntiTitolo * m_rapporto)));
    pittore.drawText(posto, Qt::AlignLeft | Qt::AlignVCenter,
                     pittore.fontMetrics().elidedText(m_titolo, Qt::ElideLeft, posto.width()));
}

void FrameCreaNuovaLista::resizeEvent(QResizeEvent* evento)
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
            if (Image1->isVisible())
                InserisciImmagine();
        },
        Qt::QueuedConnection);
}

void FrameCreaNuovaLista::CommandCreaLista_Click()
{
    show();
    raise();
    impostaTitolo(m_programma.stato.ImpostazioniUtente.ListaInUso);
    mostraPrimaRiga();
}

void FrameCreaNuovaLista::CommandCambiaListaInUso_Click()
{
    scegliLista();
}

void FrameCreaNuovaLista::Command1_Click()
{
    if (!scegliLista())
        return;
    impostaTitolo(m_programma.stato.ImpostazioniUtente.ListaInUso);
    mostraPrimaRiga();
}

QString FrameCreaNuovaLista::fileLista(qint16 modo, const QString& titolo, const QString& filtro)
{
    const Percorsi& percorsi = m_programma.stato.percorsi;
    QDir().mkpath(percorsi.cartellaListe());
    return CommDlgs::ShowOpenSave(window(), modo, titolo, QString(), filtro, percorsi.cartellaListe(),
                                  QStringLiteral("txt"), {percorsi.cartellaListeProgramma()});
}

bool FrameCreaNuovaLista::scegliLista()
{
    StatoProgramma& stato = m_programma.stato;
    const QString percorso = fileLista(CommDlgs::kApri, QStringLiteral("Open"),
                                       QStringLiteral("%1*.txt%1Tutti i files%1*.*%1%1").arg(QChar(u'\0')));
    if (percorso.isEmpty())
        return false; // a cancel says nothing and changes nothing
    stato.ImpostazioniUtente.ListaInUso = percorso;
    m_labelListaInUso->setText(percorso);
    if (const auto errore = CaricaLista(stato.TabellaFrasi, percorso, stato.percorsi))
        Messaggi::errore(window(), *errore);
    return true;
}

void FrameCreaNuovaLista::Command3_Click()
{
    TabellaFrasi& tabella = m_programma.stato.TabellaFrasi;
    if (tabella.NumeroRighe >= TabellaFrasi::kUltimaRiga) {
        Messaggi::informa(window(), QStringLiteral("La lista ha già %1 esercizi, quanti ne può contenere: non se ne "
                                                   "possono aggiungere altri.")
                                        .arg(TabellaFrasi::kUltimaRiga));
        HScroll4->setValue(TabellaFrasi::kUltimaRiga);
        return;
    }
    ++tabella.NumeroRighe;
    HScroll4->setMaximum(tabella.NumeroRighe);
    // The count below the browser changes even when the browser already stands on the new row.
    if (HScroll4->value() == tabella.NumeroRighe)
        mostraRiga(tabella.NumeroRighe);
    else
        HScroll4->setValue(tabella.NumeroRighe);
    Image1->clear();
}

void FrameCreaNuovaLista::CommandSvuotaLista_Click()
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

void FrameCreaNuovaLista::CommandSalvaLista_Click()
{
    StatoProgramma& stato = m_programma.stato;
    const QString lista =
        fileLista(CommDlgs::kSalva, QStringLiteral("Salva"), QStringLiteral("%1*.txt%1%1").arg(QChar(u'\0')));
    if (lista.isEmpty())
        return; // a cancel writes nothing, not even over the list in use
    const QString suDisco = Percorsi::risoltoSenzaMaiuscole(lista);
    if (Modulo1::EsisteFile(suDisco) &&
        !Messaggi::chiedi(window(), kSovrascrivere + QStringLiteral("\r\n") + QDir::toNativeSeparators(suDisco)))
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

void FrameCreaNuovaLista::Command7_Click()
{
    hide();
}

void FrameCreaNuovaLista::mostraPrimaRiga()
{
    HScroll4->setRange(1, std::max<int>(1, m_programma.stato.TabellaFrasi.NumeroRighe));
    if (HScroll4->value() == 1)
        mostraRiga(1);
    else
        HScroll4->setValue(1);
}

void FrameCreaNuovaLista::HScroll4_Change(int riga)
{
    mostraRiga(riga);
}

void FrameCreaNuovaLista::mostraPosizione()
{
    Label5->setText(QStringLiteral("%1 di %2").arg(rigaCorrente()).arg(m_programma.stato.TabellaFrasi.NumeroRighe));
}

// Filling the boxes and choices runs their own handlers, which write the same values back into the row.
void FrameCreaNuovaLista::mostraRiga(int riga)
{
    const QScopedValueRollback mostrando(m_mostrandoRiga, true);
    const TabellaFrasi& tabella = m_programma.stato.TabellaFrasi;
    mostraPosizione();
    impostaTesto(0, tabella.Testo(riga, 0));
    const qint16 tipo = tabella.Codice(riga, 0);
    if (tipo == kImmagine || tipo == kTesto)
        Option1[tipo]->setChecked(true);
    else
        svuotaScelta(m_gruppi[0]);
    if (tipo == kTesto) {
        Image1->hide();
        Text1[0]->show();
        Command2->hide();
    } else {
        Text1[0]->hide();
        Command2->show();
        m_nomeImmagine = tabella.Testo(riga, 0);
        InserisciImmagine();
    }
    for (int colonna = 1; colonna < kColonne; ++colonna) {
        impostaTesto(colonna, tabella.Testo(riga, colonna));
        const qint16 codice = tabella.Codice(riga, colonna);
        if (codice >= 0 && codice < kRisposte)
            Option2[kRisposte * (colonna - 1) + codice]->setChecked(true);
        else
            svuotaScelta(m_gruppi[colonna]);
    }
}

// What the teacher puts on the row shown beyond the list's end (after "Svuota lista", in an empty list) is part
// of the list: the row is counted, and saved.
void FrameCreaNuovaLista::rigaModificata()
{
    TabellaFrasi& tabella = m_programma.stato.TabellaFrasi;
    if (m_mostrandoRiga || rigaCorrente() <= tabella.NumeroRighe)
        return;
    tabella.NumeroRighe = static_cast<qint16>(rigaCorrente());
    mostraPosizione();
}

void FrameCreaNuovaLista::Text1_Change(int indice)
{
    m_programma.stato.TabellaFrasi.Testo(rigaCorrente(), indice) = testoDi(indice);
    rigaModificata();
}

void FrameCreaNuovaLista::Option1_Click(int indice)
{
    m_programma.stato.TabellaFrasi.Codice(rigaCorrente(), 0) = static_cast<qint16>(indice);
    rigaModificata();
    const bool immagine = indice == kImmagine;
    Command2->setVisible(immagine);
    Image1->setVisible(immagine);
    Text1[0]->setVisible(!immagine);
}

void FrameCreaNuovaLista::Option2_Click(int indice)
{
    m_programma.stato.TabellaFrasi.Codice(rigaCorrente(), indice / kRisposte + 1) =
        static_cast<qint16>(indice % kRisposte);
    rigaModificata();
}

void FrameCreaNuovaLista::Command2_Click()
{
    Frame10->apri();
}

void FrameCreaNuovaLista::immagineScelta(const QString& nome)
{
    m_nomeImmagine = nome;
    InserisciImmagine();
    m_programma.stato.TabellaFrasi.Testo(rigaCorrente(), 0) = nome;
    rigaModificata();
    // The stimulus box says what the row holds, should the teacher switch the row to a text.
    impostaTesto(0, nome);
}

void FrameCreaNuovaLista::InserisciImmagine()
{
    Image1->hide();
    const QString percorso = Immagine::fileImmagine(m_programma.stato.percorsi.cartellaImmagini(), m_nomeImmagine);
    const Immagine::Adattata adattata =
        percorso.isEmpty() ? Immagine::Adattata() : Immagine::leggi(percorso, {Text1[0]->geometry(), 0, 0, 0, true});
    // A missing or unreadable picture shows none: another row's picture would tell the teacher a wrong story.
    if (adattata.immagine.isNull()) {
        Image1->clear();
        return;
    }
    Image1->setGeometry(adattata.posto);
    Image1->setPixmap(QPixmap::fromImage(adattata.immagine));
    Image1->show();
}
