// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the program writes from fixed inputs, byte for byte against attesi/ (see its README.md).
#include "app/Avvio.h"
#include "exercise/SchermataEsercizio.h"
#include "results/SchermataEserciziEseguiti.h"
#include "settings/EditorListe.h"
#include "settings/Miniature.h"
#include "settings/SchermataConfigurazioni.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"
#include "support/SalvataggioProfilo.h"

#include <QClipboard>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QtEndian>

namespace {
QString attesi(const QString& nome)
{
    return AmbienteProva::sorgente(QStringLiteral("tests/app/attesi/") + nome);
}

// What the program wrote against the expected file; on a difference it is left in scritti/, to be looked at.
bool uguale(const QString& nome, const QByteArray& scritti)
{
    if (AmbienteProva::leggi(attesi(nome)) == scritti)
        return true;
    AmbienteProva::scrivi(QDir::currentPath() + QStringLiteral("/scritti/") + nome, scritti);
    qWarning("%s differs; what was written is in %s/scritti/", qPrintable(nome), qPrintable(QDir::currentPath()));
    return false;
}

// The thumbnail's PNG with the chunk that names the temporary folder made a plain line without it.
QByteArray senzaCartella(const QByteArray& png, const QString& cartella)
{
    QByteArray uscita = png.left(8);
    const QByteArray uri = "Thumb::URI";
    for (qsizetype i = 8; i + 12 <= png.size();) {
        const qsizetype lunghezza = qFromBigEndian<quint32>(png.constData() + i);
        const QByteArray tipo = png.mid(i + 4, 4);
        QByteArray dati = png.mid(i + 8, lunghezza);
        if (dati.startsWith(uri + '\0') && (tipo == "tEXt" || tipo == "zTXt")) {
            dati.remove(0, uri.size() + 1);
            if (tipo == "zTXt") // a method byte, then zlib data, which qUncompress reads after a size
                dati = qUncompress(QByteArray::fromHex("00001000") + dati.mid(1));
            uscita += uri + ' ' + dati.replace(QUrl::fromLocalFile(cartella).toEncoded(), "") + '\n';
        } else {
            uscita += png.mid(i, 12 + lunghezza);
        }
        i += 12 + lunghezza;
    }
    return uscita;
}
} // namespace

class TestFileScritti : public ProvaConProgramma {
    Q_OBJECT

private slots:
    void init() { nuovoProgramma(), DialoghiStandard::Prova::intercetta(true), DialoghiStandard::Prova::dimentica(); }
    void cleanup() { m_p.reset(), Messaggi::Prova::dimentica(); }

    // The start makes the settings folders with their readme and installs the cursive font for the user.
    void leggimiEFont()
    {
        Avvio::CompletaAvvio(m_p->programma);
        QVERIFY(uguale(QStringLiteral("leggimi.txt"), AmbienteProva::leggi(stato().percorsi.leggimi())));
        const QByteArray font = AmbienteProva::leggi(stato().percorsi.fontInstallato());
        QVERIFY(uguale(QStringLiteral("indis1.ttf.sha256"),
                       QCryptographicHash::hash(font, QCryptographicHash::Sha256).toHex() + '\n'));
    }

    // Profiles: the default one, one off every default, one not in Windows-1252, a damaged one saved again.
    void profili()
    {
        QDir().mkpath(stato().percorsi.cartellaUtenti());
        QVERIFY(SalvataggioProfilo::salva(nullptr, stato()));
        // The default list lies in the program's folder, here a temporary one.
        QVERIFY(
            uguale(QStringLiteral("predefinito.ini"),
                   AmbienteProva::leggi(stato().PercorsoUtente).replace(m_ambiente->cartella().toUtf8(), "CARTELLA")));

        ImpostazioniUtente& i = m_p->imp();
        // clang-format off
        i = {"corsivo", "C:\\Liste\\città, mare.txt", false, 50, 400, false, true, false, " Comic Sans MS", 1,
             true, "Indis1", "Times New Roman", 1638, 16777215, 255, 65280, false, true, true, 2, 60,
             -2147483633.0, -2147483624.0, 0, 4, 2000, 1500, 20, true, true, 1500, "tasto:F7", "mouse:destro"};
        // clang-format on
        stato().NomeUtente = QStringLiteral("Giulia");
        stato().PercorsoUtente = stato().percorsi.profiloUtente(stato().NomeUtente);
        QVERIFY(SalvataggioProfilo::salva(nullptr, stato()));
        QVERIFY(uguale(QStringLiteral("vario.ini"), AmbienteProva::leggi(stato().PercorsoUtente)));

        i.ListaInUso = QStringLiteral("/scuola/Łódź.txt");
        QVERIFY(SalvataggioProfilo::salva(nullptr, stato()));
        QVERIFY(uguale(QStringLiteral("utf8.ini"), AmbienteProva::leggi(stato().PercorsoUtente)));

        const QByteArray danneggiato = AmbienteProva::leggi(attesi(QStringLiteral("danneggiato.ini")));
        stato().NomeUtente = QStringLiteral("Marco");
        stato().PercorsoUtente = stato().percorsi.profiloUtente(stato().NomeUtente);
        AmbienteProva::scrivi(stato().PercorsoUtente, danneggiato);
        QVERIFY(stato().leggiProfiloUtente());
        QCOMPARE(AmbienteProva::leggi(stato().PercorsoUtente + QStringLiteral(".danneggiato")), danneggiato);
        QVERIFY(SalvataggioProfilo::salva(nullptr, stato()));
        QVERIFY(uguale(QStringLiteral("danneggiato-risalvato.ini"), AmbienteProva::leggi(stato().PercorsoUtente)));
        QCOMPARE(Messaggi::Prova::mostrati(), QStringList());
    }

