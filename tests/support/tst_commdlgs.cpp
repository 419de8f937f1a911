// The standard dialogs' contract as callers rely on it: the choice lands in the target, a cancel changes nothing.
#include "support/Colori.h"
#include "support/CommDlgs.h"

#include <QLabel>
#include <QTest>

class TestCommDlgs : public QObject {
    Q_OBJECT
private slots:
    void init() { CommDlgs::Prova::intercetta(true); }
    void cleanup() { CommDlgs::Prova::dimentica(); }

    void coloreNelTestoDelBersaglio()
    {
        QLabel bersaglio;
        Colori::impostaTesto(&bersaglio, 255);
        CommDlgs::Prova::annulla();
        QVERIFY(!CommDlgs::ShowColor(nullptr, &bersaglio));
        QCOMPARE(Colori::testo(&bersaglio), 255.0);
        CommDlgs::Prova::rispondiColore(QColor(1, 2, 3));
        QVERIFY(CommDlgs::ShowColor(nullptr, &bersaglio));
        QCOMPARE(Colori::testo(&bersaglio), 1 + 2 * 256.0 + 3 * 65536.0);
        QCOMPARE(bersaglio.palette().color(QPalette::WindowText), QColor(1, 2, 3));
    }

    void fontNelBersaglio_data()
    {
        QTest::addColumn<double>("punti");
        QTest::addColumn<int>("interi");
        QTest::newRow("13,5 va a 14") << 13.5 << 14;
        QTest::newRow("12,5 va a 12") << 12.5 << 12;
        QTest::newRow("intero") << 20.0 << 20;
    }
    void fontNelBersaglio()
    {
        QFETCH(double, punti);
        QFETCH(int, interi);
        QLabel bersaglio;
        bersaglio.setFont(QFont(QStringLiteral("Arial"), 10));
        QFont scelto(QStringLiteral("Liberation Serif"));
        scelto.setPointSizeF(punti);
        scelto.setItalic(true);
        CommDlgs::Prova::rispondiFont(scelto);
        QVERIFY(CommDlgs::ShowFont(nullptr, &bersaglio));
        QCOMPARE(bersaglio.font().family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(bersaglio.font().pointSize(), interi);
        QVERIFY(bersaglio.font().italic());
        QVERIFY(!bersaglio.font().bold());
        QVERIFY(!CommDlgs::ShowFont(nullptr, &bersaglio)); // nothing queued: cancelled
        QCOMPARE(bersaglio.font().pointSize(), interi);
    }

    // The system's filter form reaches the dialog as Qt writes it; "*.*" takes names without a dot too.
    void filtroEPercorso()
    {
        const QString filtro = QStringLiteral("%1*.txt%1Tutti i files%1*.*%1%1").arg(QChar(u'\0'));
        CommDlgs::Prova::rispondiFile(QStringLiteral("/tmp/lista.txt"));
        QCOMPARE(CommDlgs::ShowOpenSave(nullptr, CommDlgs::kApri, QStringLiteral("Open"), QString(), filtro,
                                        QStringLiteral("/lista/"), QStringLiteral("txt")),
                 QStringLiteral("/tmp/lista.txt"));
        CommDlgs::Prova::rispondiFile(QString());
        QCOMPARE(CommDlgs::ShowOpenSave(nullptr, CommDlgs::kSalva, QStringLiteral("Salva"), QString(), filtro,
                                        QString(), QStringLiteral("txt")),
                 QString());
        QCOMPARE(CommDlgs::Prova::richieste(),
                 QStringList({QStringLiteral("apri Open|/lista/|*.txt (*.txt);;Tutti i files (*)|txt"),
                              QStringLiteral("salva Salva||*.txt (*.txt);;Tutti i files (*)|txt")}));
    }

    void byteInTesto_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("testo");
        QTest::newRow("fino allo zero") << QByteArray("Arial\0Bold", 10) << "Arial";
        QTest::newRow("senza zero, 32 byte interi") << QByteArray(32, 'x') << QString(32, u'x');
        QTest::newRow("un byte un carattere") << QByteArray("Caf\xe9\x80") << QStringLiteral("Café€");
        QTest::newRow("vuoto") << QByteArray("\0abc", 4) << "";
    }
    void byteInTesto()
    {
        QFETCH(QByteArray, byte);
        QFETCH(QString, testo);
        QCOMPARE(CommDlgs::BytesToString(byte), testo);
    }
};

QTEST_MAIN(TestCommDlgs)
#include "tst_commdlgs.moc"
