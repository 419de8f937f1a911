// The speaking character: Italian speech in memory, its tags, its words, its queue, its balloon, its file.
#include "exercise/agent/AgenteMerlino.h"
#include "exercise/agent/DatiPersonaggio.h"
#include "exercise/agent/Fumetto.h"
#include "exercise/agent/SintesiVoce.h"
#include "support/AmbienteProva.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QWidget>

namespace {
QString cartellaPersonaggi()
{
    return AmbienteProva::sorgente(QStringLiteral("assets/personaggi/"));
}

VoceSintetizzata di(const QString& richiesta)
{
    return SintesiVoce::istanza().sintetizza(separaTag(richiesta));
}

QStringList paroleDette(const VoceSintetizzata& voce)
{
    QStringList parole;
    for (const ParolaDetta& parola : voce.parole)
        parole << voce.testo.mid(parola.inizio, parola.lunghezza);
    return parole;
}
} // namespace

class TestAgente : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QString motivo;
        QVERIFY2(SintesiVoce::istanza().disponibile(&motivo), qPrintable(motivo));
    }

    void tag_data()
    {
        QTest::addColumn<QString>("richiesta");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<int>("tono");
        QTest::newRow("prefisso del profilo") << "\\Spd=130\\\\Pit=100\\Ciao!"
                                              << "Ciao!" << 130 << 100;
        QTest::newRow("solo il tono") << "\\Pit=250\\Ciao"
                                      << "Ciao" << 130 << 250;
        QTest::newRow("senza tag") << "Ciao"
                                   << "Ciao" << 130 << 100;
        QTest::newRow("tag dentro il testo restano") << "Ciao \\Spd=90\\"
                                                     << "Ciao \\Spd=90\\" << 130 << 100;
    }
    void tag()
    {
        QFETCH(QString, richiesta);
        QFETCH(QString, testo);
        QFETCH(int, velocita);
        QFETCH(int, tono);
        const TestoDaDire letto = separaTag(richiesta);
        QCOMPARE(letto.testo, testo);
        QCOMPARE(letto.parametri.velocita, velocita);
        QCOMPARE(letto.parametri.tono, tono);
    }

    void corrispondenzaMonotona()
    {
        QCOMPARE(SintesiVoce::velocitaEspeak(130), 165);
        QCOMPARE(SintesiVoce::tonoEspeak(100), 50);
        for (int valore = 50; valore < 400; valore += 10) {
            QVERIFY(SintesiVoce::velocitaEspeak(valore) <= SintesiVoce::velocitaEspeak(valore + 10));
            QVERIFY(SintesiVoce::tonoEspeak(valore) <= SintesiVoce::tonoEspeak(valore + 10));
        }
    }

    void piuVeloceEPiuCorta()
    {
        const QString frase = QStringLiteral("Il gatto dorme sul divano rosso vicino alla finestra.");
        const VoceSintetizzata lenta = di(QStringLiteral("\\Spd=80\\") + frase);
        const VoceSintetizzata veloce = di(QStringLiteral("\\Spd=250\\") + frase);
        QVERIFY(lenta.durataMs() > 1000);
        QVERIFY2(veloce.durataMs() * 3 < lenta.durataMs() * 2,
                 qPrintable(QStringLiteral("%1 ms contro %2 ms").arg(veloce.durataMs()).arg(lenta.durataMs())));
    }

    void iTagNonSiDicono()
    {
        const VoceSintetizzata conTag = di(QStringLiteral("\\Spd=130\\\\Pit=100\\Ciao bambini!"));
        const VoceSintetizzata senza = di(QStringLiteral("Ciao bambini!"));
        QCOMPARE(paroleDette(conTag), (QStringList{"Ciao", "bambini"}));
        QCOMPARE(conTag.durataMs(), senza.durataMs());
    }

    void paroleConGliAccenti()
    {
        const VoceSintetizzata voce = di(QStringLiteral("Perché la città è più bella?"));
        QCOMPARE(paroleDette(voce), (QStringList{"Perché", "la", "città", "è", "più", "bella"}));
        for (int i = 1; i < voce.parole.size(); ++i)
            QVERIFY(voce.parole[i].ms >= voce.parole[i - 1].ms);
        // Real speech, not silence.
        const auto* campioni = reinterpret_cast<const qint16*>(voce.pcm.constData());
        QVERIFY(std::any_of(campioni, campioni + voce.pcm.size() / 2, [](qint16 c) { return std::abs(c) > 1000; }));
    }

    void fileDelPersonaggioRovinato_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("motivo");
        const QByteArray testa = "[personaggio]\nnome=Merlin\nlarghezza=160\naltezza=200\n"
                                 "[fotogrammi]\nriposo=merlin/riposo.svg\n";
        const QByteArray animazioni = "Riposo=riposo:100\nParla=riposo:100\nSaluta=riposo:100\nAppare=riposo:100\n";
        const QByteArray tutte = "[animazioni]\n" + animazioni + "Scompare=riposo:100\n";
        QTest::newRow("file mancante") << QByteArray() << "manca il file del personaggio";
        QTest::newRow("oltre 1 MB") << testa + tutte + ';' + QByteArray(1024 * 1024, 'x') << "più grande di 1 MB";
        QTest::newRow("misure enormi") << QByteArray(testa).replace("160", "2000000000") + tutte
                                       << "misure oltre i 2048 pixel per lato";
        QTest::newRow("disegno fifo") << testa + "bocca=merlin/fifo.svg\n" + tutte << "il disegno \"bocca\"";
        QTest::newRow("disegno compresso") << testa + "bocca=merlin/compresso.svgz\n" + tutte << "il disegno \"bocca\"";
        QTest::newRow("senza misure") << QByteArray("[personaggio]\nnome=Merlin\n") << "non dice nome e misure";
        QTest::newRow("animazione mancante")
            << testa + "[animazioni]\n" + animazioni << "manca l'animazione \"Scompare\"";
        QTest::newRow("disegno mancante") << testa + "bocca=merlin/nessuno.svg\n"
                                          << "il disegno \"bocca\"";
        QTest::newRow("passo rovinato") << testa + "[animazioni]\n" + animazioni + "Scompare=riposo:tanto\n"
                                        << "l'animazione \"Scompare\" del personaggio è rovinata";
        QTest::newRow("fotogramma sconosciuto") << testa + "[animazioni]\n" + animazioni + "Scompare=magia:100\n"
                                                << "l'animazione \"Scompare\" del personaggio è rovinata";
    }
    void fileDelPersonaggioRovinato()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, motivo);
        AmbienteProva ambiente;
        const QString cartella = ambiente.cartella() + QStringLiteral("/personaggi/");
        QDir().mkpath(cartella + QStringLiteral("merlin"));
        QFile::copy(cartellaPersonaggi() + QStringLiteral("merlin/riposo.svg"),
                    cartella + QStringLiteral("merlin/riposo.svg"));
        AmbienteProva::creaFifo(cartella + QStringLiteral("merlin/fifo.svg"));
        // A tiny valid drawing, gzipped: a gzipped frame could inflate to gigabytes.
        AmbienteProva::scrivi(
            cartella + QStringLiteral("merlin/compresso.svgz"),
            QByteArray::fromBase64("H4sIAAAAAAAC/7MpLktXqMjNySu2VcooKSmw0tcvLy/XKzfWyy9K1zcyMDDQB6pQUi"
                                   "jPTCnJsFWyVFLISM1MzygBMfXtADLy0tY+AAAA"));
        if (!contenuto.isEmpty())
            AmbienteProva::scrivi(cartella + QStringLiteral("Merlin.acs"), contenuto);
        QString letto;
        QVERIFY(!DatiPersonaggio::leggi(cartella + QStringLiteral("Merlin.acs"), &letto));
        QVERIFY2(letto.contains(motivo), qPrintable(letto));
    }

    void ilPersonaggioDelProgrammaSiCarica()
    {
        QString motivo;
        const std::optional<DatiPersonaggio> dati =
            DatiPersonaggio::leggi(cartellaPersonaggi() + QStringLiteral("Merlin.acs"), &motivo);
        QVERIFY2(dati, qPrintable(motivo));
        QCOMPARE(dati->nome, QStringLiteral("Merlin"));
        QVERIFY(dati->fotogrammi.size() >= 5);
    }

    void richiesteInOrdineEStopAll()
    {
        QWidget schermata;
        schermata.resize(800, 600);
        ControlloAgenteMerlino controllo(&schermata, cartellaPersonaggi());
        QVERIFY(controllo.CharactersLoad(QStringLiteral("Merlin"), QStringLiteral("Merlin.acs"), nullptr));
        auto* merlino = static_cast<AgenteMerlino*>(controllo.Characters(QStringLiteral("Merlin")));
        schermata.show();
        merlino->MoveTo(schermata.mapToGlobal(QPoint(600, 50)).x(), schermata.mapToGlobal(QPoint(600, 50)).y(), 0);
        QCOMPARE(merlino->figura()->pos(), QPoint(600, 50));
        merlino->Show();
        merlino->setBalloonStyle(Personaggio::kFumettoVisibile | Personaggio::kFumettoTuttoIlTesto);

        merlino->Speak(QStringLiteral("\\Spd=250\\Uno."));
        merlino->Speak(QStringLiteral("\\Spd=250\\Due."));
        QCOMPARE(merlino->inCoda(), 1);
        QTRY_COMPARE(merlino->fumetto()->testoMostrato(), QStringLiteral("Uno"));
        QTRY_COMPARE(merlino->fumetto()->testoMostrato(), QStringLiteral("Due"));
        QTRY_VERIFY(!merlino->staParlando());

        merlino->Speak(QStringLiteral("C'era una volta un mago gentile che leggeva le storie ai bambini del paese."));
        merlino->Speak(QStringLiteral("Questa non si deve sentire."));
        QTRY_VERIFY(merlino->riproduzione().inCorso());
        merlino->StopAll();
        QVERIFY(!merlino->staParlando() && !merlino->riproduzione().inCorso());
        QCOMPARE(merlino->inCoda(), 0);
        QVERIFY(!merlino->fumetto()->isVisible());
        QTest::qWait(300);
        QVERIFY(!merlino->staParlando()); // nothing queued comes back
    }

    void appareSalutaEParla()
    {
        QWidget schermata;
        ControlloAgenteMerlino controllo(&schermata, cartellaPersonaggi());
        QVERIFY(controllo.CharactersLoad(QStringLiteral("Merlin"), QStringLiteral("Merlin.acs"), nullptr));
        auto* merlino = static_cast<AgenteMerlino*>(controllo.Characters(QStringLiteral("Merlin")));
        schermata.show();
        merlino->Show();
        QCOMPARE(merlino->figura()->animazione(), QStringLiteral("Appare"));
        QTRY_COMPARE(merlino->figura()->animazione(), QStringLiteral("Saluta"));
        QTRY_COMPARE(merlino->figura()->animazione(), QStringLiteral("Riposo"));
        merlino->Speak(QStringLiteral("Ciao bambini, oggi leggiamo una storia."));
        QTRY_COMPARE(merlino->figura()->animazione(), QStringLiteral("Parla"));
        QStringList bocche;
        QTRY_VERIFY((bocche << merlino->figura()->fotogramma(), bocche.removeDuplicates(), bocche.size() >= 3));
        merlino->StopAll();
        QCOMPARE(merlino->figura()->animazione(), QStringLiteral("Riposo"));
        merlino->Hide();
        QTRY_VERIFY(!merlino->figura()->isVisible());
    }

    void dueMisureDiFumetto()
    {
        QWidget schermata;
        schermata.resize(1000, 700);
        Fumetto fumetto(&schermata);
        const QString testo =
            QStringLiteral("C'era una volta un mago gentile che leggeva ogni sera le storie più belle "
                           "ai bambini del paese, seduto vicino al fuoco. I bambini ascoltavano "
                           "in silenzio e alla fine chiedevano sempre un'altra storia, per favore.");
        const QRect figura(800, 100, 160, 200);
        fumetto.inizia(testo, true, figura);
        const int altezzaIntera = fumetto.height();
        fumetto.inizia(testo, false, figura);
        const int altezzaFissa = fumetto.height();
        QVERIFY(altezzaIntera > altezzaFissa);
        QCOMPARE(altezzaFissa, 2 * fumetto.fontMetrics().lineSpacing() + 24);
        QVERIFY(fumetto.geometry().right() < figura.left() + 1); // beside the character, not over him

        fumetto.rivela(static_cast<int>(testo.size()));
        QVERIFY(testo.endsWith(fumetto.testoMostrato()));
        QVERIFY(fumetto.testoMostrato().size() < testo.size()); // only the latest words
        fumetto.inizia(testo, true, figura);
        fumetto.rivela(static_cast<int>(testo.size()));
        QCOMPARE(fumetto.testoMostrato(), testo);
    }
};

QTEST_MAIN(TestAgente)
#include "tst_agente.moc"
