// SPDX-License-Identifier: GPL-3.0-or-later
// The record of exercises done: the grid of the statements shown in this run, saved, opened and printed.
#include "results/SchermataEserciziEseguiti.h"

#include "results/ColonneRegistro.h"
#include "results/GrigliaRegistro.h"
#include "results/StampaRegistro.h"
#include "storage/Cartelle.h"
#include "storage/FileRegistro.h"
#include "storage/StatoProgramma.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"
#include "support/Programma.h"
#include "support/TestoSemplice.h"

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
    TestoSemplice::perEtichetta(controllo); // a record file's texts
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

SchermataEserciziEseguiti::SchermataEserciziEseguiti(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno), m_programma(programma)
{
    setObjectName(QStringLiteral("SchermataEserciziEseguiti"));
    QWidget* a = area();
    nomeUtente = etichetta(a, QStringLiteral("nomeUtente"), 15.75, true);
    posiziona(nomeUtente, 240, 120, 5295, 375);
    intestazioneRegistro = etichetta(a, QStringLiteral("intestazioneRegistro"), 14.25, true);
    posiziona(intestazioneRegistro, 120, 600, 5535, 375);
    griglia = new GrigliaRegistro(a);
    griglia->setObjectName(QStringLiteral("griglia"));
    griglia->setAccessibleName(QStringLiteral("Esercizi eseguiti"));
    griglia->setFont(QFont(QStringLiteral("Arial"), 12));
    posiziona(griglia, 120, 960, 7335, 4095);
    nota = etichetta(a, QStringLiteral("nota"), 12, false);
    nota->setWordWrap(true);
    posiziona(nota, 240, 5160, 7215, 735);

    menuFile = barraMenu()->addMenu(QStringLiteral("&File"));
    azioneSalva = menuFile->addAction(QStringLiteral("Salva"));
    azioneApri = menuFile->addAction(QStringLiteral("Apri"));
    menuStampa = barraMenu()->addMenu(QStringLiteral("&Stampa"));
    azioneStampa = menuStampa->addAction(QStringLiteral("Stampa…"));
    azioneAnteprima = menuStampa->addAction(QStringLiteral("Anteprima di stampa…"));
    azioneEsci = barraMenu()->addAction(QStringLiteral("&Esci"));
    connect(azioneSalva, &QAction::triggered, this, &SchermataEserciziEseguiti::salvaRegistro);
    connect(azioneApri, &QAction::triggered, this, &SchermataEserciziEseguiti::apriRegistro);
    connect(azioneStampa, &QAction::triggered, this, &SchermataEserciziEseguiti::stampaRegistro);
    connect(azioneAnteprima, &QAction::triggered, this, &SchermataEserciziEseguiti::anteprimaRegistro);
    connect(azioneEsci, &QAction::triggered, this, &SchermataEserciziEseguiti::esci);
    completaCaricamento();
}

SchermataEserciziEseguiti::~SchermataEserciziEseguiti() = default;

QString SchermataEserciziEseguiti::intestazione(const QDate& data)
{
    const QLocale locale;
    QString formato = locale.dateFormat(QLocale::ShortFormat);
    // A record kept for years needs the whole year, whatever the system's short form leaves out.
    if (!formato.contains(QStringLiteral("yyyy")))
        formato.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return QStringLiteral("Ordiparo") + locale.toString(data, formato);
}

void SchermataEserciziEseguiti::attivazione()
{
    const StatoProgramma& stato = m_programma.stato;
    occupaSchermo();
    nomeUtente->setText(stato.NomeUtente);
    intestazioneRegistro->setText(intestazione(QDate::currentDate()));
    for (int c = 0; c < griglia->Cols(); ++c)
        griglia->setColAlignment(c, ColonneRegistro::allineamento(c));
    intitolaColonne();
    const RegistroEsercizi& registro = stato.RegistroEsercizi;
    griglia->setRows(registro.NumeroEseguiti() + 1);
    for (int r = 1; r <= registro.NumeroEseguiti(); ++r) {
        const RegistroEsercizi::Riga& riga = registro.riga(r);
        griglia->setTextMatrix(r, 0, QString::number(r));
        griglia->setTextMatrix(r, 1, riga.Stimolo);
        griglia->setTextMatrix(r, 2, riga.Affermazione);
        griglia->setTextMatrix(r, 3, riga.Errori);
    }
    dimensionaColonne();
}

void SchermataEserciziEseguiti::resizeEvent(QResizeEvent* evento)
{
    Schermata::resizeEvent(evento);
    // The columns keep their shares of the grid as the screen grows or shrinks.
    dimensionaColonne();
}

void SchermataEserciziEseguiti::intitolaColonne()
{
    const QStringList titoli = ColonneRegistro::titoli();
    for (int c = 0; c < griglia->Cols(); ++c)
        griglia->setTextMatrix(0, c, titoli[c]);
}

