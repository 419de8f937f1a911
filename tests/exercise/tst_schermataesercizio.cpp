// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise screen driven as a pupil drives it: mouse, one switch, two switches.
#include "exercise/SchermataEsercizio.h"
#include "home/SchermataMenu.h"
#include "support/Colori.h"
#include "support/ColoriWindows.h"
#include "support/Immagine.h"
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"

#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
struct Voce { // the profile's sounds and speech, the character's file there, what it says first and what sounds
    bool suoni, parlato, disponibile;
    QString saluto; // empty: the character says nothing
    QStringList suonati;
};
struct Lettura { // the click on "gatto", else below the text, the text box's colour and the word's block
    bool evidenzia, parlando, suParola;
    QString detto;
    QColor sfondo, testo, blocco;
};
} // namespace
Q_DECLARE_METATYPE(Voce)
Q_DECLARE_METATYPE(Lettura)

class TestSchermataEsercizio : public ProvaConProgramma {
    Q_OBJECT

    SchermataEsercizio* apri() { return m_p->programma.apriEsercizio(nullptr); }
    QPushButton* giusta(SchermataEsercizio* s)
    {
        return s->bottoniRisposta[m_p->stato->TabellaFrasi.Codice(s->RigaCorrente(), s->ColonnaCorrente())];
    }
    void giustaEAvanti(SchermataEsercizio* s) { giusta(s)->click(), s->bottoneAvanti->click(); }
    static void esci(SchermataEsercizio* s)
    {
        s->azioneEsci->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool aCasa() const { return m_p->programma.schermataMenu() && m_p->programma.schermataMenu()->isVisible(); }

private slots:
    void init()
    {
        nuovoProgramma();
        m_p->metti(1, QStringLiteral("Il gatto dorme sul divano."), 1,
                   {QStringLiteral("0Il gatto dorme."), QStringLiteral("1Il gatto mangia."),
                    QStringLiteral("2Il gatto si chiama Micio.")});
    }

    // Answers are counted and recorded until the right one, then only "avanti" goes on, past a full record too.
    void risposteContateERegistrate()
    {
        SchermataEsercizio* s = apri();
        const auto conteggi = [s] { return s->numeroEsatti->text() + s->numeroErrati->text(); };
        QTest::mouseClick(s->bottoniRisposta[1], Qt::LeftButton);
        QTest::mouseClick(s->bottoniRisposta[2], Qt::LeftButton);
        QCOMPARE(conteggi(), QStringLiteral(" 0 2"));
        s->azioneAzzera->trigger(); // the counts, not the errors recorded
        QVERIFY(conteggi() == QStringLiteral(" 0 0") && s->faccinaSi->isVisible()); // the smile back too
        QTest::mouseClick(s->bottoniRisposta[1], Qt::LeftButton);
        for (QPushButton* b : s->bottoniRisposta) // the right one, then the answered statement takes no more
            QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(conteggi() == u" 1 1" && m_p->stato->RegistroEsercizi.riga(1).Errori == u" *  *  * ");
        QTest::mouseClick(s->bottoneAvanti, Qt::LeftButton);
        QVERIFY(!s->bottoneAvanti->isVisible());
        QSet<QRgb> sfondi; // each item drawn on a light background of its own, each of the 14 coming up
        for (int volta = 0; volta < 1005; ++volta) {
            giustaEAvanti(s);
            sfondi << s->area()->palette().color(QPalette::Window).rgb();
        }
        QVERIFY(conteggi() == QStringLiteral(" 1006 1") && sfondi.size() == 14);
        esci(s);
        QVERIFY(!m_p->programma.schermataEsercizio() && aCasa());
    }

    // Which statements show, in order, for either answer type; with none, a message and back to the menu.
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
        std::tie(m_p->stato->TabellaFrasi.NumeroRighe, imp().TipoRisposte) = std::tuple(esercizi.size(), tipoRisposte);
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

    // Place and decoded size; the stimulus box is 425 × 201, the hidden words' frame 321 high, room ends at 640.
    // A drawing is shown only if it names no file, whatever its file's name: Qt would open it (a FIFO for ever).
    void leggi_data()
    {
        QTest::addColumn<int>("xRiquadro");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("paroleVisibili");
        QTest::addColumn<QRect>("atteso");
        const auto svg = [](const QByteArray& dentro) {
            return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"8\" "
                   "height=\"4\"><rect id=\"r\" width=\"2\" height=\"4\"/>" +
                   dentro + "</svg>";
        };
        QTest::newRow("4:3 riempie l'altezza") << 16 << jpeg({400, 300}) << true << QRect(94, 8, 268, 201);
        QTest::newRow("panorama") << 16 << jpeg({800, 300}) << true << QRect(16, 29, 425, 159);
        QTest::newRow("foto girata dall'EXIF") << 16 << jpeg({400, 300}, 6) << true << QRect(153, 8, 151, 201);
        QTest::newRow("30000 × 1: non si vede") << 16 << jpeg({30000, 1}) << true << QRect();
        QTest::newRow("nascoste: cornice") << 16 << jpeg({400, 300}) << false << QRect(15, 8, 428, 321);
        QTest::newRow("nascoste: area") << 16 << jpeg({1000, 100}) << false << QRect(0, 145, 457, 46);
        QTest::newRow("nascoste: personaggio") << 200 << jpeg({1000, 100}) << false << QRect(185, 145, 455, 46);
        QTest::newRow("illeggibile") << 16 << QByteArray("non è una foto") << true << QRect();
        QTest::newRow("disegno") << 16 << svg("<use xlink:href=\"#r\" x=\"2\"/>") << true << QRect(27, 8, 402, 201);
        QTest::newRow("disegno con una foto dentro")
            << 16 << svg("<image xlink:href=\"data:image/jpeg;base64," + jpeg({4, 2}).toBase64() + "\" width=\"4\"/>")
            << true << QRect(27, 8, 402, 201);
        QTest::newRow("disegno con un foglio di stile")
            << 16 << "<?xml-stylesheet type=\"text/css\" href=\"stile.css\"?>" + svg({}) << true << QRect();
        QTest::newRow("disegno con una foto")
            << 16 << svg("<image xlink:href=\"foto.jpg\" width=\"4\" height=\"2\"/>") << true << QRect();
        QTest::newRow("disegno con uno stile")
            << 16 << svg("<style>@import url(stile.css);</style>") << true << QRect();
    }
    void leggi()
    {
        QFETCH(int, xRiquadro);
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, paroleVisibili);
        QFETCH(QRect, atteso);
        AmbienteProva::scrivi(m_ambiente->file(QStringLiteral("foto.jpg")), jpeg({4, 2})); // named by a drawing
        const QString percorso = m_ambiente->file(QStringLiteral("stimolo.png"));
        AmbienteProva::scrivi(percorso, contenuto);
        const Immagine::Adattata adattata =
            Immagine::leggi(percorso, {QRect(xRiquadro, 8, 425, 201), 8, 321, 640, paroleVisibili});
        QVERIFY(adattata.posto == atteso && adattata.immagine.size() == atteso.size());
    }