    // Two computers on one shared profile: the second to save a change is asked whose settings the file keeps.
    void dueComputer_data()
    {
        QTest::addColumn<int>("tono"); // set on the second computer; 0: nothing changed there
        QTest::addColumn<bool>("tieniQueste");
        QTest::addColumn<QList<int>>("suDisco"); // the voice's speed and pitch
        QTest::newRow("tiene le sue") << 300 << true << QList<int>{130, 300};
        QTest::newRow("prende quelle dell'altro") << 300 << false << QList<int>{200, 120};
        QTest::newRow("nessun cambiamento") << 0 << true << QList<int>{200, 120};
    }
    void dueComputer()
    {
        QFETCH(int, tono);
        QFETCH(bool, tieniQueste);
        QFETCH(QList<int>, suDisco);
        ProgrammaProva secondo(*m_ambiente);
        QDir().mkpath(stato().percorsi.cartellaUtenti());
        for (StatoProgramma* computer : {&stato(), secondo.stato.get()}) {
            computer->NomeUtente = QStringLiteral("Marco");
            computer->PercorsoUtente = computer->percorsi.profiloUtente(computer->NomeUtente);
            QVERIFY(SalvataggioProfilo::salva(nullptr, *computer) && !computer->leggiProfiloUtente());
        }
        m_p->imp().TonoVoce = 120;
        QVERIFY(SalvataggioProfilo::salva(nullptr, stato()));
        m_p->imp().VelocitaVoce = 200;
        QVERIFY(SalvataggioProfilo::salva(nullptr, stato())); // its own save before asks nothing
        if (tono)
            secondo.imp().TonoVoce = static_cast<qint16>(tono);
        Messaggi::Prova::rispostaSuccessiva(tieniQueste);
        QVERIFY(SalvataggioProfilo::salva(nullptr, *secondo.stato));
        QCOMPARE(Messaggi::Prova::mostrati().filter(QStringLiteral("cambiato da un altro computer")).size(),
                 tono ? 1 : 0);
        const QList<int> inUso{secondo.imp().VelocitaVoce, secondo.imp().TonoVoce}; // on the second computer
        QVERIFY(!secondo.stato->leggiProfiloUtente());
        QCOMPARE((QList<int>{secondo.imp().VelocitaVoce, secondo.imp().TonoVoce}), suDisco);
        QVERIFY(!tono || inUso == suDisco);
    }

    // A list edited and saved again, and with a text not in Windows-1252.
    void liste()
    {
        const QString originale = m_ambiente->file(QStringLiteral("originale.txt"));
        QFile::copy(attesi(QStringLiteral("lista-originale.txt")), originale);
        m_p->imp().ListaInUso = originale;
        QVERIFY(!CaricaLista(stato().TabellaFrasi, originale, stato().percorsi));
        SchermataConfigurazioni* configura = m_p->programma.apriConfigurazioni(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(configura));
        trova<QTabBar>(configura, "schede")->setCurrentIndex(1);
        QTest::mouseClick(trova<QPushButton>(configura, "bottoneGestioneFile"), Qt::LeftButton);
        EditorListe* editor = configura->editorListe();
        QTest::keyClicks(editor->caselleTesto[8], QStringLiteral("Si sente, forse, un gufo."));
        editor->sceltaRisposte[3 * 7 + 2]->click();
        const QString salvata = m_ambiente->file(QStringLiteral("salvata.txt"));
        DialoghiStandard::Prova::rispondiFile(salvata);
        editor->bottoneSalvaLista->click();
        QVERIFY(uguale(QStringLiteral("lista-salvata.txt"), AmbienteProva::leggi(salvata)));

        QGuiApplication::clipboard()->setText(QStringLiteral(" Łódź"));
        QTest::keySequence(editor->caselleTesto[0], QKeySequence::Paste);
        const QString utf8 = m_ambiente->file(QStringLiteral("utf8.txt"));
        DialoghiStandard::Prova::rispondiFile(utf8);
        editor->bottoneSalvaLista->click();
        QVERIFY(uguale(QStringLiteral("lista-utf8.txt"), AmbienteProva::leggi(utf8)));
        QCOMPARE(Messaggi::Prova::mostrati(), QStringList());
    }

