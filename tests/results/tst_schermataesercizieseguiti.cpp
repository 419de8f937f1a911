// SPDX-License-Identifier: GPL-3.0-or-later
// The record of exercises done as the teacher uses it: opened from the home screen, filled from the run's record,
// saved and opened again through the file dialogs, printed to paper or PDF.
#include "home/SchermataMenu.h"
#include "results/GrigliaRegistro.h"
#include "results/SchermataEserciziEseguiti.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {
// The text of the PDF, page by page: laid out as on the page, or else each column's lines together.
QStringList pagineDelPdf(const QString& pdf, bool comeSullaPagina = true)
{
    QProcess testo;
    testo.start(QStringLiteral("pdftotext"),
                QStringList{QStringLiteral("-layout"), pdf, QStringLiteral("-")}.mid(comeSullaPagina ? 0 : 1));
    if (!testo.waitForFinished() || testo.exitCode() != 0)
        return {};
    QStringList pagine = QString::fromUtf8(testo.readAllStandardOutput()).split(u'\f');
    pagine.removeLast(); // after the last page break
    return pagine;
}

// The height of each word's box in the PDF, in points, at its first appearance; with one font family the height
// is in proportion to the font's size.
QHash<QString, double> altezzeDelleParole(const QString& pdf)
{
    QProcess testo;
    testo.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    testo.waitForFinished();
    QHash<QString, double> altezze;
    static const QRegularExpression parola(
        QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]+)<"));
    for (const auto& trovata : parola.globalMatch(QString::fromUtf8(testo.readAllStandardOutput()))) {
        if (!altezze.contains(trovata.captured(3)))
            altezze[trovata.captured(3)] = trovata.captured(2).toDouble() - trovata.captured(1).toDouble();
    }
    return altezze;
}
} // namespace

class TestSchermataEserciziEseguiti : public QObject {
    Q_OBJECT
    std::unique_ptr<AmbienteProva> m_ambiente;
    std::unique_ptr<ProgrammaProva> m_p;

