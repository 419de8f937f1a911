// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's settings screen driven as a teacher drives it: users, letter style and fonts, colours, voice,
// input mode; what reaches the profile file and what the hidden character is asked to say.
#include "home/SchermataMenu.h"
#include "settings/InsegnaSensore.h"
#include "settings/SchermataConfigurazioni.h"
#include "support/Colori.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"
#include "support/PulsantiJoystick.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
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
const QString kTagVoce = QStringLiteral("Speak \\Spd=130\\\\Pit=100\\");

// "1" for each control named that is so (shown, enabled), "0" for each that is not.
QString segni(const QWidget* s, const QStringList& nomi, bool (QWidget::*cosi)() const = &QWidget::isVisible)
{
    QString segni;
    for (const QString& nome : nomi)
        segni += (trova<QWidget>(s, nome)->*cosi)() ? u'1' : u'0';
    return segni;
}

} // namespace

class TestSchermataConfigurazioni : public QObject {
    Q_OBJECT
    std::unique_ptr<AmbienteProva> m_ambiente; // each test gets its own users' folder
    std::unique_ptr<ProgrammaProva> m_p;

    StatoProgramma& stato() { return *m_p->stato; }
    ImpostazioniUtente& imp() { return m_p->imp(); }
    QString cartellaUtenti() { return stato().percorsi.cartellaUtenti(); }
    SchermataConfigurazioni* apri()
    {
        SchermataConfigurazioni* s = m_p->programma.apriConfigurazioni(nullptr);
        QCoreApplication::processEvents();
        return s;
    }
    // A profile on disk with the settings now in memory, and the voice's speed when one is given.
    void scriviProfilo(const QString& file, int velocita = 0)
    {
        ImpostazioniUtente profilo = imp();
        if (velocita)
            profilo.VelocitaVoce = static_cast<qint16>(velocita);
        QVERIFY(!FileProfilo::SalvaUtente(profilo, cartellaUtenti() + file));
    }
    ImpostazioniUtente profilo(const QString& file)
    {
        ImpostazioniUtente letto;
        FileProfilo::LeggiUtente(letto, cartellaUtenti() + file, stato().percorsi);
        return letto;
    }
    QStringList detti() const { return m_p->agente.filter(QStringLiteral("Speak ")); }

private slots:
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        m_p = std::make_unique<ProgrammaProva>(*m_ambiente);
        QDir().mkpath(cartellaUtenti());
        DialoghiStandard::Prova::intercetta(true);
    }
    void cleanup()
    {
        m_p.reset();
        DialoghiStandard::Prova::dimentica();
        Messaggi::Prova::dimentica();
    }

    // Whatever the user, each opening starts on the first tab with the default user chosen, and runs the
    // handlers of the controls whose value the profile changes: the hidden character announces the balloon.
    // Without the character (his module could not load) the teacher is told once. With him or without, the voice
    // tab works and leaving through "&Menu" saves the profile.
    void apertura_data()
    {
        QTest::addColumn<bool>("personaggio");
        QTest::addColumn<bool>("fumettoVisibile");
        QTest::addColumn<bool>("contieneTesto");
        QTest::addColumn<QStringList>("frasi");
        const QString nascosto = kTagVoce + QStringLiteral("Il fumetto non sarà visualizzato.");
        const QString ridotto =
            kTagVoce +
            QStringLiteral("Il fumetto avrà dimensioni ridotte e rimmarà visibile solo una parte del testo.");
        QTest::newRow("predefinito: fumetto nascosto") << true << false << true << QStringList{nascosto};
        QTest::newRow("fumetto visibile") << true << true << true << QStringList();
        QTest::newRow("fumetto ridotto") << true << true << false << QStringList{ridotto};
        QTest::newRow("senza personaggio") << false << false << true << QStringList();
    }
    void apertura()
    {
        QFETCH(bool, personaggio);
        QFETCH(bool, fumettoVisibile);
        QFETCH(bool, contieneTesto);
        QFETCH(QStringList, frasi);
        m_p->personaggioDisponibile = personaggio;
        stato().NomeUtente = QStringLiteral("Marco");
        stato().PercorsoUtente = stato().percorsi.profiloUtente(QStringLiteral("Marco"));
        imp().FumettoVisibile = fumettoVisibile;
        imp().FumettoContieneTesto = contieneTesto;
        for (int volta = 0; volta < 2; ++volta) { // a second opening starts from the design state again
            m_p->agente.clear();
            SchermataConfigurazioni* s = apri();
            QCOMPARE(trova<QLabel>(s, "nomeUtente")->text(), QStringLiteral("Marco"));
            QVERIFY(trova<QTabBar>(s, "schede")->currentIndex() == 0 && trova<QFrame>(s, "schedaUtente")->isVisible() &&
                    !trova<QFrame>(s, "schedaVoce")->isVisible() &&
                    trova<QRadioButton>(s, "sceltaUtente_0")->isChecked());
            QCOMPARE(detti(), frasi);
            QVERIFY(!m_p->agente.contains(QStringLiteral("Show")));
            s->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(!QFileInfo::exists(stato().PercorsoUtente)); // closed without "&Menu": nothing written
        QCOMPARE(Messaggi::Prova::mostrati().size(), personaggio ? 0 : 1);
        SchermataConfigurazioni* s = apri();
        trova<QTabBar>(s, "schede")->setCurrentIndex(3);
        trova<QCheckBox>(s, "casellaFumetto")->click();
        trova<QScrollBar>(s, "scalaVelocita")->setValue(210);
        trova<QPushButton>(s, "bottoneProvaVoce")->click();
        trova<QTabBar>(s, "schede")->setCurrentIndex(4);
        trova<QAction>(s, "azioneMenu")->trigger();
        QVERIFY(s->scaricata() && m_p->programma.schermataMenu()->isVisible());
        QCOMPARE(profilo(QStringLiteral("Marco.ini")).VelocitaVoce, 210);
    }

    // A choice shows the caption of the value in the profile, and clicking that caption sets the value back.
    void scelteConLaLoroDidascalia_data()
    {
        QTest::addColumn<bool>("risposte"); // the answers offered, else the input mode
        QTest::addColumn<int>("valore");
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("due risposte") << true << 0 << "vero - falso";
        QTest::newRow("tre risposte") << true << 1 << "vero - falso - incerto";
        QTest::newRow("mouse") << false << 0 << "Mouse ";
        QTest::newRow("manuale") << false << 1 << "Scansione manuale - spazio e invio ";
        QTest::newRow("automatica") << false << 2 << "Scansione automatica - spazio";
    }
    void scelteConLaLoroDidascalia()
    {
        QFETCH(bool, risposte);
        QFETCH(int, valore);
        QFETCH(QString, didascalia);
        qint16& campo = risposte ? imp().TipoRisposte : imp().ModalitaInput;
        campo = static_cast<qint16>(valore);
        const QList<QRadioButton*> scelte = apri()->findChildren<QRadioButton*>(QRegularExpression(
            risposte ? QStringLiteral("^sceltaRisposteOfferte_") : QStringLiteral("^sceltaModalita_")));
        QRadioButton* detta = nullptr;
        for (QRadioButton* scelta : scelte)
            detta = scelta->text() == didascalia ? scelta : detta;
        QVERIFY(detta && detta->isChecked());
        for (QRadioButton* scelta : scelte) {
            if (scelta != detta)
                scelta->click();
        }
        QVERIFY(campo != valore);
        detta->click();
        QCOMPARE(campo, valore);
    }

    // "Modifica utente" lists the pupils in capitals, never the default user; choosing one writes the user being
    // left and reads the chosen profile, found whatever the letter case of its file, and loads the pupil's list.
    void cambioDiUtente()
    {
        scriviProfilo(QStringLiteral("_Predefinito.INI"));
        scriviProfilo(QStringLiteral("Marco.ini"), 200);
        scriviProfilo(QStringLiteral("anna.INI"));
        QDir(cartellaUtenti()).mkdir(QStringLiteral("prova.ini"));
        SchermataConfigurazioni* s = apri();
        trova<QScrollBar>(s, "scalaVelocita")->setValue(90); // a change to the default user, written before the switch
        trova<QRadioButton>(s, "sceltaUtente_1")->click();
        QStringList nomi;
        for (int i = 0; i < trova<QListWidget>(s, "elencoUtentiDaModificare")->count(); ++i)
            nomi << trova<QListWidget>(s, "elencoUtentiDaModificare")->item(i)->text();
        QCOMPARE(nomi, QStringList({"ANNA", "MARCO", "PROVA"}));
        QCOMPARE(profilo(QStringLiteral("_Predefinito.INI")).VelocitaVoce, 90);

        QCOMPARE(stato().TabellaFrasi.NumeroRighe, 0);
        trova<QListWidget>(s, "elencoUtentiDaModificare")->setCurrentRow(1);
        QCOMPARE(trova<QLabel>(s, "nomeUtente")->text(), QStringLiteral("MARCO"));
        QVERIFY(stato().TabellaFrasi.NumeroRighe > 0); // his list
        QCOMPARE(trova<QLabel>(s, "didascaliaVelocita")->text(), QStringLiteral("Velocità =  200"));
        trova<QScrollBar>(s, "scalaTono")->setValue(300);
        QCOMPARE(trova<QLabel>(s, "didascaliaTono")->text(), QStringLiteral("Tono =  300"));
        trova<QAction>(s, "azioneMenu")->trigger();
        QCOMPARE(profilo(QStringLiteral("Marco.ini")).TonoVoce, 300);
        QVERIFY(!QFileInfo::exists(cartellaUtenti() + QStringLiteral("MARCO.ini"))); // the file keeps its name
    }

    // Two computers open Marco's settings on one shared folder; the first leaves through "&Menu" with its change.
    // The second, leaving after it with a change of its own, is asked: its settings are written over the first's,
    // or the first's are read back. With nothing changed it is not asked, and the first's change stays.
    void dueComputerSulloStessoProfilo_data()
    {
        QTest::addColumn<int>("tono"); // set on the second computer; 0: nothing changed there
        QTest::addColumn<bool>("tieniQueste");
        QTest::addColumn<QList<int>>("velocitaETono"); // on disk, and in use on the second computer
        QTest::newRow("tiene le sue") << 300 << true << QList<int>{130, 300};
        QTest::newRow("prende quelle dell'altro") << 300 << false << QList<int>{200, 100};
        QTest::newRow("nessun cambiamento") << 0 << true << QList<int>{200, 100};
    }
    void dueComputerSulloStessoProfilo()
    {
        QFETCH(int, tono);
        QFETCH(bool, tieniQueste);
        QFETCH(QList<int>, velocitaETono);
        scriviProfilo(QStringLiteral("Marco.ini"));
        ProgrammaProva secondo(*m_ambiente);
        SchermataConfigurazioni* schermate[2];
        for (ProgrammaProva* computer : {m_p.get(), &secondo}) {
            SchermataConfigurazioni* s = schermate[computer != m_p.get()] =
                computer->programma.apriConfigurazioni(nullptr);
            trova<QRadioButton>(s, "sceltaUtente_1")->click();
            trova<QListWidget>(s, "elencoUtentiDaModificare")->setCurrentRow(0); // Marco
        }
        trova<QScrollBar>(schermate[0], "scalaVelocita")->setValue(200);
        trova<QAction>(schermate[0], "azioneMenu")->trigger();
        if (tono)
            trova<QScrollBar>(schermate[1], "scalaTono")->setValue(tono);
        Messaggi::Prova::dimentica();
        Messaggi::Prova::rispostaSuccessiva(tieniQueste);
        trova<QAction>(schermate[1], "azioneMenu")->trigger();
        QCOMPARE(Messaggi::Prova::mostrati().filter(QStringLiteral("cambiato da un altro computer")).size(),
                 tono ? 1 : 0);
        QVERIFY(schermate[1]->scaricata());
        const ImpostazioniUtente suDisco = profilo(QStringLiteral("Marco.ini"));
        QCOMPARE(QList<int>({suDisco.VelocitaVoce, suDisco.TonoVoce}), velocitaETono);
        QCOMPARE(QList<int>({secondo.imp().VelocitaVoce, secondo.imp().TonoVoce}), velocitaETono);
    }

    // A new pupil: the name typed becomes the profile at "&Menu", with the record of activity off, and the home
    // screen lists it. Named like an existing one (in any letter case), it takes over that profile only when the
    // teacher says so. A name that cannot name a file of the users folder is refused on the screen and leaving is
    // refused with the reason: nothing is written under that name.
    void nuovoUtente_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("file");     // empty: refused
        QTest::addColumn<bool>("sostituisci"); // the answer, if asked
        QTest::newRow("nome nuovo") << QString("Giulia ") << QString("Giulia .ini") << false;
        QTest::newRow("di un altro: il profilo resta") << QString("ANNA") << QString("Anna.ini") << false;
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
        SchermataConfigurazioni* s = apri();
        trova<QRadioButton>(s, "sceltaUtente_2")->click();
        QVERIFY(trova<QLineEdit>(s, "nomeNuovoUtente")->isVisible() &&
                !trova<QCheckBox>(s, "casellaSalvaAttivita")->isChecked() && !imp().SalvaAttivita);
        QTest::keyClicks(trova<QLineEdit>(s, "nomeNuovoUtente"), QStringLiteral("   "));
        QCOMPARE(stato().NomeUtente, QStringLiteral("_predefinito")); // blanks alone change nothing
        trova<QLineEdit>(s, "nomeNuovoUtente")->setText(nome);
        QCOMPARE(trova<QLabel>(s, "nomeUtente")->text(), file.isEmpty() ? QStringLiteral("_predefinito") : nome);
        QCOMPARE(trova<QLabel>(s, "avvisoNomeNonValido")->isVisible(), file.isEmpty());
        Messaggi::Prova::rispostaSuccessiva(sostituisci);
        trova<QAction>(s, "azioneMenu")->trigger();
        const bool esiste = nome == QStringLiteral("ANNA");
        const QString detto = esiste ? nome : file.isEmpty() ? QStringLiteral("non è stato creato") : QString();
        QCOMPARE(Messaggi::Prova::mostrati().size(), detto.isEmpty() ? 0 : 1);
        QVERIFY(Messaggi::Prova::mostrati().join(QString()).contains(detto));
        const bool scritto = !file.isEmpty() && (!esiste || sostituisci);
        QCOMPARE(s->scaricata(), scritto);
        SchermataMenu* menu = m_p->programma.schermataMenu();
        QCOMPARE(menu && menu->elencoUtenti->findText(nome.toUpper(), Qt::MatchFixedString) >= 0, scritto);
        if (file.isEmpty()) {
            QCOMPARE(QDir(cartellaUtenti()).entryList({QStringLiteral("*vittima*")}), QStringList());
            QVERIFY(!QFileInfo::exists(stato().percorsi.cartellaOrdiparo() + QStringLiteral("vittima.ini")));
            return;
        }
        QCOMPARE(QDir(cartellaUtenti()).entryList({nome + QStringLiteral(".ini")}, QDir::Files), QStringList{file});
        QCOMPARE(profilo(file).VelocitaVoce, scritto ? 130 : 77);
        QCOMPARE(profilo(file).SalvaAttivita, !scritto);
    }

    // "Usa impostazioni di sistema" in the profile ticks itself at opening and forces the system pointer;
    // cleared, it leaves the pointer be. A cancelled dialog changes no setting; a confirmed one just its own.
    // In the cursive style the text keeps the school font: only the size of a chosen font takes effect, and
    // the font itself comes back when the style leaves the cursive.
    void fontEColori()
    {
        imp().ColoreCasuale = false;
        imp().ImpostazioniSistema = true;
        imp().MouseDiSistema = false;
        SchermataConfigurazioni* s = apri();
        QVERIFY(imp().MouseDiSistema && trova<QCheckBox>(s, "casellaMouseDiSistema")->isChecked());
        QVERIFY(!trova<QGroupBox>(s, "gruppoColoreSfondo")->isEnabled());
        trova<QCheckBox>(s, "casellaImpostazioniSistema")->click();
        QVERIFY(!imp().ImpostazioniSistema && imp().MouseDiSistema &&
                trova<QGroupBox>(s, "gruppoColoreSfondo")->isEnabled());

        const ImpostazioniUtente prima = imp();
        for (QPushButton* b : s->findChildren<QPushButton*>(QRegularExpression(QStringLiteral(
                 "^bottone(Colori|ColoreFont|SfondoTesto|ColoreBottoni|ColoreSelezionato|Font(Fumetto)?)$"))))
            b->click();
        QCOMPARE(DialoghiStandard::Prova::richieste().size(), 7);
        QVERIFY(imp() == prima);
        DialoghiStandard::Prova::rispondiColore(QColor(0, 128, 0));
        trova<QPushButton>(s, "bottoneColori")->click();
        QCOMPARE(imp().ColoreSfondo, 128 * 256.0);
        QCOMPARE(Colori::sfondo(trova<QFrame>(s, "schedaFontColori")), 128 * 256.0);
        DialoghiStandard::Prova::rispondiColore(QColor(0, 0, 255));
        trova<QPushButton>(s, "bottoneSfondoTesto")->click();
        QCOMPARE(imp().ColoreSfondoTesto, 255 * 65536.0);
        QFont enorme(QStringLiteral("Liberation Sans"));
        enorme.setPointSize(300);
        DialoghiStandard::Prova::rispondiFont(enorme);
        trova<QPushButton>(s, "bottoneFontFumetto")->click();
        QCOMPARE(imp().FontFumetto, QStringLiteral("Liberation Sans"));
        QCOMPARE(imp().DimensioneFontFumetto, 300); // large print is kept

        trova<QRadioButton>(s, "corsivo")->click();
        QFont scelto(QStringLiteral("Liberation Serif"));
        scelto.setPointSize(20);
        scelto.setBold(true);
        DialoghiStandard::Prova::rispondiFont(scelto);
        trova<QPushButton>(s, "bottoneFont")->click();
        QCOMPARE(Messaggi::Prova::mostrati(),
                 QStringList{QStringLiteral("Il font scelto non verrà utilizzato mentre è attiva l'opzione per il "
                                            "corsivo.\r\nVerrà invece applicata la modifica alla dimensione.")});
        QCOMPARE(imp().FontTesto, QStringLiteral("Indis1"));
        QCOMPARE(imp().DimensioneFontTesto, 20);
        QCOMPARE(trova<QLabel>(s, "esempioTesto")->font().family(), QStringLiteral("Indis1"));
        QVERIFY(!trova<QLabel>(s, "esempioTesto")->font().bold()); // the preview shows what the exercise shows
        trova<QRadioButton>(s, "maiuscolo")->click();
        QCOMPARE(imp().FontTesto, QStringLiteral("Liberation Serif"));
    }

    // "Font" and "Font fumetto" confirmed without a change leave the profile as it was, byte by byte, a font
    // this computer lacks and the teacher's font kept while the cursive style shows the school letters included.
    void fontConfermatiSenzaCambiare()
    {
        imp().StileLettere = QStringLiteral("corsivo");
        imp().FontTesto = QStringLiteral("Indis1");
        imp().FontScelto = QStringLiteral("Arial");
        imp().DimensioneFontTesto = 80;
        imp().FontFumetto = QStringLiteral("Tahoma");
        const QString profilo = stato().PercorsoUtente;
        QVERIFY(!FileProfilo::SalvaUtente(imp(), profilo));
        const QByteArray prima = AmbienteProva::leggi(Percorsi::risoltoSenzaMaiuscole(profilo));
        SchermataConfigurazioni* s = apri();
        DialoghiStandard::Prova::confermaFont();
        DialoghiStandard::Prova::confermaFont();
        trova<QPushButton>(s, "bottoneFont")->click();
        trova<QPushButton>(s, "bottoneFontFumetto")->click();
        trova<QAction>(s, "azioneMenu")->trigger();
        QCOMPARE(AmbienteProva::leggi(Percorsi::risoltoSenzaMaiuscole(profilo)), prima);
        Messaggi::Prova::dimentica(); // the cursive style's note on the font
    }

    // The character shows only on the voice tab; any tab click, the voice tab's own too, hides him first.
    // Without speech the seven voice controls are greyed; with speech they come back, but the balloon's size box
    // stays greyed while the balloon is off. "Prova voce" speaks behind the current tags.
    void voce()
    {
        imp().FumettoVisibile = true;
        SchermataConfigurazioni* s = apri();
        m_p->agente.clear();
        trova<QTabBar>(s, "schede")->setCurrentIndex(3);
        QTest::mouseClick(trova<QTabBar>(s, "schede"), Qt::LeftButton, {},
                          trova<QTabBar>(s, "schede")->tabRect(3).center());
        trova<QTabBar>(s, "schede")->setCurrentIndex(4);
        QCOMPARE(m_p->agente.filter(QRegularExpression(QStringLiteral("^(Show|Hide)$"))),
                 QStringList({"Hide", "Show", "Hide", "Show", "Hide"}));
        QVERIFY(trova<QFrame>(s, "schedaModalitaInput")->isVisible() && !trova<QFrame>(s, "schedaVoce")->isVisible());
        const auto attivi = [s] {
            return segni(s,
                         {"bottoneProvaVoce", "scalaVelocita", "scalaTono", "casellaFumetto",
                          "casellaFumettoTuttoIlTesto", "bottoneFontFumetto", "casellaEvidenziaParole"},
                         &QWidget::isEnabled);
        };
        QCOMPARE(attivi(), QStringLiteral("1111111"));
        QVERIFY(!trova<QCheckBox>(s, "casellaEvidenziaParole")->isChecked());
        trova<QCheckBox>(s, "casellaEvidenziaParole")->click();
        QVERIFY(imp().EvidenziaParoleLette);
        trova<QCheckBox>(s, "casellaParlato")->click();
        QCOMPARE(attivi(), QStringLiteral("0000000"));
        trova<QCheckBox>(s, "casellaParlato")->click();
        m_p->agente.clear();
        trova<QCheckBox>(s, "casellaFumetto")->click();
        QCOMPARE(attivi(), QStringLiteral("1111011"));
        QCOMPARE(detti(), QStringList{kTagVoce + QStringLiteral("Il fumetto non sarà visualizzato.")});
        trova<QScrollBar>(s, "scalaVelocita")->setValue(250);
        trova<QPushButton>(s, "bottoneProvaVoce")->click();
        QCOMPARE(detti().constLast(), QStringLiteral("Speak \\Spd=250\\\\Pit=100\\Questa è la mia voce."));
    }

    // Each input mode shows its own controls: the scanning step in seconds with the system's decimal separator,
    // the switch's settings and switch 1 with scanning, switch 2 with manual scanning, the first step and the
    // rounds with automatic scanning alone, the rest on a button with the mouse, each from the profile. Each change
    // reaches the settings; the step stays while its scale is hidden.
    void modalitaDiInput_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<int>("quarti");
        // mouse box, step, its caption, auditory, first step, switch, rounds, rest, switch 1, switch 2
        QTest::addColumn<QString>("viste");
        QTest::addColumn<QString>("didascalie");
        const QString sensore = QStringLiteral("Pressione minima: 0,20 s|Dopo una scelta: nessuna attesa");
        const QString automatica = QStringLiteral("|Primo passo del giro: ×2|") + sensore +
                                   QStringLiteral("|Pausa dopo 3 giri a vuoto|Sensore 1: tasto spazio");
        QTest::newRow("mouse") << 0 << 12 << QString("10000000100") << QString("Sosta: 1,5 s");
        QTest::newRow("manuale") << 1 << 12 << "00010110011"
                                 << sensore + QStringLiteral("|Sensore 1: tasto spazio|Sensore 2: tasto invio");
        QTest::newRow("automatica, un secondo")
            << 2 << 4 << "01111111010" << QStringLiteral("Velocità scansione: 1,00 secondi") + automatica;
        QTest::newRow("automatica, quindici")
            << 2 << 60 << "01111111010" << QStringLiteral("Velocità scansione: 15,00 secondi") + automatica;
    }
    void modalitaDiInput()
    {
        QFETCH(int, modalita);
        QFETCH(int, quarti);
        QFETCH(QString, viste);
        QFETCH(QString, didascalie);
        imp().ModalitaInput = static_cast<qint16>(modalita);
        imp().VelocitaScansione = static_cast<qint16>(quarti);
        imp().FattorePrimoPasso = 2;
        imp().TempoAccettazione = 200;
        imp().GiriPrimaDellaPausa = 3;
        imp().ScansioneUditiva = true;
        imp().TempoSosta = 1500;
        SchermataConfigurazioni* s = apri();
        trova<QTabBar>(s, "schede")->setCurrentIndex(4);
        QVERIFY(trova<QCheckBox>(s, "casellaScansioneUditiva")->isChecked());
        QCOMPARE(segni(s, {"casellaMouseDiSistema", "scalaScansione", "didascaliaScansione", "casellaScansioneUditiva",
                           "scalaPrimoPasso", "scalaAccettazione", "scalaRilascio", "scalaGiri", "scalaSosta",
                           "bottoneInsegna_0", "bottoneInsegna_1"}),
                 viste);
        QStringList scritte;
        for (const QLabel* l : s->findChildren<QLabel*>(QRegularExpression(QStringLiteral(
                 "^(didascalia(Scansione|PrimoPasso|Accettazione|Rilascio|Giri|Sosta)|etichettaSensore_.)$")))) {
            if (l->isVisible())
                scritte << l->text();
        }
        QCOMPARE(scritte.join(u'|'), didascalie);
        trova<QScrollBar>(s, "scalaRilascio")->setValue(300);
        QCOMPARE(trova<QLabel>(s, "didascaliaRilascio")->text(), QStringLiteral("Dopo una scelta, fermo per 0,30 s"));
        // The rest's first notch is none, the next half a second.
        QScrollBar* sosta = trova<QScrollBar>(s, "scalaSosta");
        sosta->setValue(sosta->minimum());
        QCOMPARE(imp().TempoSosta, 0);
        QCOMPARE(trova<QLabel>(s, "didascaliaSosta")->text(), QStringLiteral("Sosta: nessuna"));
        sosta->triggerAction(QScrollBar::SliderSingleStepAdd);
        QCOMPARE(imp().TempoSosta, 500);
        trova<QCheckBox>(s, "casellaScansioneUditiva")->click();
        trova<QRadioButton>(s, "sceltaModalita_1")->click();
        QCOMPARE(
            (QList<int>{imp().ModalitaInput, imp().VelocitaScansione, imp().FattorePrimoPasso, imp().TempoAccettazione,
                        imp().TempoRilascio, imp().GiriPrimaDellaPausa, imp().ScansioneUditiva}),
            (QList<int>{1, quarti, 2, 200, 300, 3, 0}));
    }

    // The teacher teaches a switch by pressing it: a key, a mouse button in the window, a joystick's button. The
    // window says what it got; the tab and the profile take it once the switch is let go. The other switch is
    // refused; "Sensori predefiniti" brings space and enter back.
    void insegnaSensori_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("premuto");
        QTest::addColumn<QString>("riga"); // the profile's, empty when refused
        QTest::addColumn<QString>("detto");
        QTest::newRow("F7") << 1 << QString("F7") << QString("tasto:F7") << QString("Sensore 1: tasto F7");
        QTest::newRow("invio del tastierino") << 1 << QString("Enter") << QString()
                                              << QString("Il tasto invio è già il sensore 2: premi un altro sensore.");
        QTest::newRow("tasto destro") << 2 << QString("destro") << QString("mouse:destro")
                                      << QString("Sensore 2: tasto del mouse destro");
        QTest::newRow("joystick") << 1 << QString("3") << QString("joystick:3")
                                  << QString("Sensore 1: pulsante 3 del joystick");
    }
    void insegnaSensori()
    {
        QFETCH(int, numero);
        QFETCH(QString, premuto);
        QFETCH(QString, riga);
        QFETCH(QString, detto);
        imp().ModalitaInput = 1;
        SchermataConfigurazioni* s = apri();
        trova<QTabBar>(s, "schede")->setCurrentIndex(4);
        trova<QPushButton>(s, QStringLiteral("bottoneInsegna_%1").arg(numero - 1))->click();
        auto* finestra = trova<InsegnaSensore>(s, "insegnaSensore");
        for (const bool giu : {true, false}) {
            if (premuto == u'3')
                m_p->programma.joystick->premi(3, giu);
            else if (premuto == QStringLiteral("destro"))
                giu ? QTest::mousePress(finestra, Qt::RightButton) : QTest::mouseRelease(finestra, Qt::RightButton);
            else
                QTest::sendKeyEvent(giu ? QTest::Press : QTest::Release, finestra,
                                    premuto == QStringLiteral("F7") ? Qt::Key_F7 : Qt::Key_Enter, QString(),
                                    Qt::NoModifier);
            if (giu)
                QCOMPARE(trova<QLabel>(finestra, "testoInsegnaSensore")->text(), detto);
        }
        QCOMPARE(imp().Sensore1 + imp().Sensore2, riga);
        QCOMPARE(finestra->isVisible(), riga.isEmpty());
        if (!riga.isEmpty())
            QCOMPARE(trova<QLabel>(s, QStringLiteral("etichettaSensore_%1").arg(numero - 1))->text(), detto);
        trova<QPushButton>(s, "bottoneSensoriPredefiniti")->click();
        QCOMPARE(imp().Sensore1 + imp().Sensore2, QString());
        QCOMPARE(trova<QLabel>(s, "etichettaSensore_1")->text(), QStringLiteral("Sensore 2: tasto invio"));
    }
};

QTEST_MAIN(TestSchermataConfigurazioni)
#include "tst_schermataconfigurazioni.moc"
