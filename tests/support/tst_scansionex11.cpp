// A switch held down through a real X server, which auto-repeats the key as it does for a pupil: one
// press is one step however long it lasts. Runs on the Xvfb that scripts/test starts (ORDIPARO_DISPLAY_X).
#include "exercise/Form1.h"
#include "support/AmbienteProva.h"
#include "support/Colori.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMap>
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
// A brisk repeat: hundreds of release/press pairs in each hold, so those that Qt does not flag are sure
// to come.
constexpr unsigned kRitardoRipetizione = 250;
constexpr unsigned kIntervalloRipetizione = 2;

// The space key events the receiver gets, counted for each hold: "P" press, "R" release, "*" when Qt
// flags a repeat, a release and the press right after it as one pair.
class DiarioTasti : public QObject {
public:
    QStringList pressioni;
    void nuovaPressione() { pressioni << QString(); }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        const bool premuto = evento->type() == QEvent::KeyPress;
        // Once per event: a key nobody takes travels on to the parents.
        if ((premuto || evento->type() == QEvent::KeyRelease) && oggetto == QApplication::focusWidget() &&
            static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Space && !pressioni.isEmpty()) {
            const auto* tasto = static_cast<QKeyEvent*>(evento);
            QString& voci = pressioni.last();
            voci += premuto ? u'P' : u'R';
            if (tasto->isAutoRepeat())
                voci += u'*';
            if (premuto)
                voci += u' ';
        }
        return false;
    }
};

QString riassunto(const QString& voci)
{
    QMap<QString, int> quante;
    for (const QString& voce : voci.split(u' ', Qt::SkipEmptyParts))
        ++quante[voce];
    QStringList parti;
    for (auto i = quante.cbegin(); i != quante.cend(); ++i)
        parti << QStringLiteral("%1 x%2").arg(i.key()).arg(i.value());
    return parti.join(QStringLiteral(", "));
}
} // namespace

class TestScansioneX11 : public QObject {
    Q_OBJECT
private slots:
    void unaPressioneTenutaEUnSoloPasso()
    {
        AmbienteProva ambiente;
        ProgrammaProva p(ambiente);
        QVERIFY(!CaricaLista(p.stato->TabellaFrasi, p.stato->ImpostazioniUtente.ListaInUso, p.stato->percorsi));
        p.stato->ImpostazioniUtente.ModalitaInput = 1;
        p.stato->ImpostazioniUtente.TipoRisposte = 1; // three answers to step over
        Form1* s = p.programma.apriEsercizio(nullptr);
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        const auto acceso = [&] {
            for (int i = 0; i < 3; ++i) {
                if (Colori::sfondo(s->Command1[i]) == p.stato->ImpostazioniUtente.ColoreBottoneSelezionato)
                    return i;
            }
            return -1;
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
        DiarioTasti diario;
        qApp->installEventFilter(&diario);
        QList<int> passiPerPressione;
        for (int i = 0; i < kPressioni; ++i) {
            passi = 0;
            diario.nuovaPressione();
            XTestFakeKeyEvent(x, spazio, True, CurrentTime);
            XFlush(x);
            segui(kTenuto);
            XTestFakeKeyEvent(x, spazio, False, CurrentTime);
            XFlush(x);
            segui(300);
            passiPerPressione << passi;
        }
        qApp->removeEventFilter(&diario);
        for (const QString& voci : std::as_const(diario.pressioni))
            qInfo("keys received in one hold: %s", qPrintable(riassunto(voci)));
        QVERIFY2(diario.pressioni.join(QString()).count(u'R') > kPressioni * 10, "the held key did not repeat");
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
