// The home screen as the pupil sees it, with the mouse and with one or two switches.
#include "exercise/Form1.h"
#include "home/FormMenu.h"
#include "support/AmbienteProva.h"
#include "support/Colori.h"
#include "support/Messaggi.h"
#include "support/ScansioneCursore.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
constexpr double kNormale = 65535;   // yellow
constexpr double kSelezionato = 255; // red

// The highlighted button; -1 when both are in the normal colour, -2 for anything else.
int evidenziato(const FormMenu* s)
{
    const QList<double> c{Colori::sfondo(s->Command1[0]), Colori::sfondo(s->Command1[1])};
    if (c == QList<double>{kSelezionato, kNormale})
        return 0;
    if (c == QList<double>{kNormale, kSelezionato})
        return 1;
    return c == QList<double>{kNormale, kNormale} ? -1 : -2;
}

// A key pressed and let go; a switch's release counts once it stays up.
void premi(QWidget* ricevitore, Qt::Key tasto, bool ripetuto = false)
{
    const QString testo = tasto == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    QKeyEvent giu(QEvent::KeyPress, tasto, Qt::NoModifier, testo, ripetuto);
    QKeyEvent su(QEvent::KeyRelease, tasto, Qt::NoModifier, testo, ripetuto);
    QCoreApplication::sendEvent(ricevitore, &giu);
    QCoreApplication::sendEvent(ricevitore, &su);
    QTest::qWait(ScansioneCursore::kConfermaRilascioMs * 3);
}
} // namespace

class TestFormMenu : public QObject {
    Q_OBJECT
    std::unique_ptr<AmbienteProva> m_ambiente; // each test gets its own users' folder
    std::unique_ptr<ProgrammaProva> m_p;

    StatoProgramma& stato() { return *m_p->stato; }
    ImpostazioniUtente& imp() { return m_p->stato->ImpostazioniUtente; }
    FormMenu* apri() { return m_p->programma.apriMenu(nullptr); }
    void rendiCorrente(const QString& nome)
    {
        stato().NomeUtente = nome;
        stato().PercorsoUtente = stato().percorsi.profiloUtente(nome);
    }
    // A profile on disk holding the settings now in memory.
    void scriviProfilo(const QString& file)
    {
        QVERIFY(!ModuloPerIni::SalvaUtente(imp(), stato().percorsi.cartellaUtenti() + file));
    }
    qint16 velocitaNelProfilo(const QString& percorso)
    {
        ImpostazioniUtente letto;
        ModuloPerIni::LeggiUtente(letto, percorso, stato().percorsi);
        return letto.VelocitaScansione;
    }

private slots:
    void init()
    {
        Messaggi::Prova::intercetta(true);
        Messaggi::Prova::dimentica();
        m_ambiente = std::make_unique<AmbienteProva>();
        m_p = std::make_unique<ProgrammaProva>(*m_ambiente);
        imp().StileLettere = QStringLiteral("minuscolo");
        imp().ColoreBottoni = kNormale;
        imp().ColoreBottoneSelezionato = kSelezionato;
        QDir().mkpath(stato().percorsi.cartellaUtenti());
        // The exercise screen needs the list the start-up loads.
        QVERIFY(!CaricaLista(stato().TabellaFrasi, imp().ListaInUso, stato().percorsi));
    }
    void cleanup()
    {
        m_p->programma.termina();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_p.reset();
        QVERIFY2(Messaggi::Prova::mostrati().isEmpty(), qPrintable(Messaggi::Prova::mostrati().join(u'|')));
    }

