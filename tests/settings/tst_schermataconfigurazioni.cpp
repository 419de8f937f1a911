// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's settings screen: what reaches the profile and what the hidden character is asked to say.
#include "settings/InsegnaSensore.h"
#include "support/Colori.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>

namespace {
const QString kManuale = QStringLiteral("Scansione manuale - spazio e invio ");
const QString kTagVoce = QStringLiteral("Speak \\Spd=130\\\\Pit=100\\");
const QStringList kVoce{
    "bottoneProvaVoce",   "scalaVelocita",         "scalaTono", "casellaFumetto", "casellaFumettoTuttoIlTesto",
    "bottoneFontFumetto", "casellaEvidenziaParole"};

// "1" for each control named that is enabled, "0" for each greyed.
QString abilitati(const QWidget* s, const QStringList& nomi)
{
    QString segni;
    for (const QString& nome : nomi)
        segni += trova<QWidget>(s, nome)->isEnabled() ? u'1' : u'0';
    return segni;
}
} // namespace

class TestSchermataConfigurazioni : public ProvaConProgramma {
    Q_OBJECT
    SchermataConfigurazioni* m_s = nullptr;

    QString cartellaUtenti() { return stato().percorsi.cartellaUtenti(); }
    template <typename C = QWidget> C* c(const char* nome) { return trova<C>(m_s, QString::fromLatin1(nome)); }
    void apri(int scheda = 0)
    {
        m_s = m_p->programma.apriConfigurazioni(nullptr);
        c<QTabBar>("schede")->setCurrentIndex(scheda);
        QCoreApplication::processEvents();
    }
    void menu() { c<QAction>("azioneMenu")->trigger(); }
    // A profile on disk with the settings now in memory but the voice's speed.
    void scriviProfilo(const QString& file, qint16 velocita = 130)
    {
        ImpostazioniUtente profilo = imp();
        profilo.VelocitaVoce = velocita;
        QVERIFY(!FileProfilo::SalvaUtente(profilo, cartellaUtenti() + file));
    }
    QRadioButton* scelta(const QString& didascalia) // the choice so captioned, on any tab
    {
        const QList<QRadioButton*> tutte = m_s->findChildren<QRadioButton*>();
        return tutte.value(std::ranges::find(tutte, didascalia, &QAbstractButton::text) - tutte.begin()); // or null
    }
    QStringList detti() const { return m_p->agente.filter(QStringLiteral("Speak ")); }

private slots:
    void init()
    {
        nuovoProgramma();
        QDir().mkpath(cartellaUtenti());
        DialoghiStandard::Prova::intercetta(true);
    }
    void cleanup()
    {
        m_p.reset();
        DialoghiStandard::Prova::dimentica();
        Messaggi::Prova::dimentica();
    }

