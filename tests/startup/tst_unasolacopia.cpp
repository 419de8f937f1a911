// Only one copy runs: the real program started twice, and again after a crash.
#include "support/AmbienteProva.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

class TestUnaSolaCopia : public QObject {
    Q_OBJECT
private:
    AmbienteProva m_ambiente;

    void prepara(QProcess& processo) const
    {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("HOME"), m_ambiente.cartella());
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), m_ambiente.cartella() + QStringLiteral("/dati"));
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), cartellaRuntime());
        processo.setProcessEnvironment(ambiente);
        processo.setProgram(QStringLiteral(ORDIPARO_ESEGUIBILE));
    }
    QString cartellaRuntime() const { return m_ambiente.cartella() + QStringLiteral("/run"); }
    QString blocco() const { return cartellaRuntime() + QStringLiteral("/ordiparo.lock"); }

    void avviaPrimaCopia(QProcess& prima) const
    {
        prepara(prima);
        prima.start();
        QVERIFY(prima.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(blocco()), 20000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(cartellaRuntime()));
        QFile::setPermissions(cartellaRuntime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void secondaCopiaFinisceSubito()
    {
        QProcess prima;
        avviaPrimaCopia(prima);

        QProcess seconda;
        prepara(seconda);
        seconda.start();
        QVERIFY(seconda.waitForFinished(20000));
        QCOMPARE(seconda.exitStatus(), QProcess::NormalExit);
        QCOMPARE(seconda.exitCode(), 0);
        QCOMPARE(prima.state(), QProcess::Running);

        prima.kill();
        prima.waitForFinished();
    }

    void dopoUnCrollo_siRiparte()
    {
        QProcess crollata;
        avviaPrimaCopia(crollata);
        crollata.kill(); // leaves its lock behind, as a crash would
        crollata.waitForFinished();
        QVERIFY(QFile::exists(blocco()));

        QProcess nuova;
        prepara(nuova);
        nuova.start();
        QVERIFY(nuova.waitForStarted());
        QVERIFY(!nuova.waitForFinished(3000)); // still running: it took over the stale lock
        nuova.kill();
        nuova.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestUnaSolaCopia)
#include "tst_unasolacopia.moc"
