// SPDX-License-Identifier: GPL-3.0-or-later
// What a teacher opens and answers: the About screen's PDF, the manual over the home screen, dialogs, messages.
#include "home/CasellaDocumentazione.h"
#include "home/SchermataInformazioni.h"
#include "home/SchermataMenu.h"
#include "support/ApriDocumento.h"
#include "support/Colori.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"
#include "support/ScansioneCursore.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTextFrame>
#include <QTimer>

namespace {
// Writes down the files it is asked to open, and answers as the desktop would.
struct ApriDocumentoFinto : ApriDocumento {
    bool apri(const QString& percorso) override { return aperti << percorso, riesce; }
    QStringList aperti;
    bool riesce = true;
};
} // namespace

class TestDocumenti : public ProvaConProgramma {
    Q_OBJECT
    ApriDocumentoFinto* m_apritore = nullptr;

    QString nelProgramma(const QString& nome) { return m_p->stato->percorsi.fileNelProgramma(nome); }

private slots:
    void init()
    {
        nuovoProgramma();
        m_p->programma.apriDocumento = std::make_unique<ApriDocumentoFinto>();
        m_apritore = static_cast<ApriDocumentoFinto*>(m_p->programma.apriDocumento.get());
        DialoghiStandard::Prova::intercetta(true), DialoghiStandard::Prova::dimentica();
    }
    void cleanup() { m_p.reset(), Messaggi::Prova::dimentica(); }

    // The About screen: each click asks the desktop again, a missing file or reader is told; "Chiudi" goes home.
    void informazioni_data()
    {
        QTest::addColumn<bool>("presente");
        QTest::addColumn<bool>("lettore");
        QTest::addColumn<int>("richieste");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("aperto due volte") << true << true << 2 << QString();
        QTest::newRow("file mancante") << false << true << 0 << "Il file \"documento.pdf\" non si trova";
        QTest::newRow("nessun lettore PDF") << true << false << 2 << "manca un programma per leggere i file PDF";
    }
    void informazioni()
    {
        QFETCH(bool, presente);
        QFETCH(bool, lettore);
        QFETCH(int, richieste);
        QFETCH(QString, messaggio);
        const QString pdf = nelProgramma(QStringLiteral("documento.pdf"));
        if (presente)
            AmbienteProva::scrivi(pdf, "%PDF-1.4\n");
        m_apritore->riesce = lettore;
        QPointer<SchermataMenu> casa = m_p->programma.apriMenu(nullptr);
        casa->azioneInformazioni->trigger();
        QTRY_VERIFY(casa.isNull() || casa->scaricata());
        auto* info = qobject_cast<SchermataInformazioni*>(m_p->programma.schermataCorrente());
        QVERIFY(info && info->isVisible() && info->windowTitle() == QStringLiteral("Informazioni su Ordiparo"));
        QVERIFY(info->condizioni->text().contains(QStringLiteral("Jean-Marie Douteau"))); // after the listed start

        for (int volta = 0; volta < 2; ++volta)
            QTest::mouseClick(info->bottoneManuale, Qt::LeftButton);
        QCOMPARE(m_apritore->aperti, QStringList(richieste, pdf));
        QCOMPARE(Messaggi::Prova::mostrati().filter(messaggio).size(), messaggio.isEmpty() ? 0 : 2);
        QCOMPARE(Messaggi::Prova::mostrati().size(), messaggio.isEmpty() ? 0 : 2);
        QTest::mouseClick(info->bottoneChiudi, Qt::LeftButton);
        QVERIFY(info->scaricata() && m_p->programma.schermataMenu() && m_p->programma.schermataMenu()->isVisible());
    }

