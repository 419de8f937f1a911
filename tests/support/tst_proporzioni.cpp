// SPDX-License-Identifier: GPL-3.0-or-later
// Proportional layout: recording, scaling, the frozen tag, minimised windows, the start size, the menu bar.
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
        riquadro->setObjectName(QStringLiteral("riquadro"));
        posiziona(riquadro, 1500, 1500, 4500, 3000); // 100, 100, 300, 200 pixels
        interno->setObjectName(QStringLiteral("interno"));
        interno->setGeometry(10, 20, 30, 40);
        layout().setSchermata(this);
    }
    QWidget* riquadro = new QWidget(area());
    QLabel* interno = new QLabel(riquadro);
    void carica() { completaCaricamento(); }
};
} // namespace

class TestProporzioni : public QObject {
    Q_OBJECT
private slots:
    // From 1200 × 800 to 2400 × 2400, save under the tag "@" (placed by its own fitting); minimised: no change.
    void tag()
    {
        for (const QString& tag : {QString(), QStringLiteral("@")}) {
            SchermataProva s;
            s.riquadro->setProperty("tag", tag);
            s.resize(1200, 800);
            s.show();
            QCOMPARE(s.riquadro->geometry(), QRect(100, 100, 300, 200));
            s.resize(2400, 2400);
            const QRect atteso = tag.isEmpty() ? QRect(200, 300, 600, 600) : QRect(100, 100, 300, 200);
            QCOMPARE(s.riquadro->geometry(), atteso);
            QCOMPARE(s.interno->geometry(), QRect(20, 60, 60, 120));
            s.showMinimized();
            s.resize(1200, 800);
            QCOMPARE(s.riquadro->geometry(), atteso);
        }
    }

    // Recorded under the menu bar, started at 3/4 of the display, centred; larger, the menu grows too.
    void caricamento()
    {
        SchermataProva s;
        s.barraMenu()->addAction(QStringLiteral("&Esci"));
        s.carica();
        const QRect schermo = s.screen()->availableGeometry();
        QVERIFY(qAbs(4 * s.width() - 3 * schermo.width()) < 4 && qAbs(4 * s.height() - 3 * schermo.height()) < 4);
        QVERIFY(qAbs(2 * s.x() + s.width() - 2 * schermo.x() - schermo.width()) < 2);
        QVERIFY(qAbs(2 * s.y() + s.height() - 2 * schermo.y() - schermo.height()) < 2);
        s.show();
        const int menu = s.barraMenu()->height();
        QVERIFY(menu > 0);
        s.resize(600, 400 + menu);
        QCOMPARE(s.riquadro->geometry(), QRect(100, 100, 300, 200));
        s.resize(1200, 800 + menu);
        QVERIFY(s.barraMenu()->height() > menu);
        const int alto = s.dimensioneArea().height();
        QCOMPARE(s.riquadro->geometry(), QRect(200, qRound(alto / 4.0), 600, qRound(alto / 2.0)));
    }
};

QTEST_MAIN(TestProporzioni)
#include "tst_proporzioni.moc"
