// A switch held down through a real X server, which auto-repeats the key as it does for a pupil: one
// press is one step however long it lasts. Runs on the Xvfb that scripts/test starts (ORDIPARO_DISPLAY_X).
#include "exercise/Form1.h"
#include "support/AmbienteProva.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <cstdio>
#include <memory>
#undef KeyPress // Xlib's names for its events hide Qt's
#undef KeyRelease

namespace {
constexpr int kTenuto = 1500;
constexpr int kPressioni = 5;
// A brisk repeat: hundreds of release/press pairs in each hold, so those that Qt does not flag are sure to come.
constexpr unsigned kRitardoRipetizione = 250;
constexpr unsigned kIntervalloRipetizione = 2;

// Counts the releases of space that reach the widget with the keyboard, to show that the key repeated.
class RilasciContati : public QObject {
public:
    int rilasci = 0;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        rilasci += evento->type() == QEvent::KeyRelease && oggetto == QApplication::focusWidget() &&
                   static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Space;
        return false;
    }
};
} // namespace

// The X server, with its keyboard's space key pressed and let go as a switch would.
class Sensore {
public:
    Sensore() : m_schermo(XOpenDisplay(nullptr), XCloseDisplay) {}
    Display* x() const { return m_schermo.get(); }
    void muovi(bool giu)
    {
        XTestFakeKeyEvent(x(), XKeysymToKeycode(x(), XK_space), giu ? True : False, CurrentTime);
        XFlush(x());
    }

private:
    std::unique_ptr<Display, decltype(&XCloseDisplay)> m_schermo;
};

class TestScansioneX11 : public QObject {
    Q_OBJECT
    // The exercise with three answers in the mode given, active, and the answer lit now (-1: none or many).
    Form1* apri(ProgrammaProva& p, int modalita)
    {
        if (CaricaLista(p.stato->TabellaFrasi, p.imp().ListaInUso, p.stato->percorsi))
            return nullptr;
        p.imp().ModalitaInput = static_cast<qint16>(modalita);
        p.imp().TipoRisposte = 1; // three answers to step over
        Form1* s = p.programma.apriEsercizio(nullptr);
        s->activateWindow();
        return QTest::qWaitForWindowActive(s) ? s : nullptr;
    }
    static int acceso(ProgrammaProva& p, Form1* s)
    {
        const QString a = accesi({s->Command1[0], s->Command1[1], s->Command1[2]}, p.imp().ColoreBottoneSelezionato);
        bool uno = false;
        const int indice = a.toInt(&uno);
        return uno && a.size() == 1 ? indice : -1;
    }

private slots:
    void unaPressioneTenutaEUnSoloPasso()
    {
        AmbienteProva ambiente;
        ProgrammaProva p(ambiente);
        Form1* s = apri(p, 1);
        QVERIFY(s);
        int ultimo = acceso(p, s);
        int passi = 0;
        // Counts every move of the highlight while the events come in.
        const auto segui = [&](int ms) {
            QElapsedTimer orologio;
            orologio.start();
            while (orologio.elapsed() < ms) {
                QTest::qWait(2);
                passi += (acceso(p, s) - ultimo + 3) % 3;
                ultimo = acceso(p, s);
            }
        };

        Sensore sensore;
        Display* x = sensore.x();
        QVERIFY(x);
        XAutoRepeatOn(x);
        QVERIFY(XkbSetAutoRepeatRate(x, XkbUseCoreKbd, kRitardoRipetizione, kIntervalloRipetizione));
        RilasciContati contati;
        qApp->installEventFilter(&contati);
        QList<int> passiPerPressione;
        for (int i = 0; i < kPressioni; ++i) {
            passi = 0;
            sensore.muovi(true);
            segui(kTenuto);
            sensore.muovi(false);
            segui(300);
            passiPerPressione << passi;
        }
        qApp->removeEventFilter(&contati);
        QVERIFY2(contati.rilasci > kPressioni * 10, "the held key did not repeat");
        QCOMPARE(passiPerPressione, QList<int>(kPressioni, 1));
    }

    // Manual scanning, where each press the switch takes moves the highlight: "+80" presses 80 ms after the
    // last move of the switch, "-20" lets go 20 ms after it.
    void tempiDelSensore_data()
    {
        QTest::addColumn<int>("accettazione");
        QTest::addColumn<int>("rilascio");
        QTest::addColumn<QString>("mosse");
        QTest::addColumn<int>("passi");
        QTest::newRow("tocco di 100 ms sotto i 200") << 200 << 0 << "+0 -100" << 0;
        QTest::newRow("pressione di 300 ms oltre i 200") << 200 << 0 << "+0 -300" << 1;
        QTest::newRow("rimbalzo a 80 ms entro il rilascio") << 0 << 400 << "+0 -10 +70 -20" << 1;
        QTest::newRow("rimbalzo a 80 ms senza rilascio") << 0 << 0 << "+0 -10 +70 -20" << 2;
    }
    void tempiDelSensore()
    {
        QFETCH(int, accettazione);
        QFETCH(int, rilascio);
        QFETCH(QString, mosse);
        QFETCH(int, passi);
        AmbienteProva ambiente;
        ProgrammaProva p(ambiente);
        p.imp().TempoAccettazione = static_cast<qint16>(accettazione);
        p.imp().TempoRilascio = static_cast<qint16>(rilascio);
        Form1* s = apri(p, 1);
        QVERIFY(s);
        QCOMPARE(acceso(p, s), 0);
        Sensore sensore;
        QVERIFY(sensore.x());
        for (const QString& mossa : mosse.split(u' ')) {
            QTest::qWait(mossa.mid(1).toInt());
            sensore.muovi(mossa.startsWith(u'+'));
        }
        QTest::qWait(300);
        QCOMPARE(acceso(p, s), passi);
    }

