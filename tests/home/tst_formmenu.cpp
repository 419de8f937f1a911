// The home screen as the pupil sees it, with the mouse and with one or two switches.
#include "exercise/Form1.h"
#include "home/FormMenu.h"
#include "support/AmbienteProva.h"
#include "support/Colori.h"
#include "support/Messaggi.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
constexpr double kNormale = 65535;   // yellow
constexpr double kSelezionato = 255; // red

void scriviProfilo(const StatoProgramma& stato, const QString& nomeFile,
                   const std::function<void(ImpostazioniUtente&)>& modifica = {})
{
    QDir().mkpath(stato.percorsi.cartellaUtenti());
    ImpostazioniUtente impostazioni;
    ModuloPerIni::ImpostazioniPredefinite(impostazioni, stato.percorsi);
    impostazioni.StileLettere = stato.ImpostazioniUtente.StileLettere;
    if (modifica)
        modifica(impostazioni);
    QVERIFY(!ModuloPerIni::SalvaUtente(impostazioni, stato.percorsi.cartellaUtenti() + nomeFile));
}

ImpostazioniUtente leggiProfilo(const StatoProgramma& stato, const QString& percorso)
{
    ImpostazioniUtente letto;
    ModuloPerIni::LeggiUtente(letto, percorso, stato.percorsi);
    return letto;
}

void rendiCorrente(StatoProgramma& stato, const QString& nome)
{
    stato.NomeUtente = nome;
    stato.PercorsoUtente = stato.percorsi.profiloUtente(nome);
}

// The button the pupil sees highlighted with the other in the normal colour; -1 when it is not so.
int evidenziato(const FormMenu* schermata)
{
    for (int i = 0; i < 2; ++i) {
        if (Colori::sfondo(schermata->Command1[i]) == kSelezionato &&
            Colori::sfondo(schermata->Command1[1 - i]) == kNormale)
            return i;
    }
    return -1;
}

void premiERilascia(QWidget* ricevitore, Qt::Key tasto, bool ripetuto = false)
{
    const QString testo = tasto == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    QKeyEvent premuto(QEvent::KeyPress, tasto, Qt::NoModifier, testo, ripetuto);
    QKeyEvent rilasciato(QEvent::KeyRelease, tasto, Qt::NoModifier, testo, ripetuto);
    QCoreApplication::sendEvent(ricevitore, &premuto);
    QCoreApplication::sendEvent(ricevitore, &rilasciato);
}

void entraColMouse(QWidget* bottone)
{
    QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(bottone, &entra);
}

