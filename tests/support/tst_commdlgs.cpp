// The standard dialogs' contract as callers rely on it: the choice lands in the target, a cancel changes nothing.
#include "support/Colori.h"
#include "support/CommDlgs.h"
#include "support/Messaggi.h"

#include <QApplication>
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

    // Whole points, halves to the even one, and no style the screens do not draw; a cancel keeps the font. OK
    // without a change gives back the family and size the dialog opened on, one this computer lacks too.
    void fontNelBersaglio()
    {
        QLabel sfondo;
        CommDlgs::Prova::confermaFont();
        QVERIFY(CommDlgs::ShowFont(nullptr, &sfondo, QFont(QStringLiteral("Tahoma"), 80)));
        QCOMPARE(sfondo.font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(sfondo.font().pointSize(), 80);
        for (const auto& [punti, interi] : {std::pair(13.5, 14), std::pair(12.5, 12)}) {
            QLabel bersaglio;
            QFont scelto(QStringLiteral("Liberation Serif"));
            scelto.setPointSizeF(punti);
            scelto.setItalic(true);
            CommDlgs::Prova::rispondiFont(scelto);
            QVERIFY(CommDlgs::ShowFont(nullptr, &bersaglio));
            QCOMPARE(bersaglio.font().family(), QStringLiteral("Liberation Serif"));
            QCOMPARE(bersaglio.font().pointSize(), interi);
            QVERIFY(!bersaglio.font().italic() && !bersaglio.font().bold());
            QVERIFY(!CommDlgs::ShowFont(nullptr, &bersaglio)); // nothing queued: cancelled
            QCOMPARE(bersaglio.font().pointSize(), interi);
        }
    }

    // The system's filter form reaches the dialog as Qt writes it; "*.*" takes names without a dot too.
    void filtroEPercorso()
    {
        const QString filtro = QStringLiteral("%1*.txt%1Tutti i files%1*.*%1%1").arg(QChar(u'\0'));
        const QString tipi = QStringLiteral("|*.txt (*.txt);;Tutti i files (*)|txt");
        CommDlgs::Prova::rispondiFile(QStringLiteral("/tmp/lista.txt"));
        QCOMPARE(CommDlgs::ShowOpenSave(nullptr, CommDlgs::kApri, "Open", QString(), filtro, "/lista/", "txt"),
                 QStringLiteral("/tmp/lista.txt"));
        CommDlgs::Prova::rispondiFile(QString());
        QVERIFY(
            CommDlgs::ShowOpenSave(nullptr, CommDlgs::kSalva, "Salva", QString(), filtro, QString(), "txt").isEmpty());
        QCOMPARE(CommDlgs::Prova::richieste(), QStringList({"apri Open|/lista/" + tipi, "salva Salva|" + tipi}));
    }

    // A question asks before something is replaced: Enter, pressed without reading, answers "No".
    void invioNonSostituisce()
    {
        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        QVERIFY(!Messaggi::chiedi(nullptr, QStringLiteral("Sovrascriverlo?")));
    }

    // Up to the first zero byte, the first one too, or all 32 without one; one character a byte, in Windows-1252.
    void byteInTesto()
    {
        QCOMPARE(CommDlgs::BytesToString(QByteArray("Arial\0Bold", 10)), QStringLiteral("Arial"));
        QCOMPARE(CommDlgs::BytesToString(QByteArray("\0abc", 4)), QString());
        QCOMPARE(CommDlgs::BytesToString(QByteArray(32, 'x')), QString(32, u'x'));
        QCOMPARE(CommDlgs::BytesToString(QByteArray("Caf\xe9\x80")), QStringLiteral("Café€"));
    }
};

QTEST_MAIN(TestCommDlgs)
#include "tst_commdlgs.moc"