    // Automatic scanning at a quarter second a step stops after three rounds with no press, nothing lit; the
    // next press starts it again at the first answer and chooses nothing.
    void pausaDopoTreGiriSilenziosi()
    {
        AmbienteProva ambiente;
        ProgrammaProva p(ambiente);
        p.imp().VelocitaScansione = 1;
        p.imp().GiriPrimaDellaPausa = 3;
        Form1* s = apri(p, 2);
        QVERIFY(s);
        QElapsedTimer orologio;
        orologio.start();
        QTRY_COMPARE_WITH_TIMEOUT(acceso(p, s), -1, 5000);
        QVERIFY2(orologio.elapsed() >= 3 * 3 * 250 - 300, qPrintable(QString::number(orologio.elapsed())));
        QTest::qWait(600);
        QCOMPARE(acceso(p, s), -1);
        const QString contati = s->EtichettaEsatti->text() + s->EtichettaErrati->text();
        Sensore sensore;
        QVERIFY(sensore.x());
        sensore.muovi(true);
        QTest::qWait(60);
        sensore.muovi(false);
        QTRY_COMPARE_WITH_TIMEOUT(acceso(p, s), 0, 200);
        QCOMPARE(s->EtichettaEsatti->text() + s->EtichettaErrati->text(), contati);
        QCOMPARE(p.suoni.suonati, QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(acceso(p, s), 1, 1000); // and it scans on
    }

    // A pupil with a one-switch profile answers five statements with the space bar alone, hearing each
    // button; each press held for 300 ms and then bouncing is one choice, never two.
    void cinqueRisposteConUnSensore()
    {
        AmbienteProva ambiente;
        ProgrammaProva p(ambiente);
        p.imp().VelocitaScansione = 6; // 1.5 s
        p.imp().FattorePrimoPasso = 2;
        p.imp().TempoAccettazione = 200;
        p.imp().TempoRilascio = 300;
        p.imp().ScansioneUditiva = true;
        Form1* s = apri(p, 2);
        QVERIFY(s);
        Sensore sensore;
        QVERIFY(sensore.x());
        const QList<QPushButton*> bottoni{s->Command1[0], s->Command1[1], s->Command1[2], s->BottoneAvanti};
        const auto lit = [&] { return accesi(bottoni, p.imp().ColoreBottoneSelezionato); };
        QString provati; // the answers tried on this statement: the pupil waits for another one
        for (int pressioni = 0; s->ContaEsatti() < 5; ++pressioni) {
            QVERIFY2(pressioni < 25, "five right answers take too many presses");
            QTRY_VERIFY_WITH_TIMEOUT(lit() != QStringLiteral("-") && !provati.contains(lit()), 10000);
            const int risposte = s->ContaEsatti() + s->ContaErrati();
            sensore.muovi(true);
            QTest::qWait(300);
            const QString scelto = lit();
            for (const auto& [giu, attesa] : {std::pair{false, 30}, {true, 20}, {false, 400}}) {
                sensore.muovi(giu);
                QTest::qWait(attesa);
            }
            // One step: a statement answered once, or "avanti" taken to the next statement.
            const bool avanti = scelto == QStringLiteral("3");
            QCOMPARE(s->ContaEsatti() + s->ContaErrati() - risposte, avanti ? 0 : 1);
            provati = avanti ? QString() : provati + scelto;
            if (avanti)
                QVERIFY(!s->BottoneAvanti->isVisible());
        }
        QVERIFY(p.parole.contains(QStringLiteral("vero 195 100")));
        QVERIFY(p.parole.contains(QStringLiteral("avanti 195 100")));
    }
};

int main(int argc, char** argv)
{
    const QByteArray schermo = qgetenv("ORDIPARO_DISPLAY_X");
    if (schermo.isEmpty()) {
        std::fprintf(stderr, "ORDIPARO_DISPLAY_X names no X server: run through scripts/test, which starts Xvfb\n");
        return 1;
    }
    // Every other test runs offscreen; this one needs the X server.
    qputenv("DISPLAY", schermo);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestScansioneX11 prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_scansionex11.moc"
