// SPDX-License-Identifier: GPL-3.0-or-later
// The scanning engine over three buttons, the switch timed by a fake clock (the real X server: tst_scansionex11).
#include "storage/ImpostazioniUtente.h"
#include "support/ProgrammaProva.h"
#include "support/PulsantiJoystick.h"
#include "support/ScansioneCursore.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
constexpr quint64 kOrigineServer = 0xFFFFFF00; // the X server's time at the start, near where its 32 bits wrap
} // namespace

class TestSensore : public QObject {
    Q_OBJECT
    QWidget m_finestra;
    QList<QPushButton*> m_bottoni;
    QWidget* m_manuale = new QWidget(&m_finestra);
    QWidget* m_automatico = new QWidget(&m_finestra);
    QTimer m_timer;
    std::unique_ptr<ScansioneCursore> m_s;
    qint64 m_ora = 0;
    QStringList m_parole;
    VoceScansioneFinta m_voce{m_parole};
    bool m_personaggioParla = false;

    void prepara(const ImpostazioniUtente& imp, int modalita, int intervalloMs)
    {
        m_s = std::make_unique<ScansioneCursore>(&m_timer, m_manuale, m_automatico, nullptr);
        m_s->setBottoni({m_bottoni.begin(), m_bottoni.end()});
        m_s->setColori(0, 255);
        m_s->setOrologio([this] { return m_ora; });
        m_s->regola(imp, &m_voce, [this] { return m_personaggioParla; });
        m_s->prepara(modalita, intervalloMs);
        m_s->evidenzia(0);
    }
    // "+0 -100": down, up 100 ms later ("=": the next move at once); "-100~80": handled 80 ms late, stamped on time.
    void sensore(const QString& mosse)
    {
        const bool conIstante = mosse.contains(u'~');
        qint64 momento = m_ora;
        for (const QString& mossa : mosse.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList tempi = mossa.mid(1).split(u'~');
            momento += tempi[0].toLongLong();
            m_ora = std::max(m_ora, momento + tempi.value(1).toLongLong());
            QKeyEvent evento(mossa.startsWith(u'+') ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space,
                             Qt::NoModifier, QStringLiteral(" "));
            evento.setTimestamp(conIstante ? kOrigineServer + momento : 0);
            QCoreApplication::sendEvent(m_manuale, &evento);
            if (mossa.startsWith(u'-'))
                QTest::qWait(ScansioneCursore::kConfermaRilascioMs * 3);
        }
    }

private slots:
    void initTestCase()
    {
        for (const char* testo : {"vero", "falso", "non si sa"})
            m_bottoni << new QPushButton(QString::fromUtf8(testo), &m_finestra);
        m_finestra.show();
    }

    // Manual scanning: presses under the acceptance time or within the release time are no step.
    void passiDelSensore_data()
    {
        QTest::addColumn<int>("accettazione");
        QTest::addColumn<int>("rilascio");
        QTest::addColumn<QString>("mosse");
        QTest::addColumn<int>("passi");
        QTest::newRow("tocco di 100 ms sotto i 200") << 200 << 0 << "+0 -100" << 0;
        QTest::newRow("pressione di 300 ms oltre i 200") << 200 << 0 << "+0 -300" << 1;
        QTest::newRow("rimbalzo a 80 ms entro il rilascio") << 0 << 400 << "+0 -10 +70 -20" << 1;
        QTest::newRow("rimbalzo a 80 ms senza rilascio") << 0 << 0 << "+0 -10 +70 -20" << 2;
        QTest::newRow("ripetizione del tasto tenuto") << 500 << 0 << "+0 =300 +0 -300" << 1;
        QTest::newRow("seconda pressione dopo il rilascio") << 0 << 300 << "+0 -30 +400 -30" << 2;
        QTest::newRow("tocco breve non ferma il rilascio") << 200 << 300 << "+0 -250 +60 -10 +250 -300" << 2;
        QTest::newRow("pressione gestita tardi") << 200 << 0 << "+0~150 -300" << 1;
        QTest::newRow("rilascio gestito tardi") << 0 << 300 << "+0 -100~100 +350 -50" << 2;
        QTest::newRow("tocco gestito tardi resta breve") << 200 << 0 << "+0 -150~100" << 0;
    }
    void passiDelSensore()
    {
        QFETCH(int, accettazione);
        QFETCH(int, rilascio);
        QFETCH(QString, mosse);
        QFETCH(int, passi);
        ImpostazioniUtente imp;
        std::tie(imp.TempoAccettazione, imp.TempoRilascio) = std::tuple(accettazione, rilascio);
        m_ora = 0;
        prepara(imp, ScansioneCursore::Manuale, 1000);
        sensore(mosse);
        QCOMPARE(accesi(m_bottoni, 255), QString::number(passi));
    }