    StatoProgramma& stato() { return *m_p->stato; }
    SchermataEserciziEseguiti* apri()
    {
        auto* s = m_p->programma.apriEserciziEseguiti(nullptr);
        return QTest::qWaitForWindowExposed(s) ? s : nullptr;
    }
    static QStringList mostrati()
    {
        const QStringList testi = Messaggi::Prova::mostrati();
        Messaggi::Prova::dimentica();
        return testi;
    }

private slots:
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        m_p = std::make_unique<ProgrammaProva>(*m_ambiente);
        DialoghiStandard::Prova::intercetta(true);
        DialoghiStandard::Prova::dimentica();
        stato().NomeUtente = QStringLiteral("Anna");
    }
    void cleanup()
    {
        m_p.reset();
        QVERIFY2(Messaggi::Prova::mostrati().isEmpty(), qPrintable(Messaggi::Prova::mostrati().join(u'|')));
    }

    // The home screen offers the record only when the profile keeps it; "&Esci" goes back home.
    void dalMenuESulMenu()
    {
        QVERIFY(!m_p->programma.apriMenu(nullptr)->azioneEserciziEseguiti->isEnabled());
        m_p->programma.termina();
        m_p->imp().SalvaAttivita = true;
        SchermataMenu* menu = m_p->programma.apriMenu(nullptr);
        QVERIFY(menu->azioneEserciziEseguiti->isEnabled());
        menu->azioneEserciziEseguiti->trigger();
        auto* s = qobject_cast<SchermataEserciziEseguiti*>(m_p->programma.schermataCorrente());
        QTRY_VERIFY(s && s->isVisible() && !menu->isVisible());
        s->azioneEsci->trigger();
        QTRY_VERIFY(m_p->programma.schermataMenu() && m_p->programma.schermataMenu()->isVisible());
        QVERIFY(!s->isVisible());
    }

    // The grid shows each statement of this run, numbered, under the user and the date, in six columns at their
    // shares, and is saved as it is. A teacher's record opened and saved again is the same file byte by byte; the
    // first one opened again shows as it was, though a name with a comma comes back only up to the comma. The
    // user's folder is made at the first use; the dialogs start there, for "*.rpt" files.
    void grigliaSalvataERiaperta()
    {
        stato().NomeUtente = QStringLiteral("Rossi, Anna");
        RegistroEsercizi& registro = stato().RegistroEsercizi;
        registro.aggiungi(QStringLiteral("gatto.jpg"), QStringLiteral("Il gatto dorme."));
        registro.segnaErrore();
        registro.segnaErrore();
        registro.aggiungi(QStringLiteral("Il cane, Fido, corre."), QStringLiteral(" Fido corre "));
        SchermataEserciziEseguiti* s = apri();
        QCOMPARE(s->nomeUtente->text(), QStringLiteral("Rossi, Anna"));
        QCOMPARE(s->intestazioneRegistro->text(),
                 QStringLiteral("Ordiparo") + QDate::currentDate().toString(u"dd/MM/yyyy"));
        const QStringList titoli{"N.", "Testo", "Frase", "Errori", "Note", "Altro"};
        const QList<QStringList> dellaCorsa{titoli,
                                            {"1", "gatto.jpg", "Il gatto dorme.", " *  * ", "", ""},
                                            {"2", "Il cane, Fido, corre.", " Fido corre ", "", "", ""}};
        QCOMPARE(s->griglia->testi(), dellaCorsa);
        QCOMPARE(s->griglia->ColWidth(4) + s->griglia->ColWidth(5), 0); // free columns: no room while empty
        const QString cartella = stato().percorsi.cartellaDati() + QStringLiteral("Rossi, Anna/");
        QVERIFY(!QFileInfo::exists(cartella));
        DialoghiStandard::Prova::rispondiFile(cartella + QStringLiteral("oggi.rpt"));
        s->azioneSalva->trigger();

        const QByteArray file(
            "Anna Rossi\r\nOrdiparo05/12/2026\r\n 3 \r\n"
            "gatto.jpg\r\n  Il gatto, \"Micio\", dorme.  \r\n *  * \r\nvista, con virgola\r\n\"s\xEC\"\r\n"
            "Citt\xE0\r\n\r\n\r\n   \r\nfine \r\nNota, del maestro\r\n");
        const QString originale = m_ambiente->cartella() + QStringLiteral("/originale.rpt");
        AmbienteProva::scrivi(originale, file);
        DialoghiStandard::Prova::rispondiFile(originale);
        s->azioneApri->trigger();
        QCOMPARE(s->nomeUtente->text(), QStringLiteral("Anna Rossi"));
        QCOMPARE(s->griglia->testi(), (QList<QStringList>{titoli,
                                                          {"1", "gatto.jpg", "  Il gatto, \"Micio\", dorme.  ",
                                                           " *  * ", "vista, con virgola", "\"sì\""},
                                                          {"2", "Città", "", "", "   ", "fine "}}));
        QVERIFY(s->griglia->ColWidth(4) > 0 && s->griglia->ColWidth(5) > 0);
        QCOMPARE(s->nota->text(), QStringLiteral("Nota, del maestro"));
        DialoghiStandard::Prova::rispondiFile(cartella + QStringLiteral("copia.rpt"));
        s->azioneSalva->trigger();
        QCOMPARE(AmbienteProva::leggi(cartella + QStringLiteral("copia.rpt")), file);

        DialoghiStandard::Prova::rispondiFile(cartella + QStringLiteral("oggi.rpt"));
        s->azioneApri->trigger();
        QCOMPARE(s->nomeUtente->text(), QStringLiteral("Rossi"));
        QCOMPARE(s->griglia->testi(), dellaCorsa);
        QCOMPARE(s->nota->text(), QString());
        const QString dialogo = u'|' + cartella + QStringLiteral("|*.rpt (*.rpt)|rpt");
        QCOMPARE(DialoghiStandard::Prova::richieste(), (QStringList{"salva Salva" + dialogo, "apri Apri" + dialogo,
                                                                    "salva Salva" + dialogo, "apri Apri" + dialogo}));
        QVERIFY(QFileInfo::exists(stato().percorsi.leggimi()));
    }

    // One folder for a pupil's records whatever style shows the name: the one there in any letter case, or a new
    // one named as the profile's file is.
    void cartellaDellAlunno_data()
    {
        QTest::addColumn<QString>("nome"); // as shown
        QTest::addColumn<QString>("esistente");
        QTest::addColumn<QString>("cartella");
        QTest::newRow("nuova, come il profilo") << "GIULIA" << QString() << "Giulia";
        QTest::newRow("vecchia, in maiuscolo") << "Giulia"
                                               << "GIULIA"
                                               << "GIULIA";
    }
    void cartellaDellAlunno()
    {
        QFETCH(QString, nome);
        QFETCH(QString, esistente);
        QFETCH(QString, cartella);
        QDir().mkpath(stato().percorsi.cartellaUtenti());
        QVERIFY(!FileProfilo::SalvaUtente(m_p->imp(), stato().percorsi.profiloUtente(QStringLiteral("Giulia"))));
        if (!esistente.isEmpty())
            QDir().mkpath(stato().percorsi.cartellaDati() + esistente);
        stato().NomeUtente = nome;
        stato().PercorsoUtente = stato().percorsi.profiloUtente(nome);
        DialoghiStandard::Prova::rispondiFile(m_ambiente->file(QStringLiteral("r.rpt")));
        apri()->azioneSalva->trigger();
        QCOMPARE(QDir(stato().percorsi.cartellaDati()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{cartella});
        QCOMPARE(DialoghiStandard::Prova::richieste().constFirst().section(u'|', 1, 1),
                 stato().percorsi.cartellaDati() + cartella + u'/');
    }

    // Every failure says so; a broken file leaves what was read of it, and can be saved afterwards as a whole
    // file. A cancel says nothing and changes nothing. A user name that leaves the data folder opens no dialog.
    void fallimenti_data()
    {
        QTest::addColumn<QString>("utente");
        QTest::addColumn<bool>("aprendo");    // or saving
        QTest::addColumn<QByteArray>("file"); // "-": the dialog is cancelled
        QTest::addColumn<int>("righe");
        QTest::addColumn<QString>("primaCella"); // row 1, column 1 afterwards
        QTest::addColumn<bool>("errore");
        const QByteArray troncato("Bruno\r\nOrdiparo01/02/2026\r\n 5 \r\ns\r\na\r\ne\r\n4\r\n5\r\nt\r\n");
        QTest::newRow("salva annullato") << "Anna" << false << QByteArray("-") << 3 << "stimolo" << false;
        QTest::newRow("apri annullato") << "Anna" << true << QByteArray("-") << 3 << "stimolo" << false;
        QTest::newRow("troncato") << "Anna" << true << troncato << 3 << "s" << true;
        QTest::newRow("file vuoto") << "Anna" << true << QByteArray() << 1 << "" << true;
        QTest::newRow("utente che esce da dati") << ".." << false << QByteArray("-") << 3 << "stimolo" << true;
        QTest::newRow("utente vuoto") << "" << true << QByteArray("-") << 3 << "stimolo" << true;
    }
    void fallimenti()
    {
        QFETCH(QString, utente);
        QFETCH(bool, aprendo);
        QFETCH(QByteArray, file);
        QFETCH(int, righe);
        QFETCH(QString, primaCella);
        QFETCH(bool, errore);
        stato().NomeUtente = utente;
        for (int i = 0; i < 2; ++i)
            stato().RegistroEsercizi.aggiungi(QStringLiteral("stimolo"), QStringLiteral("affermazione"));
        SchermataEserciziEseguiti* s = apri();
        const QString percorso = m_ambiente->cartella() + QStringLiteral("/registro.rpt");
        if (file != "-") {
            AmbienteProva::scrivi(percorso, file);
            DialoghiStandard::Prova::rispondiFile(percorso);
        }
        (aprendo ? s->azioneApri : s->azioneSalva)->trigger();
        QCOMPARE(mostrati(), errore ? QStringList{QStringLiteral("Si è verificato un errore!")} : QStringList());
        QCOMPARE(s->griglia->Rows(), righe);
        QCOMPARE(s->griglia->TextMatrix(1, 1), primaCella);
        QCOMPARE(QDir(stato().percorsi.cartellaOrdiparo()).entryList(QDir::Files), QStringList());
        QCOMPARE(AmbienteProva::leggi(percorso), file == "-" ? QByteArray() : file);
        if (utente.isEmpty() || utente == QStringLiteral("..")) {
            QCOMPARE(DialoghiStandard::Prova::richieste(), QStringList()); // refused before any dialog
            return;
        }
        const QString dopo = m_ambiente->cartella() + QStringLiteral("/dopo.rpt");
        DialoghiStandard::Prova::rispondiFile(dopo);
        s->azioneSalva->trigger();
        QCOMPARE(mostrati(), QStringList());
        QCOMPARE(AmbienteProva::leggi(dopo).count("\r\n"), 5 * (righe - 1) + 4);
    }

    // Printed to a PDF through the print dialog: the rows in order over as many pages as they need, the pages
    // numbered, in Arial: the page's margin at 9 points, the name at 16 in bold, the heading at 14, the rows and
    // the note at 12. The preview paints the same pages; a cancelled dialog prints nothing.
    void stampa300Righe()
    {
        for (int r = 1; r <= 300; ++r)
            stato().RegistroEsercizi.aggiungi(QStringLiteral("S%1").arg(r), QStringLiteral("A%1").arg(r));
        SchermataEserciziEseguiti* s = apri();
        s->nomeUtente->setText(QStringLiteral("Nome"));
        s->nota->setText(QStringLiteral("Nota"));
        const QString pdf = m_ambiente->cartella() + QStringLiteral("/registro.pdf");
        DialoghiStandard::Prova::rispondiFile(pdf);
        s->azioneStampa->trigger();
        QProcess caratteri;
        caratteri.start(QStringLiteral("pdffonts"), {pdf});
        caratteri.waitForFinished();
        QStringList famiglie; // below the table's heading, the first word of each line
        for (const QString& riga : QString::fromLatin1(caratteri.readAllStandardOutput()).split(u'\n').mid(2))
            famiglie << riga.section(u' ', 0, 0);
        famiglie.sort();
        QCOMPARE(famiglie, QStringList({"", "LiberationSans", "LiberationSans-Bold"}));
        const QHash<QString, double> altezze = altezzeDelleParole(pdf);
        const QList<std::pair<QString, double>> punti{
            {"Pagina", 9}, {"Nome", 16}, {s->intestazioneRegistro->text(), 14}, {"S1", 12}, {"Nota", 12}};
        for (const auto& [parola, attesi] : punti)
            QVERIFY2(qAbs(altezze.value(parola) / attesi - altezze.value("Nota") / 12) < 0.02, qPrintable(parola));
        // A4 with the grid's 12-point rows: 33 rows under the title block, 36 on each later page.
        const QStringList testi = pagineDelPdf(pdf);
        QCOMPARE(testi.size(), 9);
        QVERIFY(testi.first().contains(QStringLiteral("Anna")) && testi.last().contains(QStringLiteral("Nota")) &&
                testi.first().contains(s->intestazioneRegistro->text()));
        QList<int> numeri;
        QList<int> perPagina;
        for (int p = 0; p < testi.size(); ++p) {
            QVERIFY(testi[p].contains(QStringLiteral("Pagina %1 di 9").arg(p + 1)));
            const qsizetype prima = numeri.size();
            for (const auto& trovato :
                 QRegularExpression(QStringLiteral("\\b(\\d+)\\s+S(\\d+)\\s+A(\\d+)\\b")).globalMatch(testi[p])) {
                QVERIFY(trovato.captured(2) == trovato.captured(1) && trovato.captured(3) == trovato.captured(1));
                numeri << trovato.captured(1).toInt();
            }
            perPagina << static_cast<int>(numeri.size() - prima);
        }
        QCOMPARE(perPagina, (QList<int>{33, 36, 36, 36, 36, 36, 36, 36, 15}));
        QCOMPARE(numeri.size(), 300);
        QVERIFY(std::is_sorted(numeri.begin(), numeri.end()) && numeri.last() == 300);

        const QString anteprima = m_ambiente->cartella() + QStringLiteral("/anteprima.pdf");
        DialoghiStandard::Prova::rispondiFile(anteprima);
        s->azioneAnteprima->trigger();
        QCOMPARE(pagineDelPdf(anteprima), testi);
        s->azioneStampa->trigger(); // cancelled: nothing printed, nothing said
        QCOMPARE(DialoghiStandard::Prova::richieste(), (QStringList{"stampa", "anteprima", "stampa"}));
    }

    // Long texts go on over as many lines as they need, on the screen and on paper: each cell holds its whole
    // text, and the PDF every statement whole.
    void testiLunghiInteri()
    {
        const QString stimolo = QStringLiteral("Il gatto Micio dorme tutto il giorno sul divano rosso della nonna, "
                                               "poi la sera esce in giardino a cercare le lucciole.");
        const QString frase = QStringLiteral("Frase %1: il gatto di nome Micio dorme sul divano rosso della nonna.");
        for (int r = 1; r <= 40; ++r)
            stato().RegistroEsercizi.aggiungi(stimolo, frase.arg(r));
        SchermataEserciziEseguiti* s = apri();
        const GrigliaRegistro* griglia = s->griglia;
        for (int c : {1, 2}) {
            const QRect cella = griglia->visualRect(griglia->model()->index(0, c - 1));
            const QRect testo = griglia->fontMetrics().boundingRect(QRect(0, 0, cella.width() - 6, 10000),
                                                                    Qt::TextWordWrap, griglia->TextMatrix(1, c));
            QVERIFY2(testo.height() < cella.height(), qPrintable(QStringLiteral("colonna %1").arg(c)));
        }
        const QString pdf = m_ambiente->cartella() + QStringLiteral("/lunghi.pdf");
        DialoghiStandard::Prova::rispondiFile(pdf);
        s->azioneStampa->trigger();
        const QString stampato = pagineDelPdf(pdf, false).join(u' ').simplified();
        for (int r = 1; r <= 40; ++r)
            QVERIFY2(stampato.contains(frase.arg(r)), qPrintable(frase.arg(r)));
    }

    // The print preview shows its whole toolbar, the print button included, on the smallest screen.
    void anteprimaConIlBottoneStampa()
    {
        SchermataEserciziEseguiti* s = apri();
        DialoghiStandard::Prova::intercetta(false);
        bool nascosti = true;
        QTimer::singleShot(0, [&] {
            QWidget* anteprima = QApplication::activeModalWidget();
            if (!anteprima || !QTest::qWaitForWindowExposed(anteprima))
                return;
            const QToolBar* barra = anteprima->findChild<QToolBar*>();
            const QWidget* altri = barra->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"));
            nascosti = altri && altri->isVisible();
            anteprima->close();
        });
        s->azioneAnteprima->trigger();
        DialoghiStandard::Prova::intercetta(true);
        QVERIFY(!nascosti);
    }

    // A printer that cannot be written to is told of.
    void stampaNonRiuscita()
    {
        SchermataEserciziEseguiti* s = apri();
        DialoghiStandard::Prova::rispondiFile(m_ambiente->cartella() + QStringLiteral("/manca/registro.pdf"));
        s->azioneStampa->trigger();
        QCOMPARE(mostrati(), QStringList{QStringLiteral("Non è stato possibile stampare il registro.")});
    }
};

QTEST_MAIN(TestSchermataEserciziEseguiti)
#include "tst_schermataesercizieseguiti.moc"
