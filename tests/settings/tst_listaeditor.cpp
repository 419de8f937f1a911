// SPDX-License-Identifier: GPL-3.0-or-later
// The list editor and its picture chooser as a teacher drives them, files read back from disk.
#include "settings/EditorListe.h"
#include "settings/Miniature.h"
#include "settings/SceltaImmagine.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>

namespace {
// One item as the list file holds it: the stimulus and its code, then eight statements given as "code text".
QByteArray esercizio(const QString& stimolo, int codice, const QStringList& frasi)
{
    QString testo = stimolo + QStringLiteral("\r\n %1 \r\n").arg(codice);
    for (int i = 0; i < 8; ++i) {
        const QString frase = frasi.value(i, QStringLiteral("3"));
        testo += frase.mid(2) + QStringLiteral("\r\n %1 \r\n").arg(frase.left(1));
    }
    return testo.toLatin1();
}

// The list in use at the start of every test: a text item, its third statement's answer given, and a picture.
QByteArray iniziale()
{
    return esercizio("Il cane abbaia.", 1, {"0 Il cane abbaia.", "1 Il cane dorme.", "2 Il cane si chiama Fido."}) +
           esercizio("gatto.jpg", 0, {"0 C'è un gatto."});
}
} // namespace

class TestListaEditor : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    std::unique_ptr<ProgrammaProva> m_p;
    SchermataConfigurazioni* m_dialogo = nullptr;
    EditorListe* m_e = nullptr;

    QString nelleListe(const QString& nome) const { return m_ambiente.cartella() + QStringLiteral("/liste/") + nome; }
    QString immagini() const { return m_p->stato->percorsi.cartellaImmagini(); }
    TabellaFrasi& tabella() { return m_p->stato->TabellaFrasi; }

    // The position below the browser, the stimulus text and each statement's answer (v, f, n, - for none).
    QString mostrato() const
    {
        QString risposte;
        for (int colonna = 0; colonna < 8; ++colonna) {
            int scelta = 0;
            while (scelta < 3 && !m_e->sceltaRisposte[3 * colonna + scelta]->isChecked())
                ++scelta;
            risposte += QStringLiteral("vfn-")[scelta];
        }
        return m_e->posizioneEsercizio->text() + u'|' + m_e->testoDi(0) + u'|' + risposte;
    }

    // One step: a button's name, "risposta C K" (answer K of statement C), "scrivi|incolla N text" into box N.
    void esegui(const QString& passo)
    {
        const QStringList parti = passo.split(u' ');
        const QStringList nomi{"svuota", "aggiungi", "carica", "lista-in-uso", "salva", "testo"};
        QAbstractButton* const bottoni[] = {m_e->bottoneSvuotaLista, m_e->bottoneAggiungi,
                                            m_e->bottoneCaricaLista, trova<QPushButton>(m_dialogo, "bottoneListaInUso"),
                                            m_e->bottoneSalvaLista,  m_e->sceltaTipoStimolo[1]};
        if (nomi.contains(parti[0]))
            return bottoni[nomi.indexOf(parti[0])]->click();
        if (parti[0] == QStringLiteral("risposta"))
            return m_e->sceltaRisposte[3 * (parti[1].toInt() - 1) + parti[2].toInt()]->click();
        QWidget* casella = m_e->caselleTesto[parti[1].toInt()];
        const QString testo = parti.mid(2).join(u' ');
        if (parti[0] == QStringLiteral("scrivi"))
            return QTest::keyClicks(casella, testo);
        QGuiApplication::clipboard()->setText(QString(testo).replace(u'|', QStringLiteral("\r\n")));
        QTest::keySequence(casella, QKeySequence::Paste);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", (m_ambiente.cartella() + QStringLiteral("/cache")).toLocal8Bit());
        DialoghiStandard::Prova::intercetta(true);
    }

    // Every test starts from the list in use shown in the editor.
    void init()
    {
        m_p = std::make_unique<ProgrammaProva>(m_ambiente);
        DialoghiStandard::Prova::dimentica();
        QDir(m_ambiente.cartella() + QStringLiteral("/liste")).removeRecursively();
        AmbienteProva::scrivi(nelleListe(QStringLiteral("lista.txt")), iniziale());
        AmbienteProva::scrivi(nelleListe(QStringLiteral("rotta.txt")), iniziale() + "Un'altra storia.\r\n");
        AmbienteProva::scrivi(nelleListe(QStringLiteral("lunga.txt")),
                              esercizio(QString(4100, u'a'), 1, {"0 " + QString(4100, u'b')}));
        m_p->imp().ListaInUso = nelleListe(QStringLiteral("lista.txt"));
        QVERIFY(!CaricaLista(tabella(), m_p->imp().ListaInUso, m_p->stato->percorsi));
        m_dialogo = m_p->programma.apriConfigurazioni(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(m_dialogo));
        // The design size of the controls' area; the menu bar's letters settle at the first resizing.
        for (int volta = 0; volta < 2; ++volta)
            m_dialogo->resize(720, 600 + m_dialogo->height() - m_dialogo->dimensioneArea().height());
        m_e = m_dialogo->editorListe();
        trova<QTabBar>(m_dialogo, "schede")->setCurrentIndex(1); // "Scelte didattiche"
        QTest::mouseClick(trova<QPushButton>(m_dialogo, "bottoneGestioneFile"), Qt::LeftButton);
        QCOMPARE(mostrato(), QStringLiteral("1 di 2|Il cane abbaia.|vfn-----"));
    }
    void cleanup() { m_p.reset(); }

    // What the steps leave in a file, as the list in use and on the screen; a "" file name cancels its dialog.
    void passi_data()
    {
        QTest::addColumn<QStringList>("passi");
        QTest::addColumn<QStringList>("dialoghi");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contenuto"); // null: the file must not exist
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QStringList>("messaggi");
        QTest::addColumn<QString>("mostrato");
        using L = QStringList;
        const QString comeAllInizio = QStringLiteral("1 di 2|Il cane abbaia.|vfn-----");
        QTest::newRow("nuova lista da zero") // blank statements are saved with no answer
            << L{"svuota", "aggiungi", "testo", "incolla 0 Il gatto|dorme sul divano.", "scrivi 1 Il gatto dorme.",
                 "salva"}
            << L{"nuova.txt"} << "nuova.txt" << esercizio("Il gatto dorme sul divano.", 1, {"0 Il gatto dorme."})
            << "nuova.txt" << L{} << "1 di 1|Il gatto dorme sul divano.|v-------";
        QTest::newRow("scritto dopo svuota, senza aggiungi") // a return typed into the stimulus makes no new line
            << L{"svuota", "scrivi 1 Caldo.", "testo", "scrivi 0 Il\r sole.", "salva"} << L{"nuova.txt"} << "nuova.txt"
            << esercizio("Il sole.", 1, {"0 Caldo."}) << "nuova.txt" << L{} << "1 di 1|Il sole.|v-------";
        QTest::newRow("scritto dopo svuota: contato subito")
            << L{"svuota", "scrivi 2 Caldo."} << L{} << "nuova.txt" << QByteArray() << "" << L{} << "1 di 1||vvvvvvvv";
        QTest::newRow("tipo scelto dopo svuota: contato subito")
            << L{"svuota", "testo"} << L{} << "nuova.txt" << QByteArray() << "" << L{} << "1 di 1||vvvvvvvv";
        QTest::newRow("annullato senza lista in uso: niente scritto")
            << L{"svuota", "aggiungi", "salva"} << L{""} << "nuova.txt" << QByteArray() << "" << L{}
            << "1 di 1||vvvvvvvv";
        QTest::newRow("salvataggio fallito: la lista in uso resta")
            << L{"risposta 3 1", "salva"} << L{"manca/nuova.txt"} << "manca/nuova.txt" << QByteArray() << "lista.txt"
            << L{"Non è stato possibile salvare il file \"" + nelleListe("manca/nuova.txt") + "\".\r\nLa cartella \"" +
                 nelleListe("manca") + "\" non esiste."}
            << "1 di 2|Il cane abbaia.|vff-----";
        const QString sovrascrivere = "Un file con questo nome esiste già. Sovrascriverlo?\r\n";
        QTest::newRow("lista in uso, poi salvata sopra")
            << L{"svuota", "lista-in-uso", "salva"} << L{"lista.txt", "lista.txt"} << "lista.txt" << iniziale()
            << "lista.txt" << L{sovrascrivere + nelleListe("lista.txt")} << comeAllInizio;
        const QString rotta = nelleListe("rotta.txt");
        QTest::newRow("lista rotta, salvata sopra due volte: la prima avvisa che parte andrà persa")
            << L{"carica", "salva", "salva"} << L(3, "rotta.txt") << "rotta.txt" << iniziale() << "rotta.txt"
            << L{"La lista \"" + rotta +
                     "\" è danneggiata: il file finisce a metà dell'esercizio che comincia "
                     "alla riga 37.\r\nSono stati caricati solo gli esercizi completi (2).",
                 sovrascrivere + rotta +
                     "\r\nAttenzione: quel file non è stato caricato per intero (ha più di "
                     "1000 esercizi, o una parte danneggiata). Se lo sovrascrivi, gli esercizi che non sono stati "
                     "caricati andranno persi.",
                 sovrascrivere + rotta}
            << comeAllInizio;
        QTest::newRow("testi troppo lunghi, accorciati come l'incollato; un altro caricamento annullato")
            << L{"carica", "incolla 0 x", "carica"} << L{"lunga.txt", ""} << "lista.txt" << iniziale() << "lunga.txt"
            << L{"Nell'esercizio 1 i testi dello stimolo e della frase 1 sono troppo lunghi per l'editor: di ciascuno "
                 "restano i primi 4000 caratteri, e se salvi la lista saranno salvati così.",
                 "Lo stimolo può avere al massimo 4000 caratteri: il testo incollato è stato accorciato."}
            << "1 di 1|" + QString(4000, u'a') + "|v-------";
        QTest::newRow("carica e salva altrove") << L{"svuota", "carica", "salva"} << L{"lista.txt", "terza.txt"}
                                                << "terza.txt" << iniziale() << "terza.txt" << L{} << comeAllInizio;
    }
    void passi()
    {
        QFETCH(QStringList, passi);
        QFETCH(QStringList, dialoghi);
        QFETCH(QString, file);
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, lista);
        QFETCH(QStringList, messaggi);
        QFETCH(QString, mostrato);
        for (const QString& nome : dialoghi)
            DialoghiStandard::Prova::rispondiFile(nome.isEmpty() ? QString() : nelleListe(nome));
        Messaggi::Prova::rispostaSuccessiva(true);
        for (const QString& passo : passi)
            esegui(passo);
        QCOMPARE(AmbienteProva::leggi(nelleListe(file)), contenuto);
        QCOMPARE(QDir().exists(nelleListe(file)), !contenuto.isNull());
        QCOMPARE((QStringList{m_p->imp().ListaInUso, trova<QLabel>(m_dialogo, "etichettaListaInUso")->text(),
                              m_e->titolo()}),
                 QStringList(3, lista.isEmpty() ? QString() : nelleListe(lista)));
        const QRect titolo = QRect(0, 0, m_e->width(), m_e->caselleTesto[0]->y()).adjusted(2, 2, -2, 0); // in the frame
        QCOMPARE(disegnato(m_e->grab(titolo).toImage()), !lista.isEmpty()); // the list in use named above its texts
        const QString cartelle =
            "|/impostazioni/ImpostazioniProgrammiLumio/Ordiparo/liste/|%1|txt|/programma/testiordiparo/";
        for (QString richiesta : DialoghiStandard::Prova::richieste()) // each dialog titled and filtered for its button
            QVERIFY(QStringList({"apri Open" + cartelle.arg("*.txt (*.txt);;Tutti i files (*)"),
                                 "salva Salva" + cartelle.arg("*.txt (*.txt)")})
                        .contains(richiesta.remove(m_ambiente.cartella())));
        QVERIFY(Messaggi::Prova::mostrati() == messaggi && this->mostrato() == mostrato);
    }

    // The chooser shows the pictures alone, upright and in proportion, each above its whole name; a double click
    // stores the bare name, fitted to the box.
    void sceltaImmagine()
    {
        const QString nome = QStringLiteral("ruotata.jpg");
        QDir(immagini()).removeRecursively();
        AmbienteProva::scrivi(immagini() + QStringLiteral("gatto.jpg"), jpeg({300, 300}));
        AmbienteProva::scrivi(immagini() + QStringLiteral("panorama.jpg"), jpeg({800, 400}));
        AmbienteProva::scrivi(immagini() + QStringLiteral("leggimi.txt"), "non è un'immagine");
        AmbienteProva::scrivi(immagini() + nome, jpeg({400, 300}, 6));
        m_e->scorrimentoEsercizi->setValue(2); // a picture row, its picture shown
        QVERIFY(m_e->immagineStimolo->isVisible());
        QSignalSpy avanzata(m_e->sceltaImmagine->barraAvanzamento, &QProgressBar::valueChanged);
        m_e->bottoneCaricaImmagine->click();
        SceltaImmagine* scelta = m_e->sceltaImmagine;
        QVERIFY(scelta->barraAvanzamento->isVisible() && scelta->cursor().shape() == Qt::BusyCursor);
        QTRY_VERIFY(!scelta->inCostruzione() && !scelta->barraAvanzamento->isVisible());
        QVERIFY(avanzata.contains(QVariantList{0}) && avanzata.contains(QVariantList{3})); // from empty all the way
        QListWidget* elenco = scelta->elencoImmagini;
        QVERIFY(comeAtteso(elenco->viewport()->grab().toImage(), QStringLiteral("miniature")));
        // A double click as the mouse makes it: the first press and release, then the second click.
        const QPoint centro = elenco->visualItemRect(elenco->item(2)).center();
        QTest::mouseClick(elenco->viewport(), Qt::LeftButton, {}, centro);
        QTest::mouseDClick(elenco->viewport(), Qt::LeftButton, {}, centro);
        QVERIFY(!scelta->isVisible() && m_e->immagineStimolo->isVisible());
        // The row's stimulus and the box under the picture name it; the row's statements stay as they were.
        QVERIFY(tabella().Testo(2, 0) == nome && tabella().Testo(2, 1) != nome && m_e->testoDi(0) == nome);
        QCOMPARE(m_e->immagineStimolo->geometry(), QRect(124, 24, 121, 161)); // upright, centred in the box
        QCOMPARE(m_e->immagineStimolo->pixmap().size(), QSize(121, 161));
        m_dialogo->resize(m_dialogo->size() * 3 / 2); // the picture grows with its box
        QTRY_VERIFY(m_e->immagineStimolo->pixmap().height() > 161 * 5 / 4);
        m_e->bottoneCaricaImmagine->click(); // reopened on the same folder: as it was left, the choice marked
        QVERIFY(scelta->isVisible() && !scelta->inCostruzione() && elenco->currentRow() == 2);
        AmbienteProva::scrivi(immagini() + QStringLiteral("zebra.jpg"), jpeg({300, 300}));
        m_e->bottoneCaricaImmagine->click();
        QTRY_VERIFY(!scelta->inCostruzione() && elenco->count() == 4); // the new one made, the others from the cache
        static QSemaphore entrata, uscita; // a file that never finishes reading holds the closing a while, not for ever
        auto* costruzione = new CostruzioneMiniature(
            nullptr, [](auto, auto) { return entrata.release(), uscita.acquire(), Miniature::Risultato{}; });
        costruzione->avvia({immagini() + nome});
        entrata.acquire(), delete costruzione, uscita.release(); // a wait with no end stops the test at the delete
    }
};

QTEST_MAIN(TestListaEditor)
#include "tst_listaeditor.moc"
