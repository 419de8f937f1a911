// The exercise screen driven as a pupil drives it: mouse, one switch, two switches.
#include "exercise/Form1.h"
#include "exercise/agent/Personaggio.h"
#include "home/FormMenu.h"
#include "startup/FormAvvio.h"
#include "startup/Modulo1.h"
#include "support/AmbienteProva.h"
#include "support/Colori.h"
#include "support/Messaggi.h"
#include "support/ScansioneCursore.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestForm1 : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    std::unique_ptr<ProgrammaProva> m_p;

    Form1* apri() { return m_p->programma.apriEsercizio(nullptr); }
    ImpostazioniUtente& imp() { return m_p->stato->ImpostazioniUtente; }
    const RegistroEsercizi& registro() { return m_p->stato->RegistroEsercizi; }

    // Puts an item in the table: a stimulus (code 1 text, 0 picture) and its statements, each written as
    // its answer code followed by its text.
    void metti(int riga, const QString& stimolo, int codice, const QStringList& voci)
    {
        TabellaFrasi& t = m_p->stato->TabellaFrasi;
        t.NumeroRighe = std::max<qint16>(t.NumeroRighe, static_cast<qint16>(riga));
        t.Testo(riga, 0) = stimolo;
        t.Codice(riga, 0) = static_cast<qint16>(codice);
        for (int colonna = 1; colonna < TabellaFrasi::kColonne; ++colonna) {
            const QString voce = voci.value(colonna - 1, QStringLiteral("3"));
            t.Testo(riga, colonna) = voce.mid(1);
            t.Codice(riga, colonna) = voce.left(1).toShort();
        }
    }
    void giustaEAvanti(Form1* s)
    {
        s->Command1[m_p->stato->TabellaFrasi.Codice(s->RigaCorrente(), s->ColonnaCorrente())]->click();
        s->BottoneAvanti->click();
    }
    // A key pressed and let go where the screen's keyboard is; the switch's release counts once it stays up.
    static void premi(Form1* s, Qt::Key tasto)
    {
        QTest::keyClick(s->focusWidget(), tasto);
        QTest::qWait(ScansioneCursore::kConfermaRilascioMs * 3);
    }
    void esci(Form1* s)
    {
        s->mnuEsci->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        Messaggi::Prova::intercetta(true);
        Messaggi::Prova::dimentica();
        m_p = std::make_unique<ProgrammaProva>(m_ambiente);
        metti(1, QStringLiteral("Il gatto dorme sul divano."), 1,
              {QStringLiteral("0Il gatto dorme."), QStringLiteral("1Il gatto mangia."),
               QStringLiteral("2Il gatto si chiama Micio.")});
    }
    void cleanup()
    {
        m_p->programma.termina();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_p.reset();
    }

    void dallaSchermataInizialeAllaRispostaERitorno()
    {
        QTest::mouseClick(m_p->programma.apriAvvio()->Command1, Qt::LeftButton);
        QVERIFY(m_p->programma.formMenu() && m_p->programma.formMenu()->isVisible());
        QTest::mouseClick(m_p->programma.formMenu()->Command1[0], Qt::LeftButton);
        Form1* s = m_p->programma.form1();
        QVERIFY(s && s->isVisible());
        QCOMPARE(s->Label1->text(), QStringLiteral("Il gatto dorme sul divano."));
        QCOMPARE(s->Label4->text(), QStringLiteral("Il gatto dorme."));
        QCOMPARE(registro().NumeroEseguiti(), qint16(1));

        QTest::mouseClick(s->Command1[1], Qt::LeftButton);
        QTest::mouseClick(s->Command1[2], Qt::LeftButton);
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 2"));
        QVERIFY(s->ComandoIconaNo->isVisible() && !s->ComandoIconaSi->isVisible());
        s->mnuAzzera->trigger();
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 0"));
        QVERIFY(s->ComandoIconaSi->isVisible() && !s->ComandoIconaNo->isVisible());
        QTest::mouseClick(s->Command1[1], Qt::LeftButton);
        QTest::mouseClick(s->Command1[0], Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text() + s->EtichettaErrati->text(), QStringLiteral(" 1 1"));
        QVERIFY(s->ComandoIconaSi->isVisible() && !s->ComandoIconaNo->isVisible());
        QVERIFY(s->BottoneAvanti->isVisible());
        QCOMPARE(registro().riga(1).Errori, QStringLiteral(" *  *  * ")); // resetting the counts keeps the record
        for (QPushButton* b : s->Command1)                                // answered: the answers no longer count
            QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text() + s->EtichettaErrati->text(), QStringLiteral(" 1 1"));

        QTest::mouseClick(s->BottoneAvanti, Qt::LeftButton);
        QCOMPARE(s->Label4->text(), QStringLiteral("Il gatto mangia."));
        QCOMPARE(registro().NumeroEseguiti(), qint16(2));
        QVERIFY(!s->BottoneAvanti->isVisible());
        QVERIFY(s->ComandoIconaSi->isVisible());           // the last outcome stays until the next answer
        QTest::mouseClick(s->Command1[0], Qt::LeftButton); // "vero" on a false statement
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 2"));
        esci(s);
        QVERIFY(!m_p->programma.form1());
        QVERIFY(m_p->programma.formMenu() && m_p->programma.formMenu()->isVisible());
    }

    // Statements come in order; after an item's last one a new item. Items are a stimulus and statements
    // written as answer code then text. Nothing to show: a message, then back to the menu.
    void qualiAffermazioniSiVedono_data()
    {
        QTest::addColumn<int>("tipoRisposte");
        QTest::addColumn<QList<QStringList>>("esercizi");
        QTest::addColumn<QStringList>("mostrate");
        using L = QList<QStringList>;
        QTest::newRow("vero-falso salta non si sa") << 0 << L{{"2a", "2b", "0c", "1d"}} << QStringList{"c", "d", "c"};
        QTest::newRow("tre risposte le mostra tutte") << 1 << L{{"2a", "0b"}} << QStringList{"a", "b", "a"};
        QTest::newRow("vero-falso: spazi chiudono") << 0 << L{{"0a", "1   ", "0c"}} << QStringList{"a", "a"};
        QTest::newRow("tre risposte: spazi mostrati") << 1 << L{{"0a", "1   "}} << QStringList{"a", "   ", "a"};
        QTest::newRow("codice senza risposta saltato") << 1 << L{{"0a", "3b", "1c"}} << QStringList{"a", "c", "a"};
        QTest::newRow("otto affermazioni") << 1 << L{{"01", "12", "03", "14", "05", "16", "07", "18"}}
                                           << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "1"};
        QTest::newRow("esercizio di soli non si sa saltato") << 0 << L{{"2x", "2y"}, {"0z"}} << QStringList(20, "z");
        QTest::newRow("lista vuota") << 1 << L{} << QStringList();
        QTest::newRow("vero-falso con soli non si sa") << 0 << L{{"2x"}} << QStringList();
    }
    void qualiAffermazioniSiVedono()
    {
        QFETCH(int, tipoRisposte);
        QFETCH(QList<QStringList>, esercizi);
        QFETCH(QStringList, mostrate);
        for (int i = 0; i < esercizi.size(); ++i)
            metti(i + 1, QStringLiteral("Stimolo"), 1, esercizi[i]);
        m_p->stato->TabellaFrasi.NumeroRighe = static_cast<qint16>(esercizi.size());
        imp().TipoRisposte = static_cast<qint16>(tipoRisposte);
        Form1* s = apri();
        if (mostrate.isEmpty()) {
            QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
            QVERIFY(Messaggi::Prova::mostrati().first().contains(QStringLiteral("non contiene esercizi")));
            QTRY_VERIFY(m_p->programma.formMenu() && m_p->programma.formMenu()->isVisible());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!m_p->programma.form1());
            return;
        }
        QCOMPARE(s->Command1[2]->isVisibleTo(s), tipoRisposte != 0);
        QStringList viste{s->Label4->text()};
        while (viste.size() < mostrate.size()) {
            giustaEAvanti(s);
            viste << s->Label4->text();
        }
        QCOMPARE(viste, mostrate);
    }

    void limitiDeiConteggiEDelRegistro()
    {
        Form1* s = apri();
        for (int volta = 0; volta < 32768; ++volta)
            s->Command1[1]->click();
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 32767"));
        for (int volta = 0; volta < 1005; ++volta)
            giustaEAvanti(s);
        QCOMPARE(registro().NumeroEseguiti(), qint16(1000));
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 1005")); // the exercise went on
    }

    // The wide panorama of the default list on a 1280 × 800 screen, whose stimulus box is wider than at design.
    void immagineAdattataEParoleNascoste()
    {
        AmbienteProva::scrivi(
            m_ambiente.percorsi().cartellaImmagini() + QStringLiteral("parco.png"),
            AmbienteProva::leggi(AmbienteProva::sorgente(QStringLiteral("assets/immagini/parco.png"))));
        metti(1, QStringLiteral("PARCO.PNG"), 0, {QStringLiteral("0È un parco.")});
        Form1* s = apri();
        s->resize(1280, 800);
        QVERIFY(s->Image1->isVisible() && !s->Label1->isVisible());
        const QRect conParole = s->Image1->geometry();
        QVERIFY(s->Label1->geometry().contains(conParole)); // neither over the menu bar nor over the statement
        QVERIFY(!conParole.intersects(s->Label4->geometry()));
        QVERIFY(conParole.width() == s->Label1->width() || conParole.height() == s->Label1->height());
        QCOMPARE(s->Image1->pixmap().size(), conParole.size());
        s->mnuNascondi->trigger();
        QVERIFY(!s->Label4->isVisible());
        QCOMPARE(s->mnuNascondi->text(), QStringLiteral("Mostra &parole"));
        QVERIFY(s->Image1->height() > conParole.height());
        QVERIFY(s->area()->rect().contains(s->Image1->geometry()));
        QVERIFY(!s->Image1->geometry().intersects(s->picAgent->geometry()));
        QVERIFY(s->Image1->y() >= s->Picture1->y() &&
                s->Image1->geometry().bottom() <= s->Picture1->geometry().bottom());
        s->mnuNascondi->trigger();
        QVERIFY(s->Label4->isVisible());
        QCOMPARE(s->mnuNascondi->text(), QStringLiteral("&Nascondi parole"));
        QCOMPARE(s->Image1->geometry(), conParole);
    }

    void immagineMancanteLasciaLAreaVuota()
    {
        metti(1, QStringLiteral("nessuna.png"), 0, {QStringLiteral("0Vero.")});
        Form1* s = apri();
        QVERIFY(!s->Image1->isVisible() && !s->Label1->isVisible());
        QCOMPARE(s->Label4->text(), QStringLiteral("Vero."));
    }

    // While the character speaks, mistakes are silent; without it the exercise goes on.
    void suoni_data()
    {
        QTest::addColumn<bool>("suoniAttivi");
        QTest::addColumn<bool>("parlatoAttivo");
        QTest::addColumn<bool>("personaggioDisponibile");
        QTest::addColumn<QStringList>("attesi");
        QTest::newRow("suoni e voce") << true << true << true << QStringList{"si.wav"};
        QTest::newRow("suoni senza voce") << true << false << true << QStringList{"no.wav", "si.wav"};
        QTest::newRow("voce che non si carica") << true << true << false << QStringList{"no.wav", "si.wav"};
        QTest::newRow("suoni spenti") << false << false << true << QStringList{};
    }
    void suoni()
    {
        QFETCH(bool, suoniAttivi);
        QFETCH(bool, parlatoAttivo);
        QFETCH(bool, personaggioDisponibile);
        QFETCH(QStringList, attesi);
        imp().SuoniAttivi = suoniAttivi;
        imp().ParlatoAttivo = parlatoAttivo;
        m_p->personaggioDisponibile = personaggioDisponibile;
        Form1* s = apri();
        s->Command1[1]->click();
        s->Command1[0]->click();
        QCOMPARE(m_p->suoni.suonati, attesi);
        esci(s);
        apri(); // a missing character is told once
        const QStringList detti = Messaggi::Prova::mostrati();
        QCOMPARE(detti.size(), personaggioDisponibile ? 0 : 1);
        QCOMPARE(detti.join(u' ').contains(QStringLiteral("Merlin.acs")), !personaggioDisponibile);
    }

    // The character greets, reads the texts clicked (the picture only with the words hidden), reads a new
    // statement by itself while the words are hidden, and stops on closing.
    void personaggio_data()
    {
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QString>("saluto"); // empty: speech off
        QTest::newRow("maiuscolo") << QString("maiuscolo") << QString("CIAO!");
        QTest::newRow("minuscolo") << QString("minuscolo") << QString("Ciao!");
        QTest::newRow("senza voce") << QString("minuscolo") << QString();
    }
    void personaggio()
    {
        QFETCH(QString, stile);
        QFETCH(QString, saluto);
        imp().StileLettere = stile;
        imp().ParlatoAttivo = !saluto.isEmpty();
        imp().FontTesto = QStringLiteral("Comic Sans MS");
        imp().VelocitaVoce = 180;
        Form1* s = apri();
        if (s->personaggio()) // balloon off, sized to the text, the character's own bit kept
            QCOMPARE(s->personaggio()->BalloonStyle(), 4 | Personaggio::kFumettoTuttoIlTesto);
        QCOMPARE(s->Label4->cursor().shape() == Qt::ArrowCursor, saluto.isEmpty());
        const QPoint posto = s->picAgent->mapToGlobal(QPoint(0, 0));
        for (QWidget* testo : {s->Label1, s->Label4, s->Image1})
            QTest::mouseClick(testo, Qt::LeftButton);
        s->mnuNascondi->trigger();
        giustaEAvanti(s);
        esci(s);
        const QString detto = QStringLiteral("LanguageID 1040|FontName Comic Sans MS|FontSize 28|MoveTo %1 %2 0|Show|"
                                             "%3%4|StopAll|%3Il gatto dorme sul divano.|StopAll|%3Il gatto dorme.|"
                                             "StopAll|%3Il gatto mangia.|StopAll")
                                  .arg(QString::number(posto.x()), QString::number(posto.y() + 50),
                                       QStringLiteral("Speak \\Spd=180\\\\Pit=100\\"), saluto);
        QCOMPARE(m_p->agente.join(u'|'), saluto.isEmpty() ? QString() : detto);
    }

    void colori_data()
    {
        QTest::addColumn<bool>("sistema");
        QTest::addColumn<bool>("casuale");
        QTest::addColumn<int>("modalita");
        QTest::newRow("colori del profilo, sfondo fisso") << false << false << 1;
        QTest::newRow("colori del profilo, sfondo casuale") << false << true << 2;
        QTest::newRow("colori di sistema, un sensore") << true << true << 2;
        QTest::newRow("colori di sistema, due sensori") << true << false << 1;
    }
    void colori()
    {
        QFETCH(bool, sistema);
        QFETCH(bool, casuale);
        QFETCH(int, modalita);
        imp().ImpostazioniSistema = sistema;
        imp().ColoreCasuale = casuale;
        imp().ColoreSfondo = 255;
        imp().ColoreSfondoTesto = 65535;
        imp().ModalitaInput = static_cast<qint16>(modalita);
        Form1* s = apri();
        const QRgb primo = s->area()->grab().toImage().pixel(s->area()->width() - 2, s->area()->height() - 2);
        for (int i = 0; i < 3; ++i) { // the item's three statements, then a new item
            s->Command1[m_p->stato->TabellaFrasi.Codice(s->RigaCorrente(), s->ColonnaCorrente())]->click();
            emit s->scansione().scelto(s->BottoneAvanti); // "avanti" as the switch chooses it
        }
        // What the pupil sees: a free corner of the screen, the character's place, the switch's receiver, a text box.
        const QImage schermo = s->area()->grab().toImage();
        const QRgb sfondo = schermo.pixel(schermo.width() - 2, schermo.height() - 2);
        QCOMPARE(sfondo != primo, casuale && !sistema);
        if (!sistema && !casuale)
            QCOMPARE(QColor(sfondo), QColor(Qt::red));
        QWidget* ricevitore = modalita == 1 ? s->PictureScansioneManuale : s->PictureScansioneAutomatica;
        QVERIFY(ricevitore->isVisible());
        for (QWidget* senzaColore : {s->picAgent, ricevitore})
            QCOMPARE(QColor(schermo.pixel(senzaColore->geometry().center())), QColor(sfondo));
        const QColor sfondoTesto = sistema ? QApplication::palette().color(QPalette::Base) : QColor(Qt::yellow);
        QCOMPARE(QColor(schermo.pixel(s->Label1->geometry().bottomRight() - QPoint(2, 2))), sfondoTesto);
    }

    void rispostePerLaStessaMisura()
    {
        imp().TipoRisposte = 0;
        Form1* s = apri();
        const qreal punti = s->Command1[0]->font().pointSizeF();
        QVERIFY(punti > 14.25);
        for (QPushButton* b : s->Command1)
            QCOMPARE(b->font().pointSizeF(), punti);
        // The first size at which the longest answer, hidden as it is, no longer fits in 90 % of a button.
        QFont prima = s->Command1[2]->font();
        prima.setPointSizeF(punti - 1);
        const int w = s->Command1[0]->width(), h = s->Command1[0]->height() - s->Command1[0]->height() / 10;
        const QSize testo = QFontMetrics(s->Command1[2]->font()).size(0, QStringLiteral("non si sa"));
        const QSize testoPrima = QFontMetrics(prima).size(0, QStringLiteral("non si sa"));
        QVERIFY(testo.width() >= w || testo.height() >= h);
        QVERIFY(testoPrima.width() < w && testoPrima.height() < h);
    }

    // The answers grow until "non si sa" fills the button's height or width: the cursive font's line height
    // must not shrink them far below the size a print font gets.
    void risposteInCorsivoGrandiComeInStampato()
    {
        Modulo1::InstallaFont(m_ambiente.percorsi(), nullptr);
        const auto punti = [this](const QString& famiglia) {
            imp().FontTesto = famiglia;
            Form1* s = apri();
            const qreal risultato = s->Command1[0]->font().pointSizeF();
            esci(s);
            return risultato;
        };
        const qreal stampato = punti(QStringLiteral("Comic Sans MS"));
        const qreal corsivo = punti(QStringLiteral("Indis1"));
        QVERIFY2(qAbs(corsivo - stampato) <= stampato / 4,
                 qPrintable(QStringLiteral("%1 pt in cursive, %2 pt in print").arg(corsivo).arg(stampato)));
    }

    // Steps: space, enter ("r"), a held space ("h"), a clock tick ("t"), the mouse entering "falso" ("m"),
    // clicking "falso" ("c") or "avanti" ("a"). Keys go where the screen's keyboard focus is. After each: the
    // highlighted buttons (3 is "avanti"), right and wrong answers, the statement's column.
    void comandi_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<QString>("passi");
        QTest::addColumn<QStringList>("quadri");
        QTest::newRow("manuale: spazio sposta, invio sceglie")
            << 1 << QString(" hr  rar") << QStringList{"0 0 0 1", "1 0 0 1", "1 0 0 1", "1 0 1 1", "2 0 1 1",
                                                       "0 0 1 1", "3 1 1 1", "3 1 1 1", "0 1 1 2"};
        QTest::newRow("manuale: né il mouse né il tempo spostano")
            << 1 << QString("mt") << QStringList{"0 0 0 1", "0 0 0 1", "0 0 0 1"};
        QTest::newRow("manuale: dopo un clic invio sceglie l'acceso")
            << 1 << QString("cr") << QStringList{"0 0 0 1", "0 0 1 1", "3 1 1 1"};
        QTest::newRow("automatica: il tempo sposta, spazio sceglie")
            << 2 << QString("tttrh  ")
            << QStringList{"0 0 0 1", "1 0 0 1", "2 0 0 1", "0 0 0 1", "0 0 0 1", "0 0 0 1", "3 1 0 1", "0 1 0 2"};
        QTest::newRow("automatica: dopo un clic spazio sceglie l'acceso")
            << 2 << QString("c ") << QStringList{"0 0 0 1", "0 0 1 1", "3 1 1 1"};
        QTest::newRow("mouse") << 0 << QString("mc") << QStringList{"- 0 0 1", "1 0 0 1", "1 0 1 1"};
    }
    void comandi()
    {
        QFETCH(int, modalita);
        QFETCH(QString, passi);
        QFETCH(QStringList, quadri);
        imp().ModalitaInput = static_cast<qint16>(modalita);
        Form1* s = apri();
        if (modalita == 2)
            QCOMPARE(s->Timer1->interval(), 1000);
        QWidget* sensore = modalita == 2 ? s->PictureScansioneAutomatica : s->PictureScansioneManuale;
        // One tick at a time: the clock stops after each.
        s->Timer1->stop();
        connect(s->Timer1, &QTimer::timeout, s->Timer1, &QTimer::stop);
        QSignalSpy tic(s->Timer1, &QTimer::timeout);
        QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QKeyEvent tenuto(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        const QPushButton* bottoni[] = {s->Command1[0], s->Command1[1], s->Command1[2], s->BottoneAvanti};
        const auto quadro = [&] {
            QString accesi; // the buttons the pupil sees in the highlight colour
            for (int i = 0; i < 4; ++i) {
                const QPushButton* b = bottoni[i];
                if (b->isVisible() && Colori::sfondo(b) == imp().ColoreBottoneSelezionato)
                    accesi += QString::number(i);
            }
            return QString::asprintf("%s %d %d %d", accesi.isEmpty() ? "-" : qPrintable(accesi), s->ContaEsatti(),
                                     s->ContaErrati(), s->ColonnaCorrente());
        };
        const QHash<QChar, std::function<void()>> fai{
            {u' ', [&] { premi(s, Qt::Key_Space); }},
            {u'r', [&] { premi(s, Qt::Key_Return); }},
            {u'h', [&] { QCoreApplication::sendEvent(sensore, &tenuto); }},
            {u't',
             [&] {
                 s->Timer1->start(1);
                 tic.wait();
             }},
            {u'm', [&] { QCoreApplication::sendEvent(s->Command1[1], &entra); }},
            {u'c', [&] { QTest::mouseClick(s->Command1[1], Qt::LeftButton); }},
            {u'a', [&] { QTest::mouseClick(s->BottoneAvanti, Qt::LeftButton); }}};
        QStringList visti{quadro()};
        for (const QChar passo : passi) {
            fai[passo]();
            visti << quadro();
        }
        QCOMPARE(visti, quadri);
        // Only in mouse mode does a clicked button keep the keyboard.
        const bool bottoneColFuoco =
            std::find(std::begin(bottoni), std::end(bottoni), s->focusWidget()) != std::end(bottoni);
        QCOMPARE(bottoneColFuoco, modalita == 0 && passi.contains(u'c'));
    }

    // In automatic scanning a choice gives what is lit next a whole step, however far the clock had run.
    void unaSceltaDaUnPassoIntero_data()
    {
        QTest::addColumn<bool>("colMouse");
        QTest::addColumn<int>("giusta"); // the first statement's answer: "vero" is lit and chosen
        QTest::newRow("sensore, risposta giusta") << false << 0;
        QTest::newRow("sensore, risposta sbagliata") << false << 1;
        QTest::newRow("clic del maestro, risposta giusta") << true << 0;
    }
    void unaSceltaDaUnPassoIntero()
    {
        QFETCH(bool, colMouse);
        QFETCH(int, giusta);
        metti(1, QStringLiteral("Il gatto dorme sul divano."), 1, {QString::number(giusta) + QStringLiteral("Dorme.")});
        imp().ModalitaInput = 2;
        Form1* s = apri();
        const int passo = s->Timer1->interval();
        QTest::qWait(passo * 2 / 5);
        if (colMouse)
            QTest::mouseClick(s->Command1[0], Qt::LeftButton);
        else
            QTest::keyClick(s->focusWidget(), Qt::Key_Space);
        QTRY_COMPARE(s->ContaEsatti() + s->ContaErrati(), 1);
        QVERIFY2(s->Timer1->remainingTime() > passo * 4 / 5, qPrintable(QString::number(s->Timer1->remainingTime())));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
