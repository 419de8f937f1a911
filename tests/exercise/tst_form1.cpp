// The exercise screen driven as a pupil drives it: mouse, one switch, two switches.
#include "exercise/Form1.h"
#include "exercise/agent/Personaggio.h"
#include "home/FormMenu.h"
#include "startup/FormAvvio.h"
#include "support/AmbienteProva.h"
#include "support/Colori.h"
#include "support/Messaggi.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
struct Voce {
    QString testo;
    int codice;
};

// Puts one item in the table: a stimulus (code 1 text, 0 picture) and its statements.
void metti(TabellaFrasi& tabella, int riga, const QString& stimolo, int codiceStimolo, const QList<Voce>& voci)
{
    tabella.NumeroRighe = std::max<qint16>(tabella.NumeroRighe, riga);
    tabella.Testo(riga, 0) = stimolo;
    tabella.Codice(riga, 0) = static_cast<qint16>(codiceStimolo);
    for (int colonna = 1; colonna < TabellaFrasi::kColonne; ++colonna) {
        const bool c = colonna <= voci.size();
        tabella.Testo(riga, colonna) = c ? voci[colonna - 1].testo : QString();
        tabella.Codice(riga, colonna) = static_cast<qint16>(c ? voci[colonna - 1].codice : 3);
    }
}

void premi(QWidget* ricevitore, Qt::Key tasto)
{
    QTest::keyPress(ricevitore, tasto);
    QTest::keyRelease(ricevitore, tasto);
}
} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private:
    AmbienteProva m_ambiente;
    std::unique_ptr<ProgrammaProva> m_p;

    Form1* apri()
    {
        Form1* schermata = m_p->programma.apriEsercizio(nullptr);
        return schermata;
    }
    TabellaFrasi& tabella() { return m_p->stato->TabellaFrasi; }
    ImpostazioniUtente& impostazioni() { return m_p->stato->ImpostazioniUtente; }
    const RegistroEsercizi& registro() { return m_p->stato->RegistroEsercizi; }

