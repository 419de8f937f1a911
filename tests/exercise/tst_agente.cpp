// SPDX-License-Identifier: GPL-3.0-or-later
// The speaking character: Italian speech in memory, its tags, its words, its queue, its balloon, its file.
#include "exercise/SchermataEsercizio.h"
#include "exercise/agent/AgenteMerlino.h"
#include "exercise/agent/FiguraPersonaggio.h"
#include "exercise/agent/Fumetto.h"
#include "exercise/agent/SintesiVoce.h"
#include "exercise/agent/SuonoFeedbackQt.h"
#include "support/FontCorsivo.h"
#include "support/ProgrammaProva.h"

#include <QTest>
#include <QWidget>
#include <espeak-ng/speak_lib.h>

class TestAgente : public QObject {
    Q_OBJECT
    const QString m_personaggi = AmbienteProva::sorgente(QStringLiteral("assets/personaggi/"));
private slots:
    void initTestCase()
    {
        QString motivo;
        QVERIFY2(SintesiVoce::istanza().disponibile(&motivo), qPrintable(motivo));
    }

    // Tags set the voice and are not said; the words are found in the text in order; a quicker voice is quicker.
    void paroleDette_data()
    {
        QTest::addColumn<QString>("richiesta");
        QTest::addColumn<QStringList>("parole");
        QTest::addColumn<QString>("voce"); // speed and pitch
        QTest::newRow("prefisso del profilo")
            << QString("\\Spd=180\\\\Pit=90\\Ciao bambini!") << QStringList{"Ciao", "bambini"} << "180 90";
        QTest::newRow("solo il tono") << QString("\\Pit=250\\Ciao") << QStringList{"Ciao"} << "130 250";
        QTest::newRow("accenti, senza tag") << QString("Perché la città è più bella?")
                                            << QStringList{"Perché", "la", "città", "è", "più", "bella"} << "130 100";
    }
    void paroleDette()
    {
        QFETCH(QString, richiesta);
        QFETCH(QStringList, parole);
        QFETCH(QString, voce);
        const TestoDaDire daDire = separaTag(richiesta);
        QCOMPARE(QString::asprintf("%d %d", daDire.parametri.velocita, daDire.parametri.tono), voce);
        const VoceSintetizzata detta = SintesiVoce::istanza().sintetizza(daDire);
        QCOMPARE(espeak_GetParameter(espeakPITCH, 1), SintesiVoce::tonoEspeak(daDire.parametri.tono)); // heard
        QStringList dette;
        for (const ParolaDetta& parola : detta.parole) {
            QVERIFY(dette.isEmpty() || parola.ms >= detta.parole[dette.size() - 1].ms);
            dette << detta.testo.mid(parola.inizio, parola.lunghezza);
        }
        QCOMPARE(dette, parole);
        const int lenta = SintesiVoce::istanza().sintetizza(separaTag("\\Spd=80\\" + daDire.testo)).durataMs();
        const int veloce = SintesiVoce::istanza().sintetizza(separaTag("\\Spd=250\\" + daDire.testo)).durataMs();
        QVERIFY2(veloce * 3 < lenta * 2, qPrintable(QStringLiteral("%1 ms, slow %2 ms").arg(veloce).arg(lenta)));
        // The profile's usual 130 is a natural pace: two to five words a second.
        const int usuale = SintesiVoce::istanza().sintetizza(separaTag("\\Spd=130\\" + daDire.testo)).durataMs();
        QVERIFY2(parole.size() * 200 <= usuale && usuale <= parole.size() * 500, qPrintable(QString::number(usuale)));
    }

