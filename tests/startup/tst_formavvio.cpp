// The start screen as the pupil sees it.
#include "home/FormMenu.h"
#include "startup/FormAvvio.h"
#include "support/AmbienteProva.h"
#include "support/ColoriWindows.h"
#include "support/Grafica.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>

class TestFormAvvio : public QObject {
    Q_OBJECT
private:
    AmbienteProva m_ambiente;

private slots:
    void initTestCase() { QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")); }

    void bottoneGrandeEChiaro()
    {
        ProgrammaProva p(m_ambiente);
        auto& stato = p.stato;
        FormAvvio schermata(p.programma);
        schermata.show();
        QCOMPARE(schermata.Command1->text(), QStringLiteral("&Avvio"));
        QVERIFY(schermata.Command1->font().bold());
        QCOMPARE(schermata.Command1->font().pointSize(), 24);
        QCOMPARE(QFontInfo(schermata.Command1->font()).family(), QStringLiteral("Comic Neue"));
        QVERIFY(QFontInfo(schermata.Command1->font()).bold());
        QVERIFY(!schermata.Command1->icon().isNull());
        QCOMPARE(schermata.Command1->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(schermata.frameGeometry(), schermata.screen()->availableGeometry());
        // The controls follow the screen: the button keeps its share of the width.
        QCOMPARE(schermata.Command1->width(), qRound(3600.0 / 9600 * schermata.width()));
    }

    void sfondo_data()
    {
        QTest::addColumn<bool>("casuale");
        QTest::newRow("fisso") << false;
        QTest::newRow("casuale") << true;
    }
    void sfondo()
    {
        QFETCH(bool, casuale);
        ProgrammaProva p(m_ambiente);
        p.stato->ImpostazioniUtente.ColoreCasuale = casuale;
        p.stato->ImpostazioniUtente.ColoreSfondo = 255; // the profile's fixed colour is not the start screen's
        FormAvvio schermata(p.programma);
        const QList<double> chiari = {12632319, 8421631,  8438015,  33023,    12648447, 65535,    16576,
                                      8454016,  16777152, 16776960, 16761024, 16761087, 14737632, 16711935};
        if (casuale)
            QVERIFY(chiari.contains(schermata.coloreSfondo()));
        else
            QCOMPARE(schermata.coloreSfondo(), 16777152.0);
        QCOMPARE(schermata.area()->palette().color(QPalette::Window),
                 ColoriWindows::comeQColor(schermata.coloreSfondo()));
    }

    void attivazioneAzzeraIlRegistro()
    {
        ProgrammaProva p(m_ambiente);
        auto& stato = p.stato;
        stato->ImpostazioniUtente.MouseDiSistema = true;
        stato->RegistroEsercizi.aggiungi(QStringLiteral("a"), QStringLiteral("b"));
        FormAvvio schermata(p.programma);
        QCOMPARE(stato->RegistroEsercizi.NumeroEseguiti(), qint16(1));
        schermata.show();
        QCOMPARE(stato->RegistroEsercizi.NumeroEseguiti(), qint16(0));
        QCOMPARE(schermata.Command1->cursor().shape(), Qt::ArrowCursor);
    }

    void avvioApreIlMenuEChiudeLaSchermata()
    {
        ProgrammaProva p(m_ambiente);
        QPointer<FormAvvio> schermata = p.programma.apriAvvio();
        QTest::mouseClick(schermata->Command1, Qt::LeftButton);
        QVERIFY(p.programma.formMenu() && p.programma.formMenu()->isVisible());
        QVERIFY(!schermata->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(schermata.isNull());
        p.programma.termina();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestFormAvvio)
#include "tst_formavvio.moc"