    // Each opening starts on the first tab and announces the balloon as the profile has it; without the character
    // the teacher is told, and the voice tab still works. Closing writes nothing; "&Menu" saves the profile.
    void apertura_data()
    {
        QTest::addColumn<bool>("personaggio");
        QTest::addColumn<bool>("fumettoVisibile");
        QTest::addColumn<bool>("contieneTesto");
        QTest::addColumn<QString>("detto");
        QTest::newRow("predefinito: fumetto nascosto") << true << false << true << "Il fumetto non sarà visualizzato.";
        QTest::newRow("fumetto ridotto")
            << true << true << false
            << "Il fumetto avrà dimensioni ridotte e rimmarà visibile solo una parte del testo.";
        QTest::newRow("senza personaggio") << false << false << true << QString();
    }
    void apertura()
    {
        QFETCH(bool, personaggio);
        QFETCH(bool, fumettoVisibile);
        QFETCH(bool, contieneTesto);
        QFETCH(QString, detto);
        m_p->personaggioDisponibile = personaggio;
        std::tie(stato().NomeUtente, stato().PercorsoUtente) =
            std::tuple("Marco", stato().percorsi.profiloUtente("Marco"));
        std::tie(imp().FumettoVisibile, imp().FumettoContieneTesto) = std::tuple(fumettoVisibile, contieneTesto);
        for (int volta = 0; volta < 2; ++volta) {
            m_p->agente.clear();
            m_s = m_p->programma.apriConfigurazioni(nullptr);
            QVERIFY(c<QTabBar>("schede")->currentIndex() == 0 && c<QRadioButton>("sceltaUtente_0")->isChecked());
            QCOMPARE(detti(), detto.isEmpty() ? QStringList() : QStringList{kTagVoce + detto});
            QVERIFY(!m_p->agente.contains(QStringLiteral("Show")) && // placed beside the voice controls, not shown
                    m_p->agente.filter(QStringLiteral("MoveTo")).size() == personaggio && // the balloon's font first
                    m_p->agente.mid(1, 2).join(u'|') == QString(personaggio ? "FontName Arial|FontSize 14" : ""));
            c<QTabBar>("schede")->setCurrentIndex(2); // a second opening starts from the design state again
            m_s->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(!QFileInfo::exists(stato().PercorsoUtente) && Messaggi::Prova::mostrati().size() == !personaggio);
        apri();
        m_p->agente.clear();
        auto* schede = c<QTabBar>("schede");
        schede->setCurrentIndex(3);
        QTest::mouseClick(schede, Qt::LeftButton, {}, schede->tabRect(3).center());
        c<QCheckBox>("casellaParlato")->click(); // without speech the voice controls are greyed
        QCOMPARE(abilitati(m_s, kVoce), QStringLiteral("0000000"));
        c<QCheckBox>("casellaParlato")->click();
        auto* tuttoIlTesto = c<QCheckBox>("casellaFumettoTuttoIlTesto"); // greyed while the balloon is off
        tuttoIlTesto->click(), c<QCheckBox>("casellaFumetto")->click(), tuttoIlTesto->click(); // so ticked once
        QCOMPARE(abilitati(m_s, kVoce), fumettoVisibile ? "1111011" : "1111111");
        c<QCheckBox>("casellaEvidenziaParole")->click();
        c<QScrollBar>("scalaVelocita")->setValue(210);
        DialoghiStandard::Prova::rispondiFont(QFont(QStringLiteral("Liberation Serif"), 20));
        c<QPushButton>("bottoneFontFumetto")->click(); // the balloon takes it at once
        c<QPushButton>("bottoneProvaVoce")->click();
        schede->setCurrentIndex(4);
        QCOMPARE(m_p->agente.filter(QRegularExpression(QStringLiteral("^(Show|Hide|FontName.*)$"))),
                 personaggio ? QStringList({"Hide", "Show", "Hide", "Show", "FontName Liberation Serif", "Hide"})
                             : QStringList());
        QCOMPARE(detti().value(detti().size() - 1),
                 personaggio ? QStringLiteral("Speak \\Spd=210\\\\Pit=100\\Questa è la mia voce.") : QString());
        menu();
        QVERIFY(m_s->scaricata() && m_p->programma.schermataMenu()->isVisible());
        const ImpostazioniUtente salvato = suDisco(QStringLiteral("Marco.ini"));
        QVERIFY(salvato.VelocitaVoce == 210 && salvato.EvidenziaParoleLette &&
                salvato.FumettoVisibile != fumettoVisibile && salvato.FumettoContieneTesto != contieneTesto);
    }

    // Choosing a pupil writes the user being left, reads the chosen profile whatever its letter case, and his list.
    void cambioDiUtente()
    {
        scriviProfilo(QStringLiteral("_Predefinito.INI"));
        scriviProfilo(QStringLiteral("Marco.ini"), 200);
        scriviProfilo(QStringLiteral("anna.INI"));
        QDir(cartellaUtenti()).mkdir(QStringLiteral("prova.ini"));
        apri();
        c<QScrollBar>("scalaVelocita")->setValue(90); // a change to the default user, written before the switch
        c<QRadioButton>("sceltaUtente_1")->click();
        auto* elenco = c<QListWidget>("elencoUtentiDaModificare");
        QVERIFY(elenco->count() == 3 && elenco->item(0)->text() == u"ANNA" && elenco->item(1)->text() == u"MARCO" &&
                elenco->item(2)->text() == u"PROVA");
        QVERIFY(suDisco("_Predefinito.INI").VelocitaVoce == 90 && stato().TabellaFrasi.NumeroRighe == 0);
        elenco->setCurrentRow(1);
        QCOMPARE(c<QLabel>("nomeUtente")->text(), QStringLiteral("MARCO"));
        QVERIFY(stato().TabellaFrasi.NumeroRighe > 0); // his list
        QCOMPARE(c<QLabel>("didascaliaVelocita")->text(), QStringLiteral("Velocità =  200"));
        c<QScrollBar>("scalaTono")->setValue(300); // written as he is left, into the file of his name's case
        elenco->setCurrentRow(2); // a folder in a profile's place: not written, so "&Menu" keeps the screen
        menu();
        QVERIFY(!m_s->scaricata() && Messaggi::Prova::mostrati().size() == 1);
        c<QRadioButton>("sceltaUtente_2")->click(); // a new user begun, given up for the list, then the default user
        c<QRadioButton>("sceltaUtente_1")->click(), c<QRadioButton>("sceltaUtente_0")->click();
        QVERIFY(!c<QCheckBox>("casellaSalvaAttivita")->isVisible() && !c("elencoUtentiDaModificare")->isVisible() &&
                !c("nomeNuovoUtente")->isVisible() && c<QLabel>("nomeUtente")->text() == u"_predefinito");
        QVERIFY(suDisco("Marco.ini").TonoVoce == 300 && !QFileInfo::exists(cartellaUtenti() + "MARCO.ini"));
    }

    // A new pupil's profile is written at "&Menu", over a namesake's if the teacher agrees; a name outside: refused.
    void nuovoUtente_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("file");     // empty: refused
        QTest::addColumn<bool>("sostituisci"); // the answer, if asked
        QTest::newRow("nome nuovo") << QString("Giulia ") << QString("Giulia .ini") << false;
        QTest::newRow("di un altro: il profilo resta") << QString("Anna") << QString("Anna.ini") << false;
        QTest::newRow("di un altro: il profilo è sostituito") << QString("ANNA") << QString("Anna.ini") << true;
        QTest::newRow("fuori dalla cartella") << QString("../../vittima") << QString() << true;
    }
    void nuovoUtente()
    {
        QFETCH(QString, nome);
        QFETCH(QString, file);
        QFETCH(bool, sostituisci);
        imp().SalvaAttivita = true;
        scriviProfilo(QStringLiteral("Anna.ini"), 77);
        apri();
        c<QRadioButton>("sceltaUtente_2")->click();
        QVERIFY(!c<QCheckBox>("casellaSalvaAttivita")->isChecked() && !imp().SalvaAttivita);
        c<QLineEdit>("nomeNuovoUtente")->setText(nome);
        QCOMPARE(c<QLabel>("nomeUtente")->text(), file.isEmpty() ? QStringLiteral("_predefinito") : nome);
        Messaggi::Prova::rispostaSuccessiva(sostituisci);
        menu();
        const bool esiste = nome.toUpper() == QStringLiteral("ANNA");
        const QString detto = esiste ? nome : file.isEmpty() ? QStringLiteral("non è stato creato") : QString();
        QCOMPARE(Messaggi::Prova::mostrati().size(), detto.isEmpty() ? 0 : 1);
        QVERIFY(Messaggi::Prova::mostrati().join(QString()).contains(detto));
        const bool scritto = !file.isEmpty() && (!esiste || sostituisci);
        QCOMPARE(m_s->scaricata(), scritto);
        SchermataMenu* casa = m_p->programma.schermataMenu();
        QCOMPARE(casa && casa->elencoUtenti->findText(nome.toUpper(), Qt::MatchFixedString) >= 0, scritto);
        if (!file.isEmpty()) {
            QCOMPARE(QDir(cartellaUtenti()).entryList({nome + QStringLiteral(".ini")}, QDir::Files), QStringList{file});
            QVERIFY(suDisco(file).VelocitaVoce == (scritto ? 130 : 77) && suDisco(file).SalvaAttivita == !scritto);
        }
        if (esiste && !sostituisci) { // told no again, the teacher edits that pupil instead: asked no more, she stays
            Messaggi::Prova::rispostaSuccessiva(false);
            c<QRadioButton>("sceltaUtente_1")->click();
            c<QListWidget>("elencoUtentiDaModificare")->setCurrentRow(0);
            menu();
            QVERIFY(Messaggi::Prova::mostrati().size() == 2 && suDisco(file).VelocitaVoce == 77);
        }
    }