void SchermataEserciziEseguiti::dimensionaColonne()
{
    if (!griglia) // a resize while the screen is still being built
        return;
    // The table takes the grid's width but the frame and a vertical scroll bar, which long records need.
    const int larghezza = griglia->width() - 2 * griglia->frameWidth() -
                          griglia->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, griglia);
    const auto larghezze = ColonneRegistro::larghezze(larghezza, griglia->testi(), [this](const QString& testo) {
        return std::max(griglia->larghezzaFissaPer(testo), griglia->larghezzaCellaPer(testo));
    });
    for (int c = 0; c < griglia->Cols(); ++c)
        griglia->setColWidth(c, static_cast<int>(larghezze[static_cast<std::size_t>(c)]));
    griglia->adattaRighe();
}

std::optional<QString> SchermataEserciziEseguiti::cartellaRegistri()
{
    const StatoProgramma& stato = m_programma.stato;
    const std::optional<QString> cartella = stato.cartellaRegistri();
    if (!cartella) {
        qCWarning(lcResults) << "no record folder for the user name" << stato.NomeUtente;
        return std::nullopt;
    }
    if (!Cartelle::EsisteCartella(*cartella)) {
        if (const auto errore = Cartelle::CreaCartella(*cartella, stato.percorsi)) {
            qCWarning(lcResults) << *errore;
            return std::nullopt;
        }
    }
    return cartella;
}

void SchermataEserciziEseguiti::segnalaErrore()
{
    Messaggi::errore(this, QStringLiteral("Si è verificato un errore!"));
}

std::optional<QString> SchermataEserciziEseguiti::sceltaFile(qint16 modo, const QString& titolo)
{
    const std::optional<QString> cartella = cartellaRegistri();
    if (!cartella) {
        segnalaErrore();
        return std::nullopt;
    }
    const QString percorso =
        DialoghiStandard::scegliFile(this, modo, titolo, QString(), filtroRegistri(), *cartella, QStringLiteral("rpt"));
    // A cancel says nothing and changes nothing.
    return percorso.isEmpty() ? std::nullopt : std::optional(percorso);
}

void SchermataEserciziEseguiti::salvaRegistro()
{
    const std::optional<QString> percorso = sceltaFile(DialoghiStandard::kSalva, QStringLiteral("Salva"));
    if (!percorso)
        return;
    FileRegistro registro{nomeUtente->text(), intestazioneRegistro->text(), {}, nota->text()};
    registro.righe.reserve(griglia->Rows() - 1);
    for (int r = 1; r < griglia->Rows(); ++r) {
        FileRegistro::Riga riga;
        for (int c = 0; c < FileRegistro::kCelle; ++c)
            riga[static_cast<std::size_t>(c)] = griglia->TextMatrix(r, c + 1);
        registro.righe << riga;
    }
    if (const auto errore = RegistroSuFile::salva(*percorso, registro)) {
        qCWarning(lcResults) << *errore;
        segnalaErrore();
    }
}

void SchermataEserciziEseguiti::apriRegistro()
{
    const std::optional<QString> percorso = sceltaFile(DialoghiStandard::kApri, QStringLiteral("Apri"));
    if (!percorso)
        return;
    griglia->Clear();
    intitolaColonne();
    const LetturaRegistro letto = RegistroSuFile::leggi(*percorso);
    if (letto.Utente)
        nomeUtente->setText(*letto.Utente);
    if (letto.Intestazione)
        intestazioneRegistro->setText(*letto.Intestazione);
    // The grid shows what was read, and no row that the file only promised.
    griglia->setRows(static_cast<int>(letto.righe.size()) + 1);
    for (int r = 1; r < griglia->Rows(); ++r) {
        griglia->setTextMatrix(r, 0, QString::number(r));
        const FileRegistro::Riga& riga = letto.righe[r - 1];
        for (int c = 0; c < FileRegistro::kCelle; ++c)
            griglia->setTextMatrix(r, c + 1, riga[static_cast<std::size_t>(c)]);
    }
    dimensionaColonne();
    if (!letto.completa()) {
        qCWarning(lcResults) << "record file" << *percorso << letto.difetto;
        return segnalaErrore();
    }
    nota->setText(*letto.Nota);
}

StampaRegistro::Contenuto SchermataEserciziEseguiti::contenutoStampa() const
{
    return {m_programma.stato.NomeUtente,
            nomeUtente->text(),
            intestazioneRegistro->text(),
            nota->text(),
            griglia->font(),
            griglia->testi()};
}

QPrinter& SchermataEserciziEseguiti::stampante()
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

void SchermataEserciziEseguiti::stampaRegistro()
{
    if (!DialoghiStandard::scegliStampante(this, stampante()))
        return;
    if (StampaRegistro::stampa(stampante(), contenutoStampa()) == 0)
        Messaggi::errore(this, QStringLiteral("Non è stato possibile stampare il registro."));
}

void SchermataEserciziEseguiti::anteprimaRegistro()
{
    const StampaRegistro::Contenuto contenuto = contenutoStampa();
    DialoghiStandard::mostraAnteprima(this, stampante(),
                                      [&contenuto](QPrinter* pagine) { StampaRegistro::stampa(*pagine, contenuto); });
}

void SchermataEserciziEseguiti::esci()
{
    m_programma.apriMenu(this);
}
