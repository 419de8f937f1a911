// SPDX-License-Identifier: GPL-3.0-or-later
// Only one copy runs: the real program started twice, over a lock left by a crash or a damaged one.
#include "support/ProgrammaProva.h"

#include <QDir>
#include <QProcess>
#include <QTest>

class TestUnaSolaCopia : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    QString cartellaRuntime() const { return m_ambiente.cartella() + QStringLiteral("/run"); }
    QString blocco() const { return cartellaRuntime() + QStringLiteral("/ordiparo.lock"); }

    // The real program with its own folders; a first copy is waited for until it holds the lock, which names it.
    void avvia(QProcess& copia, bool prima = true) const
    {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        const QString casa = m_ambiente.cartella();
        for (const QString& voce :
             QStringList{"QT_QPA_PLATFORM=offscreen", "QT_FORCE_STDERR_LOGGING=1", "HOME=" + casa,
                         "XDG_DATA_HOME=" + casa + "/dati", "XDG_RUNTIME_DIR=" + cartellaRuntime()})
            ambiente.insert(voce.section(u'=', 0, 0), voce.section(u'=', 1));
        copia.setProcessEnvironment(ambiente);
        copia.start(QStringLiteral(ORDIPARO_ESEGUIBILE));
        QVERIFY(copia.waitForStarted());
        const QByteArray pid = QByteArray::number(copia.processId());
        const auto proprietario = [this] { return AmbienteProva::leggi(blocco()).split('\n').first(); };
        QTRY_VERIFY_WITH_TIMEOUT(!prima || proprietario() == pid || copia.state() == QProcess::NotRunning, 20000);
        QVERIFY(!prima || copia.state() == QProcess::Running);
    }

private slots:
    void init()
    {
        QVERIFY(QDir(cartellaRuntime()).removeRecursively() && QDir().mkpath(cartellaRuntime()));
        QFile::setPermissions(cartellaRuntime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A stale lock never stops a start; a second copy ends at once and brings the first to the front.
    void secondaCopiaPortaDavantiLaPrima_data()
    {
        QTest::addColumn<QByteArray>("contenuto"); // null: left by a copy that is killed
        QTest::newRow("copia crollata") << QByteArray();
        QTest::newRow("illeggibile") << QByteArray("\x8b\x00\xff garbage\n\n", 13);
        QTest::newRow("altro computer") << QByteArray("1234\nordiparo\naula-2-pc-9\n");
    }
    void secondaCopiaPortaDavantiLaPrima()
    {
        QFETCH(QByteArray, contenuto);
        QProcess crollata, prima, seconda;
        if (contenuto.isNull()) {
            avvia(crollata);
            crollata.kill();
            crollata.waitForFinished();
            QVERIFY(QFile::exists(blocco()));
        } else {
            AmbienteProva::scrivi(blocco(), contenuto);
        }
        avvia(prima);
        avvia(seconda, false);
        // No waiting on a lock or a connection.
        QVERIFY(seconda.waitForFinished(5000) && seconda.exitStatus() == QProcess::NormalExit && !seconda.exitCode());
        QByteArray registro;
        QTRY_VERIFY_WITH_TIMEOUT((registro += prima.readAllStandardError()).contains("a second start brought"), 5000);
        QCOMPARE(prima.state(), QProcess::Running);
        prima.kill();
        prima.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestUnaSolaCopia)
#include "tst_unasolacopia.moc"
