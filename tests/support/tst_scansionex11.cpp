// SPDX-License-Identifier: GPL-3.0-or-later
// Switches through a real X server (Xvfb, scripts/test): auto-repeat, taught switches, dwell.
#include "app/ModuloJoystick.h"
#include "exercise/SchermataEsercizio.h"
#include "home/SchermataMenu.h"
#include "startup/SchermataAvvio.h"
#include "storage/Sensore.h"
#include "support/ProgrammaProva.h"
#include "support/PulsantiJoystick.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QTest>
#include <QtMath>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#define SDL_MAIN_HANDLED
#include <SDL2/SDL.h>
#undef KeyPress // Xlib's names for its events hide Qt's
#undef KeyRelease

namespace {
// Counts the space key's releases that reach the widget with the keyboard, to show that the key repeated.
struct RilasciContati : QObject {
    int rilasci = 0;
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        rilasci += evento->type() == QEvent::KeyRelease && oggetto == QApplication::focusWidget() &&
                   static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Space;
        return false;
    }
};
} // namespace

class TestScansioneX11 : public ProvaConProgramma {
    Q_OBJECT
    Display* m_x = nullptr;
    SchermataEsercizio* m_s = nullptr;

    // A key pressed or let go, then events let in as they come: a repeat's release and press may come apart.
    void sensore(bool giu, int attesaMs, KeySym tasto = XK_space)
    {
        XTestFakeKeyEvent(m_x, XKeysymToKeycode(m_x, tasto), giu ? True : False, CurrentTime);
        XFlush(m_x);
        const QDeadlineTimer fine(attesaMs);
        QCoreApplication::processEvents();
        while (!fine.hasExpired())
            QTest::qWait(1);
    }
    // A switch held as long as a pupil holds it, then let go.
    void tieni(KeySym tasto, int ms) { sensore(true, ms, tasto), sensore(false, 300, tasto); }
    // The pointer moved to the middle of the widget, or that far from it, then left there for the given time.
    void puntatore(const QWidget* sopra, int attesaMs, QPoint scarto = {})
    {
        const QPoint punto = sopra->mapToGlobal(sopra->rect().center()) + scarto;
        XTestFakeMotionEvent(m_x, -1, punto.x(), punto.y(), CurrentTime);
        XFlush(m_x);
        QTest::qWait(attesaMs);
    }
    int risposte() const { return m_s->ContaEsatti() + m_s->ContaErrati(); }
    // The exercise with three answers in the mode given, active; when asked, on one statement alone, which is false.
    bool apri(int modalita, bool unaFrase = false)
    {
        m_p->imp().ModalitaInput = static_cast<qint16>(modalita);
        m_p->imp().TipoRisposte = 1; // three answers to step over
        if (CaricaLista(m_p->stato->TabellaFrasi, m_p->imp().ListaInUso, m_p->stato->percorsi))
            return false;
        if (unaFrase) {
            m_p->stato->TabellaFrasi.NumeroRighe = 0;
            m_p->metti(1, QStringLiteral("Il gatto dorme."), 1, {QStringLiteral("1Il gatto corre.")});
        }
        m_s = m_p->programma.apriEsercizio(nullptr);
        m_s->activateWindow();
        return QTest::qWaitForWindowActive(m_s);
    }
private slots:
    void initTestCase()
    {
        m_x = XOpenDisplay(nullptr);
        QVERIFY(m_x);
        XAutoRepeatOn(m_x);
        QVERIFY(XkbSetAutoRepeatRate(m_x, XkbUseCoreKbd, 250, 2));
    }
    void cleanupTestCase() { XCloseDisplay(m_x); }
    void init() { nuovoProgramma(); }

