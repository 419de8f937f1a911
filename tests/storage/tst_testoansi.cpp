// Text files between school computers: encodings on reading and writing, and saves that fail.
#include "storage/ImpostazioniUtente.h"
#include "storage/TabellaFrasi.h"
#include "storage/TestoAnsi.h"
#include "support/AmbienteProva.h"

#include <QDir>
#include <QTest>
#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QByteArray kVecchio = "il file di prima\r\n";
constexpr int kSenzaTmpfs = 3;

// Writes until the disk refuses.
void riempi(const QString& percorso)
{
    QFile file(percorso);
    const QByteArray blocco(4096, 'x');
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        while (file.write(blocco) > 0)
            continue;
}

// In a child process: the old file on a disk that cannot take the new one, then the save. Writes the message
// and the file as it is after the save, split by a zero byte.
int salvaNelFiglio(int uscita, const QString& cartella, const QString& disco, int esercizi, const Percorsi& percorsi)
{
    if (disco != QStringLiteral("limite") &&
        (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
         mount("tmpfs", QFile::encodeName(cartella).constData(), "tmpfs", 0, "size=64k") != 0))
        return kSenzaTmpfs;
    const QString percorso = cartella + QStringLiteral("/salvato.txt");
    AmbienteProva::scrivi(percorso, kVecchio);
    if (disco == QStringLiteral("tmpfs pieno"))
        riempi(cartella + QStringLiteral("/riempimento"));
    if (disco == QStringLiteral("tmpfs di sola lettura"))
        mount(nullptr, QFile::encodeName(cartella).constData(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k");
    if (disco == QStringLiteral("limite")) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{64, 64};
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    std::optional<QString> errore;
    if (esercizi < 0) {
        ImpostazioniUtente impostazioni;
        ModuloPerIni::ImpostazioniPredefinite(impostazioni, percorsi);
        errore = ModuloPerIni::SalvaUtente(impostazioni, percorso);
    } else {
        TabellaFrasi tabella;
        tabella.NumeroRighe = static_cast<qint16>(esercizi);
        for (int riga = 1; riga <= esercizi; ++riga)
            tabella.Testo(riga, 0) = QStringLiteral("Il gatto dorme sul divano numero %1.").arg(riga);
        errore = SalvaFile(tabella, percorso);
    }
    const QByteArray risposta = errore.value_or(QString()).toUtf8() + '\0' + AmbienteProva::leggi(percorso);
    return write(uscita, risposta.constData(), risposta.size()) == risposta.size() ? 0 : 1;
}

// The save message and its cause, none of Qt's English after it.
bool inItaliano(const QString& errore, const QString& causa)
{
    const QStringList righe = errore.split(QStringLiteral("\r\n"));
    return righe.size() == 2 && righe[0].startsWith(QStringLiteral("Non è stato possibile salvare il file \"")) &&
           righe[1].contains(causa);
}
} // namespace

class TestTestoAnsi : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    QString file(const QString& nome) const { return m_ambiente.cartella() + u'/' + nome; }

private slots:
    void decodifica_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("windows-1252") << QByteArray("pu\xF2 \x80 citt\xE0") << QStringLiteral("può € città");
        QTest::newRow("utf-8 con bom") << QByteArray("\xEF\xBB\xBFpu\xC3\xB2") << QStringLiteral("può");
        QTest::newRow("utf-8 senza bom") << QByteArray("perch\xC3\xA9 \xE2\x80\x9Cs\xC3\xAC\xE2\x80\x9D")
                                         << QStringLiteral("perché “sì”");
        // Two Windows-1252 letters that happen to look like a UTF-8 lead byte are still Windows-1252.
        QTest::newRow("1252 non utf-8") << QByteArray("\xC3 \xA9") << QStringLiteral("Ã ©");
    }
    void decodifica()
    {
        QFETCH(QByteArray, byte);
        QFETCH(QString, atteso);
        QCOMPARE(TestoAnsi::decodifica(byte), atteso);
    }

    // The text alone, and as a file of that line and a blank one, each ended by CR LF.
    void codifica_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("atteso");
        QTest::newRow("italiano") << QStringLiteral("può “sì” — 5 €") << QByteArray("pu\xF2 \x93s\xEC\x94 \x97 5 \x80");
        QTest::newRow("fuori da 1252") << QStringLiteral("Łukasz ☺")
                                       << QByteArray("\xEF\xBB\xBF\xC5\x81ukasz \xE2\x98\xBA");
        // In Windows-1252 these would be C3 A9, which reads back as UTF-8 "é".
        QTest::newRow("1252 che pare utf-8") << QStringLiteral("Ã©") << QByteArray("\xEF\xBB\xBF\xC3\x83\xC2\xA9");
        // In Windows-1252 these would be EF BB BF, which reads back as a byte order mark.
        QTest::newRow("1252 che pare un bom")
            << QStringLiteral("ï»¿x") << QByteArray("\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx");
    }
    void codifica()
    {
        QFETCH(QString, testo);
        QFETCH(QByteArray, atteso);
        QCOMPARE(TestoAnsi::codifica(testo), atteso);
        QCOMPARE(TestoAnsi::decodifica(atteso), testo);
        QVERIFY(!TestoAnsi::scriviRighe(file(QStringLiteral("righe.txt")), {testo, QString()}));
        QCOMPARE(AmbienteProva::leggi(file(QStringLiteral("righe.txt"))), atteso + "\r\n\r\n");
    }

    // Causes seen where permissions stop no write (CI runs as root); no temporary file can be made beside
    // a name this long.
    void salvataggioFallito_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("prima"); // what stands at that name before the save
        QTest::addColumn<QString>("causa");
        QTest::newRow("nome lunghissimo") << QString(250, u'n') << "file"
                                          << "Controlla che la cartella esista";
        QTest::newRow("nome di una cartella") << "cartella"
                                              << "cartella"
                                              << "è di una cartella";
        QTest::newRow("cartella mancante") << "manca/lista.txt"
                                           << "niente"
                                           << "La cartella \"" + file(QStringLiteral("manca")) + "\" non esiste";
    }
    void salvataggioFallito()
    {
        QFETCH(QString, nome);
        QFETCH(QString, prima);
        QFETCH(QString, causa);
        const QString percorso = file(nome);
        if (prima == QStringLiteral("cartella"))
            QDir().mkpath(percorso);
        if (prima == QStringLiteral("file"))
            AmbienteProva::scrivi(percorso, kVecchio);
        const std::optional<QString> errore = TestoAnsi::scriviRighe(percorso, {QStringLiteral("nuovo")});
        QVERIFY(errore);
        QVERIFY2(inItaliano(*errore, causa), qPrintable(*errore));
        if (prima == QStringLiteral("file"))
            QCOMPARE(AmbienteProva::leggi(percorso), kVecchio);
    }

    // A file size limit stands for a full disk anywhere; a tiny tmpfs, in a mount namespace of the child's own,
    // is the real thing where the test may mount.
    void discoCheNonPrendeIlFile_data()
    {
        QTest::addColumn<QString>("disco");
        QTest::addColumn<int>("esercizi"); // -1: the profile
        QTest::addColumn<QString>("causa");
        QTest::newRow("profilo, limite") << "limite" << -1 << "Il disco è pieno";
        QTest::newRow("lista piccola, limite") << "limite" << 20 << "Il disco è pieno";
        QTest::newRow("lista grande, limite") << "limite" << 1000 << "Il disco è pieno";
        QTest::newRow("profilo, tmpfs pieno") << "tmpfs pieno" << -1 << "Il disco è pieno";
        QTest::newRow("lista piccola, tmpfs pieno") << "tmpfs pieno" << 20 << "Il disco è pieno";
        QTest::newRow("profilo, sola lettura") << "tmpfs di sola lettura" << -1 << "permesso";
    }
    void discoCheNonPrendeIlFile()
    {
        QFETCH(QString, disco);
        QFETCH(int, esercizi);
        QFETCH(QString, causa);
        const QString cartella = file(QStringLiteral("disco"));
        QDir().mkpath(cartella);
        QFile::remove(cartella + QStringLiteral("/salvato.txt"));
        int tubo[2];
        QVERIFY(pipe(tubo) == 0);
        const pid_t figlio = fork();
        if (figlio == 0) {
            close(tubo[0]);
            _exit(salvaNelFiglio(tubo[1], cartella, disco, esercizi, m_ambiente.percorsi()));
        }
        close(tubo[1]);
        QFile uscita;
        QVERIFY(uscita.open(tubo[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
        const QByteArray risposta = uscita.readAll();
        int stato = 0;
        QCOMPARE(waitpid(figlio, &stato, 0), figlio);
        if (WIFEXITED(stato) && WEXITSTATUS(stato) == kSenzaTmpfs)
            QSKIP("no tmpfs can be mounted here (it needs root)");
        QCOMPARE(stato, 0);
        const QString errore = QString::fromUtf8(risposta.left(risposta.indexOf('\0')));
        QVERIFY2(inItaliano(errore, causa), qPrintable(errore));
        QCOMPARE(risposta.mid(risposta.indexOf('\0') + 1), kVecchio);
    }
};

QTEST_GUILESS_MAIN(TestTestoAnsi)
#include "tst_testoansi.moc"
