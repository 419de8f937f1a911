// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise screen driven as a pupil drives it: mouse, one switch, two switches.
#include "exercise/SchermataEsercizio.h"
#include "home/SchermataMenu.h"
#include "support/Colori.h"
#include "support/ColoriWindows.h"
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"
#include "support/ScansioneCursore.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestSchermataEsercizio : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    std::unique_ptr<ProgrammaProva> m_p;

    SchermataEsercizio* apri() { return m_p->programma.apriEsercizio(nullptr); }
    ImpostazioniUtente& imp() { return m_p->imp(); }
    QPushButton* giusta(SchermataEsercizio* s)
    {
        return s->bottoniRisposta[m_p->stato->TabellaFrasi.Codice(s->RigaCorrente(), s->ColonnaCorrente())];
    }
    void giustaEAvanti(SchermataEsercizio* s)
    {
        giusta(s)->click();
        s->bottoneAvanti->click();
    }
    static QString conteggi(const SchermataEsercizio* s) { return s->numeroEsatti->text() + s->numeroErrati->text(); }
    static void esci(SchermataEsercizio* s)
    {
        s->azioneEsci->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        m_p = std::make_unique<ProgrammaProva>(m_ambiente);
        m_p->metti(1, QStringLiteral("Il gatto dorme sul divano."), 1,
                   {QStringLiteral("0Il gatto dorme."), QStringLiteral("1Il gatto mangia."),
                    QStringLiteral("2Il gatto si chiama Micio.")});
    }
    void cleanup() { m_p.reset(); }

    // The answers grow until "non si sa" fills their buttons, all three alike (in cursive as in print: see the
    // screens' test). Answers are counted and recorded until the right one; then only "avanti" goes on, past a
    // full record too. Leaving shows the menu.
    void risposteContateERegistrate()
    {
        SchermataEsercizio* s = apri();
        const QSize testo = QFontMetrics(s->bottoniRisposta[0]->font()).size(0, QStringLiteral("non si sa"));
        QVERIFY(testo.width() * 5 > s->bottoniRisposta[0]->width() * 4 ||
                testo.height() * 5 > s->bottoniRisposta[0]->height() * 4);
        QCOMPARE(s->bottoniRisposta[0]->font(), s->bottoniRisposta[2]->font());
        QTest::mouseClick(s->bottoniRisposta[1], Qt::LeftButton);
        QTest::mouseClick(s->bottoniRisposta[2], Qt::LeftButton);
        QCOMPARE(conteggi(s), QStringLiteral(" 0 2"));
        QVERIFY(s->faccinaNo->isVisible() && !s->faccinaSi->isVisible());
        s->azioneAzzera->trigger();
        QCOMPARE(conteggi(s), QStringLiteral(" 0 0"));
        QVERIFY(s->faccinaSi->isVisible() && !s->faccinaNo->isVisible());
        QTest::mouseClick(s->bottoniRisposta[1], Qt::LeftButton);
        for (QPushButton* b : s->bottoniRisposta) // the right one, then the answered statement takes no more
            QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(conteggi(s), QStringLiteral(" 1 1"));
        QVERIFY(s->faccinaSi->isVisible() && s->bottoneAvanti->isVisible());
        const RegistroEsercizi& registro = m_p->stato->RegistroEsercizi;
        QCOMPARE(registro.riga(1).Errori, QStringLiteral(" *  *  * ")); // resetting the counts keeps the record
        QTest::mouseClick(s->bottoneAvanti, Qt::LeftButton);
        QCOMPARE(registro.NumeroEseguiti(), qint16(2));
        QVERIFY(!s->bottoneAvanti->isVisible());
        for (int volta = 0; volta < 1005; ++volta) // past a full record the exercise goes on
            giustaEAvanti(s);
        QCOMPARE(conteggi(s), QStringLiteral(" 1006 1"));
        esci(s);
        QVERIFY(!m_p->programma.schermataEsercizio());
        QVERIFY(m_p->programma.schermataMenu() && m_p->programma.schermataMenu()->isVisible());
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
            m_p->metti(i + 1, QStringLiteral("Stimolo"), 1, esercizi[i]);
        m_p->stato->TabellaFrasi.NumeroRighe = static_cast<qint16>(esercizi.size());
        imp().TipoRisposte = static_cast<qint16>(tipoRisposte);
        SchermataEsercizio* s = apri();
        if (mostrate.isEmpty()) {
            QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
            QVERIFY(Messaggi::Prova::mostrati().first().contains(QStringLiteral("non contiene esercizi")));
            QTRY_VERIFY(!m_p->programma.schermataEsercizio() && m_p->programma.schermataMenu());
            return;
        }
        QCOMPARE(s->bottoniRisposta[2]->isVisibleTo(s), tipoRisposte != 0);
        QStringList viste{s->testoAffermazione->text()};
        while (viste.size() < mostrate.size()) {
            giustaEAvanti(s);
            viste << s->testoAffermazione->text();
        }
        QCOMPARE(viste, mostrate);
    }

    // The wide panorama of the default list on a 1280 × 800 screen fits the stimulus box; with the words
    // hidden it grows, left of the character and within its frame. A missing picture leaves the area empty.
    void immagineAdattataEParoleNascoste()
    {
        AmbienteProva::scrivi(
            m_ambiente.percorsi().cartellaImmagini() + QStringLiteral("parco.png"),
            AmbienteProva::leggi(AmbienteProva::sorgente(QStringLiteral("assets/immagini/parco.png"))));
        m_p->metti(1, QStringLiteral("PARCO.PNG"), 0, {QStringLiteral("0È un parco.")});
        SchermataEsercizio* s = apri();
        s->resize(1280, 800);
        QVERIFY(s->immagineStimolo->isVisible() && !s->testoStimolo->isVisible());
        const QRect conParole = s->immagineStimolo->geometry();
        QVERIFY(s->testoStimolo->geometry().contains(conParole));
        QVERIFY(conParole.width() == s->testoStimolo->width() || conParole.height() == s->testoStimolo->height());
        s->azioneNascondiParole->trigger();
        QVERIFY(!s->testoAffermazione->isVisible() && s->immagineStimolo->height() > conParole.height());
        QVERIFY(QRect(0, s->spazioImmagine->y(), s->postoPersonaggio->x(), s->spazioImmagine->height())
                    .contains(s->immagineStimolo->geometry()));
        s->azioneNascondiParole->trigger();
        QCOMPARE(s->immagineStimolo->geometry(), conParole);
        m_p->metti(1, QStringLiteral("nessuna.png"), 0, {QStringLiteral("0Vero.")});
        s->GeneraEsercizio();
        QVERIFY(!s->immagineStimolo->isVisible() && !s->testoStimolo->isVisible());
        QCOMPARE(s->testoAffermazione->text(), QStringLiteral("Vero."));
    }

    // The character greets, reads the texts clicked (the picture only with the words hidden), reads a new
    // statement by itself while the words are hidden, and stops on closing. While it speaks mistakes are
    // silent; when it cannot be loaded the exercise goes on, and the teacher is told once. Leaving goes back
    // home, the character or not.
    void voceESuoni_data()
    {
        QTest::addColumn<bool>("suoniAttivi");
        QTest::addColumn<bool>("parlato");
        QTest::addColumn<bool>("disponibile");
        QTest::addColumn<QString>("saluto"); // empty: the character says nothing
        QTest::addColumn<QStringList>("suonati");
        QTest::newRow("voce, maiuscolo") << true << true << true << QString("CIAO!") << QStringList{"si.wav"};
        QTest::newRow("voce, minuscolo") << false << true << true << QString("Ciao!") << QStringList{};
        QTest::newRow("senza voce") << true << false << true << QString() << QStringList{"no.wav", "si.wav"};
        QTest::newRow("voce che non si carica")
            << true << true << false << QString() << QStringList{"no.wav", "si.wav"};
    }
    void voceESuoni()
    {
        QFETCH(bool, suoniAttivi);
        QFETCH(bool, parlato);
        QFETCH(bool, disponibile);
        QFETCH(QString, saluto);
        QFETCH(QStringList, suonati);
        imp().SuoniAttivi = suoniAttivi;
        imp().ParlatoAttivo = parlato;
        m_p->personaggioDisponibile = disponibile;
        imp().StileLettere =
            saluto == QStringLiteral("CIAO!") ? QStringLiteral("maiuscolo") : QStringLiteral("minuscolo");
        imp().FontTesto = QStringLiteral("Comic Sans MS");
        imp().VelocitaVoce = 180;
        SchermataEsercizio* s = apri();
        if (s->personaggio()) // balloon off, sized to the text, the character's own bit kept
            QCOMPARE(s->personaggio()->BalloonStyle(), 4 | Personaggio::kFumettoTuttoIlTesto);
        const QPoint posto = s->postoPersonaggio->mapToGlobal(QPoint(0, 50));
        for (QWidget* testo :
             {static_cast<QLabel*>(s->testoStimolo), static_cast<QLabel*>(s->testoAffermazione), s->immagineStimolo})
            QTest::mouseClick(testo, Qt::LeftButton);
        s->bottoniRisposta[1]->click();
        s->bottoniRisposta[0]->click();
        QCOMPARE(m_p->suoni.suonati, suonati);
        s->azioneNascondiParole->trigger();
        s->bottoneAvanti->click();
        esci(s);
        QVERIFY(m_p->programma.schermataMenu() && m_p->programma.schermataMenu()->isVisible());
        const QString detto = QStringLiteral("LanguageID 1040|FontName Comic Sans MS|FontSize 28|MoveTo %1 %2 0|Show|"
                                             "%3%4|StopAll|%3Il gatto dorme sul divano.|StopAll|%3Il gatto dorme.|"
                                             "StopAll|%3Il gatto mangia.|StopAll")
                                  .arg(QString::number(posto.x()), QString::number(posto.y()),
                                       QStringLiteral("Speak \\Spd=180\\\\Pit=100\\"), saluto);
        QCOMPARE(m_p->agente.join(u'|'), saluto.isEmpty() ? QString() : detto);
        apri();
        const QStringList detti = Messaggi::Prova::mostrati();
        QCOMPARE(detti.size(), disponibile ? 0 : 1);
        QCOMPARE(detti.join(u' ').contains(QStringLiteral("Merlin.acs")), !disponibile);
    }

    // Reading along, the word heard is marked in the box read from: a word clicked while nothing is read is said
    // alone and marked where it stands; a click off the words, or while the character speaks, reads the whole
    // text. No marker for a sentence no longer said or on the hidden statement; none followed with the setting off.
    void paroleSegnate_data()
    {
        QTest::addColumn<bool>("evidenzia");
        QTest::addColumn<bool>("parlando");
        QTest::addColumn<bool>("suParola"); // the click on "gatto", else below the text
        QTest::addColumn<QString>("detto");
        QTest::newRow("clic su una parola") << true << false << true << "gatto";
        QTest::newRow("clic fuori dalle parole") << true << false << false << "Il gatto dorme sul divano.";
        QTest::newRow("clic su una parola mentre parla") << true << true << true << "Il gatto dorme sul divano.";
        QTest::newRow("senza evidenziare") << false << false << true << "Il gatto dorme sul divano.";
    }
    void paroleSegnate()
    {
        QFETCH(bool, evidenzia);
        QFETCH(bool, parlando);
        QFETCH(bool, suParola);
        QFETCH(QString, detto);
        imp().EvidenziaParoleLette = evidenzia;
        SchermataEsercizio* s = apri();
        auto* finto = dynamic_cast<PersonaggioFinto*>(s->personaggio());
        finto->parlando = parlando;
        EtichettaConSegno* stimolo = s->testoStimolo;
        QTest::mouseClick(stimolo, Qt::LeftButton, {},
                          suParola ? stimolo->riquadro({3, 5}).center().toPoint()
                                   : QPoint(stimolo->width() / 2, stimolo->height() - 4));
        QCOMPARE(m_p->agente.constLast(), QStringLiteral("Speak \\Spd=130\\\\Pit=100\\") + detto);
        QCOMPARE(bool(finto->avvisoParola), evidenzia);
        if (!evidenzia)
            return;
        const int richiesta = static_cast<int>(m_p->agente.size());
        finto->avvisoParola(richiesta - 1, 0); // an earlier sentence's word
        QCOMPARE(stimolo->parolaSegnata().lunghezza, 0);
        finto->avvisoParola(richiesta, 0);
        QCOMPARE(stimolo->parolaSegnata().inizio, stimolo->text().indexOf(detto));
        finto->avvisoParola(richiesta, -1);
        QCOMPARE(stimolo->parolaSegnata().lunghezza, 0);
        s->azioneNascondiParole->trigger();
        giustaEAvanti(s); // the next statement is read by itself
        finto->avvisoParola(static_cast<int>(m_p->agente.size()), 3);
        QCOMPARE(s->testoAffermazione->parolaSegnata().lunghezza, 0);
    }

    // Whatever colours the profile chose, the marker stands out 3:1 against the box and the word on it 4.5:1;
    // no pixel outside the marker changes, the word marked before included, and none once the reading is over.
    void segnoSiVede_data()
    {
        QTest::addColumn<QColor>("sfondo");
        QTest::addColumn<QColor>("testo");
        QTest::newRow("nero su bianco") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("bianco su nero") << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("blu su giallo") << QColor(Qt::yellow) << QColor(Qt::blue);
        QTest::newRow("grigio su grigio") << QColor(120, 120, 120) << QColor(150, 150, 150);
    }
    void segnoSiVede()
    {
        QFETCH(QColor, sfondo);
        QFETCH(QColor, testo);
        imp().EvidenziaParoleLette = true;
        imp().ColoreSfondoTesto = ColoriWindows::numeroDi(sfondo);
        imp().ColoreFont = ColoriWindows::numeroDi(testo);
        EtichettaConSegno* stimolo = apri()->testoStimolo;
        const QImage prima = stimolo->grab().toImage();
        stimolo->segnaParola(0); // the word before leaves no trace
        stimolo->segnaParola(4);
        QImage dopo = stimolo->grab().toImage();
        const QRect segno = stimolo->riquadro(stimolo->parolaSegnata()).toAlignedRect();
        const QColor blocco = dopo.pixel(segno.topLeft() + QPoint(1, 1));
        double parola = 1; // the word's ink against the block
        for (int y = segno.top(); y <= segno.bottom(); ++y) {
            for (int x = segno.left(); x <= segno.right(); ++x)
                parola = std::max(parola, Colori::contrasto(dopo.pixel(x, y), blocco));
        }
        QVERIFY2(Colori::contrasto(blocco, sfondo) >= 3 && parola >= 4.5, qPrintable(blocco.name()));
        QPainter(&dopo).drawImage(segno, prima, segno);
        QCOMPARE(dopo, prima);
        stimolo->segnaParola(-1);
        QCOMPARE(stimolo->grab().toImage(), prima);
    }

    // What the pupil sees: the lit answer stands out whatever the colours, a solid fill of the chosen colour
    // ringed at least 4 pixels deep in black or white at 3:1 or more against the background around it; after a
    // new item, a free corner of the screen, the character's place and the switch's receiver in the background
    // (the profile's, or drawn anew), a text box in its own colour.
    void colori_data()
    {
        QTest::addColumn<bool>("sistema");
        QTest::addColumn<bool>("casuale");
        QTest::addColumn<int>("modalita");
        QTest::addColumn<QColor>("sfondo");
        QTest::addColumn<QColor>("evidenziato");
        QTest::newRow("rosso su rosa") << false << false << 1 << QColor(255, 128, 128) << QColor(252, 116, 116);
        QTest::newRow("blu su blu scuro") << false << false << 2 << QColor(0, 0, 128) << QColor(0, 0, 255);
        QTest::newRow("giallo su giallo") << false << false << 1 << QColor(Qt::yellow) << QColor(Qt::yellow);
        QTest::newRow("sfondo casuale") << false << true << 2 << QColor(Qt::red) << QColor(Qt::green);
        QTest::newRow("colori di sistema") << true << true << 2 << QColor(Qt::red) << QColor(Qt::green);
    }
    void colori()
    {
        QFETCH(bool, sistema);
        QFETCH(bool, casuale);
        QFETCH(int, modalita);
        QFETCH(QColor, sfondo);
        QFETCH(QColor, evidenziato);
        imp().ImpostazioniSistema = sistema;
        imp().ColoreCasuale = casuale;
        imp().ColoreSfondo = ColoriWindows::numeroDi(sfondo);
        imp().ColoreSfondoTesto = 65535;
        imp().ColoreBottoneSelezionato = ColoriWindows::numeroDi(evidenziato);
        imp().ModalitaInput = static_cast<qint16>(modalita);
        SchermataEsercizio* s = apri();
        const auto angolo = [](const QImage& schermo) {
            return QColor(schermo.pixel(schermo.width() - 2, schermo.height() - 2));
        };
        const QImage prima = s->area()->grab().toImage(); // "vero" lit
        const QRect b = s->bottoniRisposta[0]->geometry();
        if (!sistema)
            QCOMPARE(QColor(prima.pixel(b.left() + 12, b.center().y())), evidenziato);
        const QPoint bordi[][2] = {{{b.left(), b.center().y()}, {1, 0}},
                                   {{b.right(), b.center().y()}, {-1, 0}},
                                   {{b.center().x(), b.top()}, {0, 1}},
                                   {{b.center().x(), b.bottom()}, {0, -1}}};
        for (const auto& [bordo, dentro] : bordi) {
            const QColor fuori = prima.pixel(bordo - dentro);
            QCOMPARE(fuori, angolo(prima));
            for (int d = 0; d < 4; ++d)
                QVERIFY2(Colori::contrasto(prima.pixel(bordo + dentro * d), fuori) >= 3,
                         qPrintable(QString::number(d)));
        }
        for (int i = 0; i < 3; ++i) { // the item's three statements, then a new item
            giusta(s)->click();
            emit s->scansione().scelto(s->bottoneAvanti); // "avanti" as the switch chooses it
        }
        const QImage schermo = s->area()->grab().toImage();
        const QColor dopo = angolo(schermo);
        QCOMPARE(dopo != angolo(prima), casuale && !sistema);
        if (!sistema && !casuale)
            QCOMPARE(dopo, sfondo);
        QWidget* ricevitore = modalita == 1 ? s->spiaScansioneManuale : s->spiaScansioneAutomatica;
        QVERIFY(ricevitore->isVisible());
        for (QWidget* senzaColore : {s->postoPersonaggio, ricevitore})
            QCOMPARE(QColor(schermo.pixel(senzaColore->geometry().center())), dopo);
        const QColor sfondoTesto = sistema ? QApplication::palette().color(QPalette::Base) : QColor(Qt::yellow);
        QCOMPARE(QColor(schermo.pixel(s->testoStimolo->geometry().bottomRight() - QPoint(2, 2))), sfondoTesto);
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
        SchermataEsercizio* s = apri();
        QWidget* sensore = modalita == 2 ? s->spiaScansioneAutomatica : s->spiaScansioneManuale;
        s->timerScansione->stop(); // one tick at a time: the clock stops after each
        connect(s->timerScansione, &QTimer::timeout, s->timerScansione, &QTimer::stop);
        QSignalSpy tic(s->timerScansione, &QTimer::timeout);
        QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        const QList<QPushButton*> bottoni{s->bottoniRisposta[0], s->bottoniRisposta[1], s->bottoniRisposta[2],
                                          s->bottoneAvanti};
        const auto quadro = [&] {
            return accesi(bottoni, imp().ColoreBottoneSelezionato) +
                   QString::asprintf(" %d %d %d", s->ContaEsatti(), s->ContaErrati(), s->ColonnaCorrente());
        };
        const QHash<QChar, std::function<void()>> fai{
            {u' ', [&] { premiSensore(s->focusWidget(), Qt::Key_Space); }},
            {u'r', [&] { premiSensore(s->focusWidget(), Qt::Key_Return); }},
            {u'h', [&] { premiSensore(sensore, Qt::Key_Space, true); }},
            {u't', [&] { s->timerScansione->start(1), tic.wait(); }},
            {u'm', [&] { QCoreApplication::sendEvent(s->bottoniRisposta[1], &entra); }},
            {u'c', [&] { QTest::mouseClick(s->bottoniRisposta[1], Qt::LeftButton); }},
            {u'a', [&] { QTest::mouseClick(s->bottoneAvanti, Qt::LeftButton); }}};
        QStringList visti{quadro()};
        for (const QChar passo : passi) {
            fai[passo]();
            visti << quadro();
        }
        QCOMPARE(visti, quadri);
        // Only in mouse mode does a clicked button keep the keyboard.
        QCOMPARE(bottoni.contains(s->focusWidget()), modalita == 0 && passi.contains(u'c'));
    }

    // In automatic scanning a choice gives what is lit next a whole step, however far the clock had run.
    void unaSceltaDaUnPassoIntero_data()
    {
        QTest::addColumn<bool>("colMouse");
        QTest::addColumn<int>("giusta"); // the first statement's answer: "vero" is lit and chosen
        QTest::newRow("sensore, risposta sbagliata") << false << 1;
        QTest::newRow("clic del maestro, risposta giusta") << true << 0;
    }
    void unaSceltaDaUnPassoIntero()
    {
        QFETCH(bool, colMouse);
        QFETCH(int, giusta);
        m_p->metti(1, QStringLiteral("Il gatto."), 1, {QString::number(giusta) + QStringLiteral("Dorme.")});
        imp().ModalitaInput = 2;
        SchermataEsercizio* s = apri();
        QCOMPARE(s->timerScansione->interval(), 1000);
        QTest::qWait(400);
        colMouse ? QTest::mouseClick(s->bottoniRisposta[0], Qt::LeftButton)
                 : QTest::keyClick(s->focusWidget(), Qt::Key_Space);
        QTRY_COMPARE(s->ContaEsatti() + s->ContaErrati(), 1);
        QVERIFY2(s->timerScansione->remainingTime() > 800,
                 qPrintable(QString::number(s->timerScansione->remainingTime())));
    }

    // Auditory scanning says each answer as the highlight reaches it, in small letters whatever the letter
    // style and quicker than the character; once the answer is chosen only "avanti" is left, and said after
    // the reward sound, not under it.
    void scansioneUditiva()
    {
        m_p->metti(1, QStringLiteral("Il gatto."), 1, {QStringLiteral("0Dorme.")});
        imp().ModalitaInput = 2;
        imp().VelocitaScansione = 1;
        imp().ScansioneUditiva = true;
        imp().StileLettere = QStringLiteral("maiuscolo"); // said in small letters all the same
        imp().TonoVoce = 90;
        SchermataEsercizio* s = apri();
        QTRY_VERIFY(m_p->parole.size() >= 4);
        QCOMPARE(m_p->parole.mid(0, 4),
                 QStringList({"vero 195 90", "falso 195 90", "non si sa 195 90", "vero 195 90"}));
        m_p->suoni.suonando = true;
        QTest::keyClick(s->focusWidget(), Qt::Key_Space);
        QTRY_COMPARE(s->ContaEsatti(), 1);
        QTest::qWait(300);
        QVERIFY(!m_p->parole.contains(QStringLiteral("avanti 195 90")));
        m_p->suoni.suonando = false;
        QTRY_COMPARE(m_p->parole.last(), QStringLiteral("avanti 195 90"));
    }
};

QTEST_MAIN(TestSchermataEsercizio)
#include "tst_schermataesercizio.moc"
