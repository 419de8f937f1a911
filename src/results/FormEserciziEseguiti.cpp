// The record of exercises done: the grid of the statements shown in this run, saved, opened and printed.
#include "results/FormEserciziEseguiti.h"

#include "home/Programma.h"
#include "results/ColonneRegistro.h"
#include "results/FlexGrid.h"
#include "results/StampaRegistro.h"
#include "startup/Modulo1.h"
#include "storage/FileRegistro.h"
#include "storage/StatoProgramma.h"
#include "support/CommDlgs.h"
#include "support/Messaggi.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QStyle>

Q_LOGGING_CATEGORY(lcResults, "ordiparo.results", QtInfoMsg)

namespace {
constexpr int kLarghezzaDisegno = 7740;
constexpr int kAltezzaDisegno = 5970;
constexpr double kMarginiStampaMm = 15;

QLabel* etichetta(QWidget* genitore, const QString& nome, double punti, bool grassetto)
{
    auto* controllo = new QLabel(genitore);
    controllo->setObjectName(nome);
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPointSizeF(punti);
    carattere.setBold(grassetto);
    controllo->setFont(carattere);
    controllo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return controllo;
}

// One entry with no description: the record files.
QString filtroRegistri()
{
    return QStringLiteral("%1*.rpt%1%1").arg(QChar(u'\0'));
}
} // namespace

FormEserciziEseguiti::FormEserciziEseguiti(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno), m_programma(programma)
{
    setObjectName(QStringLiteral("FormEserciziEseguiti"));
    QWidget* a = area();
    Label1 = etichetta(a, QStringLiteral("Label1"), 15.75, true);
    posiziona(Label1, 240, 120, 5295, 375);
    Label2 = etichetta(a, QStringLiteral("Label2"), 14.25, true);
    posiziona(Label2, 120, 600, 5535, 375);
    MSFlexGrid1 = new FlexGrid(a);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setAccessibleName(QStringLiteral("Esercizi eseguiti"));
    MSFlexGrid1->setFont(QFont(QStringLiteral("Arial"), 12));
    posiziona(MSFlexGrid1, 120, 960, 7335, 4095);
    Label3 = etichetta(a, QStringLiteral("Label3"), 12, false);
    Label3->setWordWrap(true);
    posiziona(Label3, 240, 5160, 7215, 735);

    mnuFile = barraMenu()->addMenu(QStringLiteral("&File"));
    mnuSalva = mnuFile->addAction(QStringLiteral("Salva"));
    mnuApri = mnuFile->addAction(QStringLiteral("Apri"));
    mnuStampa = barraMenu()->addMenu(QStringLiteral("&Stampa"));
    mnuStampaRegistro = mnuStampa->addAction(QStringLiteral("Stampa…"));
    mnuAnteprima = mnuStampa->addAction(QStringLiteral("Anteprima di stampa…"));
    mnuEsci = barraMenu()->addAction(QStringLiteral("&Esci"));
    connect(mnuSalva, &QAction::triggered, this, &FormEserciziEseguiti::mnuSalva_Click);
    connect(mnuApri, &QAction::triggered, this, &FormEserciziEseguiti::mnuApri_Click);
    connect(mnuStampaRegistro, &QAction::triggered, this, &FormEserciziEseguiti::mnuStampaRegistro_Click);
    connect(mnuAnteprima, &QAction::triggered, this, &FormEserciziEseguiti::mnuAnteprima_Click);
    connect(mnuEsci, &QAction::triggered, this, &FormEserciziEseguiti::mnuEsci_Click);
    completaCaricamento();
}

FormEserciziEseguiti::~FormEserciziEseguiti() = default;

QString FormEserciziEseguiti::intestazione(const QDate& data)
{
    const QLocale locale;
    QString formato = locale.dateFormat(QLocale::ShortFormat);
    // A record kept for years needs the whole year, whatever the system's short form leaves out.
    if (!formato.contains(QStringLiteral("yyyy")))
        formato.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return QStringLiteral("Ordiparo") + locale.toString(data, formato);
}

