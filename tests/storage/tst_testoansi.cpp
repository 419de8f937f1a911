// SPDX-License-Identifier: GPL-3.0-or-later
// Files between school computers: text encodings, list and record bytes, odd contents, failed saves, wave sounds.
#include "storage/FileRegistro.h"
#include "storage/FileSuono.h"
#include "storage/ImpostazioniUtente.h"
#include "storage/RegistroEsercizi.h"
#include "storage/TabellaFrasi.h"
#include "storage/TestoAnsi.h"
#include "support/AmbienteProva.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QtEndian>
#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QByteArray kVecchio = "il file di prima\r\n";
constexpr int kSenzaTmpfs = 3;
using Righe = QList<FileRegistro::Riga>;

// A list of that many rows as a modern editor saves it, in UTF-8: "Città" and the row's number, "Vera", "Falsa".
QByteArray listaFile(int righe)
{
    QByteArray file;
    for (int riga = 1; riga <= righe; ++riga)
        file += "Citt\xC3\xA0 " + QByteArray::number(riga) + "\r\n 1 \r\nVera\r\n 0 \r\nFalsa\r\n 1 \r\n" +
                QByteArray("\r\n 3 \r\n").repeated(6);
    return file;
}

// In a child: profile (esercizi < 0) or list saved on a bad disk; 0 if told in Italian, the old file whole.
int salvaNelFiglio(const QString& cartella, const QString& nome, const QString& disco, int esercizi,
                   const QString& causa)
{
    const QByteArray dove = QFile::encodeName(cartella);
    if (disco.startsWith(QStringLiteral("tmpfs")) &&
        (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
         mount("tmpfs", dove.constData(), "tmpfs", 0,
               disco == QStringLiteral("tmpfs pieno") ? "size=4k" : "size=64k") != 0))
        return kSenzaTmpfs;
    const QString percorso = cartella + u'/' + nome;
    if (nome == QStringLiteral("cartella"))
        QDir().mkpath(percorso);
    else if (disco == QStringLiteral("collegamento")) {
        AmbienteProva::scrivi(cartella + QStringLiteral("/../altrove"), kVecchio);
        QFile::link(QStringLiteral("../altrove"), percorso);
    } else if (!nome.contains(u'/'))
        AmbienteProva::scrivi(percorso, kVecchio);
    if (disco == QStringLiteral("tmpfs di sola lettura"))
        mount(nullptr, dove.constData(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k");
    const rlimit limite{64, 64};
    if (disco == QStringLiteral("limite") &&
        (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limite)))
        return 1;
    const QByteArray prima = AmbienteProva::leggi(percorso);
    TabellaFrasi tabella;
    tabella.NumeroRighe = static_cast<qint16>(esercizi);
    for (int riga = 1; riga <= esercizi; ++riga)
        tabella.Testo(riga, 0) = QStringLiteral("Il gatto dorme sul divano numero %1.").arg(riga);
    const std::optional<QString> errore =
        esercizi < 0 ? FileProfilo::SalvaUtente(ImpostazioniUtente(), percorso) : SalvaFile(tabella, percorso);
    const QByteArray dopo = AmbienteProva::leggi(percorso);
    const QStringList righe = errore.value_or(QString()).split(QStringLiteral("\r\n"));
    if (righe.size() == 2 && righe[0].startsWith(QStringLiteral("Non è stato possibile salvare il file \"")) &&
        righe[1].contains(causa) && dopo == prima &&
        QFileInfo(percorso).isSymLink() == (disco == QStringLiteral("collegamento")))
        return 0;
    qWarning("%s\n%s", qPrintable(errore.value_or(QStringLiteral("saved"))), dopo.constData());
    return 1;
}

QByteArray pezzo(const QByteArray& nome, const QByteArray& dati, quint32 lunghezza = 0)
{
    QByteArray misura(4, Qt::Uninitialized);
    qToLittleEndian<quint32>(lunghezza ? lunghezza : static_cast<quint32>(dati.size()), misura.data());
    return nome + misura + dati + QByteArray(dati.size() % 2, '\0'); // chunks are padded to even lengths
}

// A wave file: "fmt " (1 integers, 3 floats, 0xFFFE extensible), channels, rate, bits, then the chunks.
QByteArray wave(quint16 tipo, quint16 canali, quint32 frequenza, quint16 bit, const QByteArray& pezzi)
{
    QByteArray formato(tipo == 0xFFFE ? 40 : 16, '\0');
    qToLittleEndian(tipo, formato.data());
    qToLittleEndian(canali, formato.data() + 2);
    qToLittleEndian(frequenza, formato.data() + 4);
    qToLittleEndian(bit, formato.data() + 14);
    if (tipo == 0xFFFE)
        formato[24] = 1;
    return pezzo("RIFF", "WAVE" + pezzo("fmt ", formato) + pezzi);
}
} // namespace