    // Each word espeak-ng says is marked whole, without punctuation, once, in order, on its own ink alone.
    void paroleSegnateSulloSchermo_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("testo");
        const QString frase = QStringLiteral("L'albero è   alto,\nperché il sole c'è: «più» 12 gatti!");
        QTest::newRow("minuscolo") << "Arial" << frase;
        QTest::newRow("corsivo") << "Indis1" << frase;
        QTest::newRow("maiuscolo") << "Arial" << frase.toUpper();
    }
    void paroleSegnateSulloSchermo()
    {
        QFETCH(QString, font);
        QFETCH(QString, testo);
        AmbienteProva ambiente;
        ProgrammaProva p(ambiente);
        FontCorsivo::InstallaFont(ambiente.percorsi(), nullptr);
        p.imp().FontTesto = font;
        p.metti(1, QStringLiteral("Il gatto."), 1, {QStringLiteral("0Vero.")});
        EtichettaConSegno* riquadro = p.programma.apriEsercizio(nullptr)->testoStimolo;
        riquadro->setText(testo); // with a line break, which a list's line cannot hold
        const QImage pagina = riquadro->grab().toImage();
        QStringList segnate;
        QList<QRectF> posti;
        for (const ParolaDetta& detta : SintesiVoce::istanza().sintetizza({testo, {}}).parole) {
            riquadro->segnaParola(detta.inizio);
            const QRectF posto = riquadro->riquadro(riquadro->parolaSegnata());
            if (!posti.isEmpty() && posti.constLast() == posto) // espeak's second piece of one written word
                continue;
            QVERIFY(disegnato(pagina.copy(posto.toAlignedRect()))); // on the word's ink
            for (const QRectF& prima : std::as_const(posti))
                QVERIFY(!prima.intersects(posto) && (prima.bottom() <= posto.top() || prima.right() < posto.left()));
            segnate << testo.mid(riquadro->parolaSegnata().inizio, riquadro->parolaSegnata().lunghezza);
            posti << posto;
        }
        const QString attese = QStringLiteral("L'albero è alto perché il sole c'è più 12 gatti");
        QCOMPARE(segnate.join(u' '), testo.startsWith(QStringLiteral("L'A")) ? attese.toUpper() : attese);
    }

    // An unusable file is refused, saying why (a gzipped drawing could inflate, a FIFO would block for ever).
    void fileDelPersonaggioRovinato_data()
    {
        QTest::addColumn<QByteArray>("contenuto"); // empty: no file
        QTest::addColumn<QString>("motivo");
        const QByteArray testa = "[personaggio]\nnome=Merlin\nlarghezza=160\naltezza=200\n"
                                 "[fotogrammi]\nriposo=merlin/riposo.svg\n";
        const QByteArray animazioni =
            testa + "[animazioni]\nRiposo=riposo:100\nParla=riposo:100\nSaluta=riposo:100\nAppare=riposo:100\n";
        QTest::newRow("file mancante") << QByteArray() << "manca il file del personaggio";
        QTest::newRow("oltre 1 MB") << animazioni + "Scompare=riposo:100\n;" + QByteArray(1024 * 1024, 'x')
                                    << "più grande di 1 MB";
        QTest::newRow("senza misure") << QByteArray("[personaggio]\nnome=Merlin\n") << "non dice nome e misure";
        QTest::newRow("2049 pixel") << QByteArray(testa).replace("=160", "=2049") << "oltre i 2048 pixel per lato";
        QTest::newRow("disegno compresso") << testa + "bocca=merlin/compresso.svgz\n"
                                           << "il disegno \"bocca\"";
        QTest::newRow("disegno fifo") << testa + "bocca=merlin/fifo.svg\n"
                                      << "il disegno \"bocca\"";
        QTest::newRow("animazione mancante") << animazioni << "manca l'animazione \"Scompare\"";
        QTest::newRow("fotogramma sconosciuto") << animazioni + "Scompare=magia:100\n"
                                                << "l'animazione \"Scompare\" del personaggio è rovinata";
        QTest::newRow("opacità oltre 1") << animazioni + "Scompare=riposo:100:1.5" << QString("rovinata");
    }
    void fileDelPersonaggioRovinato()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, motivo);
        AmbienteProva ambiente;
        const QString cartella = ambiente.cartella() + QStringLiteral("/personaggi/");
        AmbienteProva::scrivi(cartella + "merlin/riposo.svg", AmbienteProva::leggi(m_personaggi + "merlin/riposo.svg"));
        AmbienteProva::creaFifo(cartella + "merlin/fifo.svg");
        AmbienteProva::scrivi(
            cartella + "merlin/compresso.svgz", // a tiny valid drawing
            QByteArray::fromBase64("H4sIAAAAAAAC/7MpLktXqMjNySu2VcooKSmw0tcvLy/XKzfWyy9K1zcyMDDQB6pQUi"
                                   "jPTCnJsFWyVFLISM1MzygBMfXtADLy0tY+AAAA"));
        if (!contenuto.isEmpty())
            AmbienteProva::scrivi(cartella + "Merlin.acs", contenuto);
        QString letto;
        ControlloAgenteMerlino agenti(nullptr, cartella);
        QVERIFY2(!agenti.CharactersLoad("Merlin", "Merlin.acs", &letto) && letto.contains(motivo), qPrintable(letto));
    }

    // The character appears, speaks its queue in order moving its mouth; StopAll silences it and empties it.
    void appareParlaInOrdineESiFerma()
    {
        QWidget schermata;
        schermata.resize(800, 600);
        ControlloAgenteMerlino controllo(&schermata, m_personaggi);
        QVERIFY(controllo.CharactersLoad(QStringLiteral("Merlin"), QStringLiteral("Merlin.acs"), nullptr));
        auto* merlino = static_cast<AgenteMerlino*>(controllo.Characters(QStringLiteral("Merlin")));
        QWidget fattoDopo(&schermata); // a control the screen makes after him, where the balloon will be
        fattoDopo.setGeometry(schermata.rect());
        schermata.show();
        const QPoint posto = schermata.mapToGlobal(QPoint(600, 50));
        merlino->MoveTo(posto.x(), posto.y()); // not shown yet: no glide, he is there at once
        QCOMPARE(merlino->figura()->pos(), QPoint(600, 50));
        merlino->Show();
        QCOMPARE(schermata.childAt(merlino->figura()->geometry().center()), &fattoDopo); // clicks go through him
        const auto animazione = [merlino] { return merlino->figura()->animazione(); };
        QCOMPARE(animazione(), QStringLiteral("Appare"));
        QImage alfa(merlino->figura()->size(), QImage::Format_Alpha8); // appearing faint
        alfa.fill(0);
        merlino->figura()->render(&alfa, {}, {}, QWidget::DrawChildren);
        QVERIFY(*std::max_element(alfa.constBits(), alfa.constBits() + alfa.sizeInBytes()) < 128);
        QTRY_COMPARE(animazione(), QStringLiteral("Saluta"));
        QTRY_COMPARE(animazione(), QStringLiteral("Riposo"));
        merlino->MoveTo(0, 0), merlino->MoveTo(posto.x(), posto.y(), 0); // a glide cut short by a jump: he stays
        merlino->setBalloonStyle(Personaggio::kFumettoVisibile | Personaggio::kFumettoTuttoIlTesto);
        for (const char* detto : {"\\Spd=250\\Uno.", "\\Spd=250\\Due."})
            merlino->Speak(QString::fromUtf8(detto));
        QCOMPARE(merlino->inCoda(), 1);
        QTRY_COMPARE(merlino->fumetto()->testoMostrato(), QStringLiteral("Uno"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); // nothing left unpainted on the screen
        QCOMPARE(schermata.screen()->grabWindow(schermata.winId()).toImage(), schermata.grab().toImage());
        QCOMPARE(schermata.children().last(), merlino->fumetto()); // drawn above every other control
        QTRY_COMPARE(merlino->fumetto()->testoMostrato(), QStringLiteral("Due"));
        QTRY_VERIFY(!merlino->staParlando() && merlino->figura()->pos() == QPoint(600, 50));
        QTRY_VERIFY_WITH_TIMEOUT(!merlino->fumetto()->isVisible(), 2000); // the balloon closes 1.2 s after
        int segnata = 0;
        merlino->seguiParole([&segnata](int, int inizio) { segnata = inizio; }); // -1 once no word is marked
        merlino->Speak(QStringLiteral("C'era una volta un mago gentile che leggeva le storie ai bambini del paese."));
        merlino->Speak(QStringLiteral("Questa non si deve sentire."));
        QTRY_COMPARE(animazione(), QStringLiteral("Parla"));
        QStringList bocche;
        QTRY_VERIFY(
            (bocche << merlino->figura()->fotogramma(), bocche.removeDuplicates(), bocche.size() >= 3 && segnata > 9));
        const TestoAParole::Parola ultima = merlino->fumetto()->parolaSegnata(); // in the balloon, the last word shown
        QVERIFY(ultima.inizio + ultima.lunghezza == merlino->fumetto()->testoMostrato().size());
        merlino->StopAll();
        QVERIFY(!merlino->staParlando() && !merlino->riproduzione().inCorso() && !merlino->fumetto()->isVisible());
        QVERIFY(merlino->inCoda() == 0 && animazione() == QStringLiteral("Riposo") && segnata == -1);
        merlino->Speak(QStringLiteral("Ciao. ").repeated(60)); // said next, not what was stopped, however long
        QTRY_VERIFY(merlino->fumetto()->isVisible() && !merlino->fumetto()->testoMostrato().isEmpty());
        QCOMPARE(merlino->fumetto()->testoMostrato(), QStringLiteral("Ciao"));
        SuonoFeedbackQt suono; // as his speech, a sound lasts its own length on a computer with no sound device
        suono.suona(AmbienteProva::sorgente(QStringLiteral("assets/suoni/si.wav")));
        merlino->Hide(); // the balloon goes with him at once
        QVERIFY(!merlino->fumetto()->isVisible() && !merlino->riproduzione().conDispositivo() && suono.staSuonando());
        QTRY_VERIFY(!merlino->figura()->isVisible() && !suono.staSuonando());
    }

    // The balloon holds the whole text or the latest two lines, the word heard marked.
    void dueMisureDiFumetto()
    {
        QWidget schermata;
        schermata.resize(1000, 700);
        Fumetto fumetto(&schermata);
        fumetto.setFont(QFont(QStringLiteral("Liberation Sans"), 14));
        const QString testo = QStringLiteral("C'era una volta un mago gentile che leggeva ogni sera le storie più "
                                             "belle ai bambini del paese, seduto vicino al fuoco. I bambini "
                                             "ascoltavano e alla fine chiedevano sempre un'altra storia, per favore.");
        const QRect figura(800, 100, 160, 200);
        fumetto.inizia(testo, true, figura);
        const int altezzaIntera = fumetto.height();
        fumetto.rivela(static_cast<int>(testo.size()));
        QCOMPARE(fumetto.testoMostrato(), testo);
        fumetto.inizia(testo, false, figura); // begun again in two lines: nothing shown yet
        QVERIFY(altezzaIntera > fumetto.height() && fumetto.geometry().right() < figura.left() &&
                fumetto.testoMostrato().isEmpty());
        fumetto.rivela(int(testo.size()), {int(testo.lastIndexOf(u"favore")), 6}); // the last lines shown
        QVERIFY(comeAtteso(fumetto.grab().toImage(), QStringLiteral("fumetto-due-righe")));
        fumetto.inizia(QStringLiteral("Ciao bambini!"), true, figura);
        fumetto.rivela(12, {5, 7});
        QVERIFY(comeAtteso(fumetto.grab().toImage(), QStringLiteral("fumetto")));
    }
};

QTEST_MAIN(TestAgente)
#include "tst_agente.moc"
