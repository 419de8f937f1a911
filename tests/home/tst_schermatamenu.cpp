// SPDX-License-Identifier: GPL-3.0-or-later
// The home screen as the pupil sees it, with the mouse and with one or two switches.
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"

#include <QComboBox>
#include <QDir>
#include <QPointer>
#include <QTest>

class TestSchermataMenu : public ProvaConProgramma {
    Q_OBJECT

    QString utenti() { return stato().percorsi.cartellaUtenti(); }
    QString evidenziato(SchermataMenu* s)
    {
        return accesi({s->bottoni[0], s->bottoni[1]}, imp().ColoreBottoneSelezionato);
    }
    // The home screen opened for the user named, each profile written with the settings now in memory.
    SchermataMenu* apri(const QString& utente, const QStringList& profili = {"anna.ini"})
    {
        for (const QString& profilo : profili)
            QTEST_ASSERT(!FileProfilo::SalvaUtente(imp(), utenti() + profilo));
        stato().NomeUtente = utente;
        stato().PercorsoUtente = stato().percorsi.profiloUtente(utente);
        return m_p->programma.apriMenu(nullptr);
    }
    qint16 velocitaDiAnna() { return suDisco(QStringLiteral("anna.ini")).VelocitaScansione; }

private slots:
    void init()
    {
        nuovoProgramma();
        imp().StileLettere = QStringLiteral("minuscolo");
        QDir().mkpath(utenti());
        QVERIFY(!CaricaLista(stato().TabellaFrasi, imp().ListaInUso, stato().percorsi)); // for the exercise screen
    }
    void cleanup()
    {
        m_p.reset();
        QVERIFY2(Messaggi::Prova::mostrati().isEmpty(), qPrintable(Messaggi::Prova::mostrati().join(u'|')));
    }

    // The pupils' names from their profiles, and the current one chosen; the list shows only with two or more.
    void elencoUtenti_data()
    {
        QTest::addColumn<QStringList>("profili");
        QTest::addColumn<QString>("utente");
        QTest::addColumn<QStringList>("elenco"); // in capitals: the capitals style
        QTest::addColumn<int>("scelto");
        const QStringList due{"anna.ini", "Bruno.ini"};
        QTest::newRow("uno solo") << QStringList{"anna.ini"} << "anna" << QStringList{"anna"} << 0;
        QTest::newRow("maiuscolo") << due << "bruno" << QStringList{"ANNA", "BRUNO"} << 1;
        QTest::newRow("utente senza profilo") << due << "carla" << QStringList{"ANNA", "BRUNO"} << -1;
        QTest::newRow("maiuscole che non tornano indietro")
            << QStringList{"anna.ini", "straße.ini"} << "straße" << QStringList{"ANNA", "STRASSE"} << 1;
    }
    void elencoUtenti()
    {
        QFETCH(QStringList, profili);
        QFETCH(QString, utente);
        QFETCH(QStringList, elenco);
        QFETCH(int, scelto);
        imp().StileLettere =
            elenco.join(QString()).isUpper() ? QStringLiteral("maiuscolo") : QStringLiteral("minuscolo");
        SchermataMenu* s = apri(utente, profili);
        QStringList mostrato;
        for (int i = 0; i < s->elencoUtenti->count(); ++i)
            mostrato << s->elencoUtenti->itemText(i);
        QCOMPARE(mostrato, elenco);
        QVERIFY(s->elencoUtenti->isVisible() == (elenco.size() >= 2) && s->elencoUtenti->currentIndex() == scelto);
        QVERIFY(QFile::exists(Percorsi::risoltoSenzaMaiuscole(stato().PercorsoUtente)) == (scelto >= 0)); // its profile
    }

    // Choosing another pupil saves the one before and takes the new one's settings and list.
    void cambioUtente()
    {
        imp().ModalitaInput = 2;
        QVERIFY(!FileProfilo::SalvaUtente(imp(), utenti() + QStringLiteral("anna.ini")));
        const ImpostazioniUtente comeAnna = imp();
        imp().ListaInUso = m_ambiente->file(QStringLiteral("bruno.txt"));
        AmbienteProva::scrivi(imp().ListaInUso,
                              "Il treno di Bruno.\r\n 1 \r\n" + QByteArray("x\r\n 0 \r\n").repeated(8));
        imp().VelocitaScansione = 5; // Bruno's own step
        imp().StileLettere = QStringLiteral("maiuscolo");
        QVERIFY(!FileProfilo::SalvaUtente(imp(), utenti() + QStringLiteral("bruno.ini")));
        imp() = comeAnna;
        imp().VelocitaScansione = 7;
        SchermataMenu* s = apri(QStringLiteral("anna"), {});
        QCOMPARE(velocitaDiAnna(), qint16(7)); // the current user, saved at activation
        imp().VelocitaScansione = 9;           // changed during the session
        s->timerScansione->setInterval(1);
        QTRY_COMPARE(evidenziato(s), QStringLiteral("1"));
        s->elencoUtenti->setCurrentIndex(1);
        QVERIFY(evidenziato(s) == u"0" && s->timerScansione->interval() == 1250 && velocitaDiAnna() == 9);
        QVERIFY(stato().PercorsoUtente == utenti() + QStringLiteral("bruno.ini") && stato().NomeUtente == u"bruno");
        QCOMPARE(s->elencoUtenti->itemText(0), QStringLiteral("ANNA"));
        QCOMPARE(m_p->programma.apriEsercizio(s)->testoStimolo->text(), QStringLiteral("Il treno di Bruno."));
    }

