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
const QByteArray kLeggimi = "Questa cartella contiene i files di impostazione dei programmi presenti nel sito "
                            "www.ordiparo.example.\r\n \r\n"
                            "Se qualche programma presenta problemi di funzionamento pu\xF2 essere utile cancellare "
                            "il file *.ini relativo al programma in questa cartella.\r\n \r\n"
                            "Non cancellare questo file.\r\n";

// The text drawn in black on white, from the same origin whatever the weight.
QImage scritto(const QFont& font, const QString& testo, QSize misura)
{
    QImage immagine(misura, QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    pittore.setFont(font);
    pittore.setPen(Qt::black);
    pittore.drawText(QPoint(10, 10 + QFontMetrics(font).ascent()), testo);
    return immagine;
}

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

    void primoAvvioCreaLeCartelleEIlLeggimi()
    {
        AmbienteProva ambiente;
        const Percorsi p = ambiente.percorsi();
        QVERIFY(!Modulo1::CreaCartelle(p));
        for (const QString& cartella : {p.radice(), p.cartellaOrdiparo(), p.cartellaUtenti(), p.cartellaDati()})
            QVERIFY2(QFileInfo(cartella).isDir(), qPrintable(cartella));
        QCOMPARE(AmbienteProva::leggi(p.leggimi()), kLeggimi);
    }

    void soloLaCartellaMancanteERifattaColLeggimi()
    {
        AmbienteProva ambiente;
        const Percorsi p = ambiente.percorsi();
        QVERIFY(!Modulo1::CreaCartelle(p));
        AmbienteProva::scrivi(p.leggimi(), "scritto da un'altra versione");
        AmbienteProva::scrivi(p.cartellaUtenti() + QStringLiteral("Anna.ini"), "maiuscolo");
        QVERIFY(QDir(p.cartellaDati()).removeRecursively());

        QVERIFY(!Modulo1::CreaCartelle(p));

        QVERIFY(QFileInfo(p.cartellaDati()).isDir());
        QCOMPARE(AmbienteProva::leggi(p.leggimi()), kLeggimi);
        QCOMPARE(AmbienteProva::leggi(p.cartellaUtenti() + QStringLiteral("Anna.ini")), QByteArray("maiuscolo"));
    }

    void avvioSuccessivoNonToccaNiente()
    {
        AmbienteProva ambiente;
        const Percorsi p = ambiente.percorsi();
        QVERIFY(!Modulo1::CreaCartelle(p));
        QVERIFY(QFile::remove(p.leggimi()));
        QVERIFY(!Modulo1::CreaCartelle(p));
        QVERIFY(!QFile::exists(p.leggimi()));
    }

    void cartellaImpossibileLoDice()
    {
        AmbienteProva ambiente;
        const QString bloccata = ambiente.cartella() + QStringLiteral("/file");
        AmbienteProva::scrivi(bloccata, "un file, non una cartella");
        const Percorsi p(ambiente.cartellaProgramma(), bloccata + QStringLiteral("/Lumio/"),
                         ambiente.cartella() + QStringLiteral("/fonts/"));
        const std::optional<QString> errore = Modulo1::CreaCartelle(p);
        QVERIFY(errore);
        QVERIFY2(errore->startsWith(QStringLiteral("Non è stato possibile creare la cartella")), qPrintable(*errore));
    }

    void fontInstallatoUnaVoltaSola()
    {
        AmbienteProva ambiente;
        const Percorsi p = ambiente.percorsi();
        Modulo1::InstallaFont(p, nullptr);
        QCOMPARE(AmbienteProva::leggi(p.fontInstallato()), AmbienteProva::leggi(p.fontProgramma()));
        QCOMPARE(Messaggi::Prova::mostrati(),
                 QStringList{QStringLiteral("Ho installato il font per il corsivo 'indis1.ttf'\r\n"
                                            " ----------------------- \r\n"
                                            "Font prodotto da Jean-Marie Douteau\r\n"
                                            " (font Ecolier court, licenza SIL OFL 1.1, adattato per Ordiparo)")});
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Indis1")));

        Modulo1::InstallaFont(p, nullptr);
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
    }

    // The exercise screen writes its texts in bold, which the cursive font gets by emboldening its outlines:
    // every stroke must grow, none may be eaten away (the round parts of a, d, g, o, q). At the default text
    // size, since Qt draws large text from outlines without emboldening them.
    void corsivoInGrassettoConservaLeLettere()
    {
        QVERIFY(QFontDatabase::addApplicationFont(AmbienteProva::sorgente(QStringLiteral("assets/indis1.ttf"))) >= 0);
        QFont normale(QStringLiteral("Indis1"), 28);
        QFont grassetto = normale;
        grassetto.setBold(true);
        const QString testo = QStringLiteral("aodgq Oggi Marta");
        const QSize misura = QFontMetrics(grassetto).size(0, testo) + QSize(20, 20);
        const QImage sottile = scritto(normale, testo, misura);
        const QImage spesso = scritto(grassetto, testo, misura);
        // Anti-aliased edges may move by a pixel, so bold ink next to a regular ink pixel covers it.
        int tratti = 0;
        int coperti = 0;
        for (int y = 1; y < misura.height() - 1; ++y) {
            for (int x = 1; x < misura.width() - 1; ++x) {
                if (!inchiostro(sottile, x, y))
                    continue;
                ++tratti;
                bool coperto = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        coperto = coperto || inchiostro(spesso, x + dx, y + dy);
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

    void fontMancanteNelProgrammaLoDice()
    {
        AmbienteProva ambiente;
        QVERIFY(QFile::remove(ambiente.percorsi().fontProgramma()));
        Modulo1::InstallaFont(ambiente.percorsi(), nullptr);
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1);
        QVERIFY(Messaggi::Prova::mostrati().first().startsWith(QStringLiteral("Manca il font per il corsivo")));
        QVERIFY(!QFile::exists(ambiente.percorsi().fontInstallato()));
    }

    void coloriCasualiDallaTabella()
    {
        AmbienteProva ambiente;
        auto stato = ambiente.nuovoStato();
        QMap<double, int> volte;
        for (int i = 0; i < 1800; ++i)
            ++volte[Modulo1::ScegliColoreCasuale(*stato)];
        // 14 distinct colours; those listed twice or three times come up more often.
        QCOMPARE(volte.size(), 14);
        QVERIFY(volte.value(16761087) > 2 * volte.value(12632319));
        QVERIFY(volte.value(65535) > volte.value(16576));
    }

    void avvioCompletoSenzaScrivereIlProfilo()
    {
        AmbienteProva ambiente;
        ProgrammaProva p(ambiente);
        auto& stato = p.stato;
        stato->NomeUtente.clear();
        stato->RegistroEsercizi.aggiungi(QStringLiteral("vecchio"), QStringLiteral("vecchio"));

        QScopedPointer<FormAvvio> schermata(Avvio::EseguiAvvio(p.programma));

        QVERIFY(schermata->isVisible());
        QCOMPARE(stato->LinguaAgente, QStringLiteral("&H410"));
        QCOMPARE(stato->NomeUtente, QStringLiteral("_predefinito"));
        QVERIFY(stato->PercorsoUtente.endsWith(QStringLiteral("/Ordiparo/utenti/_predefinito.INI")));
        QCOMPARE(stato->ImpostazioniUtente.ListaInUso, ambiente.percorsi().listaPredefinita());
        QVERIFY(stato->TabellaFrasi.NumeroRighe >= 20);
        QCOMPARE(stato->RegistroEsercizi.NumeroEseguiti(), qint16(0));
        QVERIFY(QDir(ambiente.percorsi().cartellaUtenti()).isEmpty());
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1); // the font, on this first start
    }

    // A list on a USB key that is out for now: the default list is used and the profile keeps its choice.
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
        auto& stato = p.stato;
        QString altra = ambiente.cartella() + QStringLiteral("/altra.txt");
        if (listaPresente)
            AmbienteProva::scrivi(
                altra, QByteArray("Uno\r\n 1 \r\nVero\r\n 0 \r\n").append(QByteArray("\r\n 3 \r\n").repeated(7)));
        ModuloPerIni::ImpostazioniPredefinite(stato->ImpostazioniUtente, ambiente.percorsi());
        stato->ImpostazioniUtente.ListaInUso = altra;
        QVERIFY(QDir().mkpath(ambiente.percorsi().cartellaUtenti()));
        QVERIFY(!ModuloPerIni::SalvaUtente(stato->ImpostazioniUtente,
                                           ambiente.percorsi().cartellaUtenti() + QStringLiteral("_predefinito.ini")));
        ModuloPerIni::ImpostazioniPredefinite(stato->ImpostazioniUtente, ambiente.percorsi());

        QScopedPointer<FormAvvio> schermata(Avvio::EseguiAvvio(p.programma));

        QCOMPARE(stato->ImpostazioniUtente.ListaInUso, altra);
        QCOMPARE(stato->TabellaFrasi.NumeroRighe == 1, listaPresente);
        QCOMPARE(stato->TabellaFrasi.Testo(1, 1) == QStringLiteral("Vero"), listaPresente);
        QCOMPARE(Messaggi::Prova::mostrati().size(), 1); // the font, on this first start: the fallback is silent
    }

    void listaPredefinitaMancanteLoDiceEParte()
    {
        AmbienteProva ambiente;
        QVERIFY(QFile::remove(ambiente.percorsi().listaPredefinita()));
        ProgrammaProva p(ambiente);
        auto& stato = p.stato;
        QScopedPointer<FormAvvio> schermata(Avvio::EseguiAvvio(p.programma));
        QVERIFY(schermata->isVisible());
        QCOMPARE(stato->TabellaFrasi.NumeroRighe, qint16(0));
        QVERIFY(Messaggi::Prova::mostrati().last().startsWith(QStringLiteral("Non è stato possibile aprire la lista")));
    }
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
