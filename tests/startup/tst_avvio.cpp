// The start-up sequence: folders and readme, the cursive font, the default user, the list, the start screen.
#include "startup/Avvio.h"
#include "startup/FormAvvio.h"
#include "startup/Modulo1.h"
#include "support/AmbienteProva.h"
#include "support/Messaggi.h"

#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

namespace {
bool inchiostro(const QImage& immagine, int x, int y)
{
    return qGray(immagine.pixel(x, y)) < 128;
}
} // namespace

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Messaggi::Prova::intercetta(true);
        Messaggi::Prova::dimentica();
    }

    // The first start makes the folders and an ANSI readme; later only a missing folder is made again, with
    // the readme, and nothing else is touched. A folder that cannot be made is told.
    void cartelleEILeggimi()
    {
        AmbienteProva ambiente;
        const Percorsi p = ambiente.percorsi();
        QVERIFY(!Modulo1::CreaCartelle(p));
        for (const QString& cartella : {p.radice(), p.cartellaOrdiparo(), p.cartellaUtenti(), p.cartellaDati()})
            QVERIFY2(QFileInfo(cartella).isDir(), qPrintable(cartella));
        const QByteArray leggimi = AmbienteProva::leggi(p.leggimi());
        QVERIFY(leggimi.contains(".\r\n \r\nSe qualche programma presenta problemi di funzionamento pu\xF2 essere"));
        QVERIFY(QFile::remove(p.leggimi()));
        QVERIFY(!Modulo1::CreaCartelle(p));
        QVERIFY(!QFile::exists(p.leggimi()));
        AmbienteProva::scrivi(p.cartellaUtenti() + QStringLiteral("Anna.ini"), "maiuscolo");
        QVERIFY(QDir(p.cartellaDati()).removeRecursively());
        QVERIFY(!Modulo1::CreaCartelle(p));
        QVERIFY(QFileInfo(p.cartellaDati()).isDir());
        QCOMPARE(AmbienteProva::leggi(p.leggimi()), leggimi);
        QCOMPARE(AmbienteProva::leggi(p.cartellaUtenti() + QStringLiteral("Anna.ini")), QByteArray("maiuscolo"));

        const Percorsi bloccati(p.cartellaProgramma(), p.leggimi() + QStringLiteral("/Lumio/"), QString());
        QVERIFY(Modulo1::CreaCartelle(bloccati).value_or(QString()).startsWith(
            QStringLiteral("Non è stato possibile creare la cartella")));
    }

    // The cursive font is installed once and told once; missing from the program folder, that is told.
    void fontDelCorsivo_data()
    {
        QTest::addColumn<bool>("presente");
        QTest::newRow("mancante") << false;
        QTest::newRow("presente") << true;
    }
    void fontDelCorsivo()
    {
        QFETCH(bool, presente);
        AmbienteProva ambiente;
        const Percorsi p = ambiente.percorsi();
        if (!presente)
            QVERIFY(QFile::remove(p.fontProgramma()));
        Modulo1::InstallaFont(p, nullptr);
        QCOMPARE(QFontDatabase::families().contains(QStringLiteral("Indis1")), presente);
        if (presente)
            Modulo1::InstallaFont(p, nullptr); // the next start finds it installed
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
        QVERIFY(Messaggi::Prova::mostrati().first().startsWith(
            presente ? QStringLiteral("Ho installato il font per il corsivo")
                     : QStringLiteral("Manca il font per il corsivo")));
        QCOMPARE(AmbienteProva::leggi(p.fontInstallato()), AmbienteProva::leggi(p.fontProgramma()));
    }

    // The exercise screen writes its texts in bold, which the cursive font gets by emboldening its outlines:
    // every stroke must grow, none may be eaten away (the round parts of a, d, g, o, q). At the default text
    // size, since Qt draws large text from outlines without emboldening them.
    void corsivoInGrassettoConservaLeLettere()
    {
        QVERIFY(QFontDatabase::addApplicationFont(AmbienteProva::sorgente(QStringLiteral("assets/indis1.ttf"))) >= 0);
        QFont font(QStringLiteral("Indis1"), 28);
        const QString testo = QStringLiteral("aodgq Oggi Marta");
        const QSize misura = QFontMetrics(font).size(0, testo) * 2;
        QImage scritto[2];
        for (const bool grassetto : {false, true}) {
            font.setBold(grassetto);
            scritto[grassetto] = QImage(misura, QImage::Format_RGB32);
            scritto[grassetto].fill(Qt::white);
            QPainter pittore(&scritto[grassetto]);
            pittore.setFont(font);
            pittore.drawText(QPoint(10, 10 + QFontMetrics(font).ascent()), testo);
        }
        // Anti-aliased edges may move by a pixel, so bold ink next to a regular ink pixel covers it.
        int tratti = 0;
        int coperti = 0;
        for (int y = 1; y < misura.height() - 1; ++y) {
            for (int x = 1; x < misura.width() - 1; ++x) {
                if (!inchiostro(scritto[false], x, y))
                    continue;
                ++tratti;
                bool coperto = false;
                for (int d = 0; d < 9; ++d)
                    coperto = coperto || inchiostro(scritto[true], x + d % 3 - 1, y + d / 3 - 1);
                coperti += coperto;
            }
        }
        QVERIFY(tratti > 500);
        QVERIFY2(coperti >= 0.99 * tratti, qPrintable(QStringLiteral("%1 of %2").arg(coperti).arg(tratti)));
    }

    // A label fitted to one line of cursive keeps the accents of its capitals.
    void corsivoConGliAccentiDelleMaiuscole()
    {
        QVERIFY(QFontDatabase::addApplicationFont(AmbienteProva::sorgente(QStringLiteral("assets/indis1.ttf"))) >= 0);
        QLabel etichetta(QStringLiteral("ÈÀÌÒÙ"));
        etichetta.setFont(QFont(QStringLiteral("Indis1"), 28));
        etichetta.adjustSize();
        const QImage immagine = etichetta.grab().toImage();
        for (int x = 0; x < immagine.width(); ++x)
            QVERIFY2(!inchiostro(immagine, x, 0), qPrintable(QString::number(x)));
    }

    // The start: the default user with the default list, no profile written; the font's message on this first
    // start, and a missing list told.
    void avvio_data()
    {
        QTest::addColumn<bool>("lista");
        QTest::newRow("primo avvio") << true;
        QTest::newRow("lista predefinita mancante") << false;
    }
    void avvio()
    {
        QFETCH(bool, lista);
        AmbienteProva ambiente;
        QVERIFY(lista || QFile::remove(ambiente.percorsi().listaPredefinita()));
        ProgrammaProva p(ambiente);
        p.stato->PercorsoUtente.clear();
        QScopedPointer<FormAvvio> schermata(Avvio::EseguiAvvio(p.programma));
        QVERIFY(schermata->isVisible());
        QVERIFY(p.stato->PercorsoUtente.endsWith(QStringLiteral("/Ordiparo/utenti/_predefinito.INI")));
        QCOMPARE(p.imp().ListaInUso, ambiente.percorsi().listaPredefinita());
        QCOMPARE(p.stato->TabellaFrasi.NumeroRighe >= 20, lista);
        QVERIFY(QDir(ambiente.percorsi().cartellaUtenti()).isEmpty());
        const QStringList detti = Messaggi::Prova::mostrati();
        QCOMPARE(detti.size(), lista ? 1 : 2);
        QCOMPARE(detti.last().startsWith(QStringLiteral("Non è stato possibile aprire la lista")), !lista);
    }

    // The default user's profile says which list to load; a list on a USB key that is out for now: the default
    // list is used, silently, and the profile keeps the teacher's choice.
    void avvioColProfiloDelPredefinito_data()
    {
        QTest::addColumn<bool>("listaPresente");
        QTest::newRow("lista presente") << true;
        QTest::newRow("lista assente per ora") << false;
    }
    void avvioColProfiloDelPredefinito()
    {
        QFETCH(bool, listaPresente);
        AmbienteProva ambiente;
        ProgrammaProva p(ambiente);
        const QString altra = ambiente.cartella() + QStringLiteral("/altra.txt");
        if (listaPresente)
            AmbienteProva::scrivi(altra,
                                  QByteArray("Uno\r\n 1 \r\nVero\r\n 0 \r\n") + QByteArray("\r\n 3 \r\n").repeated(7));
        p.imp().ListaInUso = altra;
        QVERIFY(QDir().mkpath(ambiente.percorsi().cartellaUtenti()));
        QVERIFY(!ModuloPerIni::SalvaUtente(p.imp(),
                                           ambiente.percorsi().cartellaUtenti() + QStringLiteral("_predefinito.ini")));
        ModuloPerIni::ImpostazioniPredefinite(p.imp(), ambiente.percorsi());
        QScopedPointer<FormAvvio> schermata(Avvio::EseguiAvvio(p.programma));
        QCOMPARE(p.imp().ListaInUso, altra);
        QCOMPARE(p.stato->TabellaFrasi.NumeroRighe == 1, listaPresente);
        QCOMPARE(p.stato->TabellaFrasi.Testo(1, 1) == QStringLiteral("Vero"), listaPresente);
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1); // the font, on this first start: the fallback is silent
    }
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
