// The record file: its exact bytes, read back whole, and the files that end early or promise no rows.
#include "storage/FileRegistro.h"
#include "support/AmbienteProva.h"

#include <QTest>

namespace {
using Righe = QList<QStringList>;

FileRegistro registro(const QString& utente, const Righe& righe, const QString& nota)
{
    FileRegistro r{utente, QStringLiteral("Ordiparo05/12/2026"), {}, nota};
    for (const QStringList& celle : righe) {
        FileRegistro::Riga riga;
        for (int c = 0; c < FileRegistro::kCelle; ++c)
            riga[static_cast<std::size_t>(c)] = celle.value(c);
        r.righe << riga;
    }
    return r;
}

Righe comeElenco(const QList<FileRegistro::Riga>& righe)
{
    Righe elenco;
    for (const FileRegistro::Riga& riga : righe)
        elenco << QStringList(riga.begin(), riga.end());
    return elenco;
}
} // namespace

class TestFileRegistro : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    QString file(const QString& nome) const { return m_ambiente.cartella() + u'/' + nome; }

private slots:
    // Every text comes back as it was, blanks, commas, quotes and accents included; the file is 5n + 4 lines.
    void salvatoERiletto_data()
    {
        QTest::addColumn<QString>("utente");
        QTest::addColumn<Righe>("righe");
        QTest::addColumn<QString>("nota");
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("nessuna affermazione") << "_predefinito" << Righe() << QString()
                                              << QByteArray("_predefinito\r\nOrdiparo05/12/2026\r\n 1 \r\n\r\n");
        QTest::newRow("testi difficili") << "Anna Rossi"
                                         << Righe{{"gatto.jpg", "  Il gatto, \"Micio\", dorme.  ", " *  * ", "", ""},
                                                  {"\"Città\"", "", "   ", "libera, con virgola", "fine "}}
                                         << " nota, del maestro"
                                         << QByteArray(
                                                "Anna Rossi\r\nOrdiparo05/12/2026\r\n 3 \r\n"
                                                "gatto.jpg\r\n  Il gatto, \"Micio\", dorme.  \r\n *  * \r\n\r\n\r\n"
                                                "\"Citt\xE0\"\r\n\r\n   \r\nlibera, con virgola\r\nfine \r\n"
                                                " nota, del maestro\r\n");
    }
    void salvatoERiletto()
    {
        QFETCH(QString, utente);
        QFETCH(Righe, righe);
        QFETCH(QString, nota);
        QFETCH(QByteArray, byte);
        const QString percorso = file(QStringLiteral("salvato.rpt"));
        QVERIFY(!RegistroSuFile::salva(percorso, registro(utente, righe, nota)));
        QCOMPARE(AmbienteProva::leggi(percorso), byte);
        QCOMPARE(AmbienteProva::leggi(percorso).count("\r\n"), 5 * righe.size() + 4);

        const LetturaRegistro letto = RegistroSuFile::leggi(percorso);
        QVERIFY2(letto.completa(), qPrintable(letto.difetto));
        QCOMPARE(letto.Utente, utente);
        QCOMPARE(letto.Intestazione, QStringLiteral("Ordiparo05/12/2026"));
        QCOMPARE(comeElenco(letto.righe), righe);
        QCOMPARE(letto.Nota, nota);
    }

    // The first two lines are fields: a comma ends them and the rest of the line goes with it, so the lines
    // after keep their places. A file that ends early or gives no row count is not whole; what came before is.
    void letture_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("utente"); // "-" when not reached
        QTest::addColumn<Righe>("righe");
        QTest::addColumn<bool>("completa");
        const QByteArray testa("Anna\r\nOrdiparo05/12/2026\r\n");
        const QByteArray riga("s\r\na\r\ne\r\n4\r\n5\r\n");
        const QStringList celle{"s", "a", "e", "4", "5"};
        QTest::newRow("utente con la virgola") << "Rossi, Anna\r\nOrdiparo05/12/2026\r\n 2 \r\n" + riga + "\r\n"
                                               << "Rossi" << Righe{celle} << true;
        QTest::newRow("utente tra virgolette")
            << QByteArray("  \"Rossi, Anna\" x\r\nOrdiparo\r\n 1 \r\nnota\r\n") << "Rossi, Anna" << Righe() << true;
        QTest::newRow("a capo Unix, in UTF-8")
            << QByteArray("Nicol\xC3\xB2\nOrdiparo\n 2 \ns\na\ne\n4\n5\n\n") << "Nicolò" << Righe{celle} << true;
        QTest::newRow("troncato a metà riga") << testa + " 4 \r\n" + riga + "t\r\nb\r\n"
                                              << "Anna" << Righe{celle, {"t", "b", "", "", ""}} << false;
        QTest::newRow("senza la nota") << testa + " 2 \r\n" + riga << "Anna" << Righe{celle} << false;
        QTest::newRow("zero righe") << testa + " 0 \r\n\r\n"
                                    << "Anna" << Righe() << false;
        QTest::newRow("righe negative") << testa + "-2 \r\n\r\n"
                                        << "Anna" << Righe() << false;
        QTest::newRow("conteggio non numerico") << testa + "tre\r\n" + riga + "\r\n"
                                                << "Anna" << Righe() << false;
        QTest::newRow("conteggio oltre 16 bit") << testa + " 40000 \r\n" + riga << "Anna" << Righe() << false;
        QTest::newRow("finisce prima del conteggio") << testa << "Anna" << Righe() << false;
        QTest::newRow("file vuoto") << QByteArray() << "-" << Righe() << false;
    }
    void letture()
    {
        QFETCH(QByteArray, byte);
        QFETCH(QString, utente);
        QFETCH(Righe, righe);
        QFETCH(bool, completa);
        const QString percorso = file(QStringLiteral("letto.rpt"));
        AmbienteProva::scrivi(percorso, byte);
        const LetturaRegistro letto = RegistroSuFile::leggi(percorso);
        QCOMPARE(letto.Utente.value_or(QStringLiteral("-")), utente);
        QCOMPARE(comeElenco(letto.righe), righe);
        QCOMPARE(letto.completa(), completa);
        QCOMPARE(letto.difetto.isEmpty(), completa);
    }

    void fileMancanteOCartella()
    {
        for (const QString& percorso : {file(QStringLiteral("manca.rpt")), m_ambiente.cartella()}) {
            const LetturaRegistro letto = RegistroSuFile::leggi(percorso);
            QVERIFY(!letto.completa());
            QVERIFY(!letto.Utente);
        }
    }
};

QTEST_GUILESS_MAIN(TestFileRegistro)
#include "tst_fileregistro.moc"