    // The record of a run of the exercise, saved by the results screen under a fixed date, and its printed text.
    void registro()
    {
        m_p->metti(1, QStringLiteral("Il gatto, Micio, dorme sul divano."), 1,
                   {QStringLiteral("0Il gatto dorme."), QStringLiteral("1Il gatto mangia."),
                    QStringLiteral("2Il gatto si chiama Micio.")});
        m_p->metti(
            2, QStringLiteral("La città è piena di luci."), 1,
            {QStringLiteral("1È notte fonda."),
             QStringLiteral("0Ci sono luci nelle case, nelle strade, nelle vetrine dei negozi e sulle piazze.")});
        stato().NomeUtente = QStringLiteral("Anna");
        SchermataEsercizio* esercizio = m_p->programma.apriEsercizio(nullptr);
        for (int passo = 0; passo < 6; ++passo) {
            const int giusta = stato().TabellaFrasi.Codice(esercizio->RigaCorrente(), esercizio->ColonnaCorrente());
            for (int sbagliata = 0; sbagliata < passo % 3; ++sbagliata)
                esercizio->bottoniRisposta[(giusta + 1 + sbagliata) % 3]->click();
            esercizio->bottoniRisposta[giusta]->click();
            esercizio->bottoneAvanti->click();
        }
        SchermataEserciziEseguiti* risultati = m_p->programma.apriEserciziEseguiti(esercizio);
        QVERIFY(QTest::qWaitForWindowExposed(risultati));
        risultati->intestazioneRegistro->setText(SchermataEserciziEseguiti::intestazione(QDate(2026, 3, 2)));
        const QString registro = m_ambiente->file(QStringLiteral("registro.rpt"));
        DialoghiStandard::Prova::rispondiFile(registro);
        risultati->azioneSalva->trigger();
        QVERIFY(uguale(QStringLiteral("registro.rpt"), AmbienteProva::leggi(registro)));

        const QString pdf = m_ambiente->file(QStringLiteral("registro.pdf"));
        DialoghiStandard::Prova::rispondiFile(pdf);
        risultati->azioneStampa->trigger();
        QVERIFY(uguale(QStringLiteral("registro-stampato.txt"),
                       AmbienteProva::uscitaDi("pdftotext", {"-layout", pdf, "-"})));
        QCOMPARE(Messaggi::Prova::mostrati(), QStringList());
        QVERIFY(
            uguale(QStringLiteral("registro-stampato.png"), // the page as drawn: lines, shading, letters
                   AmbienteProva::uscitaDi("pdftoppm", {"-png", "-r", "144", "-aa", "no", "-aaVector", "no", pdf})));
    }

    // The thumbnail that the picture chooser leaves in the desktop's shared cache, in a folder only the user reads.
    void miniatura()
    {
        QImage disegno(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < disegno.height(); ++y) {
            for (int x = 0; x < disegno.width(); ++x)
                disegno.setPixel(x, y, qRgb(x * 255 / 299, y * 255 / 199, (x + y) % 256));
        }
        const QString foto = m_ambiente->file(QStringLiteral("foto.png"));
        QVERIFY(disegno.save(foto));
        QFile file(foto);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(QDateTime(QDate(2026, 3, 2), QTime(8, 30), Qt::UTC),
                                                                    QFileDevice::FileModificationTime));
        file.close();
        const QString cache = m_ambiente->file(QStringLiteral("cache/"));
        QVERIFY(!Miniature::crea(foto, cache).immagine.isNull());
        const QByteArray png = AmbienteProva::leggi(Miniature::fileCache(cache, foto));
        QVERIFY(uguale(QStringLiteral("miniatura.png-senza-cartella"), senzaCartella(png, m_ambiente->cartella())));
        QVERIFY(!(QFile::permissions(QFileInfo(Miniature::fileCache(cache, foto)).path()) & QFile::Permissions(0x77)));
        // Looked at again it comes from the cache; once the picture has changed, it is made anew.
        QVERIFY(Miniature::crea(foto, cache).dallaCache);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(QDateTime(QDate(2026, 3, 3), QTime(8, 30), Qt::UTC),
                                                                    QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(!Miniature::crea(foto, cache).dallaCache && Miniature::crea(foto, cache).dallaCache);
    }
};

QTEST_MAIN(TestFileScritti)
#include "tst_filescritti.moc"
