// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen as the pupil sees it.
#include "home/SchermataMenu.h"
#include "startup/SchermataAvvio.h"
#include "support/ProgrammaProva.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>

class TestSchermataAvvio : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;

private slots:
    // Each opening covers the display and starts a fresh record. The background is light blue whatever the
    // profile's own, or a light colour drawn anew each time; the profile may ask for the system pointer.
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
        p.stato->ImpostazioniUtente.ColoreCasuale = casuale;
        p.stato->ImpostazioniUtente.ColoreSfondo = 255;
        p.stato->ImpostazioniUtente.MouseDiSistema = casuale;
        QSet<QRgb> colori;
        for (int volta = 0; volta < 6; ++volta) {
            p.stato->RegistroEsercizi.aggiungi(QStringLiteral("a"), QStringLiteral("b"));
            SchermataAvvio schermata(p.programma);
            schermata.show();
            QCOMPARE(schermata.frameGeometry(), schermata.screen()->availableGeometry());
            QCOMPARE(p.stato->RegistroEsercizi.NumeroEseguiti(), qint16(0));
            QCOMPARE(schermata.bottoneAvvio->cursor().shape(), casuale ? Qt::ArrowCursor : Qt::BitmapCursor);
            colori << schermata.area()->grab().toImage().pixel(2, 2);
        }
        if (casuale)
            QVERIFY(colori.size() > 1);
        else
            QCOMPARE(colori, QSet<QRgb>{qRgb(192, 255, 255)});
    }

    // Its button opens the menu and the start screen goes away.
    void avvioApreIlMenuEChiudeLaSchermata()
    {
        ProgrammaProva p(m_ambiente);
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