    // A cancelled dialog changes nothing, a confirmed one its own setting; in cursive only a chosen font's size counts.
    void fontEColori()
    {
        std::tie(imp().ColoreCasuale, imp().ImpostazioniSistema, imp().MouseDiSistema) = std::tuple(false, true, false);
        apri();
        QVERIFY(imp().MouseDiSistema && c<QCheckBox>("casellaMouseDiSistema")->isChecked() &&
                !c("gruppoColoreSfondo")->isEnabled());
        c<QCheckBox>("casellaImpostazioniSistema")->click();
        QVERIFY(!imp().ImpostazioniSistema && imp().MouseDiSistema && c("gruppoColoreSfondo")->isEnabled());
        const ImpostazioniUtente prima = imp();
        for (QPushButton* b : m_s->findChildren<QPushButton*>(QRegularExpression(QStringLiteral(
                 "^bottone(Colori|ColoreFont|SfondoTesto|ColoreBottoni|ColoreSelezionato|Font(Fumetto)?)$"))))
            b->click();
        QVERIFY(DialoghiStandard::Prova::richieste().size() == 7 && imp() == prima);
        for (const char* bottone : {"bottoneColori", "bottoneColoreFont", "bottoneSfondoTesto", "bottoneColoreBottoni"})
            DialoghiStandard::Prova::rispondiColore(QColor(0, 128, 0)), c<QPushButton>(bottone)->click();
        QVERIFY(imp().ColoreSfondo == 128 * 256.0 && Colori::sfondo(c("schedaFontColori")) == 128 * 256.0 &&
                imp().ColoreFont + imp().ColoreSfondoTesto + imp().ColoreBottoni == 3 * 128 * 256.0); // each green
        c<QRadioButton>("corsivo")->click();
        DialoghiStandard::Prova::rispondiFont(QFont(QStringLiteral("Liberation Serif"), 20, QFont::Bold));
        c<QPushButton>("bottoneFont")->click();
        QCOMPARE(Messaggi::Prova::mostrati(),
                 QStringList{QStringLiteral("Il font scelto non verrà utilizzato mentre è attiva l'opzione per il "
                                            "corsivo.\r\nVerrà invece applicata la modifica alla dimensione.")});
        QVERIFY(imp().FontTesto == QStringLiteral("Indis1") && imp().DimensioneFontTesto == 20);
        c<QRadioButton>("maiuscolo")->click();
        QCOMPARE(imp().FontTesto, QStringLiteral("Liberation Serif"));
    }