void FormEserciziEseguiti::attivazione()
{
    const StatoProgramma& stato = m_programma.stato;
    occupaSchermo();
    Label1->setText(stato.NomeUtente);
    Label2->setText(intestazione(QDate::currentDate()));
    for (int c = 0; c < MSFlexGrid1->Cols(); ++c)
        MSFlexGrid1->setColAlignment(c, ColonneRegistro::allineamento(c));
    intitolaColonne();
    const RegistroEsercizi& registro = stato.RegistroEsercizi;
    MSFlexGrid1->setRows(registro.NumeroEseguiti() + 1);
    for (int r = 1; r <= registro.NumeroEseguiti(); ++r) {
        const RegistroEsercizi::Riga& riga = registro.riga(r);
        MSFlexGrid1->setTextMatrix(r, 0, QString::number(r));
        MSFlexGrid1->setTextMatrix(r, 1, riga.Stimolo);
        MSFlexGrid1->setTextMatrix(r, 2, riga.Affermazione);
        MSFlexGrid1->setTextMatrix(r, 3, riga.Errori);
    }
    dimensionaColonne();
}

void FormEserciziEseguiti::resizeEvent(QResizeEvent* evento)
{
    Schermata::resizeEvent(evento);
    // The columns keep their shares of the grid as the screen grows or shrinks.
    dimensionaColonne();
}

void FormEserciziEseguiti::intitolaColonne()
{
    const QStringList titoli = ColonneRegistro::titoli();
    for (int c = 0; c < MSFlexGrid1->Cols(); ++c)
        MSFlexGrid1->setTextMatrix(0, c, titoli[c]);
}

void FormEserciziEseguiti::dimensionaColonne()
{
    if (!MSFlexGrid1) // a resize while the screen is still being built
        return;
    // The table takes the grid's width but the frame and a vertical scroll bar, which long records need.
    const int larghezza = MSFlexGrid1->width() - 2 * MSFlexGrid1->frameWidth() -
                          MSFlexGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, MSFlexGrid1);
    const auto larghezze = ColonneRegistro::larghezze(larghezza, MSFlexGrid1->testi(), [this](const QString& testo) {
        return std::max(MSFlexGrid1->larghezzaFissaPer(testo), MSFlexGrid1->larghezzaCellaPer(testo));
    });
    for (int c = 0; c < MSFlexGrid1->Cols(); ++c)
        MSFlexGrid1->setColWidth(c, static_cast<int>(larghezze[static_cast<std::size_t>(c)]));
    MSFlexGrid1->adattaRighe();
}

std::optional<QString> FormEserciziEseguiti::cartellaRegistri()
{
    const StatoProgramma& stato = m_programma.stato;
    const std::optional<QString> cartella = stato.cartellaRegistri();
    if (!cartella) {
        qCWarning(lcResults) << "no record folder for the user name" << stato.NomeUtente;
        return std::nullopt;
    }
    if (!Modulo1::EsisteCartella(*cartella)) {
        if (const auto errore = Modulo1::CreaCartella(*cartella, stato.percorsi)) {
            qCWarning(lcResults) << *errore;
            return std::nullopt;
        }
    }
    return cartella;
}

void FormEserciziEseguiti::segnalaErrore()
{
    Messaggi::errore(this, QStringLiteral("Si è verificato un errore!"));
}

std::optional<QString> FormEserciziEseguiti::sceltaFile(qint16 modo, const QString& titolo)
{
    const std::optional<QString> cartella = cartellaRegistri();
    if (!cartella) {
        segnalaErrore();
        return std::nullopt;
    }
    const QString percorso =
        CommDlgs::ShowOpenSave(this, modo, titolo, QString(), filtroRegistri(), *cartella, QStringLiteral("rpt"));
    // A cancel says nothing and changes nothing.
    return percorso.isEmpty() ? std::nullopt : std::optional(percorso);
}