    void elencoUtenti_data()
    {
        QTest::addColumn<QStringList>("voci"); // a trailing slash makes a folder
        QTest::addColumn<bool>("maiuscolo");
        QTest::addColumn<QString>("utente");
        QTest::addColumn<QStringList>("elenco");
        QTest::addColumn<int>("scelto");
        const QStringList due{"anna.ini", "Bruno.ini"};
        QTest::newRow("nessun profilo") << QStringList() << false << "anna" << QStringList() << -1;
        QTest::newRow("uno solo") << QStringList{"anna.ini"} << false << "anna" << QStringList{"anna"} << 0;
        QTest::newRow("due, senza badare alle maiuscole")
            << due << false << "bruno" << QStringList{"anna", "Bruno"} << 1;
        QTest::newRow("estensione maiuscola e altri file") << QStringList{"Carlo.INI", "dora.ini", "note.txt", "ini"}
                                                           << false << "CARLO" << QStringList{"Carlo", "dora"} << 0;
        QTest::newRow("cartelle") << QStringList{"zeta.ini", "prova.ini/", "altro/"} << false << "zeta"
                                  << QStringList{"prova", "zeta"} << 1;
        QTest::newRow("maiuscolo") << due << true << "bruno" << QStringList{"ANNA", "BRUNO"} << 1;
        QTest::newRow("utente senza profilo") << due << true << "carla" << QStringList{"ANNA", "BRUNO"} << -1;
        QTest::newRow("nomi vuoti o fuori dalla cartella")
            << QStringList{"anna.ini", "Bruno.ini", ".ini", "..\\..\\..\\vittima.ini"} << false << "anna"
            << QStringList{"anna", "Bruno"} << 0;
        QTest::newRow("maiuscole che non tornano indietro")
            << QStringList{"anna.ini", "straße.ini"} << true << "straße" << QStringList{"ANNA", "STRASSE"} << 1;
    }
    void elencoUtenti()
    {
        QFETCH(QStringList, voci);
        QFETCH(bool, maiuscolo);
        QFETCH(QString, utente);
        QFETCH(QStringList, elenco);
        QFETCH(int, scelto);
        imp().StileLettere = maiuscolo ? QStringLiteral("maiuscolo") : QStringLiteral("minuscolo");
        for (const QString& voce : voci) {
            if (voce.endsWith(u'/'))
                QVERIFY(QDir().mkpath(stato().percorsi.cartellaUtenti() + voce));
            else if (voce.contains(u'\\')) // a legal file name here, written as it is
                AmbienteProva::scrivi(stato().percorsi.cartellaUtenti() + voce, {});
            else
                scriviProfilo(voce);
        }
        rendiCorrente(utente);
        FormMenu* s = apri();
        QStringList mostrato;
        for (int i = 0; i < s->Combo1->count(); ++i)
            mostrato << s->Combo1->itemText(i);
        QCOMPARE(mostrato, elenco);
        QCOMPARE(s->Combo1->isVisible(), elenco.size() >= 2);
        QCOMPARE(s->Combo1->currentIndex(), scelto);
        if (scelto >= 0) // the chosen user reads its own profile
            QVERIFY(QFile::exists(Percorsi::risoltoSenzaMaiuscole(stato().PercorsoUtente)));
    }

