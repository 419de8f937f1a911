// The teacher's settings screen driven as a teacher drives it: users, letter style and fonts, colours, voice,
// input mode; what reaches the profile file and what the hidden character is asked to say.
#include "home/FormMenu.h"
#include "settings/FormConfigura.h"
#include "support/AmbienteProva.h"
#include "support/Colori.h"
#include "support/CommDlgs.h"
#include "support/Messaggi.h"

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
#include <QScrollBar>
#include <QTabBar>
#include <QTest>

class TestFormConfigura : public QObject {
    Q_OBJECT
    std::unique_ptr<AmbienteProva> m_ambiente; // each test gets its own users' folder
    std::unique_ptr<ProgrammaProva> m_p;

    StatoProgramma& stato() { return *m_p->stato; }
    ImpostazioniUtente& imp() { return m_p->imp(); }
    QString cartellaUtenti() { return stato().percorsi.cartellaUtenti(); }
    FormConfigura* apri()
    {
        FormConfigura* s = m_p->programma.apriConfigurazioni(nullptr);
        QCoreApplication::processEvents();
        return s;
    }
    // A profile on disk with the settings now in memory, changed by cambia.
    void scriviProfilo(const QString& file, const std::function<void(ImpostazioniUtente&)>& cambia = {})
    {
        ImpostazioniUtente profilo = imp();
        if (cambia)
            cambia(profilo);
        QVERIFY(!ModuloPerIni::SalvaUtente(profilo, cartellaUtenti() + file));
    }
    ImpostazioniUtente profilo(const QString& file)
    {
        ImpostazioniUtente letto;
        ModuloPerIni::LeggiUtente(letto, cartellaUtenti() + file, stato().percorsi);
        return letto;
    }
    QStringList detti() const { return m_p->agente.filter(QStringLiteral("Speak ")); }
    static QStringList elenco(const QListWidget* lista)
    {
        QStringList nomi;
        for (int i = 0; i < lista->count(); ++i)
            nomi << lista->item(i)->text();
        return nomi;
    }

private slots:
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        m_p = std::make_unique<ProgrammaProva>(*m_ambiente);
        QDir().mkpath(cartellaUtenti());
        CommDlgs::Prova::intercetta(true);
    }
    void cleanup()
    {
        m_p.reset();
        CommDlgs::Prova::dimentica();
    }

    // Whatever the user, each opening starts on the first tab with the default user chosen, and runs the
    // handlers of the controls whose value the profile changes: the hidden character announces the balloon.
    void aperturaDalloStatoDiDisegno_data()
    {
        QTest::addColumn<bool>("fumettoVisibile");
        QTest::addColumn<bool>("contieneTesto");
        QTest::addColumn<QStringList>("frasi");
        const QString tag = QStringLiteral("Speak \\Spd=130\\\\Pit=100\\");
        QTest::newRow("predefinito: fumetto nascosto")
            << false << true << QStringList{tag + QStringLiteral("Il fumetto non sarà visualizzato.")};
        QTest::newRow("fumetto visibile") << true << true << QStringList();
        QTest::newRow("fumetto ridotto")
            << true << false
            << QStringList{
                   tag +
                   QStringLiteral("Il fumetto avrà dimensioni ridotte e rimmarà visibile solo una parte del testo.")};
    }
    void aperturaDalloStatoDiDisegno()
    {
        QFETCH(bool, fumettoVisibile);
        QFETCH(bool, contieneTesto);
        QFETCH(QStringList, frasi);
        stato().NomeUtente = QStringLiteral("Marco");
        stato().PercorsoUtente = stato().percorsi.profiloUtente(QStringLiteral("Marco"));
        imp().FumettoVisibile = fumettoVisibile;
        imp().FumettoContieneTesto = contieneTesto;
        for (int volta = 0; volta < 2; ++volta) { // a second opening starts from the design state again
            m_p->agente.clear();
            FormConfigura* s = apri();
            QCOMPARE(s->Label4->text(), QStringLiteral("Marco"));
            QCOMPARE(s->TabStrip1->currentIndex(), 0);
            QVERIFY(s->FrameUtente->isVisible() && !s->FrameVoce->isVisible());
            QVERIFY(s->OptionUtente[0]->isChecked());
            QCOMPARE(detti(), frasi);
            QVERIFY(!m_p->agente.contains(QStringLiteral("Show")));
            s->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(!QFileInfo::exists(stato().PercorsoUtente)); // closed without "&Menu": nothing written
    }

    // "Usa impostazioni di sistema" in the profile ticks itself at opening, and its handler forces the system
    // pointer; clearing it later leaves the pointer as it is.
    void impostazioniDiSistemaForzanoIlMouse()
    {
        imp().ImpostazioniSistema = true;
        imp().MouseDiSistema = false;
        FormConfigura* s = apri();
        QVERIFY(imp().MouseDiSistema);
        QVERIFY(s->CheckDisabilitaMousePersonalizzato->isChecked());
        QVERIFY(!s->Frame6->isEnabled());
        s->CheckImpostazioniSistema->click();
        QVERIFY(!imp().ImpostazioniSistema && imp().MouseDiSistema && s->Frame6->isEnabled());
    }

    // The character shows only on the voice tab; any tab click, the voice tab's own too, hides him first.
    void personaggioSoloSullaVoce()
    {
        FormConfigura* s = apri();
        m_p->agente.clear();
        s->TabStrip1->setCurrentIndex(3);
        QVERIFY(s->FrameVoce->isVisible());
        QTest::mouseClick(s->TabStrip1, Qt::LeftButton, {}, s->TabStrip1->tabRect(3).center());
        s->TabStrip1->setCurrentIndex(4);
        QCOMPARE(m_p->agente.filter(QRegularExpression(QStringLiteral("^(Show|Hide)$"))),
                 QStringList({"Hide", "Show", "Hide", "Show", "Hide"}));
        QVERIFY(s->FramePunt->isVisible() && !s->FrameVoce->isVisible());
    }

    // "Modifica utente" lists the pupils in capitals, never the default user; choosing one writes the user being
    // left and reads the chosen profile, found whatever the letter case of its file.
    void cambioDiUtente()
    {
        scriviProfilo(QStringLiteral("_Predefinito.INI"));
        scriviProfilo(QStringLiteral("Marco.ini"), [](ImpostazioniUtente& p) { p.VelocitaVoce = 200; });
        scriviProfilo(QStringLiteral("anna.INI"));
        QDir(cartellaUtenti()).mkdir(QStringLiteral("prova.ini"));
        FormConfigura* s = apri();
        s->HScroll1->setValue(90); // a change to the default user, written before the switch
        s->OptionUtente[1]->click();
        QVERIFY(s->ListModificaUtente->isVisible());
        QCOMPARE(elenco(s->ListModificaUtente), QStringList({"ANNA", "MARCO", "PROVA"}));
        QCOMPARE(profilo(QStringLiteral("_Predefinito.INI")).VelocitaVoce, 90);

        s->ListModificaUtente->setCurrentRow(1);
        QCOMPARE(stato().NomeUtente, QStringLiteral("MARCO"));
        QCOMPARE(s->Label4->text(), QStringLiteral("MARCO"));
        QCOMPARE(imp().VelocitaVoce, 200);
        QCOMPARE(s->HScroll1->value(), 200);
        QCOMPARE(s->Label1->text(), QStringLiteral("Velocità =  200"));
        s->HScroll2->setValue(300);
        QCOMPARE(s->Label2->text(), QStringLiteral("Tono =  300"));
        s->mnuEsci->trigger();
        QCOMPARE(profilo(QStringLiteral("Marco.ini")).TonoVoce, 300);
        QVERIFY(!QFileInfo::exists(cartellaUtenti() + QStringLiteral("MARCO.ini"))); // the file keeps its name
        QVERIFY(m_p->programma.formMenu());
    }

    // A new pupil: the name typed becomes the profile at "&Menu", with the record of activity off, and the home
    // screen lists it.
    void nuovoUtente()
    {
        imp().SalvaAttivita = true;
        FormConfigura* s = apri();
        s->OptionUtente[2]->click();
        QVERIFY(s->TextNuovoUtente->isVisible() && s->TextNuovoUtente->text().isEmpty());
        QVERIFY(!s->CheckSalvaUtente->isChecked() && !imp().SalvaAttivita);
        QTest::keyClicks(s->TextNuovoUtente, QStringLiteral("   "));
        QCOMPARE(stato().NomeUtente, QStringLiteral("_predefinito")); // blanks alone change nothing
        s->TextNuovoUtente->setText(QStringLiteral("Giulia "));
        QCOMPARE(s->Label4->text(), QStringLiteral("Giulia "));
        s->mnuEsci->trigger();
        QVERIFY(QFileInfo::exists(cartellaUtenti() + QStringLiteral("Giulia .ini")));
        QVERIFY(!profilo(QStringLiteral("Giulia .ini")).SalvaAttivita);
        FormMenu* menu = m_p->programma.formMenu();
        QVERIFY(menu);
        QVERIFY(menu->Combo1->findText(QStringLiteral("GIULIA "), Qt::MatchFixedString) >= 0);
    }

    // A typed name that cannot name a file of the users folder is refused on the screen, the user before it
    // stays current, and leaving is refused with the reason: nothing is written under that name.
    void nomeRifiutato_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("fuori dalla cartella") << "../../vittima";
        QTest::newRow("barra") << "Marco/Anna";
        QTest::newRow("riservato a Windows") << "CON";
        QTest::newRow("solo punti") << "...";
    }
    void nomeRifiutato()
    {
        QFETCH(QString, nome);
        scriviProfilo(QStringLiteral("Marco.ini"));
        stato().NomeUtente = QStringLiteral("Marco");
        stato().PercorsoUtente = cartellaUtenti() + QStringLiteral("Marco.ini");
        FormConfigura* s = apri();
        s->OptionUtente[2]->click();
        s->TextNuovoUtente->setText(nome);
        QCOMPARE(stato().NomeUtente, QStringLiteral("Marco"));
        QCOMPARE(s->Label4->text(), QStringLiteral("Marco"));
        QVERIFY(s->LabelNomeNonValido->isVisible() && !s->LabelNomeNonValido->text().isEmpty());
        const QByteArray prima = AmbienteProva::leggi(cartellaUtenti() + QStringLiteral("Marco.ini"));
        s->HScroll1->setValue(222);
        s->mnuEsci->trigger();
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
        QVERIFY(Messaggi::Prova::mostrati().constFirst().contains(QStringLiteral("non è stato creato")));
        QVERIFY(!s->scaricata()); // the teacher corrects the name or chooses another user
        QCOMPARE(QDir(cartellaUtenti()).entryList(QDir::Files), QStringList{QStringLiteral("Marco.ini")});
        QCOMPARE(AmbienteProva::leggi(cartellaUtenti() + QStringLiteral("Marco.ini")), prima);
        QVERIFY(!QFileInfo::exists(stato().percorsi.cartellaOrdiparo() + QStringLiteral("vittima.ini")));
        s->TextNuovoUtente->setText(QStringLiteral("Marta"));
        QVERIFY(!s->LabelNomeNonValido->isVisible());
        s->mnuEsci->trigger();
        QCOMPARE(profilo(QStringLiteral("Marta.ini")).VelocitaVoce, 222);
        Messaggi::Prova::dimentica();
    }

    // A new pupil named like an existing one (in any letter case) takes over that profile only when the
    // teacher says so.
    void nuovoUtenteConIlNomeDiUnAltro_data()
    {
        QTest::addColumn<bool>("sostituisci");
        QTest::newRow("no: il profilo resta") << false;
        QTest::newRow("sì: il profilo è sostituito") << true;
    }
    void nuovoUtenteConIlNomeDiUnAltro()
    {
        QFETCH(bool, sostituisci);
        scriviProfilo(QStringLiteral("Anna.ini"), [](ImpostazioniUtente& p) { p.VelocitaVoce = 77; });
        FormConfigura* s = apri();
        s->OptionUtente[2]->click();
        s->TextNuovoUtente->setText(QStringLiteral("ANNA"));
        Messaggi::Prova::rispostaSuccessiva(sostituisci);
        s->mnuEsci->trigger();
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
        QVERIFY(Messaggi::Prova::mostrati().constFirst().contains(QStringLiteral("ANNA")));
        QCOMPARE(profilo(QStringLiteral("Anna.ini")).VelocitaVoce, sostituisci ? 130 : 77);
        QCOMPARE(s->scaricata(), sostituisci);
        QCOMPARE(QDir(cartellaUtenti()).entryList({QStringLiteral("anna.ini")}, QDir::Files),
                 QStringList{QStringLiteral("Anna.ini")});
        Messaggi::Prova::dimentica();
    }

    // In the cursive style the text keeps the school font: only the size of a chosen font takes effect, and
    // the font itself comes back when the style leaves the cursive.
    void corsivoEFontScelto()
    {
        FormConfigura* s = apri();
        s->corsivo->click();
        QCOMPARE(imp().StileLettere, QStringLiteral("corsivo"));
        QCOMPARE(imp().FontTesto, QStringLiteral("Indis1"));
        QFont scelto(QStringLiteral("Liberation Serif"));
        scelto.setPointSize(20);
        scelto.setBold(true);
        CommDlgs::Prova::rispondiFont(scelto);
        s->CommandSceltaFont->click();
        QCOMPARE(Messaggi::Prova::mostrati(),
                 QStringList{QStringLiteral("Il font scelto non verrà utilizzato mentre è attiva l'opzione per il "
                                            "corsivo.\r\nVerrà invece applicata la modifica alla dimensione.")});
        QCOMPARE(imp().FontTesto, QStringLiteral("Indis1"));
        QCOMPARE(imp().DimensioneFontTesto, 20);
        QCOMPARE(imp().FontScelto, QStringLiteral("Liberation Serif"));
        QCOMPARE(s->LabelFontSelezionato->font().family(), QStringLiteral("Indis1"));
        QVERIFY(s->LabelFontSelezionato->font().bold()); // the effects show on the preview only
        s->maiuscolo->click();
        QCOMPARE(imp().FontTesto, QStringLiteral("Liberation Serif"));
        Messaggi::Prova::dimentica();
    }

    // A cancelled dialog changes no setting; a confirmed one changes just its own.
    void dialoghiAnnullatiEConfermati()
    {
        imp().ColoreCasuale = false;
        FormConfigura* s = apri();
        const ImpostazioniUtente prima = imp();
        for (QPushButton* b : {s->CommandSceltaColori, s->CommandSceltaColoreFont, s->CommandSceltaSfondoTesto,
                               s->CommandSceltaColoreBottoni, s->CommandSceltaColoreBottoniSelezionati,
                               s->CommandSceltaFont, s->CommandFontFumetto})
            b->click();
        QCOMPARE(CommDlgs::Prova::richieste().size(), 7);
        QVERIFY(imp() == prima);
        QCOMPARE(Colori::sfondo(s->FrameFonts), prima.ColoreSfondo);

        CommDlgs::Prova::rispondiColore(QColor(0, 128, 0));
        s->CommandSceltaColori->click();
        QCOMPARE(imp().ColoreSfondo, 128 * 256.0);
        QCOMPARE(Colori::sfondo(s->FrameFonts), 128 * 256.0);
        CommDlgs::Prova::rispondiColore(QColor(0, 0, 255));
        s->CommandSceltaSfondoTesto->click();
        QCOMPARE(imp().ColoreSfondoTesto, 255 * 65536.0);
        QFont enorme(QStringLiteral("Liberation Sans"));
        enorme.setPointSize(300);
        CommDlgs::Prova::rispondiFont(enorme);
        s->CommandFontFumetto->click();
        QCOMPARE(imp().FontFumetto, QStringLiteral("Liberation Sans"));
        QCOMPARE(imp().DimensioneFontFumetto, 72); // the largest size a profile holds
    }

    // Without speech the six voice controls are greyed; with speech they come back, but the balloon's size box
    // stays greyed while the balloon is off. "Prova voce" speaks behind the current tags.
    void parlatoEFumetto()
    {
        imp().FumettoVisibile = true;
        FormConfigura* s = apri();
        const QList<QWidget*> voce{s->CommandProvaVoce, s->HScroll1,           s->HScroll2,
                                   s->ChkFumetto,       s->CheckContieneTesto, s->CommandFontFumetto};
        auto attivi = [&] {
            QString segni;
            for (QWidget* w : voce)
                segni += w->isEnabled() ? u'1' : u'0';
            return segni;
        };
        QCOMPARE(attivi(), QStringLiteral("111111"));
        s->Check1->click();
        QVERIFY(!imp().ParlatoAttivo);
        QCOMPARE(attivi(), QStringLiteral("000000"));
        s->Check1->click();
        m_p->agente.clear();
        s->ChkFumetto->click();
        QCOMPARE(attivi(), QStringLiteral("111101"));
        QCOMPARE(detti(), QStringList{QStringLiteral("Speak \\Spd=130\\\\Pit=100\\Il fumetto non sarà visualizzato.")});
        s->HScroll1->setValue(250);
        s->CommandProvaVoce->click();
        QCOMPARE(detti().constLast(), QStringLiteral("Speak \\Spd=250\\\\Pit=100\\Questa è la mia voce."));
        QVERIFY(m_p->personaggioDisponibile);
    }

    // The scanning step shows in seconds with the system's decimal separator; each mode shows its own controls.
    void modalitaDiInput_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<int>("quarti");
        QTest::addColumn<QString>("visibili"); // the mouse box, the scale, its caption
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("mouse") << 0 << 12 << "100"
                               << "";
        QTest::newRow("manuale") << 1 << 12 << "000"
                                 << "";
        QTest::newRow("automatica, un secondo") << 2 << 4 << "011"
                                                << "Velocità scansione: 1,00 secondi";
        QTest::newRow("automatica, tre secondi") << 2 << 12 << "011"
                                                 << "Velocità scansione: 3,00 secondi";
        QTest::newRow("automatica, quindici") << 2 << 60 << "011"
                                              << "Velocità scansione: 15,00 secondi";
    }
    void modalitaDiInput()
    {
        QFETCH(int, modalita);
        QFETCH(int, quarti);
        QFETCH(QString, visibili);
        QFETCH(QString, didascalia);
        imp().ModalitaInput = static_cast<qint16>(modalita);
        imp().VelocitaScansione = static_cast<qint16>(quarti);
        FormConfigura* s = apri();
        s->TabStrip1->setCurrentIndex(4);
        QVERIFY(s->Option4[modalita]->isChecked());
        QString viste;
        for (QWidget* w :
             std::initializer_list<QWidget*>{s->CheckDisabilitaMousePersonalizzato, s->HScroll3, s->Label7})
            viste += w->isVisible() ? u'1' : u'0';
        QCOMPARE(viste, visibili);
        if (modalita == 2) {
            QCOMPARE(s->HScroll3->value(), quarti);
            QCOMPARE(s->Label7->text(), didascalia);
        }
        s->Option4[1]->click(); // the step stays while its scale is hidden
        QCOMPARE(imp().VelocitaScansione, quarti);
        QCOMPARE(imp().ModalitaInput, 1);
    }

    // The switch's settings show with scanning, the first step and the rounds with automatic scanning alone,
    // each scale and caption from the profile; a scale moved reaches the profile written at "&Menu".
    void sensoreDelProfilo_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<QString>("visibili"); // the auditory box, first step, acceptance, release, rounds
        QTest::addColumn<QString>("didascalie");
        QTest::newRow("mouse") << 0 << "00000"
                               << "";
        QTest::newRow("manuale") << 1 << "10110"
                                 << "Pressione minima: 0,20 s|Dopo una scelta: nessuna attesa";
        QTest::newRow("automatica") << 2 << "11111"
                                    << "Primo passo del giro: ×2|Pressione minima: 0,20 s|"
                                       "Dopo una scelta: nessuna attesa|Pausa dopo 3 giri a vuoto";
    }
    void sensoreDelProfilo()
    {
        QFETCH(int, modalita);
        QFETCH(QString, visibili);
        QFETCH(QString, didascalie);
        imp().ModalitaInput = static_cast<qint16>(modalita);
        imp().FattorePrimoPasso = 2;
        imp().TempoAccettazione = 200;
        imp().GiriPrimaDellaPausa = 3;
        imp().ScansioneUditiva = true;
        FormConfigura* s = apri();
        s->TabStrip1->setCurrentIndex(4);
        QVERIFY(s->CheckScansioneUditiva->isChecked());
        QString viste;
        QStringList scritte;
        for (QWidget* w : std::initializer_list<QWidget*>{s->CheckScansioneUditiva, s->HScrollPrimoPasso,
                                                          s->HScrollAccettazione, s->HScrollRilascio, s->HScrollGiri})
            viste += w->isVisible() ? u'1' : u'0';
        for (QLabel* l : {s->LabelPrimoPasso, s->LabelAccettazione, s->LabelRilascio, s->LabelGiri}) {
            if (l->isVisible())
                scritte << l->text();
        }
        QCOMPARE(viste, visibili);
        QCOMPARE(scritte.join(u'|'), didascalie);
        QCOMPARE(s->HScrollAccettazione->value(), 200);
        s->HScrollRilascio->setValue(300);
        QCOMPARE(s->LabelRilascio->text(), QStringLiteral("Dopo una scelta, fermo per 0,30 s"));
        s->CheckScansioneUditiva->click();
        s->mnuEsci->trigger();
        ImpostazioniUtente scritto;
        QVERIFY(!ModuloPerIni::LeggiUtente(scritto, stato().PercorsoUtente, stato().percorsi));
        QCOMPARE((QList<int>{scritto.FattorePrimoPasso, scritto.TempoAccettazione, scritto.TempoRilascio,
                             scritto.GiriPrimaDellaPausa, scritto.ScansioneUditiva}),
                 (QList<int>{2, 200, 300, 3, 0}));
    }
};

QTEST_MAIN(TestFormConfigura)
#include "tst_formconfigura.moc"