private slots:
    void init()
    {
        Messaggi::Prova::intercetta(true);
        Messaggi::Prova::dimentica();
        m_p = std::make_unique<ProgrammaProva>(m_ambiente);
        metti(tabella(), 1, QStringLiteral("Il gatto dorme sul divano."), 1,
              {{QStringLiteral("Il gatto dorme."), 0},
               {QStringLiteral("Il gatto mangia."), 1},
               {QStringLiteral("Il gatto si chiama Micio."), 2}});
    }
    void cleanup()
    {
        m_p->programma.termina();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_p.reset();
    }

    void dallaSchermataIniziale_allaRisposta_eRitorno()
    {
        FormAvvio* avvio = m_p->programma.apriAvvio();
        QTest::mouseClick(avvio->Command1, Qt::LeftButton);
        FormMenu* menu = m_p->programma.formMenu();
        QVERIFY(menu && menu->isVisible());
        QTest::mouseClick(menu->Command1[0], Qt::LeftButton);
        Form1* esercizio = m_p->programma.form1();
        QVERIFY(esercizio && esercizio->isVisible());
        QCOMPARE(esercizio->Label1->text(), QStringLiteral("Il gatto dorme sul divano."));
        QCOMPARE(esercizio->Label4->text(), QStringLiteral("Il gatto dorme."));
        QCOMPARE(esercizio->EtichettaEsatti->text(), QStringLiteral(" 0"));

        QTest::mouseClick(esercizio->Command1[0], Qt::LeftButton);
        QCOMPARE(esercizio->EtichettaEsatti->text(), QStringLiteral(" 1"));

        esercizio->mnuEsci->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_p->programma.form1() == nullptr);
        QVERIFY(m_p->programma.formMenu() && m_p->programma.formMenu()->isVisible());
    }

    void risposteGiusteESbagliate_eAvanti()
    {
        Form1* s = apri();
        QCOMPARE(registro().NumeroEseguiti(), qint16(1));
        QVERIFY(!s->BottoneAvanti->isVisible());

        QTest::mouseClick(s->Command1[1], Qt::LeftButton);
        QTest::mouseClick(s->Command1[2], Qt::LeftButton);
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 2"));
        QVERIFY(s->ComandoIconaNo->isVisible() && !s->ComandoIconaSi->isVisible());
        QVERIFY(s->Command1[0]->isEnabled());

        QTest::mouseClick(s->Command1[0], Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QVERIFY(s->ComandoIconaSi->isVisible() && !s->ComandoIconaNo->isVisible());
        QVERIFY(!s->Command1[0]->isEnabled() && s->BottoneAvanti->isVisible());
        QCOMPARE(registro().riga(1).Errori, QStringLiteral(" *  * "));
        QCOMPARE(m_p->suoni.suonati, QStringList{"si.wav"}); // while the character speaks, mistakes are silent

        QTest::mouseClick(s->Command1[1], Qt::LeftButton); // disabled: nothing happens
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 2"));

        QTest::mouseClick(s->BottoneAvanti, Qt::LeftButton);
        QCOMPARE(s->Label4->text(), QStringLiteral("Il gatto mangia."));
        QCOMPARE(registro().NumeroEseguiti(), qint16(2));
        QCOMPARE(registro().riga(2).Errori, QString());
        QVERIFY(!s->BottoneAvanti->isVisible() && s->Command1[0]->isEnabled());
        // The outcome of the last answer stays until the next answer.
        QVERIFY(s->ComandoIconaSi->isVisible());

        for (int colonna = 2; colonna <= 3; ++colonna) {
            s->Command1[tabella().Codice(1, colonna)]->click();
            s->BottoneAvanti->click();
        }
        // After the last statement a new item: one row, so the same item from its first statement.
        QCOMPARE(s->Label4->text(), QStringLiteral("Il gatto dorme."));
        QCOMPARE(registro().NumeroEseguiti(), qint16(4));
    }

    void quaisAffermazioniSiVedono_data()
    {
        QTest::addColumn<int>("tipoRisposte");
        QTest::addColumn<QList<int>>("codici");
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<QStringList>("mostrate");
        QTest::newRow("vero-falso salta non si sa")
            << 0 << QList<int>{2, 2, 0, 1} << QStringList{"a", "b", "c", "d"} << QStringList{"c", "d", "c"};
        QTest::newRow("tre risposte le mostra tutte")
            << 1 << QList<int>{2, 0} << QStringList{"a", "b"} << QStringList{"a", "b", "a"};
        QTest::newRow("vero-falso: spazi chiudono")
            << 0 << QList<int>{0, 1, 0} << QStringList{"a", "   ", "c"} << QStringList{"a", "a"};
        QTest::newRow("tre risposte: spazi mostrati")
            << 1 << QList<int>{0, 1} << QStringList{"a", "   "} << QStringList{"a", "   ", "a"};
        QTest::newRow("codice senza risposta saltato")
            << 1 << QList<int>{0, 3, 1} << QStringList{"a", "b", "c"} << QStringList{"a", "c", "a"};
        QTest::newRow("otto affermazioni")
            << 1 << QList<int>{0, 1, 0, 1, 0, 1, 0, 1} << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "1"};
    }
    void quaisAffermazioniSiVedono()
    {
        QFETCH(int, tipoRisposte);
        QFETCH(QList<int>, codici);
        QFETCH(QStringList, testi);
        QFETCH(QStringList, mostrate);
        QList<Voce> voci;
        for (int i = 0; i < codici.size(); ++i)
            voci << Voce{testi[i], codici[i]};
        metti(tabella(), 1, QStringLiteral("Stimolo"), 1, voci);
        impostazioni().TipoRisposte = static_cast<qint16>(tipoRisposte);
        Form1* s = apri();
        QCOMPARE(s->Command1[2]->isVisibleTo(s), tipoRisposte != 0);
        QStringList viste{s->Label4->text()};
        while (viste.size() < mostrate.size()) {
            s->Command1[tabella().Codice(1, s->ColonnaCorrente())]->click();
            s->BottoneAvanti->click();
            viste << s->Label4->text();
        }
        QCOMPARE(viste, mostrate);
    }

    void esercizioSenzaAffermazioniUtiliSaltato()
    {
        impostazioni().TipoRisposte = 0;
        metti(tabella(), 1, QStringLiteral("Solo incerte"), 1, {{QStringLiteral("x"), 2}, {QStringLiteral("y"), 2}});
        metti(tabella(), 2, QStringLiteral("Buono"), 1, {{QStringLiteral("z"), 0}});
        Form1* s = apri();
        for (int volta = 0; volta < 20; ++volta) {
            QCOMPARE(s->Label1->text(), QStringLiteral("Buono"));
            s->Command1[0]->click();
            s->BottoneAvanti->click();
        }
    }

    void listaSenzaEserciziTornaAlMenu_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("tipoRisposte");
        QTest::newRow("lista vuota") << 0 << 1;
        QTest::newRow("solo non si sa in vero-falso") << 1 << 0;
    }
    void listaSenzaEserciziTornaAlMenu()
    {
        QFETCH(int, righe);
        QFETCH(int, tipoRisposte);
        metti(tabella(), 1, QStringLiteral("Solo incerte"), 1, {{QStringLiteral("x"), 2}});
        tabella().NumeroRighe = static_cast<qint16>(righe);
        impostazioni().TipoRisposte = static_cast<qint16>(tipoRisposte);
        apri();
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
        QVERIFY(Messaggi::Prova::mostrati().first().contains(QStringLiteral("non contiene esercizi")));
        QTRY_VERIFY(m_p->programma.formMenu() && m_p->programma.formMenu()->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_p->programma.form1() == nullptr);
    }

    void azzeraENascondi()
    {
        Form1* s = apri();
        s->Command1[1]->click();
        s->mnuAzzera->trigger();
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 0"));
        QVERIFY(s->ComandoIconaSi->isVisible());
        QVERIFY(s->Command1[0]->isEnabled()); // still answerable
        QCOMPARE(registro().riga(1).Errori, QStringLiteral(" * "));

        s->mnuNascondi->trigger();
        QVERIFY(!s->ParoleVisibili() && !s->Label4->isVisible() && s->Label1->isVisible());
        QCOMPARE(s->mnuNascondi->text(), QStringLiteral("Mostra prole"));
        s->mnuNascondi->trigger();
        QVERIFY(s->Label4->isVisible());
        QCOMPARE(s->mnuNascondi->text(), QStringLiteral("Nascondi parole"));
    }

    void conteggiSiFermanoA32767()
    {
        Form1* s = apri();
        for (int volta = 0; volta < 32768; ++volta)
            s->Command1[1]->click();
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 32767"));
    }

    void registroPienoLEsercizioContinua()
    {
        Form1* s = apri();
        for (int volta = 0; volta < 1005; ++volta) {
            s->Command1[tabella().Codice(1, s->ColonnaCorrente())]->click();
            s->BottoneAvanti->click();
        }
        QCOMPARE(registro().NumeroEseguiti(), qint16(1000));
        QVERIFY(s->Command1[0]->isEnabled());
    }

    void immagineAdattataENascosta()
    {
        const QString cartella = m_ambiente.percorsi().cartellaImmagini();
        QDir().mkpath(cartella);
        QImage disegno(800, 300, QImage::Format_RGB32);
        disegno.fill(Qt::red);
        QVERIFY(disegno.save(cartella + QStringLiteral("panorama.png")));
        metti(tabella(), 1, QStringLiteral("PANORAMA.PNG"), 0, {{QStringLiteral("È rosso."), 0}});
        Form1* s = apri();
        QVERIFY(s->Image1->isVisible() && !s->Label1->isVisible());
        QCOMPARE(s->Image1->width(), s->Label1->width());
        QCOMPARE(s->Image1->pixmap().size(), s->Image1->size());
        const int altezzaConParole = s->Image1->height();

        s->mnuNascondi->trigger();
        QCOMPARE(s->Image1->height(), s->Picture1->height());
        QVERIFY(s->Image1->height() > altezzaConParole);
        s->mnuNascondi->trigger();
        QCOMPARE(s->Image1->height(), altezzaConParole);
    }

    void immagineMancanteLasciaLAreaVuota()
    {
        metti(tabella(), 1, QStringLiteral("nessuna.png"), 0, {{QStringLiteral("Vero."), 0}});
        Form1* s = apri();
        QVERIFY(!s->Image1->isVisible());
        QVERIFY(!s->Label1->isVisible());
        QCOMPARE(s->Label4->text(), QStringLiteral("Vero."));
    }

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
        impostazioni().SuoniAttivi = suoniAttivi;
        impostazioni().ParlatoAttivo = parlatoAttivo;
        m_p->personaggioDisponibile = personaggioDisponibile;
        Form1* s = apri();
        s->Command1[1]->click();
        s->Command1[0]->click();
        QCOMPARE(m_p->suoni.suonati, attesi);
    }

    void salutoDopoLaPreparazione_data()
    {
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QString>("saluto");
        QTest::newRow("maiuscolo") << "maiuscolo"
                                   << "CIAO!";
        QTest::newRow("minuscolo") << "minuscolo"
                                   << "Ciao!";
    }
    void salutoDopoLaPreparazione()
    {
        QFETCH(QString, stile);
        QFETCH(QString, saluto);
        impostazioni().StileLettere = stile;
        impostazioni().FontTesto = QStringLiteral("Comic Sans MS");
        impostazioni().VelocitaVoce = 180;
        Form1* s = apri();
        const QPoint posto = s->picAgent->mapToGlobal(QPoint(0, 0));
        QCOMPARE(m_p->agente, (QStringList{"LanguageID 1040", "FontName Comic Sans MS", "FontSize 28",
                                           QStringLiteral("MoveTo %1 %2 0").arg(posto.x()).arg(posto.y() + 50), "Show",
                                           "Speak \\Spd=180\\\\Pit=100\\" + saluto}));
        // Balloon off, sized to the text, the character's own bit kept.
        QCOMPARE(s->personaggio()->BalloonStyle(), 4 | Personaggio::kFumettoTuttoIlTesto);
    }

    void clicSuiTestiLiLegge()
    {
        Form1* s = apri();
        m_p->agente.clear();
        QTest::mouseClick(s->Label1, Qt::LeftButton);
        QTest::mouseClick(s->Label4, Qt::LeftButton);
        QTest::mouseClick(s->Image1, Qt::LeftButton); // words shown: the picture says nothing
        const QString tag = s->TagVoce();
        QCOMPARE(m_p->agente, (QStringList{"StopAll", "Speak " + tag + "Il gatto dorme sul divano.", "StopAll",
                                           "Speak " + tag + "Il gatto dorme."}));
    }

    void paroleNascosteLetteDaSole()
    {
        Form1* s = apri();
        s->mnuNascondi->trigger();
        m_p->agente.clear();
        s->Command1[0]->click();
        s->BottoneAvanti->click();
        QCOMPARE(m_p->agente, (QStringList{"StopAll", "Speak " + s->TagVoce() + "Il gatto mangia."}));
    }

    void senzaParlatoNessunPersonaggio()
    {
        impostazioni().ParlatoAttivo = false;
        Form1* s = apri();
        QTest::mouseClick(s->Label4, Qt::LeftButton);
        QVERIFY(!s->personaggio());
        QVERIFY(m_p->agente.isEmpty());
        QCOMPARE(s->Label4->cursor().shape(), Qt::ArrowCursor);
    }

    void personaggioMancanteDettoUnaVolta()
    {
        m_p->personaggioDisponibile = false;
        for (int apertura = 0; apertura < 2; ++apertura) {
            Form1* s = apri();
            QVERIFY(!s->personaggio());
            s->Command1[0]->click();
            QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 1"));
            s->mnuEsci->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
        QVERIFY(Messaggi::Prova::mostrati().first().contains(QStringLiteral("Merlin.acs")));
    }

    void chiusuraFermaIlPersonaggio()
    {
        Form1* s = apri();
        s->mnuEsci->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_p->agente.last(), QStringLiteral("StopAll"));
    }

    void colori_data()
    {
        QTest::addColumn<bool>("sistema");
        QTest::addColumn<bool>("casuale");
        QTest::newRow("colori del profilo, sfondo fisso") << false << false;
        QTest::newRow("colori del profilo, sfondo casuale") << false << true;
        QTest::newRow("colori di sistema") << true << false;
    }
    void colori()
    {
        QFETCH(bool, sistema);
        QFETCH(bool, casuale);
        impostazioni().ImpostazioniSistema = sistema;
        impostazioni().ColoreCasuale = casuale;
        impostazioni().ColoreSfondo = 255;
        impostazioni().ColoreFont = 16711680;
        Form1* s = apri();
        const double sfondo = s->coloreSfondo();
        s->Command1[0]->click();
        s->BottoneAvanti->click(); // a new item: a random background changes
        s->Command1[1]->click();
        s->Command1[0]->click();
        s->BottoneAvanti->click();
        if (sistema)
            QVERIFY(std::isnan(Colori::sfondo(s->Label1)));
        else
            QCOMPARE(Colori::sfondo(s->Label1), impostazioni().ColoreSfondoTesto);
        if (!sistema && !casuale)
            QCOMPARE(s->coloreSfondo(), 255.0);
        QCOMPARE(Colori::sfondo(s->picAgent), s->coloreSfondo());
        Q_UNUSED(sfondo);
    }

    void rispostePerLaStessaMisura()
    {
        impostazioni().TipoRisposte = 0;
        Form1* s = apri();
        const qreal punti = s->Command1[0]->font().pointSizeF();
        QVERIFY(punti > 14.25);
        for (QPushButton* b : s->Command1)
            QCOMPARE(b->font().pointSizeF(), punti);
        const QSize testo = QFontMetrics(s->Command1[2]->font()).size(0, QStringLiteral("non si sa"));
        QVERIFY(testo.width() >= s->Command1[0]->width() ||
                testo.height() >= s->Command1[0]->height() - s->Command1[0]->height() / 10);
    }

    void scansioneManuale_spazioSpostaInvioSceglie()
    {
        impostazioni().ModalitaInput = 1;
        Form1* s = apri();
        QWidget* sensore = s->PictureScansioneManuale;
        QVERIFY(sensore->isVisible() && !s->PictureScansioneAutomatica->isVisible());
        QCOMPARE(Colori::sfondo(s->Command1[0]), impostazioni().ColoreBottoneSelezionato);
        premi(sensore, Qt::Key_Space);
        QCOMPARE(Colori::sfondo(s->Command1[1]), impostazioni().ColoreBottoneSelezionato);
        QCOMPARE(Colori::sfondo(s->Command1[0]), impostazioni().ColoreBottoni);
        QKeyEvent ripetuto(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QCoreApplication::sendEvent(sensore, &ripetuto); // a held switch is one step
        QCOMPARE(Colori::sfondo(s->Command1[1]), impostazioni().ColoreBottoneSelezionato);

        premi(sensore, Qt::Key_Return); // "falso" on a true statement
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 1"));
        premi(sensore, Qt::Key_Space);
        premi(sensore, Qt::Key_Space); // round past "non si sa" back to "vero"
        premi(sensore, Qt::Key_Return);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(Colori::sfondo(s->BottoneAvanti), impostazioni().ColoreBottoneSelezionato);

        QTest::mouseClick(s->BottoneAvanti, Qt::LeftButton); // the mouse does not lead on in scanning
        QCOMPARE(s->Label4->text(), QStringLiteral("Il gatto dorme."));
        premi(sensore, Qt::Key_Return);
        QCOMPARE(s->Label4->text(), QStringLiteral("Il gatto mangia."));
        QCOMPARE(Colori::sfondo(s->Command1[0]), impostazioni().ColoreBottoneSelezionato);
    }

    void scansioneAutomatica_ilTempoSpostaLoSpazioSceglie()
    {
        impostazioni().ModalitaInput = 2;
        impostazioni().VelocitaScansione = 4;
        Form1* s = apri();
        QCOMPARE(s->Timer1->interval(), 1000);
        QWidget* sensore = s->PictureScansioneAutomatica;
        QVERIFY(sensore->isVisible());
        s->Timer1->setInterval(1);
        QTRY_COMPARE(Colori::sfondo(s->Command1[1]), impostazioni().ColoreBottoneSelezionato);
        QTRY_COMPARE(Colori::sfondo(s->Command1[0]), impostazioni().ColoreBottoneSelezionato);
        s->Timer1->stop();
        premi(sensore, Qt::Key_Space);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(Colori::sfondo(s->BottoneAvanti), impostazioni().ColoreBottoneSelezionato);
        premi(sensore, Qt::Key_Space);
        QCOMPARE(s->Label4->text(), QStringLiteral("Il gatto mangia."));
    }

    void mouseEvidenziaSoloInModalitaMouse_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::newRow("mouse") << 0;
        QTest::newRow("scansione") << 1;
    }
    void mouseEvidenziaSoloInModalitaMouse()
    {
        QFETCH(int, modalita);
        impostazioni().ModalitaInput = static_cast<qint16>(modalita);
        Form1* s = apri();
        QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(s->Command1[1], &entra);
        const int selezionati =
            static_cast<int>(std::count_if(std::begin(s->Command1), std::end(s->Command1), [&](QPushButton* b) {
                return Colori::sfondo(b) == impostazioni().ColoreBottoneSelezionato;
            }));
        QCOMPARE(selezionati, 1);
        QCOMPARE(Colori::sfondo(s->Command1[1]) == impostazioni().ColoreBottoneSelezionato, modalita == 0);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
