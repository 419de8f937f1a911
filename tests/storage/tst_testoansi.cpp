// SPDX-License-Identifier: GPL-3.0-or-later
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
    if (disco == QStringLiteral("limite")) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{64, 64};
        setrlimit(RLIMIT_FSIZE, &limite);
    }
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
};

QTEST_GUILESS_MAIN(TestTestoAnsi)
#include "tst_testoansi.moc"
