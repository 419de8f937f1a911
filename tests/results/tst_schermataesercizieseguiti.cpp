// SPDX-License-Identifier: GPL-3.0-or-later
// The record of exercises done: filled from the run, saved and opened through the file dialogs, printed.
#include "results/GrigliaRegistro.h"
#include "results/SchermataEserciziEseguiti.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

namespace {
// A poppler tool's output on the PDF.
QString poppler(const QString& programma, const QStringList& argomenti)
{
    return QString::fromUtf8(AmbienteProva::uscitaDi(programma, argomenti));
}

// The text of the PDF, page by page, laid out as on the page.
QStringList pagineDelPdf(const QString& pdf)
{
    QStringList pagine = poppler("pdftotext", {"-layout", pdf, "-"}).split(u'\f');
    pagine.removeLast(); // after the last page break
    return pagine;
}
} // namespace

class TestSchermataEserciziEseguiti : public ProvaConProgramma {
    Q_OBJECT

    SchermataEserciziEseguiti* apri()
    {
        auto* s = m_p->programma.apriEserciziEseguiti(nullptr);
        return QTest::qWaitForWindowExposed(s) ? s : nullptr;
    }
    static void conFile(QAction* azione, const QString& file)
    {
        DialoghiStandard::Prova::rispondiFile(file);
        azione->trigger();
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
        nuovoProgramma();
        DialoghiStandard::Prova::intercetta(true);
        DialoghiStandard::Prova::dimentica();
        stato().NomeUtente = QStringLiteral("Anna");
    }
    void cleanup()
    {
        m_p.reset();
        QVERIFY2(Messaggi::Prova::mostrati().isEmpty(), qPrintable(Messaggi::Prova::mostrati().join(u'|')));
    }

    // The run's grid, a teacher's record opened and saved again byte for byte, in the user's folder made now.
    void grigliaSalvataERiaperta()
    {
        stato().NomeUtente = QStringLiteral("Rossi, Anna");
        RegistroEsercizi& registro = stato().RegistroEsercizi;
        registro.aggiungi("gatto.jpg", "Il gatto dorme.");
        registro.segnaErrore();
        registro.segnaErrore();
        registro.aggiungi("Il cane, Fido, corre.", " Fido corre ");
        SchermataEserciziEseguiti* s = apri();
        QCOMPARE(s->intestazioneRegistro->text(), "Ordiparo" + QDate::currentDate().toString(u"dd/MM/yyyy"));
        const QStringList titoli{"N.", "Testo", "Frase", "Errori", "Note", "Altro"};
        const QList<QStringList> dellaCorsa{titoli,
                                            {"1", "gatto.jpg", "Il gatto dorme.", " *  * ", "", ""},
                                            {"2", "Il cane, Fido, corre.", " Fido corre ", "", "", ""}};
        QCOMPARE(s->griglia->testi(), dellaCorsa);
        const QString cartella = stato().percorsi.cartellaDati() + QStringLiteral("Rossi, Anna/");
        QVERIFY(!QFileInfo::exists(cartella));
        conFile(s->azioneSalva, cartella + "oggi.rpt");

        const QByteArray originale(
            "Anna Rossi\r\nOrdiparo05/12/2026\r\n 3 \r\n"
            "gatto.jpg\r\n  Il gatto, \"Micio\", dorme.  \r\n *  * \r\nvista, con virgola\r\n\"s\xEC\"\r\n"
            "Citt\xE0\r\n\r\n\r\n   \r\nfine \r\nNota, del maestro\r\n");
        AmbienteProva::scrivi(m_ambiente->file("originale.rpt"), originale);
        conFile(s->azioneApri, m_ambiente->file("originale.rpt"));
        // As shown (every column, its corner); as kept, it is written again byte for byte below.
        QVERIFY(comeAtteso(s->griglia->grab().toImage(), QStringLiteral("registro")));
        QCOMPARE(s->nomeUtente->text() + u'|' + s->nota->text(), QStringLiteral("Anna Rossi|Nota, del maestro"));
        conFile(s->azioneSalva, cartella + "copia.rpt");
        QCOMPARE(AmbienteProva::leggi(cartella + "copia.rpt"), originale);

        const QString dialogo = u'|' + cartella + QStringLiteral("|*.rpt (*.rpt)|rpt");
        QCOMPARE(DialoghiStandard::Prova::richieste(),
                 (QStringList{"salva Salva" + dialogo, "apri Apri" + dialogo, "salva Salva" + dialogo}));
        s->azioneEsci->trigger();
        QVERIFY(QFileInfo::exists(stato().percorsi.leggimi()) && s->scaricata() && m_p->programma.schermataMenu());
    }

