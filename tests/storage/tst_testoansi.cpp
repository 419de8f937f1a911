// Text files between school computers: encodings on reading and writing, and saves that fail.
#include "storage/LettoreTesto.h"
#include "storage/TestoAnsi.h"
#include "support/AmbienteProva.h"

#include <QTest>

class TestTestoAnsi : public QObject {
    Q_OBJECT
private slots:
    void decodifica_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("windows-1252") << QByteArray("pu\xF2 \x80 citt\xE0") << QStringLiteral("può € città");
        QTest::newRow("utf-8 con bom") << QByteArray("\xEF\xBB\xBFpu\xC3\xB2") << QStringLiteral("può");
        QTest::newRow("utf-8 senza bom") << QByteArray("perch\xC3\xA9 \xE2\x80\x9Cs\xC3\xAC\xE2\x80\x9D")
                                         << QStringLiteral("perché “sì”");
        QTest::newRow("solo ascii") << QByteArray("gatto, cane") << QStringLiteral("gatto, cane");
        // Two Windows-1252 letters that happen to look like a UTF-8 lead byte are still Windows-1252.
        QTest::newRow("1252 non utf-8") << QByteArray("\xC3 \xA9") << QStringLiteral("Ã ©");
    }
    void decodifica()
    {
        QFETCH(QByteArray, byte);
        QFETCH(QString, atteso);
        QCOMPARE(TestoAnsi::decodifica(byte), atteso);
    }

    void codifica_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("atteso");
        QTest::newRow("italiano") << QStringLiteral("può “sì” — 5 €") << QByteArray("pu\xF2 \x93s\xEC\x94 \x97 5 \x80");
        QTest::newRow("fuori da 1252") << QStringLiteral("Łukasz ☺")
                                       << QByteArray("\xEF\xBB\xBF\xC5\x81ukasz \xE2\x98\xBA");
    }
    void codifica()
    {
        QFETCH(QString, testo);
        QFETCH(QByteArray, atteso);
        QCOMPARE(TestoAnsi::codifica(testo), atteso);
        QCOMPARE(TestoAnsi::decodifica(TestoAnsi::codifica(testo)), testo);
    }

    void righeFinisconoConCrLf()
    {
        AmbienteProva ambiente;
        const QString percorso = ambiente.cartella() + QStringLiteral("/righe.txt");
        QVERIFY(!TestoAnsi::scriviRighe(percorso, {QStringLiteral("uno"), QString(), QStringLiteral(" 3 ")}));
        QCOMPARE(AmbienteProva::leggi(percorso), QByteArray("uno\r\n\r\n 3 \r\n"));
    }

    void salvataggioFallitoLasciaIlFileVecchio_data()
    {
        QTest::addColumn<QString>("relativo");
        QTest::addColumn<bool>("esisteGia");
        // CI runs as root, where permissions stop no write: fail through the file system itself.
        QTest::newRow("genitore è un file") << QStringLiteral("/unfile/lista.txt") << false;
        // No temporary file can be made beside a name this long.
        QTest::newRow("nome troppo lungo") << QStringLiteral("/") + QString(250, u'n') << true;
    }
    void salvataggioFallitoLasciaIlFileVecchio()
    {
        QFETCH(QString, relativo);
        QFETCH(bool, esisteGia);
        AmbienteProva ambiente;
        AmbienteProva::scrivi(ambiente.cartella() + QStringLiteral("/unfile"), "non una cartella");
        const QString percorso = ambiente.cartella() + relativo;
        if (esisteGia)
            AmbienteProva::scrivi(percorso, "vecchio contenuto\r\n");

        const std::optional<QString> errore = TestoAnsi::scriviRighe(percorso, {QStringLiteral("nuovo")});

        QVERIFY(errore);
        QVERIFY2(errore->startsWith(QStringLiteral("Non è stato possibile salvare il file")), qPrintable(*errore));
        QCOMPARE(AmbienteProva::leggi(percorso), esisteGia ? QByteArray("vecchio contenuto\r\n") : QByteArray());
    }

    void campiDelimitati_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("campi");
        QTest::newRow("righe") << QStringLiteral("uno\r\n  due  \r\n") << QStringList{"uno", "due  "};
        QTest::newRow("virgola") << QStringLiteral("Rossi, Mario\r\n") << QStringList{"Rossi", "Mario"};
        QTest::newRow("virgolette") << QStringLiteral("\"a, b\" resto\r\nc\r\n") << QStringList{"a, b", "c"};
        QTest::newRow("riga vuota") << QStringLiteral("\r\nx") << QStringList{"", "x"};
        QTest::newRow("solo lf") << QStringLiteral("a\nb\n") << QStringList{"a", "b"};
    }
    void campiDelimitati()
    {
        QFETCH(QString, testo);
        QFETCH(QStringList, campi);
        LettoreTesto lettore(testo);
        for (const QString& campo : campi)
            QCOMPARE(lettore.leggiCampo().value_or(QStringLiteral("<fine>")), campo);
        QVERIFY(!lettore.leggiCampo());
    }

    void codici_data()
    {
        QTest::addColumn<QString>("riga");
        QTest::addColumn<int>("atteso"); // -99999: not a code
        QTest::newRow("forma salvata") << QStringLiteral(" 3 ") << 3;
        QTest::newRow("resto ignorato") << QStringLiteral("  2 vero, falso") << 2;
        QTest::newRow("virgola") << QStringLiteral("1,7") << 1;
        QTest::newRow("negativo") << QStringLiteral("-4") << -4;
        QTest::newRow("testo") << QStringLiteral("vero") << -99999;
        QTest::newRow("vuota") << QString() << -99999;
        QTest::newRow("oltre 16 bit") << QStringLiteral("40000") << -99999;
    }
    void codici()
    {
        QFETCH(QString, riga);
        QFETCH(int, atteso);
        LettoreTesto lettore(riga + QStringLiteral("\r\ndopo\r\n"));
        const std::optional<qint16> codice = lettore.leggiCodice();
        QCOMPARE(codice ? int(*codice) : -99999, atteso);
        QCOMPARE(lettore.leggiRiga(), std::optional<QString>(QStringLiteral("dopo")));
    }
};

QTEST_GUILESS_MAIN(TestTestoAnsi)
#include "tst_testoansi.moc"