void FormEserciziEseguiti::mnuSalva_Click()
{
    const std::optional<QString> percorso = sceltaFile(CommDlgs::kSalva, QStringLiteral("Salva"));
    if (!percorso)
        return;
    FileRegistro registro{Label1->text(), Label2->text(), {}, Label3->text()};
    registro.righe.reserve(MSFlexGrid1->Rows() - 1);
    for (int r = 1; r < MSFlexGrid1->Rows(); ++r) {
        FileRegistro::Riga riga;
        for (int c = 0; c < FileRegistro::kCelle; ++c)
            riga[static_cast<std::size_t>(c)] = MSFlexGrid1->TextMatrix(r, c + 1);
        registro.righe << riga;
    }
    if (const auto errore = RegistroSuFile::salva(*percorso, registro)) {
        qCWarning(lcResults) << *errore;
        segnalaErrore();
    }
}

void FormEserciziEseguiti::mnuApri_Click()
{
    const std::optional<QString> percorso = sceltaFile(CommDlgs::kApri, QStringLiteral("Apri"));
    if (!percorso)
        return;
    MSFlexGrid1->Clear();
    intitolaColonne();
    const LetturaRegistro letto = RegistroSuFile::leggi(*percorso);
    if (letto.Utente)
        Label1->setText(*letto.Utente);
    if (letto.Intestazione)
        Label2->setText(*letto.Intestazione);
    // The grid shows what was read, and no row that the file only promised.
    MSFlexGrid1->setRows(static_cast<int>(letto.righe.size()) + 1);
    for (int r = 1; r < MSFlexGrid1->Rows(); ++r) {
        MSFlexGrid1->setTextMatrix(r, 0, QString::number(r));
        const FileRegistro::Riga& riga = letto.righe[r - 1];
        for (int c = 0; c < FileRegistro::kCelle; ++c)
            MSFlexGrid1->setTextMatrix(r, c + 1, riga[static_cast<std::size_t>(c)]);
    }
    dimensionaColonne();
    if (!letto.completa()) {
        qCWarning(lcResults) << "record file" << *percorso << letto.difetto;
        return segnalaErrore();
    }
    Label3->setText(*letto.Nota);
}

StampaRegistro::Contenuto FormEserciziEseguiti::contenutoStampa() const
{
    return {m_programma.stato.NomeUtente, Label1->text(),      Label2->text(), Label3->text(),
            MSFlexGrid1->font(),          MSFlexGrid1->testi()};
}

QPrinter& FormEserciziEseguiti::stampante()
{
    if (!m_stampante) {
        m_stampante = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_stampante->setDocName(QStringLiteral("Esercizi eseguiti"));
        // School paper; the print dialog offers the printer's other sizes.
        m_stampante->setPageSize(QPageSize(QPageSize::A4));
        m_stampante->setPageMargins(QMarginsF(kMarginiStampaMm, kMarginiStampaMm, kMarginiStampaMm, kMarginiStampaMm),
                                    QPageLayout::Millimeter);
    }
    return *m_stampante;
}

void FormEserciziEseguiti::mnuStampaRegistro_Click()
{
    if (!CommDlgs::ShowPrinter(this, stampante()))
        return;
    if (StampaRegistro::stampa(stampante(), contenutoStampa()) == 0)
        Messaggi::errore(this, QStringLiteral("Non è stato possibile stampare il registro."));
}

void FormEserciziEseguiti::mnuAnteprima_Click()
{
    const StampaRegistro::Contenuto contenuto = contenutoStampa();
    CommDlgs::ShowPrintPreview(this, stampante(),
                               [&contenuto](QPrinter* pagine) { StampaRegistro::stampa(*pagine, contenuto); });
}

void FormEserciziEseguiti::mnuEsci_Click()
{
    m_programma.apriMenu(this);
}