void chiudi(Programma& programma)
{
    programma.termina();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestFormMenu : public QObject {
    Q_OBJECT
private:
    // Each test gets its own users' folder.
    std::unique_ptr<AmbienteProva> m_ambiente;

    std::unique_ptr<ProgrammaProva> programma(int modalita, const QString& stile = QStringLiteral("minuscolo"))
    {
        auto p = std::make_unique<ProgrammaProva>(*m_ambiente);
        ImpostazioniUtente& i = p->stato->ImpostazioniUtente;
        i.ModalitaInput = static_cast<qint16>(modalita);
        i.StileLettere = stile;
        i.ColoreBottoni = kNormale;
        i.ColoreBottoneSelezionato = kSelezionato;
        // At start-up the program loads the list; the exercise screen needs it.
        if (const auto errore = CaricaLista(p->stato->TabellaFrasi, i.ListaInUso, p->stato->percorsi))
            qFatal("cannot load the default list: %s", qPrintable(*errore));
        return p;
    }

    // One clock step of automatic scanning, and only one: the clock is stopped after each step.
    static void unPasso(FormMenu* schermata)
    {
        QSignalSpy passi(schermata->Timer1, &QTimer::timeout);
        schermata->Timer1->start(1);
        QTRY_COMPARE(passi.count(), 1);
    }

private slots:
    void initTestCase() { Messaggi::Prova::intercetta(true); }
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        Messaggi::Prova::dimentica();
    }
    void cleanup()
    {
        QVERIFY2(Messaggi::Prova::mostrati().isEmpty(), qPrintable(Messaggi::Prova::mostrati().join(u'|')));
    }

    void elencoUtenti_data()
    {
        QTest::addColumn<QStringList>("voci"); // a trailing slash makes a folder
        QTest::addColumn<bool>("maiuscolo");
        QTest::addColumn<QString>("utente");
        QTest::addColumn<QStringList>("elenco");
        QTest::addColumn<int>("scelto");
        QTest::newRow("nessun profilo") << QStringList() << false << "anna" << QStringList() << -1;
        QTest::newRow("uno solo") << QStringList{"anna.ini"} << false << "anna" << QStringList{"anna"} << 0;
        QTest::newRow("due") << QStringList{"anna.ini", "Bruno.ini"} << false << "bruno" << QStringList{"anna", "Bruno"}
                             << 1;
        QTest::newRow("estensione maiuscola e altri file") << QStringList{"Carlo.INI", "dora.ini", "note.txt", "ini"}
                                                           << false << "CARLO" << QStringList{"Carlo", "dora"} << 0;
        QTest::newRow("cartelle") << QStringList{"zeta.ini", "prova.ini/", "altro/"} << false << "zeta"
                                  << QStringList{"prova", "zeta"} << 1;
        QTest::newRow("maiuscolo") << QStringList{"anna.ini", "Bruno.ini"} << true << "bruno"
                                   << QStringList{"ANNA", "BRUNO"} << 1;
        QTest::newRow("maiuscolo, utente senza profilo")
            << QStringList{"anna.ini", "Bruno.ini"} << true << "carla" << QStringList{"ANNA", "BRUNO"} << -1;
        QTest::newRow("utente senza profilo")
            << QStringList{"anna.ini", "bruno.ini"} << false << "carla" << QStringList{"anna", "bruno"} << -1;
    }
    void elencoUtenti()
    {
        QFETCH(QStringList, voci);
        QFETCH(bool, maiuscolo);
        QFETCH(QString, utente);
        QFETCH(QStringList, elenco);
        QFETCH(int, scelto);
        auto p = programma(0, maiuscolo ? QStringLiteral("maiuscolo") : QStringLiteral("minuscolo"));
        for (const QString& voce : voci) {
            if (voce.endsWith(u'/'))
                QVERIFY(QDir().mkpath(p->stato->percorsi.cartellaUtenti() + voce));
            else
                scriviProfilo(*p->stato, voce);
        }
        rendiCorrente(*p->stato, utente);

        FormMenu* schermata = p->programma.apriMenu(nullptr);
        QStringList mostrato;
        for (int i = 0; i < schermata->Combo1->count(); ++i)
            mostrato << schermata->Combo1->itemText(i);
        QCOMPARE(mostrato, elenco);
        QCOMPARE(schermata->Combo1->isVisible(), elenco.size() >= 2);
        QCOMPARE(schermata->Combo1->currentIndex(), scelto);
        QCOMPARE(p->stato->NomeUtente.compare(utente, Qt::CaseInsensitive), 0);
        chiudi(p->programma);
    }

    void cambioUtente_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("modalita");
        QTest::newRow("altro font") << QStringLiteral("Courier New") << 0;
        QTest::newRow("scansione manuale") << QStringLiteral("Arial") << 1;
        QTest::newRow("scansione automatica") << QStringLiteral("Times New Roman") << 2;
    }
    void cambioUtente()
    {
        QFETCH(QString, font);
        QFETCH(int, modalita);
        auto p = programma(0);
        StatoProgramma& stato = *p->stato;
        scriviProfilo(stato, QStringLiteral("anna.ini"));
        scriviProfilo(stato, QStringLiteral("bruno.ini"), [&](ImpostazioniUtente& i) {
            i.FontTesto = font;
            i.ModalitaInput = static_cast<qint16>(modalita);
        });
        rendiCorrente(stato, QStringLiteral("anna"));
        stato.ImpostazioniUtente.VelocitaScansione = 7;
        FormMenu* schermata = p->programma.apriMenu(nullptr);
        QCOMPARE(schermata->Combo1->currentIndex(), 0);
        // Choosing the current user at activation writes what is in memory and reads it back.
        const ImpostazioniUtente anna = leggiProfilo(stato, stato.percorsi.cartellaUtenti() + "anna.ini");
        QCOMPARE(anna.VelocitaScansione, qint16(7));
        QCOMPARE(stato.ImpostazioniUtente, anna);

        stato.ImpostazioniUtente.VelocitaScansione = 9; // changed during the session
        schermata->Combo1->setCurrentIndex(1);
        QCOMPARE(leggiProfilo(stato, stato.percorsi.cartellaUtenti() + "anna.ini").VelocitaScansione, qint16(9));
        QCOMPARE(stato.NomeUtente, QStringLiteral("bruno"));
        QCOMPARE(stato.PercorsoUtente, stato.percorsi.cartellaUtenti() + QStringLiteral("bruno.ini"));
        QCOMPARE(stato.ImpostazioniUtente.VelocitaScansione, qint16(4));
        for (QPushButton* bottone : schermata->Command1)
            QCOMPARE(bottone->font().family(), font);
        QCOMPARE(schermata->PictureScansioneManuale->isVisible(), modalita == 1);
        QCOMPARE(schermata->PictureScansioneAutomatica->isVisible(), modalita == 2);
        chiudi(p->programma);
    }

    void didascalie_data()
    {
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("ordiparo");
        QTest::addColumn<QString>("esci");
        QTest::newRow("maiuscolo") << "maiuscolo"
                                   << "Arial"
                                   << "&ORDIPARO"
                                   << "&ESCI";
        QTest::newRow("minuscolo") << "minuscolo"
                                   << "Courier New"
                                   << "&ordiparo"
                                   << "&esci";
        QTest::newRow("corsivo") << "corsivo"
                                 << "Times New Roman"
                                 << "&ordiparo"
                                 << "&esci";
    }
    void didascalie()
    {
        QFETCH(QString, stile);
        QFETCH(QString, font);
        QFETCH(QString, ordiparo);
        QFETCH(QString, esci);
        auto p = programma(0, stile);
        p->stato->ImpostazioniUtente.FontTesto = font;
        FormMenu* schermata = p->programma.apriMenu(nullptr);
        QCOMPARE(schermata->Command1[0]->text(), ordiparo);
        QCOMPARE(schermata->Command1[1]->text(), esci);
        const QFont primo = schermata->Command1[0]->font();
        QCOMPARE(primo.family(), font);
        QCOMPARE(schermata->Command1[1]->font().family(), font);
        QCOMPARE(schermata->Command1[1]->font().pointSize(), primo.pointSize());
        // The caption grows to the button's size and still fits in it.
        QVERIFY(primo.pointSize() > 24);
        QVERIFY(QFontMetrics(primo).horizontalAdvance(QString(ordiparo).remove(u'&')) <
                schermata->Command1[0]->width());
        QCOMPARE(schermata->Combo1->font().family(), font);
        QCOMPARE(schermata->Combo1->font().pointSize(), std::max(14, primo.pointSize() - 10));

        // Their screens come later: the entries are there but cannot be chosen.
        QHash<QString, bool> attive;
        for (QAction* voce : schermata->barraMenu()->actions()) {
            attive.insert(voce->text(), voce->isEnabled());
            for (QAction* sotto : voce->menu() ? voce->menu()->actions() : QList<QAction*>())
                attive.insert(sotto->text(), sotto->isEnabled());
        }
        for (const char* testo : {"&Configurazioni", "&Esercizi eseguiti", "documentazione", "about"})
            QVERIFY2(attive.contains(QString::fromUtf8(testo)) && !attive.value(QString::fromUtf8(testo)), testo);
        chiudi(p->programma);
    }

    void clicDelMouse_data()
    {
        QTest::addColumn<int>("bottone");
        QTest::addColumn<bool>("conProfilo");
        QTest::newRow("ordiparo") << 0 << false;
        QTest::newRow("esci senza profilo") << 1 << false;
        QTest::newRow("esci con profilo") << 1 << true;
    }
    void clicDelMouse()
    {
        QFETCH(int, bottone);
        QFETCH(bool, conProfilo);
        auto p = programma(0);
        QDir().mkpath(p->stato->percorsi.cartellaUtenti());
        if (conProfilo) {
            scriviProfilo(*p->stato, QStringLiteral("anna.ini"));
            rendiCorrente(*p->stato, QStringLiteral("anna"));
        }
        QPointer<FormMenu> schermata = p->programma.apriMenu(nullptr);
        const QByteArray prima = AmbienteProva::leggi(p->stato->PercorsoUtente);
        p->stato->ImpostazioniUtente.VelocitaScansione = 11;
        QTest::mouseClick(schermata->Command1[bottone], Qt::LeftButton);
        QVERIFY(!schermata->isVisible());
        QCOMPARE(p->programma.form1() && p->programma.form1()->isVisible(), bottone == 0);
        // Leaving by mouse does not save the profile.
        QCOMPARE(QFile::exists(p->stato->PercorsoUtente), conProfilo);
        QCOMPARE(AmbienteProva::leggi(p->stato->PercorsoUtente), prima);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(schermata.isNull());
        chiudi(p->programma);
    }

    void mouseSopraIBottoni()
    {
        auto p = programma(0);
        FormMenu* schermata = p->programma.apriMenu(nullptr);
        for (int indice : {1, 0}) {
            entraColMouse(schermata->Command1[indice]);
            QCOMPARE(evidenziato(schermata), indice);
        }
        QMouseEvent muovi(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(schermata->area(), &muovi);
        QCOMPARE(Colori::sfondo(schermata->Command1[0]), kNormale);
        QCOMPARE(Colori::sfondo(schermata->Command1[1]), kNormale);
        chiudi(p->programma);
    }

    void preparazioneDellaModalita_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<int>("millisecondi"); // the automatic scanning step
        QTest::newRow("mouse") << 0 << 4 << -1;
        QTest::newRow("manuale") << 1 << 4 << -1;
        QTest::newRow("automatica 4") << 2 << 4 << 1000;
        QTest::newRow("automatica 8") << 2 << 8 << 2000;
        QTest::newRow("automatica 1") << 2 << 1 << 250;
        QTest::newRow("automatica 0") << 2 << 0 << 250;
        QTest::newRow("automatica negativa") << 2 << -3 << 250;
    }
    void preparazioneDellaModalita()
    {
        QFETCH(int, modalita);
        QFETCH(int, velocita);
        QFETCH(int, millisecondi);
        auto p = programma(modalita);
        p->stato->ImpostazioniUtente.VelocitaScansione = static_cast<qint16>(velocita);
        FormMenu* schermata = p->programma.apriMenu(nullptr);
        QCOMPARE(schermata->PictureScansioneManuale->isVisible(), modalita == 1);
        QCOMPARE(schermata->PictureScansioneAutomatica->isVisible(), modalita == 2);
        QCOMPARE(schermata->Timer1->isActive(), modalita != 0);
        if (millisecondi > 0)
            QCOMPARE(schermata->Timer1->interval(), millisecondi);
        chiudi(p->programma);
    }

    void scansioneManuale()
    {
        auto p = programma(1);
        FormMenu* schermata = p->programma.apriMenu(nullptr);
        QWidget* sensore = schermata->PictureScansioneManuale;
        QCOMPARE(evidenziato(schermata), 0);
        premiERilascia(sensore, Qt::Key_Space);
        QCOMPARE(evidenziato(schermata), 1);
        premiERilascia(sensore, Qt::Key_Space);
        QCOMPARE(evidenziato(schermata), 0);
        // A switch held down: its repeated releases do not step.
        premiERilascia(sensore, Qt::Key_Space, true);
        QCOMPARE(evidenziato(schermata), 0);
        // The other mode's receiver and the mouse have no say.
        premiERilascia(schermata->PictureScansioneAutomatica, Qt::Key_Space);
        entraColMouse(schermata->Command1[1]);
        QCOMPARE(evidenziato(schermata), 0);
        for (QPushButton* bottone : schermata->Command1)
            QTest::mouseClick(bottone, Qt::LeftButton);
        QVERIFY(schermata->isVisible());
        QVERIFY(!p->programma.form1());
        chiudi(p->programma);
    }

    void scansioneAutomatica()
    {
        auto p = programma(2);
        FormMenu* schermata = p->programma.apriMenu(nullptr);
        schermata->Timer1->stop();
        connect(schermata->Timer1, &QTimer::timeout, schermata->Timer1, &QTimer::stop);
        unPasso(schermata);
        const int primo = evidenziato(schermata);
        QVERIFY(primo == 0 || primo == 1);
        unPasso(schermata);
        QCOMPARE(evidenziato(schermata), 1 - primo);
        unPasso(schermata);
        QCOMPARE(evidenziato(schermata), primo);
        // Enter, a held switch and the other mode's receiver choose nothing.
        premiERilascia(schermata->PictureScansioneAutomatica, Qt::Key_Return);
        premiERilascia(schermata->PictureScansioneAutomatica, Qt::Key_Space, true);
        premiERilascia(schermata->PictureScansioneManuale, Qt::Key_Space);
        QVERIFY(schermata->isVisible());
        QCOMPARE(evidenziato(schermata), primo);
        chiudi(p->programma);
    }

    void sceltaColSensore_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<int>("bottone");
        QTest::addColumn<Qt::Key>("tasto");
        QTest::newRow("manuale, ordiparo") << 1 << 0 << Qt::Key_Return;
        QTest::newRow("manuale, ordiparo, tastierino") << 1 << 0 << Qt::Key_Enter;
        QTest::newRow("manuale, esci") << 1 << 1 << Qt::Key_Return;
        QTest::newRow("automatica, ordiparo") << 2 << 0 << Qt::Key_Space;
        QTest::newRow("automatica, esci") << 2 << 1 << Qt::Key_Space;
    }
    void sceltaColSensore()
    {
        QFETCH(int, modalita);
        QFETCH(int, bottone);
        QFETCH(Qt::Key, tasto);
        auto p = programma(modalita);
        QDir().mkpath(p->stato->percorsi.cartellaUtenti());
        QPointer<FormMenu> schermata = p->programma.apriMenu(nullptr);
        QWidget* sensore = modalita == 1 ? schermata->PictureScansioneManuale : schermata->PictureScansioneAutomatica;
        if (modalita == 1) {
            for (int i = 0; i < bottone; ++i)
                premiERilascia(sensore, Qt::Key_Space);
        } else {
            schermata->Timer1->setInterval(1);
        }
        // Nothing runs between the check and the key: the highlight cannot move on.
        QTRY_COMPARE(evidenziato(schermata), bottone);
        premiERilascia(sensore, tasto);
        QVERIFY(!schermata->isVisible());
        QCOMPARE(p->programma.form1() != nullptr, bottone == 0);
        // Leaving by switch saves the profile.
        QCOMPARE(QFile::exists(p->stato->PercorsoUtente), bottone == 1);
        if (bottone == 1)
            QCOMPARE(leggiProfilo(*p->stato, p->stato->PercorsoUtente).ModalitaInput, qint16(modalita));
        chiudi(p->programma);
    }
};

QTEST_MAIN(TestFormMenu)
#include "tst_formmenu.moc"
