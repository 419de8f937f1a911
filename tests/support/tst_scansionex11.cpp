// SPDX-License-Identifier: GPL-3.0-or-later
// The switch pressed through a real X server, which auto-repeats a held key as it does for a pupil: one press
// is one step however long it lasts, taps and bounces are no steps, silent rounds pause the scanning; switches
// taught as another key, a mouse button or a joystick's button (SDL's virtual joystick); the pointer resting on a
// button to choose it. Runs on the Xvfb that scripts/test starts (ORDIPARO_DISPLAY_X).
#include "app/ModuloJoystick.h"
#include "exercise/SchermataEsercizio.h"
#include "home/SchermataMenu.h"
#include "startup/SchermataAvvio.h"
#include "storage/Sensore.h"
#include "support/ProgrammaProva.h"
#include "support/PulsantiJoystick.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#define SDL_MAIN_HANDLED
#include <SDL2/SDL.h>
#undef KeyPress // Xlib's names for its events hide Qt's
#undef KeyRelease

namespace {
// Counts the releases of a key that reach the widget with the keyboard, to show that the key repeated.
class RilasciContati : public QObject {
public:
    explicit RilasciContati(int tasto) : m_tasto(tasto) {}
    int rilasci = 0;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        rilasci += evento->type() == QEvent::KeyRelease && oggetto == QApplication::focusWidget() &&
                   static_cast<QKeyEvent*>(evento)->key() == m_tasto;
        return false;
    }

private:
    int m_tasto;
};
} // namespace

class TestScansioneX11 : public QObject {
    Q_OBJECT
    Display* m_x = nullptr;
    std::unique_ptr<AmbienteProva> m_ambiente;
    std::unique_ptr<ProgrammaProva> m_p;
    SchermataEsercizio* m_s = nullptr;

    // The space key (or another) pressed or let go, then the events let in as they come for the given time:
    // a repeated key's release and press then often reach the program apart, as on a busy computer.
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
    void tieni(KeySym tasto, int ms, const std::function<void()>& mentreTenuto = {})
    {
        sensore(true, ms, tasto);
        if (mentreTenuto)
            mentreTenuto();
        sensore(false, 300, tasto);
    }
    // The pointer moved to the middle of the widget, or that far from it, then left there for the given time.
    void puntatore(const QWidget* sopra, int attesaMs, QPoint scarto = {})
    {
        const QPoint punto = sopra->mapToGlobal(sopra->rect().center()) + scarto;
        XTestFakeMotionEvent(m_x, -1, punto.x(), punto.y(), CurrentTime);
        XFlush(m_x);
        QTest::qWait(attesaMs);
    }
    int risposte() const { return m_s->ContaEsatti() + m_s->ContaErrati(); }
    // The start screen of a profile in the mode given, active.
    SchermataAvvio* avvia(int modalita)
    {
        m_p->imp().ModalitaInput = static_cast<qint16>(modalita);
        SchermataAvvio* avvio = m_p->programma.apriAvvio();
        avvio->activateWindow();
        return QTest::qWaitForWindowActive(avvio) ? avvio : nullptr;
    }
    // The home screen's lit buttons, or why there are none.
    QString accesiNelMenu()
    {
        SchermataMenu* menu = m_p->programma.schermataMenu();
        return menu && menu->isVisible()
                   ? accesi({menu->bottoni[0], menu->bottoni[1]}, m_p->imp().ColoreBottoneSelezionato)
                   : QStringLiteral("nessun menu");
    }
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
    // The answer lit now, -1 when none or many are.
    int acceso()
    {
        const QString a = accesi({m_s->bottoniRisposta[0], m_s->bottoniRisposta[1], m_s->bottoniRisposta[2]},
                                 m_p->imp().ColoreBottoneSelezionato);
        return a.size() == 1 && a != QStringLiteral("-") ? a.toInt() : -1;
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
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        m_p = std::make_unique<ProgrammaProva>(*m_ambiente);
    }
    void cleanup() { m_p.reset(); }