    // What the character says and which sounds play, with or without speech; a character missing is told once.
    void voceESuoni_data()
    {
        QTest::addColumn<Voce>("voce");
        QTest::newRow("voce, maiuscolo") << Voce{true, true, true, "CIAO!", {"si.wav"}};
        QTest::newRow("voce, minuscolo") << Voce{false, true, true, "Ciao!", {}};
        QTest::newRow("senza voce") << Voce{true, false, true, {}, {"no.wav", "si.wav"}};
        QTest::newRow("voce che non si carica") << Voce{true, true, false, {}, {"no.wav", "si.wav"}};
    }
    void voceESuoni()
    {
        QFETCH(Voce, voce);
        std::tie(imp().SuoniAttivi, imp().ParlatoAttivo, m_p->personaggioDisponibile) =
            std::tie(voce.suoni, voce.parlato, voce.disponibile);
        imp().StileLettere = voce.saluto == "CIAO!" ? QStringLiteral("maiuscolo") : QStringLiteral("minuscolo");
        std::tie(imp().FontTesto, imp().VelocitaVoce) = std::tuple(QStringLiteral("Comic Sans MS"), 180);
        SchermataEsercizio* s = apri();
        if (s->personaggio()) // balloon off, sized to the text, the character's own bit kept
            QCOMPARE(s->personaggio()->BalloonStyle(), 4 | Personaggio::kFumettoTuttoIlTesto);
        const QPoint posto = s->postoPersonaggio->mapToGlobal(QPoint(0, 50));
        for (QWidget* testo : QList<QWidget*>{s->testoStimolo, s->testoAffermazione, s->immagineStimolo})
            QTest::mouseClick(testo, Qt::LeftButton);
        s->bottoniRisposta[1]->click();
        s->bottoniRisposta[0]->click();
        QCOMPARE(m_p->suoni.suonati, voce.suonati);
        s->azioneNascondiParole->trigger();
        s->bottoneAvanti->click();
        esci(s);
        QVERIFY(aCasa());
        const QString detto = QStringLiteral("LanguageID 1040|FontName Comic Sans MS|FontSize 28|MoveTo %1 %2 0|Show|"
                                             "%3%4|StopAll|%3Il gatto dorme sul divano.|StopAll|%3Il gatto dorme.|"
                                             "StopAll|%3Il gatto mangia.|StopAll")
                                  .arg(QString::number(posto.x()), QString::number(posto.y()),
                                       QStringLiteral("Speak \\Spd=180\\\\Pit=100\\"), voce.saluto);
        QCOMPARE(m_p->agente.join(u'|'), voce.saluto.isEmpty() ? QString() : detto);
        apri();
        const QString detti = Messaggi::Prova::mostrati().join(u'|');
        QCOMPARE(detti.contains(QStringLiteral("Merlin.acs")) && !detti.contains(u'|'), !voce.disponibile);
        QCOMPARE(detti.isEmpty(), voce.disponibile);
    }