    void cambioUtente()
    {
        const QString anna = stato().percorsi.cartellaUtenti() + QStringLiteral("anna.ini");
        imp().ModalitaInput = 2;
        scriviProfilo(QStringLiteral("anna.ini"));
        const ImpostazioniUtente comeAnna = imp();
        imp().FontTesto = QStringLiteral("Courier New");
        imp().ModalitaInput = 2;
        imp().VelocitaScansione = 5;
        imp().StileLettere = QStringLiteral("maiuscolo");
        scriviProfilo(QStringLiteral("bruno.ini"));
        imp() = comeAnna;
        imp().VelocitaScansione = 7;
        rendiCorrente(QStringLiteral("anna"));
        FormMenu* s = apri();
        QCOMPARE(velocitaNelProfilo(anna), qint16(7)); // selecting the current user at activation saves it

        imp().VelocitaScansione = 9; // changed during the session
        s->Timer1->setInterval(1);
        QTRY_COMPARE(evidenziato(s), 1);
        s->Combo1->setCurrentIndex(1);
        QCOMPARE(evidenziato(s), 0); // the new pupil starts from the first button
        QCOMPARE(velocitaNelProfilo(anna), qint16(9));
        QCOMPARE(stato().NomeUtente, QStringLiteral("bruno"));
        QCOMPARE(stato().PercorsoUtente, stato().percorsi.cartellaUtenti() + QStringLiteral("bruno.ini"));
        QCOMPARE(imp().VelocitaScansione, qint16(5));
        QCOMPARE(s->Command1[1]->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(s->Combo1->itemText(0), QStringLiteral("ANNA"));
    }

    // Read damaged again (here rewritten the same), the profile is not told twice.
    void profiloDanneggiatoDettoUnaVolta()
    {
        const QString marco = stato().percorsi.cartellaUtenti() + QStringLiteral("marco.ini");
        AmbienteProva::scrivi(marco, "minuscolo\r\n");
        scriviProfilo(QStringLiteral("anna.ini"));
        rendiCorrente(QStringLiteral("anna"));
        FormMenu* s = apri();
        for (int volta = 0; volta < 2; ++volta) {
            AmbienteProva::scrivi(marco, "minuscolo\r\n");
            s->Combo1->setCurrentIndex(1);
            s->Combo1->setCurrentIndex(0);
        }
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
        QVERIFY(Messaggi::Prova::mostrati().first().contains(QDir::toNativeSeparators(marco + ".danneggiato")));
        QCOMPARE(AmbienteProva::leggi(marco + ".danneggiato"), QByteArray("minuscolo\r\n"));
        Messaggi::Prova::dimentica();
    }

    void didascalie_data()
    {
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QStringList>("testi");
        QTest::newRow("maiuscolo") << "maiuscolo" << QString("Arial") << QStringList{"&ORDIPARO", "&ESCI"};
        QTest::newRow("minuscolo") << "minuscolo" << QString("Courier New") << QStringList{"&ordiparo", "&esci"};
        QTest::newRow("corsivo") << "corsivo" << QString("Times New Roman") << QStringList{"&ordiparo", "&esci"};
    }
    void didascalie()
    {
        QFETCH(QString, stile);
        QFETCH(QString, font);
        QFETCH(QStringList, testi);
        imp().StileLettere = stile;
        imp().FontTesto = font;
        FormMenu* s = apri();
        QCOMPARE((QStringList{s->Command1[0]->text(), s->Command1[1]->text()}), testi);
        const QFont primo = s->Command1[0]->font();
        QCOMPARE(primo.family(), font);
        QCOMPARE(s->Command1[1]->font(), primo);
        // The caption grows to the button's size and still fits in it.
        QVERIFY(primo.pointSize() > 24);
        QVERIFY(QFontMetrics(primo).horizontalAdvance(QString(testi[0]).remove(u'&')) < s->Command1[0]->width());
        QCOMPARE(s->Combo1->font().family(), font);
        QCOMPARE(s->Combo1->font().pointSize(), std::max(14, primo.pointSize() - 10));
    }

    void vociDelMenuPresentiMaSpente()
    {
        FormMenu* s = apri();
        for (QAction* voce : {s->mnuOpzioni, s->mnuEserciziEseguiti, s->mnuDocum, s->mnuInformazioni})
            QVERIFY2(!voce->associatedObjects().isEmpty() && !voce->isEnabled(), qPrintable(voce->text()));
    }

    // Each mode shows its receiver and runs its clock; hovering and clicking act in mouse mode only.
    void modalita_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<int>("millisecondi");      // the automatic scanning step
        QTest::addColumn<QList<int>>("sottoMouse"); // after entering 1, entering 0, moving over the background
        const QList<int> primo{0, 0, 0};            // scanning starts on the first button
        QTest::newRow("mouse") << 0 << 4 << -1 << QList<int>{1, 0, -1};
        QTest::newRow("manuale") << 1 << 4 << -1 << primo;
        QTest::newRow("automatica 4") << 2 << 4 << 1000 << primo;
        QTest::newRow("automatica 8") << 2 << 8 << 2000 << primo;
        QTest::newRow("automatica 1") << 2 << 1 << 250 << primo;
        QTest::newRow("automatica 0") << 2 << 0 << 250 << primo;
        QTest::newRow("automatica negativa") << 2 << -3 << 250 << primo;
    }
    void modalita()
    {
        QFETCH(int, modalita);
        QFETCH(int, velocita);
        QFETCH(int, millisecondi);
        QFETCH(QList<int>, sottoMouse);
        imp().ModalitaInput = static_cast<qint16>(modalita);
        imp().VelocitaScansione = static_cast<qint16>(velocita);
        FormMenu* s = apri();
        QCOMPARE(s->PictureScansioneManuale->isVisible(), modalita == 1);
        QCOMPARE(s->PictureScansioneAutomatica->isVisible(), modalita == 2);
        QCOMPARE(s->Timer1->isActive(), modalita != 0);
        if (millisecondi > 0)
            QCOMPARE(s->Timer1->interval(), millisecondi);

        QList<int> visti;
        for (int i : {1, 0}) {
            QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QCoreApplication::sendEvent(s->Command1[i], &entra);
            visti << evidenziato(s);
        }
        QMouseEvent muovi(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(s->area(), &muovi);
        visti << evidenziato(s);
        QCOMPARE(visti, sottoMouse);
        QTest::mouseClick(s->Command1[1], Qt::LeftButton);
        QCOMPARE(s->isVisible(), modalita != 0);
    }

    // Leaving by switch saves the profile, leaving by mouse does not.
    void scelta_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<int>("bottone");
        QTest::addColumn<Qt::Key>("tasto");
        QTest::newRow("mouse, ordiparo") << 0 << 0 << Qt::Key_unknown;
        QTest::newRow("mouse, esci") << 0 << 1 << Qt::Key_unknown;
        QTest::newRow("manuale, ordiparo") << 1 << 0 << Qt::Key_Return;
        QTest::newRow("manuale, ordiparo, tastierino") << 1 << 0 << Qt::Key_Enter;
        QTest::newRow("manuale, esci") << 1 << 1 << Qt::Key_Return;
        QTest::newRow("automatica, ordiparo") << 2 << 0 << Qt::Key_Space;
        QTest::newRow("automatica, esci") << 2 << 1 << Qt::Key_Space;
    }
    void scelta()
    {
        QFETCH(int, modalita);
        QFETCH(int, bottone);
        QFETCH(Qt::Key, tasto);
        imp().ModalitaInput = static_cast<qint16>(modalita);
        FormMenu* s = apri();
        imp().VelocitaScansione = 11;
        QWidget* sensore = modalita == 1 ? s->PictureScansioneManuale : s->PictureScansioneAutomatica;
        QWidget* altro = modalita == 1 ? s->PictureScansioneAutomatica : s->PictureScansioneManuale;
        if (modalita == 0) {
            QTest::mouseClick(s->Command1[bottone], Qt::LeftButton);
        } else {
            // A helper's click on the other button does nothing and leaves the keyboard to the switches.
            QTest::mouseClick(s->Command1[1 - bottone], Qt::LeftButton);
            // Manual: space steps round. A held switch and the other mode's receiver do nothing.
            for (int i = 0; modalita == 1 && i < 2 + bottone; ++i)
                premi(s->focusWidget(), Qt::Key_Space);
            premi(sensore, Qt::Key_Space, true);
            premi(sensore, tasto, true);
            premi(altro, tasto);
            if (modalita == 2)
                premi(sensore, Qt::Key_Return);
            QVERIFY(s->isVisible());
            // Automatic: the clock steps round; the button lit when the switch is let go is chosen.
            s->Timer1->setInterval(1);
            QTRY_COMPARE(evidenziato(s), bottone);
            premi(s->focusWidget(), tasto);
        }
        QVERIFY(!m_p->programma.formMenu()); // unloaded, and perhaps already deleted
        QCOMPARE(m_p->programma.form1() && m_p->programma.form1()->isVisible(), bottone == 0);
        QCOMPARE(velocitaNelProfilo(stato().PercorsoUtente) == 11, modalita != 0 && bottone == 1);
    }
};

QTEST_MAIN(TestFormMenu)
#include "tst_formmenu.moc"
