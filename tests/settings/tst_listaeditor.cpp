// The list editor and its picture chooser as a teacher drives them: buttons clicked, text typed, dialogs
// answered through their hooks, files read back from disk.
#include "settings/FormConfigura.h"
#include "settings/FrameCreaNuovaLista.h"
#include "settings/Miniature.h"
#include "settings/SceltaImmagine.h"
#include "support/AmbienteProva.h"
#include "support/CommDlgs.h"
#include "support/Messaggi.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace {
const QString kSovrascrivere = QStringLiteral("Un file con questo nome esiste già. Sovrascriverlo?");
const QString kNessunFile = QStringLiteral("Non hai scelto nessun file!");

QByteArray righe(const QStringList& testi)
{
    QByteArray byte;
    for (const QString& riga : testi)
        byte += riga.toLatin1() + "\r\n";
    return byte;
}

// One item as the list file holds it: the stimulus and its code, then eight statements "code text" (blank
// ones with code 3).
QStringList esercizio(const QString& stimolo, int codice, const QStringList& frasi)
{
    QStringList testi{stimolo, QStringLiteral(" %1 ").arg(codice)};
    for (int i = 0; i < 8; ++i) {
        const QString frase = frasi.value(i, QStringLiteral("3"));
        testi << frase.mid(2) << QStringLiteral(" %1 ").arg(frase.left(1));
    }
    return testi;
}

const QStringList kIniziale = esercizio(QStringLiteral("Il cane abbaia."), 1,
                                        {QStringLiteral("0 Il cane abbaia."), QStringLiteral("1 Il cane dorme."),
                                         QStringLiteral("2 Il cane si chiama Fido.")}) +
                              esercizio(QStringLiteral("gatto.jpg"), 0, {QStringLiteral("0 C'è un gatto.")});

// Which answer each statement shows: v, f, n, or - when none is chosen.
QString risposteMostrate(const FrameCreaNuovaLista* e)
{
    QString mostrate;
    for (int colonna = 1; colonna <= 8; ++colonna) {
        QChar scelta = u'-';
        for (int codice = 0; codice < 3; ++codice) {
            if (e->Option2[3 * (colonna - 1) + codice]->isChecked())
                scelta = QStringLiteral("vfn")[codice];
        }
        mostrate += scelta;
    }
    return mostrate;
}

QStringList didascalie(const QListWidget* elenco)
{
    QStringList testi;
    for (int i = 0; i < elenco->count(); ++i)
        testi << QFileInfo(elenco->item(i)->text()).fileName();
    return testi;
}

void datare(const QString& percorso, const QDateTime& quando)
{
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(quando, QFileDevice::FileModificationTime));
}

// The size of the picture drawn in the item's icon.
QSize disegnata(const QListWidgetItem* voce)
{
    const QImage icona = voce->icon().pixmap(Miniature::kLato).toImage();
    QRect dipinta;
    for (int y = 0; y < icona.height(); ++y) {
        for (int x = 0; x < icona.width(); ++x) {
            if (qAlpha(icona.pixel(x, y)) > 0)
                dipinta |= QRect(x, y, 1, 1);
        }
    }
    return dipinta.size();
}
} // namespace