    // The word heard is marked where it stands, readable whatever the colours, and leaves no trace afterwards.
    void paroleSegnate_data()
    {
        QTest::addColumn<Lettura>("lettura");
        const QString tutto = QStringLiteral("Il gatto dorme sul divano.");
        const QColor grigio(120, 120, 120), bianco(Qt::white), nero(Qt::black), azzurro(0, 140, 210);
        QTest::newRow("clic su una parola") << Lettura{true, false, true, "gatto", grigio, QColor(150, 150, 150), nero};
        QTest::newRow("clic fuori dalle parole") << Lettura{true, false, false, tutto, bianco, nero, azzurro};
        QTest::newRow("clic su una parola mentre parla")
            << Lettura{true, true, true, tutto, QColor(Qt::yellow), QColor(Qt::blue), QColor(0, 150, 0)};
        QTest::newRow("senza evidenziare") << Lettura{false, false, true, tutto, bianco, nero, {}};
    }
    void paroleSegnate()
    {
        QFETCH(Lettura, lettura);
        const auto& [evidenzia, parlando, suParola, detto, sfondo, testo, atteso] = lettura;
        std::tie(imp().EvidenziaParoleLette, imp().ColoreSfondoTesto, imp().ColoreFont) =
            std::tuple(evidenzia, ColoriWindows::numeroDi(sfondo), ColoriWindows::numeroDi(testo));
        SchermataEsercizio* s = apri();
        auto* finto = dynamic_cast<PersonaggioFinto*>(s->personaggio());
        finto->parlando = parlando;
        EtichettaConSegno* stimolo = s->testoStimolo;
        const QImage prima = stimolo->grab().toImage();
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
        stimolo->segnaParola(0); // the word before leaves no trace
        finto->avvisoParola(richiesta, 0);
        QCOMPARE(stimolo->parolaSegnata().inizio, stimolo->text().indexOf(detto));
        QImage dopo = stimolo->grab().toImage();
        const QRect segno = stimolo->riquadro(stimolo->parolaSegnata()).toAlignedRect();
        const QColor blocco = dopo.pixel(segno.topLeft() + QPoint(1, 1));
        double parola = 1; // the word's ink against the block
        for (int y = segno.top(); y <= segno.bottom(); ++y) {
            for (int x = segno.left(); x <= segno.right(); ++x)
                parola = std::max(parola, Colori::contrasto(dopo.pixel(x, y), blocco));
        }
        QVERIFY2(blocco == atteso && Colori::contrasto(blocco, sfondo) >= 3 && parola >= 4.5,
                 qPrintable(blocco.name()));
        QPainter(&dopo).drawImage(segno, prima, segno);
        QCOMPARE(dopo, prima);
        finto->avvisoParola(richiesta, -1);
        QCOMPARE(stimolo->grab().toImage(), prima);
        QTest::mouseClick(s->testoAffermazione, Qt::LeftButton); // read and marked, then replaced by the next one
        const int letta = static_cast<int>(m_p->agente.size());
        finto->avvisoParola(letta, 0), giustaEAvanti(s), finto->avvisoParola(letta, 1);
        QCOMPARE(s->testoAffermazione->parolaSegnata().lunghezza, 0); // neither that mark nor its later words
        s->azioneNascondiParole->trigger();
        giustaEAvanti(s); // the next statement is read by itself
        finto->avvisoParola(static_cast<int>(m_p->agente.size()), 3);
        QCOMPARE(s->testoAffermazione->parolaSegnata().lunghezza, 0);
    }

