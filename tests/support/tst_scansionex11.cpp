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

class TestScansioneX11 : public QObject {
    Q_OBJECT
private slots:
    void unaPressioneTenutaEUnSoloPasso()
    {
        AmbienteProva ambiente;
        ProgrammaProva p(ambiente);
        QVERIFY(!CaricaLista(p.stato->TabellaFrasi, p.imp().ListaInUso, p.stato->percorsi));
        p.imp().ModalitaInput = 1;
        p.imp().TipoRisposte = 1; // three answers to step over
        Form1* s = p.programma.apriEsercizio(nullptr);
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        const auto acceso = [&] { // the one lit, or -1
            const QString a =
                accesi({s->Command1[0], s->Command1[1], s->Command1[2]}, p.imp().ColoreBottoneSelezionato);
            return a.size() == 1 ? a.toInt() : -1;
        };
        int ultimo = acceso();
        int passi = 0;
        // Counts every move of the highlight while the events come in.
        const auto segui = [&](int ms) {
            QElapsedTimer orologio;
            orologio.start();
            while (orologio.elapsed() < ms) {
                QTest::qWait(2);
                passi += (acceso() - ultimo + 3) % 3;
                ultimo = acceso();
            }
        };

        const std::unique_ptr<Display, decltype(&XCloseDisplay)> schermo(XOpenDisplay(nullptr), XCloseDisplay);
        Display* x = schermo.get();
        QVERIFY(x);
        XAutoRepeatOn(x);
        QVERIFY(XkbSetAutoRepeatRate(x, XkbUseCoreKbd, kRitardoRipetizione, kIntervalloRipetizione));
        const KeyCode spazio = XKeysymToKeycode(x, XK_space);
        RilasciContati contati;
        qApp->installEventFilter(&contati);
        QList<int> passiPerPressione;
        for (int i = 0; i < kPressioni; ++i) {
            passi = 0;
            XTestFakeKeyEvent(x, spazio, True, CurrentTime);
            XFlush(x);
            segui(kTenuto);
            XTestFakeKeyEvent(x, spazio, False, CurrentTime);
            XFlush(x);
            segui(300);
            passiPerPressione << passi;
        }
        qApp->removeEventFilter(&contati);
        QVERIFY2(contati.rilasci > kPressioni * 10, "the held key did not repeat");
        QCOMPARE(passiPerPressione, QList<int>(kPressioni, 1));
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
