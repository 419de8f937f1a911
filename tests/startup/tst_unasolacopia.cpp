// Only one copy runs: the real program started twice, and again after a crash.
#include "support/AmbienteProva.h"

#include <QDir>
#include <QProcess>
#include <QTest>

class TestUnaSolaCopia : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    QString cartellaRuntime() const { return m_ambiente.cartella() + QStringLiteral("/run"); }

    void avvia(QProcess& copia) const
    {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("HOME"), m_ambiente.cartella());
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), m_ambiente.cartella() + QStringLiteral("/dati"));
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), cartellaRuntime());
        copia.setProcessEnvironment(ambiente);
        copia.start(QStringLiteral(ORDIPARO_ESEGUIBILE));
        QVERIFY(copia.waitForStarted());
    }

private slots:
    void unaSolaCopiaAncheDopoUnCrollo()
    {
        QVERIFY(QDir().mkpath(cartellaRuntime()));
        QFile::setPermissions(cartellaRuntime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString blocco = cartellaRuntime() + QStringLiteral("/ordiparo.lock");
        QProcess prima, seconda, dopoIlCrollo;
        avvia(prima);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(blocco), 20000);

        avvia(seconda);
        QVERIFY(seconda.waitForFinished(20000));
        QCOMPARE(seconda.exitStatus(), QProcess::NormalExit);
        QCOMPARE(seconda.exitCode(), 0);
        QCOMPARE(prima.state(), QProcess::Running);

        prima.kill(); // leaves its lock behind, as a crash would
        prima.waitForFinished();
        QVERIFY(QFile::exists(blocco));
        avvia(dopoIlCrollo);
        QVERIFY(!dopoIlCrollo.waitForFinished(3000)); // still running: it took over the stale lock
        dopoIlCrollo.kill();
        dopoIlCrollo.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestUnaSolaCopia)
#include "tst_unasolacopia.moc"