    // A round's first step lasts the factor's times longer; a switch held over steps chooses the one lit first.
    void tenutoSceglieIlBottonePremuto()
    {
        ImpostazioniUtente imp;
        std::tie(imp.FattorePrimoPasso, imp.Sensore2) = std::tuple(3, QStringLiteral("joystick:3"));
        prepara(imp, ScansioneCursore::Automatica, 1000);
        const int primo = m_timer.interval();
        m_s->evidenzia(1);
        QVERIFY(primo == 3000 && m_timer.interval() == 1000);
        imp.FattorePrimoPasso = 1;
        prepara(imp, ScansioneCursore::Automatica, 100);
        QSignalSpy sceltiQui(m_s.get(), &ScansioneCursore::scelto);
        QKeyEvent giu(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "), su(QEvent::KeyRelease, giu.key(), {}, " ");
        QCoreApplication::sendEvent(m_automatico, &giu);
        QTest::qWait(150); // past a step, short of a whole round
        QCOMPARE(accesi(m_bottoni, 255), QStringLiteral("0"));
        QCoreApplication::sendEvent(m_automatico, &su);
        QTRY_COMPARE(sceltiQui.count(), 1);
        QCOMPARE(sceltiQui.first().first().value<QAbstractButton*>(), m_bottoni.first());
        // Held when the keyboard goes elsewhere, the release never comes: the scanning goes on all the same.
        QCoreApplication::sendEvent(m_automatico, &giu);
        QFocusEvent altrove(QEvent::FocusOut);
        QCoreApplication::sendEvent(m_automatico, &altrove);
        QTRY_COMPARE(accesi(m_bottoni, 255), QStringLiteral("1"));
        PulsantiJoystick joystick; // and so when a switch's controller is unplugged while held
        m_s->ascoltaJoystick(&joystick);
        joystick.premi(3, true);
        QTest::qWait(250);
        QCOMPARE(accesi(m_bottoni, 255), QStringLiteral("1"));
        joystick.scollega();
        QTRY_COMPARE(accesi(m_bottoni, 255), QStringLiteral("2"));
    }

    // Three silent rounds, then nothing lit; a press ends the pause at the first button and chooses nothing.
    void pausaDopoTreGiriSilenziosi()
    {
        ImpostazioniUtente imp;
        std::tie(imp.GiriPrimaDellaPausa, imp.ScansioneUditiva, imp.FattorePrimoPasso) = std::tuple(3, true, 4);
        m_parole.clear();
        prepara(imp, ScansioneCursore::Automatica, 50);
        QSignalSpy scelti(m_s.get(), &ScansioneCursore::scelto), pausa(m_s.get(), &ScansioneCursore::pausaCambiata);
        QTRY_VERIFY(m_s->inPausa());
        QTest::qWait(100);
        QVERIFY(m_parole.size() == 9 && accesi(m_bottoni, 255) == QStringLiteral("-"));
        premiSensore(m_automatico, Qt::Key_Space);
        QVERIFY(accesi(m_bottoni, 255) == u"0" && scelti.isEmpty() && pausa == QList<QVariantList>({{true}, {false}}));
        QTRY_COMPARE(accesi(m_bottoni, 255), QStringLiteral("1"));
    }

    // The scanning voice keeps quiet while the character speaks, then says the button lit, unless it went out.
    void silenzioMentreParlaIlPersonaggio_data()
    {
        QTest::addColumn<bool>("spento");
        QTest::addColumn<QStringList>("dette");
        QTest::newRow("acceso") << false << QStringList{"falso 195 100"};
        QTest::newRow("spento prima") << true << QStringList{};
    }
    void silenzioMentreParlaIlPersonaggio()
    {
        QFETCH(bool, spento);
        QFETCH(QStringList, dette);
        ImpostazioniUtente imp;
        imp.ScansioneUditiva = true;
        std::tie(imp.VelocitaVoce, imp.TonoVoce, imp.TempoAccettazione) = std::tuple(130, 100, 0);
        m_parole.clear();
        m_personaggioParla = true;
        prepara(imp, ScansioneCursore::Manuale, 1000);
        premiSensore(m_manuale, Qt::Key_Space);
        QVERIFY(accesi(m_bottoni, 255) == QStringLiteral("1") && m_parole.isEmpty());
        if (spento)
            m_s->ferma();
        m_personaggioParla = false;
        QTest::qWait(300);
        QCOMPARE(m_parole, dette);
    }
};

QTEST_MAIN(TestSensore)
#include "tst_sensore.moc"