    // Every failure says so and a broken file leaves what was read; a cancel or a bad user name changes nothing.
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
        const QString percorso = m_ambiente->file("registro.rpt");
        if (file != "-") {
            AmbienteProva::scrivi(percorso, file);
            DialoghiStandard::Prova::rispondiFile(percorso);
        }
        (aprendo ? s->azioneApri : s->azioneSalva)->trigger();
        QCOMPARE(mostrati(), errore ? QStringList{QStringLiteral("Si è verificato un errore!")} : QStringList());
        QVERIFY(s->griglia->Rows() == righe && s->griglia->TextMatrix(1, 1) == primaCella);
        QCOMPARE(QDir(stato().percorsi.cartellaOrdiparo()).entryList(QDir::Files), QStringList());
        QCOMPARE(AmbienteProva::leggi(percorso), file == "-" ? QByteArray() : file);
        QCOMPARE(DialoghiStandard::Prova::richieste().isEmpty(), utente.isEmpty() || utente == ".."); // refused at once
    }

    // Printed over numbered pages in order, in Arial at 9, 16 bold, 14 and 12 points, a note with no room on a page
    // of its own (no table heading there); the preview is the same.
    void stampa318Righe()
    {
        for (int r = 1; r <= 318; ++r) // the first statement ends in a word longer than its column: broken inside it
            stato().RegistroEsercizi.aggiungi(QStringLiteral("S%1").arg(r),
                                              QStringLiteral("A%1 ").arg(r) + QString(r == 1 ? 150 : 0, u'w'));
        SchermataEserciziEseguiti* s = apri();
        s->nomeUtente->setText(QStringLiteral("Nome"));
        s->nota->setText(QStringLiteral("Nota"));
        const QString pdf = m_ambiente->file("registro.pdf");
        conFile(s->azioneStampa, pdf);
        QStringList famiglie; // below the table's heading, the first word of each line
        for (const QString& riga : poppler("pdffonts", {pdf}).split(u'\n').mid(2))
            famiglie << riga.section(u' ', 0, 0);
        famiglie.sort();
        QCOMPARE(famiglie, QStringList({"", "LiberationSans", "LiberationSans-Bold"}));
        QHash<QString, double> altezze; // each word's box at its first appearance: in proportion to the font's size
        static const QRegularExpression riquadro(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]+)<)re");
        for (const auto& trovata : riquadro.globalMatch(poppler("pdftotext", {"-bbox", pdf, "-"}))) {
            if (!altezze.contains(trovata.captured(3)))
                altezze[trovata.captured(3)] = trovata.captured(2).toDouble() - trovata.captured(1).toDouble();
        }
        const QList<std::pair<QString, double>> punti{
            {"Pagina", 9}, {"Nome", 16}, {s->intestazioneRegistro->text(), 14}, {"S1", 12}, {"Nota", 12}};
        for (const auto& [parola, attesi] : punti)
            QVERIFY2(qAbs(altezze.value(parola) / attesi - altezze.value("Nota") / 12) < 0.02, qPrintable(parola));
        // A4 with the grid's 12-point rows: 33 lines under the title block (row 1 takes four), 36 on each later page.
        const QStringList testi = pagineDelPdf(pdf);
        QVERIFY(testi.size() == 10 && testi.first().contains(u"Anna") && testi.last().contains(u"Nota") &&
                testi.first().contains(s->intestazioneRegistro->text()) && !testi.last().contains(u"Frase"));
        QList<int> numeri, perPagina;
        for (int p = 0; p < testi.size(); ++p) {
            QVERIFY(testi[p].contains(QStringLiteral("Pagina %1 di 10").arg(p + 1)));
            const qsizetype prima = numeri.size();
            for (const auto& trovato : QRegularExpression(R"(\b(\d+)\s+S(\d+)\s+A(\d+)\b)").globalMatch(testi[p])) {
                QVERIFY(trovato.captured(2) == trovato.captured(1) && trovato.captured(3) == trovato.captured(1));
                numeri << trovato.captured(1).toInt();
            }
            perPagina << static_cast<int>(numeri.size() - prima);
        }
        QCOMPARE(perPagina, (QList<int>{30, 36, 36, 36, 36, 36, 36, 36, 36, 0}));
        QVERIFY(std::is_sorted(numeri.begin(), numeri.end()) && numeri.size() == 318 && numeri.last() == 318);
        conFile(s->azioneAnteprima, m_ambiente->file("anteprima.pdf"));
        QCOMPARE(pagineDelPdf(m_ambiente->file("anteprima.pdf")), testi);
        s->azioneStampa->trigger(); // cancelled: nothing printed, nothing said
        QCOMPARE(DialoghiStandard::Prova::richieste(), (QStringList{"stampa", "anteprima", "stampa"}));
        conFile(s->azioneStampa, m_ambiente->file("manca/registro.pdf"));
        QCOMPARE(mostrati(), QStringList{QStringLiteral("Non è stato possibile stampare il registro.")});
    }
};

QTEST_MAIN(TestSchermataEserciziEseguiti)
#include "tst_schermataesercizieseguiti.moc"