    // The choices checked are those of the profile's input mode and answers; each change reaches the settings.
    void modalitaDiInput_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<QString>("scelta");
        QTest::addColumn<int>("quarti");
        QTest::newRow("mouse") << 0 << "Mouse " << 12;
        QTest::newRow("manuale") << 1 << kManuale << 12;
        QTest::newRow("automatica") << 2 << "Scansione automatica - spazio" << 60;
    }
    void modalitaDiInput()
    {
        QFETCH(int, modalita);
        QFETCH(QString, scelta);
        QFETCH(int, quarti);
        std::tie(imp().ModalitaInput, imp().VelocitaScansione, imp().TipoRisposte) = std::tuple(modalita, quarti, 1);
        std::tie(imp().FattorePrimoPasso, imp().TempoAccettazione, imp().GiriPrimaDellaPausa) = std::tuple(2, 200, 3);
        imp().ScansioneUditiva = true;
        apri(4);
        QVERIFY(c<QCheckBox>("casellaScansioneUditiva")->isChecked() && this->scelta(scelta)->isChecked() &&
                this->scelta("vero - falso - incerto")->isChecked());
        this->scelta("vero - falso")->click();
        c<QScrollBar>("scalaRilascio")->setValue(300);
        c<QScrollBar>("scalaSosta")->setValue(15);
        c<QCheckBox>("casellaScansioneUditiva")->click();
        this->scelta(kManuale)->click();
        QCOMPARE((QList<int>{imp().ModalitaInput, imp().VelocitaScansione, imp().FattorePrimoPasso,
                             imp().TempoAccettazione, imp().TempoRilascio, imp().GiriPrimaDellaPausa,
                             imp().ScansioneUditiva, imp().TipoRisposte, imp().TempoSosta}),
                 (QList<int>{1, quarti, 2, 200, 300, 3, 0, 0, 1500}));
        QCOMPARE(c<QLabel>("didascaliaSosta")->text(), QStringLiteral("Sosta: 1,5 s"));
    }

    // A switch is taught by pressing it and taken once let go; the other switch is refused.
    void insegnaSensori_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("tasto");    // 0: the mouse's right button
        QTest::addColumn<QString>("riga"); // the profile's, empty when refused
        QTest::addColumn<QString>("detto");
        QTest::newRow("F7") << 1 << int(Qt::Key_F7) << "tasto:F7"
                            << "Sensore 1: tasto F7";
        QTest::newRow("invio del tastierino") << 1 << int(Qt::Key_Enter) << ""
                                              << "Il tasto invio è già il sensore 2: premi un altro sensore.";
        QTest::newRow("tasto destro") << 2 << 0 << "mouse:destro"
                                      << "Sensore 2: tasto del mouse destro";
    }
    void insegnaSensori()
    {
        QFETCH(int, numero);
        QFETCH(int, tasto);
        QFETCH(QString, riga);
        QFETCH(QString, detto);
        imp().ModalitaInput = 1;
        apri(4);
        trova<QPushButton>(m_s, QStringLiteral("bottoneInsegna_%1").arg(numero - 1))->click();
        auto* finestra = c<InsegnaSensore>("insegnaSensore");
        for (const bool giu : {true, false}) {
            if (!tasto)
                giu ? QTest::mousePress(finestra, Qt::RightButton) : QTest::mouseRelease(finestra, Qt::RightButton);
            else
                QTest::sendKeyEvent(giu ? QTest::Press : QTest::Release, finestra, Qt::Key(tasto), QString(), {});
            QVERIFY(!giu || trova<QLabel>(finestra, "testoInsegnaSensore")->text() == detto);
        }
        QVERIFY(imp().Sensore1 + imp().Sensore2 == riga && finestra->isVisible() == riga.isEmpty() &&
                finestra->windowTitle() == u"Ordiparo");
        if (!riga.isEmpty())
            QCOMPARE(trova<QLabel>(m_s, QStringLiteral("etichettaSensore_%1").arg(numero - 1))->text(), detto);
        c<QPushButton>("bottoneSensoriPredefiniti")->click();
        QCOMPARE(imp().Sensore1 + imp().Sensore2, QString());
        QCOMPARE(c<QLabel>("etichettaSensore_1")->text(), QStringLiteral("Sensore 2: tasto invio"));
    }
};

QTEST_MAIN(TestSchermataConfigurazioni)
#include "tst_schermataconfigurazioni.moc"