    // With the mouse, resting the pointer on "Ordiparo" for the profile's time opens the exercise.
    void sceltaConSosta()
    {
        imp().TempoSosta = 500;
        QCursor::setPos(0, 0); // off the buttons as the screen opens
        SchermataMenu* s = apri(QStringLiteral("anna"));
        QVERIFY(QTest::qWaitForWindowActive(s));
        QCursor::setPos(s->bottoni[0]->mapToGlobal(s->bottoni[0]->rect().center()));
        QTRY_VERIFY(m_p->programma.schermataEsercizio() && m_p->programma.schermataEsercizio()->isVisible());
        QPointer<SchermataMenu> sotto = apri(QStringLiteral("anna")); // opened under the resting pointer: it waits
        QTest::qWait(1000);
        QVERIFY(sotto && sotto->isVisible());
    }

    // A helper's click acts in mouse mode only, else hints at the mouse; "Esci" asks; by switch it saves, by mouse not.
    void scelta_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<int>("bottone");
        QTest::addColumn<Qt::Key>("tasto");
        QTest::newRow("mouse, ordiparo") << 0 << 0 << Qt::Key_unknown;
        QTest::newRow("mouse, esci") << 0 << 1 << Qt::Key_unknown;
        QTest::newRow("manuale, ordiparo, tastierino") << 1 << 0 << Qt::Key_Enter;
        QTest::newRow("automatica, esci") << 2 << 1 << Qt::Key_Tab; // switch 1 taught as Tab
        QTest::newRow("automatica, esci col mouse: sì") << 2 << 1 << Qt::Key_unknown;
    }
    void scelta()
    {
        QFETCH(int, modalita);
        QFETCH(int, bottone);
        QFETCH(Qt::Key, tasto);
        std::tie(imp().ModalitaInput, imp().Sensore1) = std::tuple(qint16(modalita), QStringLiteral("tasto:Tab"));
        SchermataMenu* s = apri(QStringLiteral("anna"), {"anna.ini", "leo.ini"}); // Tab would go on to the list
        imp().VelocitaScansione = 11;
        QVERIFY(s->timerScansione->isActive() == (modalita != 0) &&
                s->spiaScansioneManuale->isVisible() == (modalita == 1) &&
                s->spiaScansioneAutomatica->isVisible() == (modalita == 2));
        QString visti; // after entering 1, entering 0, moving over the background
        for (int i : {1, 0}) {
            QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QCoreApplication::sendEvent(s->bottoni[i], &entra);
            visti += evidenziato(s);
        }
        QMouseEvent muovi(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(s->area(), &muovi);
        QCOMPARE(visti + evidenziato(s), modalita == 0 ? QStringLiteral("10-") : QStringLiteral("000"));
        Messaggi::Prova::rispostaSuccessiva(tasto == Qt::Key_unknown);
        QTest::mouseClick(s->bottoni[bottone], Qt::LeftButton);
        QCOMPARE(Messaggi::Prova::mostrati(),
                 modalita && bottone ? QStringList{"Vuoi chiudere Ordiparo?"} : QStringList());
        Messaggi::Prova::dimentica();
        if (modalita != 0 && tasto != Qt::Key_unknown) {
            QVERIFY(s->isVisible() && s->avvisoScansione->isVisible());
            // Manual: switch 1 steps round, once more than the buttons; automatic: the clock steps round.
            for (int i = 0; modalita == 1 && i < 2 + bottone; ++i)
                premiSensore(s->focusWidget(), Qt::Key_Tab);
            s->timerScansione->setInterval(1);
            QTRY_COMPARE(evidenziato(s), QString::number(bottone));
            premiSensore(s->focusWidget(), tasto);
        }
        QVERIFY(!m_p->programma.schermataMenu()); // unloaded, and perhaps already deleted
        QCOMPARE(m_p->programma.schermataEsercizio() && m_p->programma.schermataEsercizio()->isVisible(), bottone == 0);
        QCOMPARE(velocitaDiAnna() == 11, modalita != 0 && bottone == 1 && tasto != Qt::Key_unknown);
    }
};

QTEST_MAIN(TestSchermataMenu)
#include "tst_schermatamenu.moc"
