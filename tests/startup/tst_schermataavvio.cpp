// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen as the pupil sees it.
#include "support/ProgrammaProva.h"

#include <QTest>

class TestSchermataAvvio : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;

private slots:
    // Each opening starts a fresh record, on light blue or a light colour drawn anew; its button opens the menu.
    void apertura_data()
    {
        QTest::addColumn<bool>("casuale"); // also the system pointer
        QTest::newRow("colore fisso") << false;
        QTest::newRow("colore casuale, puntatore di sistema") << true;
    }
    void apertura()
    {
        QFETCH(bool, casuale);
        ProgrammaProva p(m_ambiente);
        p.imp().ColoreCasuale = p.imp().MouseDiSistema = casuale;
        p.imp().ColoreSfondo = 255;
        QSet<QRgb> colori;
        for (int volta = 0; volta < 6; ++volta) {
            p.stato->RegistroEsercizi.aggiungi(QStringLiteral("a"), QStringLiteral("b"));
            SchermataAvvio schermata(p.programma);
            schermata.show();
            QCOMPARE(p.stato->RegistroEsercizi.NumeroEseguiti(), qint16(0));
            QCOMPARE(schermata.bottoneAvvio->cursor().shape(), casuale ? Qt::ArrowCursor : Qt::BitmapCursor);
            colori << schermata.area()->grab().toImage().pixel(2, 2);
        }
        QVERIFY(casuale ? colori.size() > 1 : colori == QSet<QRgb>{qRgb(192, 255, 255)});
        QPointer<SchermataAvvio> schermata = p.programma.apriAvvio();
        QTest::mouseClick(schermata->bottoneAvvio, Qt::LeftButton);
        QVERIFY(p.programma.schermataMenu() && p.programma.schermataMenu()->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(schermata.isNull());
        p.programma.termina();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestSchermataAvvio)
#include "tst_schermataavvio.moc"