class TestTestoAnsi : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;

private slots:
    // Both ways, and as a file of that line and a blank one, each ended by CR LF; some bytes are only read.
    void codifica_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<bool>("soloLetti");
        QTest::newRow("italiano") << "può “sì” — 5 €" << QByteArray("pu\xF2 \x93s\xEC\x94 \x97 5 \x80") << false;
        QTest::newRow("fuori da 1252") << "Łukasz ☺" << QByteArray("\xEF\xBB\xBF\xC5\x81ukasz \xE2\x98\xBA") << false;
        // In Windows-1252 these would read back as UTF-8 "é", or as a byte order mark.
        QTest::newRow("1252 che pare utf-8") << "Ã©" << QByteArray("\xEF\xBB\xBF\xC3\x83\xC2\xA9") << false;
        QTest::newRow("1252 che pare un bom") << "ï»¿x" << QByteArray("\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx") << false;
        QTest::newRow("1252 non utf-8, con un primo byte utf-8") << "Ã ©" << QByteArray("\xC3 \xA9") << false;
        QTest::newRow("utf-8 con bom") << "può" << QByteArray("\xEF\xBB\xBFpu\xC3\xB2") << true;
        QTest::newRow("utf-8 senza bom") << "perché “sì”"
                                         << QByteArray("perch\xC3\xA9 \xE2\x80\x9Cs\xC3\xAC\xE2\x80\x9D") << true;
    }
    void codifica()
    {
        QFETCH(QString, testo);
        QFETCH(QByteArray, byte);
        QFETCH(bool, soloLetti);
        QCOMPARE(TestoAnsi::decodifica(byte), testo);
        if (soloLetti)
            return;
        QCOMPARE(TestoAnsi::codifica(testo), byte);
        QVERIFY(!TestoAnsi::scriviRighe(m_ambiente.file(QStringLiteral("righe.txt")), {testo, QString()}));
        QCOMPARE(AmbienteProva::leggi(m_ambiente.file(QStringLiteral("righe.txt"))), byte + "\r\n\r\n");
    }

    // Seen as root too: a name too long, a size limit for a full disk, a tiny tmpfs where the test may mount.
    void salvataggioFallito_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("disco");
        QTest::addColumn<int>("esercizi"); // -1: the profile
        QTest::addColumn<QString>("causa");
        const QString s = QStringLiteral("salvato.txt");
        QTest::newRow("nome lunghissimo") << QString(250, u'n') << "" << 1 << "Controlla che la cartella esista";
        QTest::newRow("nome di una cartella") << "cartella"
                                              << "" << 1 << "è di una cartella";
        QTest::newRow("cartella mancante")
            << "manca/lista.txt"
            << "" << 1 << "La cartella \"" + m_ambiente.file(QStringLiteral("disco/manca")) + "\" non esiste";
        QTest::newRow("profilo, limite") << s << "limite" << -1 << "Il disco è pieno";
        QTest::newRow("lista grande, limite") << s << "limite" << 1000 << "Il disco è pieno";
        QTest::newRow("lista piccola, tmpfs pieno") << s << "tmpfs pieno" << 20 << "Il disco è pieno";
        QTest::newRow("profilo, sola lettura") << s << "tmpfs di sola lettura" << -1 << "permesso";
        // What a link leads to is never written: the old file there stays whole, and the link stays a link.
        QTest::newRow("collegamento") << s << "collegamento" << -1 << "collegamento";
    }
    void salvataggioFallito()
    {
        QFETCH(QString, nome);
        QFETCH(QString, disco);
        QFETCH(int, esercizi);
        QFETCH(QString, causa);
        const QString cartella = m_ambiente.file(QStringLiteral("disco"));
        QVERIFY(QDir(cartella).removeRecursively() && QDir().mkpath(cartella));
        const pid_t figlio = fork();
        if (figlio == 0)
            _exit(salvaNelFiglio(cartella, nome, disco, esercizi, causa));
        int stato = 0;
        QCOMPARE(waitpid(figlio, &stato, 0), figlio);
        if (WIFEXITED(stato) && WEXITSTATUS(stato) == kSenzaTmpfs)
            QSKIP("no tmpfs can be mounted here (it needs root)");
        QCOMPARE(stato, 0);
    }

    // Blanks, quotes, a negative code; a blank cell gets code 3; rows past the count are not written.
    void salvataByteperByte()
    {
        TabellaFrasi tabella;
        tabella.NumeroRighe = 2;
        tabella.Testo(1, 0) = QStringLiteral("Il gatto, \"Micio\", dorme.");
        tabella.Codice(1, 0) = 1;
        tabella.Testo(1, 1) = QStringLiteral("  Perché sì.  ");
        tabella.Testo(1, 2) = QStringLiteral("   ");
        tabella.Codice(1, 2) = 2;
        tabella.Testo(2, 0) = QStringLiteral("gatto.jpg");
        tabella.Testo(2, 8) = QStringLiteral("L'ultima, vera.");
        tabella.Codice(2, 8) = -5;
        tabella.Testo(3, 0) = QStringLiteral("oltre NumeroRighe: mai scritto");
        const QString percorso = m_ambiente.file(QStringLiteral("salvata.txt"));
        QVERIFY(!SalvaFile(tabella, percorso));

        const QByteArray vuota("\r\n 3 \r\n");
        const QByteArray atteso =
            "Il gatto, \"Micio\", dorme.\r\n 1 \r\n  Perch\xE9 s\xEC.  \r\n 0 \r\n   \r\n 3 \r\n" + vuota.repeated(6) +
            "gatto.jpg\r\n 0 \r\n" + vuota.repeated(7) + "L'ultima, vera.\r\n-5 \r\n";
        QVERIFY(AmbienteProva::leggi(percorso) == atteso && tabella.Codice(1, 2) == 3);
    }

    // Only whole rows are kept; a list gone or not chosen gives the default one (-1 rows); no file or a link: refused.
    void listeLette_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("percorso"); // null: the file holding contenuto
        QTest::addColumn<int>("righe");
        QTest::addColumn<QString>("messaggio");
        const QString aperta = QStringLiteral("Non è stato possibile aprire la lista");
        QTest::newRow("1001 righe") << listaFile(1001) << QString() << 1000 << "ha più di 1000 esercizi";
        QTest::newRow("finisce a metà riga")
            << listaFile(2) + "Stimolo\r\n 1 \r\nVera\r\n"
            << QString() << 2 << "finisce a metà dell'esercizio che comincia alla riga 37";
        QTest::newRow("codice non numerico") << listaFile(1) + "Stimolo\r\nuno\r\n"
                                             << QString() << 1 << "la riga 20 non contiene un codice valido";
        QTest::newRow("codice a 17 bit") << listaFile(1) + "S\r\n40000\r\n" << QString() << 1 << "riga 20";
        QTest::newRow("codice seguito da altro")
            << listaFile(2).replace(" 0 \r\n", "  0,7 vero\r\n") << QString() << 2 << QString();
        QTest::newRow("righe vuote in fondo") << listaFile(2) + "\r\n\r\n" << QString() << 2 << QString();
        QTest::newRow("vuota") << QByteArray() << QString() << 0 << QString();
        QTest::newRow("oltre 16 MB") << listaFile(2) + QByteArray(16 * 1024 * 1024, '\n') << QString() << 0 << aperta;
        QTest::newRow("fifo") << QByteArray() << m_ambiente.file(QStringLiteral("fifo.txt")) << 0 << aperta;
        QTest::newRow("collegamento") << listaFile(2) << m_ambiente.file(QStringLiteral("collegata.txt")) << 0
                                      << "collegata.txt\": è un collegamento";
        QTest::newRow("cancellata") << QByteArray() << m_ambiente.file(QStringLiteral("manca.txt")) << -1 << QString();
        QTest::newRow("nessuna") << QByteArray() << "" << -1 << QString();
        QTest::newRow("con barre rovesciate")
            << listaFile(4) << m_ambiente.file(QStringLiteral("lista.txt")).replace(u'/', u'\\') << 4 << QString();
    }
    void listeLette()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, percorso);
        QFETCH(int, righe);
        QFETCH(QString, messaggio);
        AmbienteProva::scrivi(m_ambiente.file(QStringLiteral("lista.txt")), contenuto);
        if (percorso.endsWith(QStringLiteral("fifo.txt")))
            AmbienteProva::creaFifo(percorso);
        if (percorso.endsWith(QStringLiteral("collegata.txt")) && !QFileInfo::exists(percorso))
            QVERIFY(QFile::link(m_ambiente.file(QStringLiteral("lista.txt")), percorso));
        AmbienteProva::scrivi(m_ambiente.file(QStringLiteral("prima.txt")), listaFile(3));
        TabellaFrasi tabella;
        QVERIFY(!CaricaLista(tabella, m_ambiente.file(QStringLiteral("prima.txt")), m_ambiente.percorsi()));
        const std::optional<QString> errore =
            CaricaLista(tabella, percorso.isNull() ? m_ambiente.file(QStringLiteral("lista.txt")) : percorso,
                        m_ambiente.percorsi());
        QVERIFY2(errore.has_value() != messaggio.isEmpty() && errore.value_or(QString()).contains(messaggio),
                 qPrintable(errore.value_or(QStringLiteral("letta"))));
        if (righe < 0) {
            QVERIFY(tabella.NumeroRighe >= 20);
            return;
        }
        QCOMPARE(tabella.NumeroRighe, qint16(righe));
        QCOMPARE(tabella.Testo(righe, 0), righe ? QStringLiteral("Città %1").arg(righe) : QString());
        QCOMPARE(tabella.Codice(righe, 1), qint16(0)); // "Vera", or row 0 that is never filled
        QVERIFY(righe == TabellaFrasi::kUltimaRiga || tabella.Testo(righe + 1, 0).isEmpty());
    }

    // Every text comes back as it was, blanks, commas, quotes and accents included.
    void salvatoERiletto()
    {
        const Righe righe{{"gatto.jpg", "  Il gatto, \"Micio\", dorme.  ", " *  * ", "", ""},
                          {"\"Città\"", "", "   ", "libera, con virgola", "fine "}};
        const FileRegistro registro{QStringLiteral("Anna Rossi"), QStringLiteral("Ordiparo05/12/2026"), righe,
                                    QStringLiteral(" nota, del maestro")};
        const QString percorso = m_ambiente.file(QStringLiteral("salvato.rpt"));
        QVERIFY(!RegistroSuFile::salva(percorso, registro));
        QCOMPARE(AmbienteProva::leggi(percorso),
                 QByteArray("Anna Rossi\r\nOrdiparo05/12/2026\r\n 3 \r\n"
                            "gatto.jpg\r\n  Il gatto, \"Micio\", dorme.  \r\n *  * \r\n\r\n\r\n"
                            "\"Citt\xE0\"\r\n\r\n   \r\nlibera, con virgola\r\nfine \r\n nota, del maestro\r\n"));

        const LetturaRegistro letto = RegistroSuFile::leggi(percorso);
        QVERIFY2(letto.completa(), qPrintable(letto.difetto));
        QVERIFY(letto.Utente == registro.Utente && letto.Intestazione == registro.Intestazione && letto.righe == righe);
        QCOMPARE(letto.Nota, registro.Nota);
    }

    // The first two lines end at a comma; a file that ends early or has no row count is not whole.
    void letture_data()
    {
        QTest::addColumn<QByteArray>("byte"); // null: the path is a folder
        QTest::addColumn<QString>("utente");  // "-" when not reached
        QTest::addColumn<Righe>("righe");
        QTest::addColumn<bool>("completa");
        const QByteArray testa("Anna\r\nOrdiparo05/12/2026\r\n");
        const QByteArray riga("s\r\na\r\ne\r\n4\r\n5\r\n");
        const Righe una{{"s", "a", "e", "4", "5"}};
        QTest::newRow("utente con la virgola") << "Rossi, Anna\r\nOrdiparo05/12/2026\r\n 2 \r\n" + riga + "\r\n"
                                               << "Rossi" << una << true;
        QTest::newRow("utente tra virgolette")
            << QByteArray("  \"Rossi, Anna\" x\r\nOrdiparo\r\n 1 \r\nnota\r\n") << "Rossi, Anna" << Righe() << true;
        QTest::newRow("a capo Unix, in UTF-8")
            << QByteArray("Nicol\xC3\xB2\nOrdiparo\n 2 \ns\na\ne\n4\n5\n\n") << "Nicolò" << una << true;
        const auto monco = [&](const char* nome, const QByteArray& byte, const Righe& righe = {}) {
            QTest::newRow(nome) << byte << "Anna" << righe << false;
        };
        monco("troncato a metà riga", testa + " 4 \r\n" + riga + "t\r\nb\r\n", una + Righe{{"t", "b", "", "", ""}});
        monco("senza la nota", testa + " 2 \r\n" + riga, una);
        monco("zero righe", testa + " 0 \r\n\r\n");
        monco("conteggio non numerico", testa + "tre\r\n" + riga + "\r\n");
        monco("conteggio oltre 16 bit", testa + " 40000 \r\n" + riga);
        monco("finisce prima del conteggio", testa);
        QTest::newRow("file vuoto") << QByteArray("") << "-" << Righe() << false;
        QTest::newRow("cartella") << QByteArray() << "-" << Righe() << false;
    }
    void letture()
    {
        QFETCH(QByteArray, byte);
        QFETCH(QString, utente);
        QFETCH(Righe, righe);
        QFETCH(bool, completa);
        const QString percorso = byte.isNull() ? m_ambiente.cartella() : m_ambiente.file(QStringLiteral("letto.rpt"));
        if (!byte.isNull())
            AmbienteProva::scrivi(percorso, byte);
        const LetturaRegistro letto = RegistroSuFile::leggi(percorso);
        QCOMPARE(letto.Utente.value_or(QStringLiteral("-")), utente);
        QVERIFY(letto.righe == righe && letto.completa() == completa && letto.difetto.isEmpty() == completa);
    }

    // A full record takes no more rows, and a wrong answer then marks none; emptied, it begins again at row 1.
    void registroPienoSmetteInSilenzio()
    {
        RegistroEsercizi registro;
        for (int i = 1; i <= RegistroEsercizi::kCapacita; ++i)
            QVERIFY(registro.aggiungi(QString::number(i), QString()));
        QVERIFY(!registro.aggiungi(QStringLiteral("oltre"), QString()));
        registro.segnaErrore();
        QCOMPARE(registro.NumeroEseguiti(), qint16(1000));
        QCOMPARE(registro.riga(1000).Stimolo + registro.riga(1000).Errori, QStringLiteral("1000"));
        registro.azzera();
        registro.aggiungi(QStringLiteral("e"), QStringLiteral("f"));
        registro.segnaErrore();
        QVERIFY(registro.NumeroEseguiti() == 1 && registro.riga(1).Errori == QStringLiteral(" * "));
    }

    // Channels averaged, rates interpolated, other chunks passed over; anything else is no sound.
    void decodifica_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("attesi"); // empty: not a sound
        const QByteArray dati = pezzo("data", QByteArray::fromHex("0000e803 18fcff7f"));
        const QList<int> letti{0, 1000, -1000, 32767};
        QTest::newRow("16 bit mono") << wave(1, 1, 44100, 16, dati) << letti;
        QTest::newRow("8 bit stereo a 22050 Hz") << wave(1, 2, 22050, 8, pezzo("data", QByteArray::fromHex("c040ffff")))
                                                 << QList<int>{0, 16256, 32512, 32512};
        QTest::newRow("virgola mobile") << wave(3, 1, 44100, 32, pezzo("data", QByteArray::fromHex("0000003f000000c0")))
                                        << QList<int>{16384, -32768};
        QTest::newRow("32 bit") << wave(1, 1, 44100, 32, pezzo("data", QByteArray::fromHex("00000040")))
                                << QList<int>{16384};
        QTest::newRow("24 bit estensibile")
            << wave(0xFFFE, 1, 44100, 24, pezzo("data", QByteArray::fromHex("000040"))) << QList<int>{16384};
        QTest::newRow("pezzo dispari prima") << wave(1, 1, 44100, 16, pezzo("LIST", "abc") + dati) << letti;
        QTest::newRow("lunghezza oltre la fine")
            << wave(1, 1, 44100, 16, pezzo("data", QByteArray::fromHex("1000"), 4000000000u)) << QList<int>{16};
        QTest::newRow("non RIFF") << "RIFX" + wave(1, 1, 44100, 16, dati).mid(4) << QList<int>{};
        QTest::newRow("campioni prima del formato")
            << pezzo("RIFF", "WAVE" + dati) + wave(1, 1, 44100, 16, {}).mid(12) << QList<int>{};
        QTest::newRow("senza campioni") << wave(1, 1, 44100, 16, {}) << QList<int>{};
        QTest::newRow("nessun canale") << wave(1, 0, 44100, 16, dati) << QList<int>{};
        QTest::newRow("12 bit") << wave(1, 1, 44100, 12, dati) << QList<int>{};
        QTest::newRow("100 Hz") << wave(1, 1, 100, 16, dati) << QList<int>{};
        QTest::newRow("meno di un campione") << wave(1, 2, 44100, 16, pezzo("data", "abc")) << QList<int>{};
    }
    void decodifica()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, attesi);
        const std::optional<QByteArray> pcm = FileSuono::decodifica(file);
        QCOMPARE(pcm.has_value(), !attesi.isEmpty());
        QList<int> letti;
        for (qsizetype i = 0; pcm && i < pcm->size() / 2; ++i)
            letti << qFromLittleEndian<qint16>(pcm->constData() + 2 * i);
        QVERIFY(letti == attesi && !FileSuono::leggi(QStringLiteral("/nessuna/cartella/si.wav")));
    }
};

QTEST_GUILESS_MAIN(TestTestoAnsi)
#include "tst_testoansi.moc"
