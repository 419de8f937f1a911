// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up: folders and readme, the cursive font, the default user, the list, the start screen, one copy only.
#include "app/Avvio.h"
#include "app/ModuloAudio.h"
#include "startup/SchermataAvvio.h"
#include "storage/Cartelle.h"
#include "support/FontCorsivo.h"
#include "support/Messaggi.h"
#include "support/ProgrammaProva.h"
#include "support/ServiziAudio.h"

#include <QDir>
#include <QEventLoop>
#include <QFontDatabase>
#include <QProcess>
#include <QTest>

class TestAvvio : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente; // of the copies of the real program
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
    void init() { Messaggi::Prova::intercetta(true), Messaggi::Prova::dimentica(); }

    // Folders and readme made once; later only what is missing; a folder that cannot be made is told.
    void cartelleEILeggimi()
    {
        AmbienteProva ambiente;
        const Percorsi p = ambiente.percorsi();
        QVERIFY(!Cartelle::CreaCartelle(p));
        for (const QString& cartella : {p.radice(), p.cartellaOrdiparo(), p.cartellaUtenti(), p.cartellaDati()})
            QVERIFY2(QFileInfo(cartella).isDir(), qPrintable(cartella));
        const QByteArray leggimi = AmbienteProva::leggi(p.leggimi());
        QVERIFY(QFile::remove(p.leggimi()) && !Cartelle::CreaCartelle(p) && !QFile::exists(p.leggimi()));
        AmbienteProva::scrivi(p.cartellaUtenti() + QStringLiteral("Anna.ini"), "maiuscolo");
        QVERIFY(QDir(p.cartellaDati()).removeRecursively() && !Cartelle::CreaCartelle(p));
        QVERIFY(QFileInfo(p.cartellaDati()).isDir() && AmbienteProva::leggi(p.leggimi()) == leggimi);
        QCOMPARE(AmbienteProva::leggi(p.cartellaUtenti() + QStringLiteral("Anna.ini")), QByteArray("maiuscolo"));

        const Percorsi bloccati(p.cartellaProgramma(), p.leggimi() + QStringLiteral("/Lumio/"), QString());
        QVERIFY(Cartelle::CreaCartelle(bloccati).value_or(QString()).startsWith(
            QStringLiteral("Non è stato possibile creare la cartella")));
    }

    // The cursive font, missing from the program folder, is told; then installed once and told once.
    void fontDelCorsivo()
    {
        AmbienteProva ambiente;
        const Percorsi p = ambiente.percorsi();
        const QByteArray font = AmbienteProva::leggi(p.fontProgramma());
        QVERIFY(QFile::remove(p.fontProgramma()));
        FontCorsivo::InstallaFont(p, nullptr);
        QVERIFY(!QFontDatabase::families().contains(QStringLiteral("Indis1")));
        AmbienteProva::scrivi(p.fontProgramma(), font);
        FontCorsivo::InstallaFont(p, nullptr);
        QFontDatabase::removeAllApplicationFonts(); // as a new start, which finds it installed and takes it from there
        FontCorsivo::InstallaFont(p, nullptr);
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Indis1")));
        const QStringList detti = Messaggi::Prova::mostrati();
        QVERIFY(detti.size() == 2 && detti[0].startsWith(QStringLiteral("Manca il font per il corsivo")) &&
                detti[1].startsWith(QStringLiteral("Ho installato il font per il corsivo")));
    }

    // The default user's profile picks the list and is never written; a missing list falls back or is told.
    void avvio_data()
    {
        QTest::addColumn<bool>("profilo");
        QTest::addColumn<bool>("listaPresente"); // the profile's list, or the default one
        QTest::addColumn<QString>("affermazione");
        QTest::newRow("primo avvio") << false << true << "Micio è un gatto.";
        QTest::newRow("lista predefinita mancante") << false << false << "";
        QTest::newRow("lista del profilo") << true << true << "Vero";
        QTest::newRow("lista del profilo assente per ora") << true << false << "Micio è un gatto.";
    }
    void avvio()
    {
        QFETCH(bool, profilo);
        QFETCH(bool, listaPresente);
        QFETCH(QString, affermazione);
        AmbienteProva ambiente;
        const Percorsi percorsi = ambiente.percorsi();
        const QString lista =
            profilo ? ambiente.cartella() + QStringLiteral("/altra.txt") : percorsi.listaPredefinita();
        if (profilo && listaPresente)
            AmbienteProva::scrivi(lista, "Uno\r\n 1 \r\nVero\r\n 0 \r\n" + QByteArray("\r\n 3 \r\n").repeated(7));
        QVERIFY(profilo || listaPresente || QFile::remove(lista));
        const QString predefinito = percorsi.cartellaUtenti() + QStringLiteral("_predefinito.ini");
        ProgrammaProva p(ambiente);
        if (profilo) {
            p.imp().ListaInUso = lista;
            QVERIFY(QDir().mkpath(percorsi.cartellaUtenti()) && !FileProfilo::SalvaUtente(p.imp(), predefinito));
            FileProfilo::ImpostazioniPredefinite(p.imp(), percorsi);
        }
        const QByteArray prima = AmbienteProva::leggi(predefinito);
        p.stato->PercorsoUtente.clear();
        QScopedPointer<SchermataAvvio> schermata(Avvio::EseguiAvvio(p.programma));
        QVERIFY(schermata->isVisible() && !QFileInfo::exists(percorsi.cartellaDati())); // before any disk work
        Avvio::CompletaAvvio(p.programma);
        QVERIFY(p.stato->PercorsoUtente.endsWith(QStringLiteral("/Ordiparo/utenti/_predefinito.INI")));
        QVERIFY(p.imp().ListaInUso == lista && p.stato->TabellaFrasi.Testo(1, 1) == affermazione);
        QCOMPARE(QDir(percorsi.cartellaUtenti()).entryList(QDir::Files),
                 profilo ? QStringList{"_predefinito.ini"} : QStringList());
        QCOMPARE(AmbienteProva::leggi(predefinito), prima);
        const QStringList detti = Messaggi::Prova::mostrati();
        QVERIFY(detti.size() == (affermazione.isEmpty() ? 2 : 1) &&
                detti.last().startsWith(u"Non è stato possibile aprire la lista") == affermazione.isEmpty());
    }

    // Without the sound module (tst_audio loads it) the missing character says why.
    void moduloAudio()
    {
        ModuloAudio mancante(QStringLiteral("/nessuna/cartella/") + QString::fromLatin1(kFileModuloAudio));
        QString motivo;
        QVERIFY(!mancante.carica());
        QVERIFY(!mancante.creaAgente(nullptr, QString())->CharactersLoad(QStringLiteral("Merlin"), QString(), &motivo));
        QVERIFY2(motivo.startsWith(QStringLiteral("manca il modulo dei suoni e della voce (/nessuna/cartella/")),
                 qPrintable(motivo));
    }

    // The rest of the start runs once, though the screen is painted again while it waits in a message.
    void dopoLaPrimaPitturaUnaVolta()
    {
        QWidget finestra;
        int volte = 0;
        Avvio::dopoLaPrimaPittura(&finestra, [&] {
            ++volte;
            QEventLoop messaggio; // as a message box's own loop
            QTimer::singleShot(50, &finestra, [&] { finestra.hide(), finestra.show(); });
            QTimer::singleShot(300, &messaggio, &QEventLoop::quit);
            messaggio.exec();
        });
        finestra.show();
        QTRY_COMPARE(volte, 1);
        QTest::qWait(1500); // past the fallback of a window never painted
        QCOMPARE(volte, 1);
    }

    // The start screen: a fresh record each time, on light blue or a new light colour; its button opens the menu.
    void schermataAvvio_data()
    {
        QTest::addColumn<bool>("casuale"); // also the system pointer
        QTest::newRow("colore fisso") << false;
        QTest::newRow("colore casuale, puntatore di sistema") << true;
    }
    void schermataAvvio()
    {
        QFETCH(bool, casuale);
        AmbienteProva ambiente;
        ProgrammaProva p(ambiente);
        p.imp().ColoreCasuale = p.imp().MouseDiSistema = casuale;
        p.imp().ColoreSfondo = 255;
        QSet<QRgb> colori;
        for (int volta = 0; volta < 6; ++volta) {
            p.stato->RegistroEsercizi.aggiungi(QStringLiteral("a"), QStringLiteral("b"));
            SchermataAvvio schermata(p.programma);
            schermata.show();
            QCOMPARE(p.stato->RegistroEsercizi.NumeroEseguiti(), qint16(0));
            QCOMPARE(schermata.bottoneAvvio->cursor().shape(), casuale ? Qt::ArrowCursor : Qt::BitmapCursor);
            const QImage freccia = schermata.bottoneAvvio->cursor().pixmap().toImage(); // ours: 32 pixels, clear round
            QVERIFY(casuale || (freccia.size() == QSize(32, 32) && freccia.pixelColor(31, 0).alpha() == 0));
            colori << schermata.area()->grab().toImage().pixel(2, 2);
        }
        QVERIFY(casuale ? colori.size() > 1 : colori == QSet<QRgb>{qRgb(192, 255, 255)});
        QPointer<SchermataAvvio> schermata = p.programma.apriAvvio();
        QTest::mouseClick(schermata->bottoneAvvio, Qt::LeftButton);
        QVERIFY(p.programma.schermataMenu() && p.programma.schermataMenu()->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(schermata.isNull());
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
        QVERIFY(QDir(cartellaRuntime()).removeRecursively() && QDir().mkpath(cartellaRuntime()));
        QFile::setPermissions(cartellaRuntime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
        prima.terminate(); // as when the session ends, the controllers' module loaded
        QVERIFY(prima.waitForFinished(5000));
    }
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