class TestListaEditor : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    std::unique_ptr<ProgrammaProva> m_p;
    FormConfigura* m_dialogo = nullptr;
    FrameCreaNuovaLista* m_e = nullptr;

    QString nelleListe(const QString& nome) const { return m_ambiente.cartella() + QStringLiteral("/liste/") + nome; }
    QString immagini() const { return m_p->stato->percorsi.cartellaImmagini(); }
    QString cache() const { return m_ambiente.cartella() + QStringLiteral("/cache/thumbnails/normal/"); }
    TabellaFrasi& tabella() { return m_p->stato->TabellaFrasi; }

    // Runs one of the teacher's steps: "svuota", "aggiungi", "carica", "lista-in-uso", "salva", "testo" (the stimulus
    // becomes a text), "scrivi N text" (typed into box N), "incolla N text", "risposta C K" (answer K of statement C).
    void esegui(const QString& passo)
    {
        const QStringList parti = passo.split(u' ');
        const QString cosa = parti.first();
        if (cosa == QStringLiteral("svuota"))
            m_e->CommandSvuotaLista->click();
        else if (cosa == QStringLiteral("aggiungi"))
            m_e->Command3->click();
        else if (cosa == QStringLiteral("carica"))
            m_e->Command1->click();
        else if (cosa == QStringLiteral("lista-in-uso"))
            m_dialogo->CommandCambiaListaInUso->click();
        else if (cosa == QStringLiteral("salva"))
            m_e->CommandSalvaLista->click();
        else if (cosa == QStringLiteral("testo"))
            m_e->Option1[1]->click();
        else if (cosa == QStringLiteral("risposta"))
            m_e->Option2[3 * (parti[1].toInt() - 1) + parti[2].toInt()]->click();
        else if (cosa == QStringLiteral("scrivi"))
            QTest::keyClicks(m_e->Text1[parti[1].toInt()], parti.mid(2).join(u' '));
        else if (cosa == QStringLiteral("incolla")) {
            QGuiApplication::clipboard()->setText(parti.mid(2).join(u' ').replace(u'|', QStringLiteral("\r\n")));
            QTest::keySequence(m_e->Text1[parti[1].toInt()], QKeySequence::Paste);
        } else
            QFAIL(qPrintable(QStringLiteral("passo sconosciuto: ") + passo));
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", (m_ambiente.cartella() + QStringLiteral("/cache")).toLocal8Bit());
        CommDlgs::Prova::intercetta(true);
    }

    // Every test starts from a list of two items in use, shown in the editor.
    void init()
    {
        m_p = std::make_unique<ProgrammaProva>(m_ambiente);
        CommDlgs::Prova::dimentica();
        QDir(m_ambiente.cartella() + QStringLiteral("/liste")).removeRecursively();
        AmbienteProva::scrivi(nelleListe(QStringLiteral("lista.txt")), righe(kIniziale));
        AmbienteProva::scrivi(nelleListe(QStringLiteral("altra.txt")), "vecchia\r\n");
        m_p->imp().ListaInUso = nelleListe(QStringLiteral("lista.txt"));
        QVERIFY(!CaricaLista(tabella(), m_p->imp().ListaInUso, m_p->stato->percorsi));
        m_dialogo = m_p->programma.apriConfigurazioni(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(m_dialogo));
        // The design size of the controls' area: one twip in 15 is one pixel.
        m_dialogo->resize(720, 600 + m_dialogo->height() - m_dialogo->dimensioneArea().height());
        m_e = m_dialogo->FrameCreaNuovaLista;
        QVERIFY(!m_e->isVisible());
        m_dialogo->TabStrip1->setCurrentIndex(1); // "Scelte didattiche"
        QTest::mouseClick(m_dialogo->CommandCreaLista, Qt::LeftButton);
        QVERIFY(m_e->isVisible());
        QCOMPARE(m_e->geometry(), m_dialogo->area()->rect());
    }
    void cleanup() { m_p.reset(); }

    // What the teacher's steps leave in a file and as the list in use. Dialogs take the names given, "" cancels.
    void salvataggio_data()
    {
        QTest::addColumn<QStringList>("passi");
        QTest::addColumn<QStringList>("dialoghi");
        QTest::addColumn<bool>("si");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contenuto"); // null: the file must not exist
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QStringList>("messaggi");
        using L = QStringList;
        QStringList cambiata = kIniziale;
        cambiata[7] = QStringLiteral(" 1 "); // the code of statement 3 of item 1
        QTest::newRow("nuova lista da zero")
            << L{"svuota", "aggiungi", "testo", "incolla 0 Il gatto|dorme sul divano.", "scrivi 1 Il gatto dorme.",
                 "salva"}
            << L{"nuova.txt"} << true << "nuova.txt"
            << righe(esercizio("Il gatto dorme sul divano.", 1, {"0 Il gatto dorme."})) << "nuova.txt" << L{};
        QTest::newRow("scritto senza aggiungi: file vuoto")
            << L{"svuota", "testo", "scrivi 0 Il gatto.", "scrivi 1 Dorme.", "salva"} << L{"nuova.txt"} << true
            << "nuova.txt" << QByteArray("") << "nuova.txt" << L{};
        QTest::newRow("annullato senza lista in uso: niente scritto")
            << L{"svuota", "aggiungi", "salva"} << L{""} << true << "nuova.txt" << QByteArray() << "" << L{};
        QTest::newRow("annullato: la lista in uso, una risposta cambiata")
            << L{"risposta 3 1", "salva"} << L{""} << true << "lista.txt" << righe(cambiata) << "lista.txt"
            << L{kSovrascrivere};
        QTest::newRow("sovrascrivere? no") << L{"risposta 3 1", "salva"} << L{"altra.txt"} << false << "altra.txt"
                                           << QByteArray("vecchia\r\n") << "lista.txt" << L{kSovrascrivere};
        QTest::newRow("salvataggio fallito: la lista in uso resta")
            << L{"risposta 3 1", "salva"} << L{"manca/nuova.txt"} << true << "manca/nuova.txt" << QByteArray()
            << "lista.txt"
            << L{"Non è stato possibile salvare il file \"" + nelleListe("manca/nuova.txt") + "\".\r\nLa cartella \"" +
                 nelleListe("manca") + "\" non esiste."};
        QTest::newRow("carica annullato")
            << L{"carica"} << L{""} << true << "lista.txt" << righe(kIniziale) << "lista.txt" << L{kNessunFile};
        QTest::newRow("lista in uso, poi salvata sopra")
            << L{"svuota", "lista-in-uso", "salva"} << L{"lista.txt", ""} << true << "lista.txt" << righe(kIniziale)
            << "lista.txt" << L{kSovrascrivere};
        QTest::newRow("carica e salva altrove")
            << L{"carica", "svuota", "carica", "salva"} << L{"altra.txt", "lista.txt", "terza.txt"} << true
            << "terza.txt" << righe(kIniziale) << "terza.txt"
            << L{"La lista \"" + nelleListe("altra.txt") +
                 "\" è danneggiata: il file finisce a metà "
                 "dell'esercizio che comincia alla riga 1.\r\n"
                 "Sono stati caricati solo gli esercizi "
                 "completi (0)."};
    }
    void salvataggio()
    {
        QFETCH(QStringList, passi);
        QFETCH(QStringList, dialoghi);
        QFETCH(bool, si);
        QFETCH(QString, file);
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, lista);
        QFETCH(QStringList, messaggi);
        for (const QString& nome : dialoghi)
            CommDlgs::Prova::rispondiFile(nome.isEmpty() ? QString() : nelleListe(nome));
        Messaggi::Prova::rispostaSuccessiva(si);
        for (const QString& passo : passi)
            esegui(passo);
        QCOMPARE(AmbienteProva::leggi(nelleListe(file)), contenuto);
        QCOMPARE(QFileInfo::exists(nelleListe(file)), !contenuto.isNull());
        const QString attesa = lista.isEmpty() ? QString() : nelleListe(lista);
        QCOMPARE(m_p->imp().ListaInUso, attesa);
        QCOMPARE(m_dialogo->LabelListaInUso->text(), attesa);
        QCOMPARE(m_e->titolo(), attesa);
        QCOMPARE(Messaggi::Prova::mostrati(), messaggi);
    }

    // The dialogs as the teacher gets them.
    void dialoghi()
    {
        esegui(QStringLiteral("carica"));
        esegui(QStringLiteral("salva"));
        const QString programma = m_ambiente.cartellaProgramma();
        QCOMPARE(CommDlgs::Prova::richieste(),
                 QStringList({"apri Open|" + programma + "testiordiparo/|*.txt (*.txt);;Tutti i files (*)|txt",
                              "salva Salva|" + programma + "testizerb|*.txt (*.txt)|txt"}));
    }

    // The position below the browser and the row shown, after loading a list or emptying the table.
    void posizione_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("passi");
        QTest::addColumn<QString>("posizione");
        QTest::addColumn<QString>("stimolo");
        QTest::addColumn<QString>("risposte");
        QTest::newRow("due esercizi") << righe(kIniziale) << QStringList{} << "1 di 2"
                                      << "Il cane abbaia."
                                      << "vfn-----";
        // Loading empties the texts only: row 1 keeps the answers it had.
        QTest::newRow("file vuoto") << QByteArray() << QStringList{} << "1 di 0"
                                    << ""
                                    << "vfn-----";
        QTest::newRow("svuota due volte") << righe(kIniziale) << QStringList{"svuota", "svuota"} << "1 di 0"
                                          << ""
                                          << "vvvvvvvv";
        QTest::newRow("svuota e aggiungi") << righe(kIniziale) << QStringList{"svuota", "aggiungi"} << "1 di 1"
                                           << ""
                                           << "vvvvvvvv";
        QTest::newRow("aggiungi in fondo") << righe(kIniziale) << QStringList{"aggiungi"} << "3 di 3"
                                           << ""
                                           << "vvvvvvvv";
    }
    void posizione()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, passi);
        QFETCH(QString, posizione);
        QFETCH(QString, stimolo);
        QFETCH(QString, risposte);
        AmbienteProva::scrivi(nelleListe(QStringLiteral("scelta.txt")), file);
        CommDlgs::Prova::rispondiFile(nelleListe(QStringLiteral("scelta.txt")));
        esegui(QStringLiteral("carica"));
        for (const QString& passo : passi)
            esegui(passo);
        QCOMPARE(m_e->Label5->text(), posizione);
        QCOMPARE(m_e->testoDi(0), stimolo);
        QCOMPARE(risposteMostrate(m_e), risposte);
        QVERIFY(Messaggi::Prova::mostrati().isEmpty());
    }

    // Answers and stimulus kinds shown as the codes say; a choice changes its own cell only.
    void codiciMostrati()
    {
        m_p->metti(1, QStringLiteral("Il sole."), 1,
                   {"0a", "1b", "2c", "3d", "7e", "0f", "1g", "2h"}); // 7: a code no choice stands for
        m_e->CommandCreaLista_Click();
        QCOMPARE(risposteMostrate(m_e), QStringLiteral("vfn--vfn"));
        QVERIFY(m_e->Text1[0]->isVisible() && !m_e->Command2->isVisible() && m_e->Option1[1]->isChecked());
        m_e->Option2[3 * 2 + 1]->click(); // statement 3: "falso"
        QCOMPARE(tabella().Codice(1, 3), qint16(1));
        QCOMPARE(risposteMostrate(m_e), QStringLiteral("vff--vfn"));
        QCOMPARE(tabella().Codice(1, 2), qint16(1));
        QCOMPARE(tabella().Codice(1, 5), qint16(7));
        for (const qint16 tipo : {qint16(0), qint16(5)}) { // a picture, and a code the exercise shows as one
            tabella().Codice(1, 0) = tipo;
            m_e->CommandCreaLista_Click();
            QVERIFY(!m_e->Text1[0]->isVisible() && m_e->Command2->isVisible());
            QCOMPARE(m_e->Option1[0]->isChecked(), tipo == 0);
            QVERIFY(!m_e->Option1[1]->isChecked());
        }
        QCOMPARE(tabella().Testo(1, 0), QStringLiteral("Il sole.")); // kept while the row is a picture row
    }

    // The table holds 1000 items: a further one is refused and the editor stays on the last.
    void millesimoEsercizio()
    {
        tabella().NumeroRighe = 999;
        m_e->CommandCreaLista_Click();
        esegui(QStringLiteral("aggiungi"));
        QCOMPARE(m_e->Label5->text(), QStringLiteral("1000 di 1000"));
        QVERIFY(Messaggi::Prova::mostrati().isEmpty());
        m_e->HScroll4->setValue(3);
        esegui(QStringLiteral("aggiungi"));
        QCOMPARE(tabella().NumeroRighe, qint16(1000));
        QCOMPARE(m_e->Label5->text(), QStringLiteral("1000 di 1000"));
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
        QVERIFY(Messaggi::Prova::mostrati().first().contains(QStringLiteral("1000")));
    }

    // The chooser lists the pictures of the folder, each thumbnail upright and in proportion; a double click
    // stores the bare name and fits the picture into the stimulus box (321 × 161 at (24, 24) at design size).
    void sceltaImmagine_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QRect>("posto");
        QTest::newRow("quadrata: tutta l'altezza, al centro") << "gatto.jpg" << QRect(104, 24, 161, 161);
        QTest::newRow("2:1: tutta la larghezza") << "panorama.jpg" << QRect(24, 24, 321, 161);
        QTest::newRow("4:1: al centro in altezza") << "striscia.png" << QRect(24, 64, 321, 80);
        QTest::newRow("girata dall'EXIF") << "ruotata.jpg" << QRect(124, 24, 121, 161);
    }
    void sceltaImmagine()
    {
        QFETCH(QString, nome);
        QFETCH(QRect, posto);
        QDir(immagini()).removeRecursively();
        AmbienteProva::scrivi(immagini() + QStringLiteral("gatto.jpg"), AmbienteProva::jpeg({300, 300}));
        AmbienteProva::scrivi(immagini() + QStringLiteral("panorama.jpg"), AmbienteProva::jpeg({800, 400}));
        AmbienteProva::scrivi(immagini() + QStringLiteral("leggimi.txt"), "non è un'immagine");
        AmbienteProva::scrivi(immagini() + QStringLiteral("ruotata.jpg"), AmbienteProva::jpeg({400, 300}, 6));
        QImage striscia(400, 100, QImage::Format_RGB32);
        striscia.fill(Qt::red);
        QVERIFY(striscia.save(immagini() + QStringLiteral("striscia.png")));
        m_e->HScroll4->setValue(2); // a picture row
        m_e->Command2->click();
        SceltaImmagine* scelta = m_e->Frame10;
        QVERIFY(scelta->isVisible() && scelta->barr1->isVisible());
        QTRY_VERIFY(!scelta->inCostruzione());
        QVERIFY(!scelta->barr1->isVisible());
        QListWidget* elenco = scelta->ListView1;
        QCOMPARE(didascalie(elenco), QStringList({"gatto.jpg", "panorama.jpg", "ruotata.jpg", "striscia.png"}));
        const QList<QSize> lati{{128, 128}, {128, 64}, {96, 128}, {128, 32}};
        for (int i = 0; i < elenco->count(); ++i)
            QCOMPARE(disegnata(elenco->item(i)), lati[i]);
        QCOMPARE(QDir(cache()).entryList(QDir::Files).size(), 4); // the text file has no thumbnail

        QListWidgetItem* voce = elenco->findItems(nome, Qt::MatchEndsWith).value(0);
        QVERIFY(voce);
        QCOMPARE(voce->text(), immagini() + nome);
        // A double click as the mouse makes it: the first press and release, then the second click.
        const QPoint centro = elenco->visualItemRect(voce).center();
        QTest::mouseClick(elenco->viewport(), Qt::LeftButton, {}, centro);
        QTest::mouseDClick(elenco->viewport(), Qt::LeftButton, {}, centro);
        QVERIFY(!scelta->isVisible());
        QCOMPARE(tabella().Testo(2, 0), nome);
        QCOMPARE(tabella().Codice(2, 0), qint16(0));
        QVERIFY(m_e->Image1->isVisible());
        QCOMPARE(m_e->Image1->geometry(), posto);
        QCOMPARE(m_e->Image1->pixmap().size(), posto.size());

        // Opening again shows the same list without building anything.
        QListWidgetItem* primo = elenco->item(0);
        m_e->Command2->click();
        QVERIFY(!scelta->inCostruzione() && !scelta->barr1->isVisible());
        QCOMPARE(elenco->item(0), primo);
        scelta->Command4->click();
        QVERIFY(!scelta->isVisible());

        // Switched to a text, the row shows the picture's name; a row whose picture is gone shows none.
        m_e->Option1[1]->click();
        QCOMPARE(m_e->testoDi(0), nome);
        tabella().Testo(1, 0) = QStringLiteral("non-ce-più.jpg");
        tabella().Codice(1, 0) = 0;
        m_e->HScroll4->setValue(1);
        QVERIFY(!m_e->Image1->isVisible());
    }

    // The shared cache: a thumbnail is decoded once, found again by the URI and modification time of its file,
    // and made anew when the picture changes.
    void cacheMiniature_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("uri");
        QTest::newRow("nome semplice") << "gatto.jpg"
                                       << "gatto.jpg";
        QTest::newRow("spazi e accenti") << "il mio gatto è.jpg"
                                         << "il%20mio%20gatto%20%C3%A8.jpg";
    }
    void cacheMiniature()
    {
        QFETCH(QString, nome);
        QFETCH(QString, uri);
        QTemporaryDir cartella;
        const QString cacheProva = cartella.filePath(QStringLiteral("thumbnails/normal/"));
        const QString foto = cartella.filePath(nome);
        AmbienteProva::scrivi(foto, AmbienteProva::jpeg({600, 300}, 1, Qt::blue));
        const QDateTime prima = QDateTime::fromSecsSinceEpoch(1700000000);
        datare(foto, prima);

        Miniature::Risultato r = Miniature::crea(foto, cacheProva);
        QVERIFY(!r.dallaCache);
        QCOMPARE(r.immagine.size(), QSize(128, 64));
        const QString uriAtteso = QStringLiteral("file://") + cartella.path() + u'/' + uri;
        const QString salvata =
            cacheProva + QCryptographicHash::hash(uriAtteso.toLatin1(), QCryptographicHash::Md5).toHex() + ".png";
        QCOMPARE(Miniature::fileCache(cacheProva, foto), salvata);
        QCOMPARE(QImage(salvata).text(QStringLiteral("Thumb::URI")), uriAtteso);
        QCOMPARE(QImage(salvata).text(QStringLiteral("Thumb::MTime")), QStringLiteral("1700000000"));
        QCOMPARE(QFile::permissions(salvata),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser); // only the user's

        // The same modification time: the cache answers, the file itself is not even read.
        AmbienteProva::scrivi(foto, "illeggibile");
        datare(foto, prima);
        r = Miniature::crea(foto, cacheProva);
        QVERIFY(r.dallaCache);
        QVERIFY(r.immagine.pixelColor(64, 32).blue() > 250);

        // A new picture in the file: a new thumbnail, and the cache follows.
        AmbienteProva::scrivi(foto, AmbienteProva::jpeg({300, 600}, 1, Qt::red));
        datare(foto, prima.addSecs(60));
        r = Miniature::crea(foto, cacheProva);
        QVERIFY(!r.dallaCache);
        QCOMPARE(r.immagine.size(), QSize(64, 128));
        QVERIFY(r.immagine.pixelColor(32, 64).red() > 250);
        QCOMPARE(QImage(salvata).text(QStringLiteral("Thumb::MTime")), QStringLiteral("1700000060"));
        QVERIFY(Miniature::crea(foto, cacheProva).dallaCache);

        // Not a picture: nothing to show, nothing cached.
        AmbienteProva::scrivi(foto, "non è una foto");
        QVERIFY(Miniature::crea(foto, cacheProva).immagine.isNull());
        QCOMPARE(QImage(salvata).text(QStringLiteral("Thumb::MTime")), QStringLiteral("1700000060"));
    }
};

QTEST_MAIN(TestListaEditor)
#include "tst_listaeditor.moc"