    // The manual fills the home screen till a click or ESC, scanning paused; a missing file or converter is told.
    void documentazione_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::addColumn<bool>("presente");
        QTest::addColumn<QString>("convertitore");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("mouse, clic") << int(ScansioneCursore::Mouse) << true << "unrtf" << QString();
        QTest::newRow("scansione automatica, ESC") << int(ScansioneCursore::Automatica) << true << "unrtf" << QString();
        const QString no = QStringLiteral("La documentazione non si può mostrare: ");
        QTest::newRow("file mancante")
            << 0 << false << "unrtf" << no + "il file \"documentazione.rtf\" non si trova nella cartella del programma";
        QTest::newRow("unrtf mancante") << 0 << true << "unrtf-inesistente" << no + "manca il programma";
        QTest::newRow("conversione fallita") << 0 << true << "false" << no + "la conversione del file non è riuscita.";
        QTest::newRow("conversione vuota") << 0 << true << "true" << no + "la conversione del file non è riuscita.";
    }
    void documentazione()
    {
        QFETCH(int, modalita);
        QFETCH(bool, presente);
        QFETCH(QString, convertitore);
        QFETCH(QString, messaggio);
        if (presente)
            AmbienteProva::scrivi(nelProgramma(QStringLiteral("documentazione.rtf")),
                                  "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs480 "
                                  "{\\b Guida per l'insegnante}\\par La scansione: SPAZIO sposta, INVIO sceglie; "
                                  "cos\\'ec \\u8220\\'3fsi\\u8221\\'3f lavora.\\par}");
        std::tie(m_p->imp().ModalitaInput, m_p->imp().VelocitaScansione) = std::tuple(modalita, 1);
        SchermataMenu* casa = m_p->programma.apriMenu(nullptr);
        QVERIFY(QTest::qWaitForWindowActive(casa));
        const auto coperto = [casa] {
            return casa->childAt(casa->area()->mapTo(casa, casa->bottoni[0]->geometry().center())) != casa->bottoni[0];
        };
        casa->documentazione->programma = convertitore;
        casa->azioneDocumentazione->trigger();
        if (!messaggio.isEmpty()) {
            QTRY_COMPARE(Messaggi::Prova::mostrati().size(), 1);
            QCOMPARE(Messaggi::Prova::mostrati().first().left(messaggio.size()), messaggio);
            QVERIFY(!casa->testoDocumentazione->isVisible() && casa->isVisible());
            return;
        }
        QTRY_VERIFY(casa->testoDocumentazione->isVisible());
        QVERIFY(Messaggi::Prova::mostrati().isEmpty());
        const QString testo = casa->testoDocumentazione->toPlainText();
        QVERIFY2(testo.contains(QStringLiteral("Guida per l'insegnante")) &&
                     testo.contains(QStringLiteral("così \u201csi\u201d lavora")) && !testo.contains(u'<'),
                 qPrintable(testo));
        QCOMPARE(casa->testoDocumentazione->geometry(), casa->area()->rect());
        const qreal margine = casa->testoDocumentazione->document()->rootFrame()->frameFormat().leftMargin();
        QVERIFY(coperto() && qRound(margine) == std::max(12, (casa->width() - 960) / 2)); // a column of at most 960 px
        QVERIFY(disegnato(casa->testoDocumentazione->viewport()->grab().toImage()));      // the text is drawn

        QTest::qWait(600); // more than two scanning steps
        QVERIFY(QApplication::focusWidget() == casa->testoDocumentazione && !casa->timerScansione->isActive());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown); // reading on: a page on, still shown
        QVERIFY(casa->testoDocumentazione->isVisible() && casa->testoDocumentazione->cursorForPosition({}).position());
        if (modalita == ScansioneCursore::Mouse)
            QTest::mouseClick(casa->testoDocumentazione->viewport(), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!casa->testoDocumentazione->isVisible() && !coperto());
        QCOMPARE(casa->timerScansione->isActive(), modalita != ScansioneCursore::Mouse);
        QCOMPARE(accesi({casa->bottoni[0], casa->bottoni[1]}, m_p->imp().ColoreBottoneSelezionato),
                 modalita == ScansioneCursore::Mouse ? QStringLiteral("-") : QStringLiteral("0"));
    }

    // A message or a question quotes paths and names from files: none of it is taken for markup.
    void messaggioComeScritto()
    {
        Messaggi::Prova::intercetta(false);
        const QString testo = QStringLiteral("La lista \"/scuola/<b>classe</b>/a<b e c>d.txt\" è danneggiata.");
        for (const bool domanda : {false, true}) {
            QString visto;
            QTimer::singleShot(0, [&visto] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                const QAbstractButton* si = box->button(QMessageBox::Yes); // a question answers in Italian
                visto = (box->textFormat() == Qt::PlainText ? box->text() : QString()) + (si ? u'|' + si->text() : "");
                box->done(0);
            });
            domanda ? void(Messaggi::chiedi(nullptr, testo)) : Messaggi::informa(nullptr, testo);
            QCOMPARE(visto, domanda ? testo + QStringLiteral("|&Sì") : testo);
        }
    }

    // File dialog in the list folder or its parent, a name offered, extension added; custom colours black; plain fonts.
    void dialoghiVeri()
    {
        DialoghiStandard::Prova::intercetta(false);
        QTemporaryDir cartella;
        const QString manca = cartella.path() + QStringLiteral("/manca");
        QStringList visto;
        QTimer::singleShot(0, [&] {
            auto* file = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            visto << file->windowTitle() << file->selectedFiles().join(u'+') << file->defaultSuffix()
                  << file->sidebarUrls().value(0).toLocalFile() << QString::number(file->acceptMode());
            QMetaObject::invokeMethod(file, "accept");
        });
        const QString scelto =
            DialoghiStandard::scegliFile(nullptr, DialoghiStandard::kSalva, "Salva", "lista", "", manca, "txt");
        QCOMPARE(visto, QStringList({"Salva", cartella.path() + "/lista.txt", "txt", manca,
                                     QString::number(QFileDialog::AcceptSave)}));
        QCOMPARE(scelto, cartella.path() + QStringLiteral("/lista.txt"));
        QColorDialog::setCustomColor(0, Qt::red);
        QLabel bersaglio;
        QTimer::singleShot(0, [&] {
            auto* colore = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            visto = QStringList{colore->windowTitle(), QColorDialog::customColor(0).name()};
            colore->setCurrentColor(QColor(1, 2, 3));
            colore->accept();
        });
        QVERIFY(DialoghiStandard::scegliColore(nullptr, &bersaglio) && visto == QStringList({"Colore", "#000000"}));
        bersaglio.setFont(QFont(QStringLiteral("Sans"), 9, QFont::Bold, true));
        QTimer::singleShot(0, [&] { // the font's preview wraps and is drawn at the size as it opens; families once
            QWidget* dialogo = QApplication::activeModalWidget();
            auto* anteprima = trova<QLabel>(dialogo, "anteprima");
            const auto* famiglie = trova<QListWidget>(dialogo, "elencoFamiglie");
            visto = QStringList{QString::number(anteprima->wordWrap()), QString::number(anteprima->font().pointSize()),
                                QString::number(comeAtteso(anteprima->grab().toImage(), "anteprima-carattere")),
                                QString::number(famiglie->findItems("liberation serif", Qt::MatchFixedString).size()),
                                QString::number(famiglie->findItems("liberation sans", Qt::MatchFixedString).size())};
            trova<QSpinBox>(dialogo, "casellaPunti")->setValue(100); // past a spin box's usual limit of 99
            visto << QString::number(anteprima->font().pointSize()); // shown as large as the box holds
            for (const QWidget* a : dialogo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) // none over another
                for (const QWidget* b : dialogo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    visto << (a != b && a->geometry().intersects(b->geometry()) ? a->metaObject()->className() : "");
            visto.removeAll(QString());
            QMetaObject::invokeMethod(dialogo, "accept");
        });
        QVERIFY(DialoghiStandard::scegliFont(nullptr, &bersaglio, QFont(QStringLiteral("Liberation Serif"), 24)));
        const QFont carattere = bersaglio.font(); // no style the screens do not draw
        QVERIFY(carattere.family() == "Liberation Serif" && carattere.pointSize() == 100 && !carattere.bold() &&
                !carattere.italic() && !carattere.underline());
        QCOMPARE(visto, QStringList({"1", "24", "1", "1", "1", "41"}));
        QPrinter printer; // the printer chosen in the print dialog is taken
        QTimer::singleShot(0, [&] {
            visto = QStringList{QApplication::activeModalWidget()->windowTitle()};
            QMetaObject::invokeMethod(QApplication::activeModalWidget(), "accept");
        });
        QVERIFY(DialoghiStandard::scegliStampante(nullptr, printer) && visto == QStringList{"Stampa"});
        QWidget finestra; // the preview takes the whole window it comes from, and draws the pages
        finestra.setGeometry(40, 30, 700, 500);
        int pagine = 0;
        QRect posto;
        QTimer::singleShot(0, [&] {
            visto = QStringList{QApplication::activeModalWidget()->windowTitle()};
            posto = QApplication::activeModalWidget()->geometry();
            QApplication::activeModalWidget()->close();
        });
        DialoghiStandard::mostraAnteprima(&finestra, printer, [&](QPrinter*) { ++pagine; });
        QVERIFY(visto == QStringList{"Anteprima di stampa"} && posto == finestra.geometry() && pagine > 0);
        QCOMPARE(Colori::testo(&bersaglio), 1 + 2 * 256.0 + 3 * 65536.0);
    }

    // A question asks before something is replaced: Enter, pressed without reading, answers "No".
    void invioNonSostituisce()
    {
        Messaggi::Prova::intercetta(false);
        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        QVERIFY(!Messaggi::chiedi(nullptr, QStringLiteral("Sovrascriverlo?")));
    }

    // A desktop with no PDF reader is found out before its opener reports a success (last: it changes XDG_*).
    void lettoreSulDesktop()
    {
        const QString desktop = m_ambiente->file(QStringLiteral("desktop"));
        const QString pdf = m_ambiente->file(QStringLiteral("documento.pdf"));
        AmbienteProva::scrivi(pdf, "%PDF-1.4\n");
        for (const char* variabile : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
            qputenv(variabile, desktop.toLocal8Bit()); // this test program's own environment
        QVERIFY(!ApriDocumento::programmaPer(pdf));
        AmbienteProva::scrivi(
            desktop + QStringLiteral("/applications/lettore.desktop"),
            "[Desktop Entry]\nType=Application\nName=Lettore\nExec=true %f\nMimeType=application/pdf;\n");
        QVERIFY(ApriDocumento::programmaPer(pdf));
    }
};

QTEST_MAIN(TestDocumenti)
#include "tst_documenti.moc"