    // The start screen obeys the pupil's switches: either one starts, once, when let go after however long a hold;
    // the home screen opens with its first button lit and stays on it.
    void avvioConUnSensore_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("tenutoMs");
        QTest::newRow("manuale, spazio tenuto") << 1 << int(XK_space) << 1500;
        QTest::newRow("manuale, invio") << 1 << int(XK_Return) << 100;
        QTest::newRow("automatica, spazio tenuto") << 2 << int(XK_space) << 1500;
    }
    void avvioConUnSensore()
    {
        QFETCH(int, modalita);
        QFETCH(int, tasto);
        QFETCH(int, tenutoMs);
        QVERIFY(avvia(modalita));
        tieni(KeySym(tasto), tenutoMs, [&] { QVERIFY(!m_p->programma.schermataMenu()); }); // not while it is down
        QCOMPARE(accesiNelMenu(), "0");
        QVERIFY(!m_p->programma.schermataEsercizio());
    }

    // A pupil with two switches and the cursive letters goes from the start screen to the fifth statement,
    // holding each switch as long as a pupil does, the key repeating hundreds of times: each press is one step,
    // so every answer is right at once, and the pupil never lands on "esci". A switch box that sends F7 and F8,
    // once the teacher taught them, works as space and enter do.
    void dallAvvioAllaQuintaAffermazione_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("secondo");
        QTest::newRow("spazio e invio") << int(XK_space) << int(XK_Return);
        QTest::newRow("F7 e F8 insegnati") << int(XK_F7) << int(XK_F8);
    }
    void dallAvvioAllaQuintaAffermazione()
    {
        QFETCH(int, primo);
        QFETCH(int, secondo);
        if (primo == XK_F7) {
            m_p->imp().Sensore1 = QStringLiteral("tasto:F7");
            m_p->imp().Sensore2 = QStringLiteral("tasto:F8");
        }
        RilasciContati contati(primo == XK_space ? Qt::Key_Space : Qt::Key_F7);
        qApp->installEventFilter(&contati);
        QVERIFY(QFontDatabase::addApplicationFont(AmbienteProva::sorgente(QStringLiteral("assets/indis1.ttf"))) >= 0);
        m_p->imp().StileLettere = QStringLiteral("corsivo");
        m_p->imp().FontTesto = QStringLiteral("Indis1");
        m_p->imp().TipoRisposte = 1;
        QVERIFY(!CaricaLista(m_p->stato->TabellaFrasi, m_p->imp().ListaInUso, m_p->stato->percorsi));
        QVERIFY(avvia(1));
        tieni(primo, 1000);
        QCOMPARE(accesiNelMenu(), "0");
        tieni(secondo, 1000);
        SchermataEsercizio* s = m_p->programma.schermataEsercizio();
        QVERIFY(s && QTest::qWaitForWindowActive(s));
        while (m_p->stato->RegistroEsercizi.NumeroEseguiti() < 5) {
            for (int passo = m_p->stato->TabellaFrasi.Codice(s->RigaCorrente(), s->ColonnaCorrente()); passo > 0;
                 --passo)
                tieni(primo, 700);
            tieni(secondo, 700); // the right answer
            QCOMPARE(s->ContaErrati(), 0);
            tieni(secondo, 700); // "avanti"
        }
        QCOMPARE(s->ContaEsatti(), 4);
        QVERIFY(s->isVisible());
        qApp->removeEventFilter(&contati);
        QVERIFY2(contati.rilasci > 100, "the held keys did not repeat");
    }

    // A switch taught as another key, a mouse button or a joystick's button works as the one it replaces, which
    // then does nothing; held long, it is one step; a mouse button clicks nothing under the pointer ("falso").
    void sensoriInsegnati_data()
    {
        QTest::addColumn<QString>("insegnato");
        QTest::addColumn<int>("modalita"); // automatic scanning: switch 1 chooses; manual: switch 2
        QTest::addColumn<int>("tenutoMs");
        QTest::newRow("F7 in automatica") << "tasto:F7" << 2 << 100;
        QTest::newRow("F7 tenuto 1,5 s") << "tasto:F7" << 2 << 1500;
        QTest::newRow("tasto destro, sensore 2") << "mouse:destro" << 1 << 100;
        QTest::newRow("tasto sinistro, sensore 2") << "mouse:sinistro" << 1 << 100;
        QTest::newRow("pulsante 3 del joystick") << "joystick:3" << 2 << 1500;
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
        ModuloJoystick modulo(QFileInfo(QStringLiteral(ORDIPARO_ESEGUIBILE)).path() + u'/' +
                              QString::fromLatin1(kFileModuloJoystick));
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
        QCOMPARE(m_s->ContaErrati(), 1); // "vero", lit, once
        QCOMPARE(risposte(), 1);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        if (joystick) {
            SDL_JoystickClose(joystick);
            QVERIFY(SDL_JoystickDetachVirtual(indice) == 0);
        }
    }

    // A pupil who moves the pointer but cannot click rests it on "vero" (a wrong answer, which stays there to be
    // chosen again) with a rest of one second: a ring fills on it, and one answer comes of each rest on it, however
    // long, even with the pointer trembling; leaving before the time chooses nothing.
    void sosta_data()
    {
        QTest::addColumn<QString>("mosse"); // "vero:1500": rests on "vero" for 1.5 s; "via": moves off the buttons
        QTest::addColumn<int>("risposte");
        QTest::newRow("1,5 s") << "vero:1500" << 1;
        QTest::newRow("via dopo 0,6 s") << "vero:600 via:1500" << 0;
        QTest::newRow("5 s") << "vero:5000" << 1;
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
            // Near half way round: the ring's right side drawn, its left side not yet.
            const QImage anello = trova<QWidget>(vero, QStringLiteral("anelloSosta"))->grab().toImage();
            const QColor nero(Qt::black);
            const int raggio = anello.height() * 35 / 100;
            QCOMPARE(anello.pixelColor(anello.width() / 2 + raggio, anello.height() / 2), nero);
            QVERIFY(anello.pixelColor(anello.width() / 2 - raggio, anello.height() / 2) != nero);
            QTest::qWait(ms - 400);
        }
        QCOMPARE(m_s->ContaErrati(), risposte);
    }

    // Manual scanning, each step a press the switch takes.
    void tempiDelSensore_data() { tabellaTempiSensore(); }
    void tempiDelSensore()
    {
        QFETCH(int, accettazione);
        QFETCH(int, rilascio);
        QFETCH(QString, mosse);
        QFETCH(int, passi);
        m_p->imp().TempoAccettazione = static_cast<qint16>(accettazione);
        m_p->imp().TempoRilascio = static_cast<qint16>(rilascio);
        QVERIFY(apri(1));
        QCOMPARE(acceso(), 0);
        for (const QString& mossa : mosse.split(u' ')) {
            QTest::qWait(mossa.mid(1).toInt());
            sensore(mossa.startsWith(u'+'), 0);
        }
        QTest::qWait(300);
        QCOMPARE(acceso(), passi);
    }

    // A program too busy to handle a press until the pupil lets go times it by the X server's clock: a press of
    // 300 ms is a step with 200 ms of acceptance, though both of its events are handled at once.
    void pressioneGestitaTardi()
    {
        m_p->imp().TempoAccettazione = 200;
        QVERIFY(apri(1));
        XTestFakeKeyEvent(m_x, XKeysymToKeycode(m_x, XK_space), True, CurrentTime);
        XFlush(m_x);
        QThread::msleep(300);
        sensore(false, 300);
        QCOMPARE(acceso(), 1);
    }

    // Automatic scanning at a quarter second a step stops after three rounds with no press, nothing lit; the
    // next press starts it again at the first answer and chooses nothing.
    void pausaDopoTreGiriSilenziosi()
    {
        m_p->imp().VelocitaScansione = 1;
        m_p->imp().GiriPrimaDellaPausa = 3;
        QVERIFY(apri(2));
        QElapsedTimer orologio;
        orologio.start();
        QTRY_COMPARE_WITH_TIMEOUT(acceso(), -1, 5000);
        QVERIFY2(orologio.elapsed() >= 3 * 3 * 250 - 300, qPrintable(QString::number(orologio.elapsed())));
        QTest::qWait(600);
        QCOMPARE(acceso(), -1);
        const QString contati = m_s->numeroEsatti->text() + m_s->numeroErrati->text();
        sensore(true, 60);
        sensore(false, 0);
        QTRY_COMPARE_WITH_TIMEOUT(acceso(), 0, 200);
        QCOMPARE(m_s->numeroEsatti->text() + m_s->numeroErrati->text(), contati);
        QCOMPARE(m_p->suoni.suonati, QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(acceso(), 1, 1000); // and it scans on
    }

    // A pupil with a one-switch profile answers five statements with the space bar alone, hearing each
    // button; each press held for 300 ms and then bouncing is one choice, never two.
    void cinqueRisposteConUnSensore()
    {
        m_p->imp().VelocitaScansione = 6; // 1.5 s
        m_p->imp().FattorePrimoPasso = 2;
        m_p->imp().TempoAccettazione = 200;
        m_p->imp().TempoRilascio = 300;
        m_p->imp().ScansioneUditiva = true;
        QVERIFY(apri(2));
        const QList<QPushButton*> bottoni{m_s->bottoniRisposta[0], m_s->bottoniRisposta[1], m_s->bottoniRisposta[2],
                                          m_s->bottoneAvanti};
        const auto lit = [&] { return accesi(bottoni, m_p->imp().ColoreBottoneSelezionato); };
        QString provati; // the answers tried on this statement: the pupil waits for another one
        for (int pressioni = 0; m_s->ContaEsatti() < 5; ++pressioni) {
            QVERIFY2(pressioni < 25, "five right answers take too many presses");
            QTRY_VERIFY_WITH_TIMEOUT(lit() != QStringLiteral("-") && !provati.contains(lit()), 10000);
            const int risposte = m_s->ContaEsatti() + m_s->ContaErrati();
            sensore(true, 300);
            const QString scelto = lit();
            sensore(false, 30);
            sensore(true, 20);
            sensore(false, 400);
            // One step: a statement answered once, or "avanti" taken to the next statement.
            const bool avanti = scelto == QStringLiteral("3");
            QCOMPARE(m_s->ContaEsatti() + m_s->ContaErrati() - risposte, avanti ? 0 : 1);
            QVERIFY(!avanti || !m_s->bottoneAvanti->isVisible());
            provati = avanti ? QString() : provati + scelto;
        }
        QVERIFY(m_p->parole.contains(QStringLiteral("vero 195 100")));
        QVERIFY(m_p->parole.contains(QStringLiteral("avanti 195 100")));
    }
};

int main(int argc, char** argv)
{
    // Every other test runs offscreen; this one needs the X server.
    if (qEnvironmentVariableIsEmpty("ORDIPARO_DISPLAY_X"))
        qFatal("ORDIPARO_DISPLAY_X names no X server: run through scripts/test, which starts Xvfb");
    qputenv("DISPLAY", qgetenv("ORDIPARO_DISPLAY_X"));
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestScansioneX11 prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_scansionex11.moc"