    // A held key repeating is still one step, taken when let go: every answer right, "esci" never reached.
    void dallAvvioAllaTerzaAffermazione()
    {
        RilasciContati contati;
        qApp->installEventFilter(&contati);
        m_p->imp().TipoRisposte = 1;
        QVERIFY(!CaricaLista(m_p->stato->TabellaFrasi, m_p->imp().ListaInUso, m_p->stato->percorsi));
        m_p->imp().ModalitaInput = 1;
        SchermataAvvio* avvio = m_p->programma.apriAvvio();
        avvio->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(avvio));
        sensore(true, 1000);
        QVERIFY(!m_p->programma.schermataMenu()); // not while it is down
        sensore(false, 300);
        SchermataMenu* menu = m_p->programma.schermataMenu();
        const double acceso = m_p->imp().ColoreBottoneSelezionato;
        QVERIFY(menu && menu->isVisible() && accesi({menu->bottoni[0], menu->bottoni[1]}, acceso) == "0");
        tieni(XK_Return, 600);
        SchermataEsercizio* s = m_p->programma.schermataEsercizio();
        QVERIFY(s && QTest::qWaitForWindowActive(s));
        while (m_p->stato->RegistroEsercizi.NumeroEseguiti() < 3) {
            for (int passo = m_p->stato->TabellaFrasi.Codice(s->RigaCorrente(), s->ColonnaCorrente()); passo > 0;
                 --passo)
                tieni(XK_space, 500);
            tieni(XK_Return, 500); // the right answer
            QCOMPARE(s->ContaErrati(), 0);
            tieni(XK_Return, 500); // "avanti"
        }
        QVERIFY(s->ContaEsatti() == 2 && s->isVisible());
        qApp->removeEventFilter(&contati);
        QVERIFY2(contati.rilasci > 100, "the held keys did not repeat");
    }

    // A taught key, mouse button or joystick button is one step however long held; a mouse button clicks nothing.
    void sensoriInsegnati_data()
    {
        QTest::addColumn<QString>("insegnato");
        QTest::addColumn<int>("modalita"); // automatic scanning: switch 1 chooses; manual: switch 2
        QTest::addColumn<int>("tenutoMs");
        QTest::newRow("F7 tenuto 1 s") << "tasto:F7" << 2 << 1000;
        QTest::newRow("tasto destro, sensore 2") << "mouse:destro" << 1 << 100;
        QTest::newRow("tasto sinistro, sensore 2") << "mouse:sinistro" << 1 << 100;
        QTest::newRow("pulsante 3 del joystick") << "joystick:3" << 2 << 1000;
    }
    void sensoriInsegnati()
    {
        QFETCH(QString, insegnato);
        QFETCH(int, modalita);
        QFETCH(int, tenutoMs);
        (modalita == 2 ? m_p->imp().Sensore1 : m_p->imp().Sensore2) = insegnato;
        m_p->imp().VelocitaScansione = 20; // five seconds: the highlight stays on "vero"
        QVERIFY(apri(modalita, true));
        puntatore(m_s->bottoniRisposta[1], 100);
        tieni(modalita == 2 ? XK_space : XK_Return, 100);
        QCOMPARE(risposte(), 0);
        const Sensore dispositivo = *Sensore::daTesto(insegnato);
        ModuloJoystick modulo(AmbienteProva::accantoAlProgramma(kFileModuloJoystick));
        SDL_Joystick* joystick = nullptr;
        int indice = -1;
        if (dispositivo.tipo == Sensore::Tipo::Joystick) { // plugged in while the program runs
            QVERIFY(modulo.avvia(*m_p->programma.joystick));
            indice = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, 8, 0);
            joystick = SDL_JoystickOpen(indice);
            QVERIFY2(joystick, SDL_GetError());
            QTest::qWait(400);
        }
        const auto premi = [&](bool giu) {
            if (joystick)
                SDL_JoystickSetVirtualButton(joystick, 3, giu ? SDL_PRESSED : SDL_RELEASED);
            else if (dispositivo.tipo == Sensore::Tipo::Mouse)
                XTestFakeButtonEvent(m_x, dispositivo.codice == Qt::LeftButton ? 1 : 3, giu, CurrentTime);
            else
                XTestFakeKeyEvent(m_x, XKeysymToKeycode(m_x, XK_F7), giu, CurrentTime);
            XFlush(m_x);
            QTest::qWait(giu ? tenutoMs : 300);
        };
        premi(true);
        QCOMPARE(risposte(), 0); // taken when let go
        premi(false);
        QVERIFY(m_s->ContaErrati() == 1 && risposte() == 1); // "vero", lit, once
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        if (joystick)
            SDL_JoystickClose(joystick);
        QVERIFY(!joystick || SDL_JoystickDetachVirtual(indice) == 0); // unplugged
    }

    // A one-second dwell on "vero": a ring fills, one answer a rest however long or trembling, none if left early.
    void sosta_data()
    {
        QTest::addColumn<QString>("mosse"); // "vero:1500": rests on "vero" for 1.5 s; "via": moves off the buttons
        QTest::addColumn<int>("risposte");
        QTest::newRow("via dopo 0,6 s") << "vero:600 via:1200" << 0;
        QTest::newRow("3 s") << "vero:3000" << 1;
        QTest::newRow("due soste") << "vero:1500 via:300 vero:1500" << 2;
        QTest::newRow("tremolio di 5 px") << "tremolio:1500" << 1;
    }
    void sosta()
    {
        QFETCH(QString, mosse);
        QFETCH(int, risposte);
        m_p->imp().TempoSosta = 1000;
        XTestFakeMotionEvent(m_x, -1, 0, 0, CurrentTime); // on no button
        XFlush(m_x);
        QVERIFY(apri(0, true));
        QWidget* vero = m_s->bottoniRisposta[0];
        for (const QString& mossa : mosse.split(u' ')) {
            const int ms = mossa.section(u':', 1).toInt();
            if (mossa.startsWith(QStringLiteral("via")))
                puntatore(m_s->testoStimolo, ms);
            for (int fatti = 0; mossa.startsWith(QStringLiteral("tremolio")) && fatti < ms; fatti += 100)
                puntatore(vero, 100, QPoint(fatti % 200 ? 5 : -5, fatti % 300 ? -5 : 5));
            if (!mossa.startsWith(QStringLiteral("vero")))
                continue;
            puntatore(vero, 400);
            // Near half way round, clockwise from twelve o'clock: its right side drawn, its left side not yet.
            const QImage anello = trova<QWidget>(vero, QStringLiteral("anelloSosta"))->grab().toImage();
            const auto nero = [&](double gradi) { // counter-clockwise from three o'clock
                const QPointF punto = QPointF(std::cos(qDegreesToRadians(gradi)), -std::sin(qDegreesToRadians(gradi)));
                return anello.pixelColor(
                           (QPointF(anello.width(), anello.height()) / 2 + punto * anello.height() * 0.35).toPoint()) ==
                       Qt::black;
            };
            QVERIFY(nero(80) && nero(0) && !nero(180));
            QTest::qWait(ms - 400);
        }
        QCOMPARE(m_s->ContaErrati(), risposte);
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("ORDIPARO_DISPLAY_X"))
        qFatal("ORDIPARO_DISPLAY_X names no X server: run through scripts/test, which starts Xvfb");
    qputenv("DISPLAY", qgetenv("ORDIPARO_DISPLAY_X"));
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestScansioneX11 prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_scansionex11.moc"
