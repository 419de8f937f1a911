// Only one copy runs: the real program started twice, after a crash and over a damaged lock.
#include "support/AmbienteProva.h"

#include <QDir>
#include <QProcess>
#include <QSysInfo>
#include <QTest>

class TestUnaSolaCopia : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    QString cartellaRuntime() const { return m_ambiente.cartella() + QStringLiteral("/run"); }
    QString blocco() const { return cartellaRuntime() + QStringLiteral("/ordiparo.lock"); }

    void avvia(QProcess& copia) const
    {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
        ambiente.insert(QStringLiteral("HOME"), m_ambiente.cartella());
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), m_ambiente.cartella() + QStringLiteral("/dati"));
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), cartellaRuntime());
        copia.setProcessEnvironment(ambiente);
        copia.start(QStringLiteral(ORDIPARO_ESEGUIBILE));
        QVERIFY(copia.waitForStarted());
    }

    // The copy is running and holds the lock, which names it.
    void tieneIlBlocco(QProcess& copia) const
    {
        const auto proprietario = [this] { return AmbienteProva::leggi(blocco()).split('\n').first(); };
        const QByteArray pid = QByteArray::number(copia.processId());
        QTRY_VERIFY_WITH_TIMEOUT(proprietario() == pid || copia.state() == QProcess::NotRunning, 20000);
        QCOMPARE(copia.state(), QProcess::Running);
    }

private slots:
    void init()
    {
        QVERIFY(QDir(cartellaRuntime()).removeRecursively());
        QVERIFY(QDir().mkpath(cartellaRuntime()));
        QFile::setPermissions(cartellaRuntime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A lock left by a power cut or by a copy that is gone never keeps the program from starting.
    void bloccoAbbandonato_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        const QByteArray computer = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("vuoto") << QByteArray();
        QTest::newRow("illeggibile") << QByteArray("\x8b\x00\xff garbage\n\n", 13);
        // Linux never gives a process a number above 4194304.
        QTest::newRow("processo finito") << "4194305\nordiparo\n" + computer + "\n";
        QTest::newRow("altro computer") << QByteArray("1234\nordiparo\naula-2-pc-9\n");
    }
    void bloccoAbbandonato()
    {
        QFETCH(QByteArray, contenuto);
        AmbienteProva::scrivi(blocco(), contenuto);
        QProcess copia;
        avvia(copia);
        tieneIlBlocco(copia);
        copia.kill();
        copia.waitForFinished();
    }

    // The second copy ends at once and the first comes to the front, also when the first took over from a crash.
    void secondaCopiaPortaDavantiLaPrima()
    {
        QProcess crollata, prima, seconda;
        avvia(crollata);
        tieneIlBlocco(crollata);
        crollata.kill(); // leaves its lock and its socket behind
        crollata.waitForFinished();
        QVERIFY(QFile::exists(blocco()));

        avvia(prima);
        tieneIlBlocco(prima);
        avvia(seconda);
        QVERIFY(seconda.waitForFinished(5000)); // no waiting on a lock or a connection
        QCOMPARE(seconda.exitStatus(), QProcess::NormalExit);
        QCOMPARE(seconda.exitCode(), 0);
        QByteArray registro;
        QTRY_VERIFY_WITH_TIMEOUT((registro += prima.readAllStandardError()).contains("a second start brought"), 5000);
        QCOMPARE(prima.state(), QProcess::Running);
        prima.kill();
        prima.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestUnaSolaCopia)
#include "tst_unasolacopia.moc"
