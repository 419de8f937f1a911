// Proportional layout: recording, scaling, tags, lines, minimised windows and the start size.
#include "support/Schermata.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

namespace {
// A screen of 600 × 400 pixels with two controls, one nested in the other.
class SchermataProva : public Schermata {
public:
    SchermataProva() : Schermata(9000, 6000)
    {
        riquadro->setObjectName(QStringLiteral("Frame1"));
        posiziona(riquadro, 1500, 1500, 4500, 3000); // 100, 100, 300, 200 pixels
        interno->setObjectName(QStringLiteral("Label1"));
        interno->setGeometry(10, 20, 30, 40);
    }
    QWidget* riquadro = new QWidget(area());
    QLabel* interno = new QLabel(riquadro);
    void carica() { completaCaricamento(); }
};
} // namespace

class TestClsResize : public QObject {
    Q_OBJECT
private slots:
    void primaChiamataRegistraSoltanto()
    {
        SchermataProva s;
        s.layout().setSourceForm(&s);
        s.resize(1200, 800);
        s.show(); // the first pass records at 1200 × 800
        QCOMPARE(s.riquadro->geometry(), QRect(100, 100, 300, 200));
        s.resize(600, 400);
        QCOMPARE(s.riquadro->geometry(), QRect(50, 50, 150, 100));
    }

    void doppiaMisuraDoppiControlli()
    {
        SchermataProva s;
        s.layout().setSourceForm(&s);
        s.layout().ReInitialise();
        s.show();
        s.resize(1200, 800);
        QCOMPARE(s.riquadro->geometry(), QRect(200, 200, 600, 400));
        QCOMPARE(s.interno->geometry(), QRect(20, 40, 60, 80));
        s.resize(600, 400);
        QCOMPARE(s.riquadro->geometry(), QRect(100, 100, 300, 200));
        QCOMPARE(s.interno->font(), QLabel().font()); // fonts are not scaled
    }

    void tag_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QRect>("atteso");
        QTest::newRow("nessun tag") << QString() << QRect(200, 300, 600, 600);
        QTest::newRow("solo larghezza") << QStringLiteral("@w") << QRect(100, 100, 600, 200);
        QTest::newRow("posizione ferma") << QStringLiteral("@WH") << QRect(100, 100, 600, 600);
        QTest::newRow("congelato") << QStringLiteral("@") << QRect(100, 100, 300, 200);
        QTest::newRow("non comincia con @") << QStringLiteral("W@") << QRect(200, 300, 600, 600);
    }
    void tag()
    {
        QFETCH(QString, tag);
        QFETCH(QRect, atteso);
        SchermataProva s;
        s.riquadro->setProperty("tag", tag);
        s.layout().setSourceForm(&s);
        s.layout().ReInitialise();
        s.show();
        s.resize(1200, 1200);
        QCOMPARE(s.riquadro->geometry(), atteso);
    }

    void lineaScalataPerEstremi()
    {
        SchermataProva s;
        s.riquadro->setProperty("linea", true);
        s.riquadro->setProperty("tag", QStringLiteral("@W")); // only X2 scales: the line grows to the right
        s.layout().setSourceForm(&s);
        s.layout().ReInitialise();
        s.show();
        s.resize(1200, 800);
        QCOMPARE(s.riquadro->geometry(), QRect(100, 100, 700, 200)); // X2 = 400 × 2
    }

    void ridottaAIconaNonCambia()
    {
        SchermataProva s;
        s.layout().setSourceForm(&s);
        s.layout().ReInitialise();
        s.show();
        s.showMinimized();
        if (!s.isMinimized())
            QSKIP("this platform does not minimise windows");
        s.resize(1200, 800);
        QCOMPARE(s.riquadro->geometry(), QRect(100, 100, 300, 200));
    }

    void misuraInizialeTreQuartiDelloSchermo()
    {
        SchermataProva s;
        s.layout().setSourceForm(&s);
        s.layout().SizeFormToScreen(75);
        const QRect schermo = s.screen()->availableGeometry();
        const QSize attesa(int(0.75 * schermo.width()), int(0.75 * schermo.height()));
        QCOMPARE(s.size(), attesa);
        QCOMPARE(s.pos(), schermo.topLeft() +
                              QPoint((schermo.width() - attesa.width()) / 2, (schermo.height() - attesa.height()) / 2));
        // Recorded at the design size first, so the controls end in proportion to it.
        QCOMPARE(s.riquadro->width(), qRound(300.0 * attesa.width() / 600));
    }

    void barraDeiMenuFuoriDallaProporzione()
    {
        SchermataProva s;
        s.barraMenu()->addAction(QStringLiteral("&Azzera conteggio"));
        s.barraMenu()->addAction(QStringLiteral("&Esci"));
        s.carica(); // records the design places under the bar as it now is
        s.show();
        const int menu = s.barraMenu()->height();
        QVERIFY(menu > 0);
        s.resize(1200, 800 + menu);
        QCOMPARE(s.riquadro->geometry(), QRect(200, 200, 600, 400));
    }
};

QTEST_MAIN(TestClsResize)
#include "tst_clsresize.moc"
