// Text files between school computers: encodings on reading and writing, and saves that fail.
#include "storage/TestoAnsi.h"
#include "support/AmbienteProva.h"

#include <QTest>

class TestTestoAnsi : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    QString file(const QString& nome) const { return m_ambiente.cartella() + u'/' + nome; }

private slots:
    void decodifica_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("windows-1252") << QByteArray("pu\xF2 \x80 citt\xE0") << QStringLiteral("può € città");
        QTest::newRow("utf-8 con bom") << QByteArray("\xEF\xBB\xBFpu\xC3\xB2") << QStringLiteral("può");
        QTest::newRow("utf-8 senza bom") << QByteArray("perch\xC3\xA9 \xE2\x80\x9Cs\xC3\xAC\xE2\x80\x9D")
                                         << QStringLiteral("perché “sì”");
        // Two Windows-1252 letters that happen to look like a UTF-8 lead byte are still Windows-1252.
        QTest::newRow("1252 non utf-8") << QByteArray("\xC3 \xA9") << QStringLiteral("Ã ©");
    }
    void decodifica()
    {
        QFETCH(QByteArray, byte);
        QFETCH(QString, atteso);
        QCOMPARE(TestoAnsi::decodifica(byte), atteso);
    }

    // The text alone, and as a file of that line and a blank one, each ended by CR LF.
    void codifica_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("atteso");
        QTest::newRow("italiano") << QStringLiteral("può “sì” — 5 €") << QByteArray("pu\xF2 \x93s\xEC\x94 \x97 5 \x80");
        QTest::newRow("fuori da 1252") << QStringLiteral("Łukasz ☺")
                                       << QByteArray("\xEF\xBB\xBF\xC5\x81ukasz \xE2\x98\xBA");
        // In Windows-1252 these would be C3 A9, which reads back as UTF-8 "é".
        QTest::newRow("1252 che pare utf-8") << QStringLiteral("Ã©") << QByteArray("\xEF\xBB\xBF\xC3\x83\xC2\xA9");
    }
    void codifica()
    {
        QFETCH(QString, testo);
        QFETCH(QByteArray, atteso);
        QCOMPARE(TestoAnsi::codifica(testo), atteso);
        QCOMPARE(TestoAnsi::decodifica(atteso), testo);
        QVERIFY(!TestoAnsi::scriviRighe(file(QStringLiteral("righe.txt")), {testo, QString()}));
        QCOMPARE(AmbienteProva::leggi(file(QStringLiteral("righe.txt"))), atteso + "\r\n\r\n");
    }

    // No temporary file can be made beside a name this long; CI runs as root, where permissions stop no write.
    void salvataggioFallitoLasciaIlFileVecchio()
    {
        const QString percorso = file(QString(250, u'n'));
        AmbienteProva::scrivi(percorso, "vecchio contenuto\r\n");
        const std::optional<QString> errore = TestoAnsi::scriviRighe(percorso, {QStringLiteral("nuovo")});
        QVERIFY(errore);
        QVERIFY2(errore->startsWith(QStringLiteral("Non è stato possibile salvare il file")), qPrintable(*errore));
        QCOMPARE(AmbienteProva::leggi(percorso), QByteArray("vecchio contenuto\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestTestoAnsi)
#include "tst_testoansi.moc"