    // Steps: space, enter (r), held space (h), clock tick (t), mouse in (m), click on "falso" (c) or "avanti" (a).
    // The screen as it opens on a light and on a dark background: the lit answer ringed in black or in white.
    void comandi_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<QString>("passi");
        QTest::addColumn<QString>("quadri"); // after each step: the lit button (3 "avanti"), right, wrong, column
        QTest::newRow("manuale: spazio sposta, invio sceglie")
            << 1 << QString(" hr  rar") << QString("0001 1001 1001 1011 2011 0011 3111 3111 0112");
        QTest::newRow("manuale: né il mouse né il tempo") << 1 << QString("mt") << QString("0001 0001 0001");
        QTest::newRow("manuale: dopo un clic invio sceglie") << 1 << QString("cr") << QString("0001 0011 3111");
        QTest::newRow("automatica: il tempo sposta, spazio sceglie")
            << 2 << QString("tttrh  ") << QString("0001 1001 2001 0001 0001 0001 3101 0102");
        QTest::newRow("automatica: dopo un clic spazio sceglie") << 2 << QString("c ") << QString("0001 0011 3111");
        QTest::newRow("mouse") << 0 << QString("mc") << QString("-001 1001 1011");
    }
    void comandi()
    {
        QFETCH(int, modalita);
        QFETCH(QString, passi);
        QFETCH(QString, quadri);
        std::tie(imp().ModalitaInput, imp().ColoreCasuale) = std::tuple(modalita, false);
        imp().ColoreSfondo = ColoriWindows::numeroDi(modalita == 1 ? QColor(255, 128, 128) : QColor(0, 0, 128));
        imp().ColoreBottoneSelezionato =
            ColoriWindows::numeroDi(modalita == 1 ? QColor(252, 116, 116) : QColor(0, 0, 255));
        SchermataEsercizio* s = apri();
        QVERIFY(comeAtteso(s->area()->grab().toImage(), QStringLiteral("esercizio-%1").arg(modalita)));
        QWidget* sensore = modalita == 2 ? s->spiaScansioneAutomatica : s->spiaScansioneManuale;
        s->timerScansione->stop(); // one tick at a time: the clock stops after each
        connect(s->timerScansione, &QTimer::timeout, s->timerScansione, &QTimer::stop);
        QSignalSpy tic(s->timerScansione, &QTimer::timeout);
        QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        const QList<QPushButton*> bottoni{s->bottoniRisposta[0], s->bottoniRisposta[1], s->bottoniRisposta[2],
                                          s->bottoneAvanti};
        const auto quadro = [&] {
            return accesi(bottoni, imp().ColoreBottoneSelezionato) +
                   QString::asprintf("%d%d%d", s->ContaEsatti(), s->ContaErrati(), s->ColonnaCorrente());
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
        QCOMPARE(visti.join(u' '), quadri);
        // Only in mouse mode does a clicked button keep the keyboard.
        QCOMPARE(bottoni.contains(s->focusWidget()), modalita == 0 && passi.contains(u'c'));
    }
};

QTEST_MAIN(TestSchermataEsercizio)
#include "tst_schermataesercizio.moc"
