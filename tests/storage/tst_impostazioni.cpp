// The profile file: its exact bytes, reading back, and what a damaged profile gives.
#include "storage/ImpostazioniUtente.h"
#include "support/AmbienteProva.h"

#include <QDir>
#include <QTest>

namespace {
// The 25 lines of a profile with every default, the list path first replaced by LISTA.
QByteArray profiloPredefinito(const QByteArray& lista)
{
    return "maiuscolo\r\n" + lista +
           "\r\nTrue\r\n 130 \r\n 100 \r\nTrue\r\nFalse\r\nTrue\r\nArial\r\n 14 \r\nFalse\r\nArial\r\nArial\r\n"
           " 28 \r\n 0 \r\n 16777215 \r\n 16777152 \r\nTrue\r\nFalse\r\nFalse\r\n 0 \r\n 4 \r\n-2147483633 \r\n"
           " 255 \r\n 1 \r\n";
}

QList<QByteArray> righe(const QByteArray& profilo)
{
    QList<QByteArray> elenco = profilo.split('\n');
    elenco.removeLast();
    for (QByteArray& riga : elenco)
        riga.chop(1);
    return elenco;
}

QByteArray unisci(const QList<QByteArray>& elenco)
{
    return elenco.join("\r\n") + "\r\n";
}
} // namespace

class TestImpostazioni : public QObject {
    Q_OBJECT
private:
    AmbienteProva m_ambiente;
    QString profilo(const QString& nome) const { return m_ambiente.percorsi().profiloUtente(nome); }

private slots:
    void initTestCase() { QVERIFY(QDir().mkpath(m_ambiente.percorsi().cartellaUtenti())); }

    void predefinitiScrittiByteperByte()
    {
        ImpostazioniUtente impostazioni;
        ModuloPerIni::ImpostazioniPredefinite(impostazioni, m_ambiente.percorsi());
        QVERIFY(!ModuloPerIni::SalvaUtente(impostazioni, profilo(QStringLiteral("predefiniti"))));
        const QByteArray lista = QDir::cleanPath(m_ambiente.cartellaProgramma()).toUtf8() + "/testiordiparo/frasi.txt";
        QCOMPARE(AmbienteProva::leggi(profilo(QStringLiteral("predefiniti"))), profiloPredefinito(lista));
    }

    void rilettoUgualeAlloScritto()
    {
        ImpostazioniUtente scritto;
        ModuloPerIni::ImpostazioniPredefinite(scritto, m_ambiente.percorsi());
        scritto.StileLettere = QStringLiteral("corsivo");
        scritto.ListaInUso = QStringLiteral("/scuola/liste/città.txt");
        scritto.SuoniAttivi = false;
        scritto.VelocitaVoce = -32768;
        scritto.TonoVoce = 32767;
        scritto.FontTesto = QStringLiteral("Indis1");
        scritto.FontScelto = QStringLiteral("Comic Sans MS");
        scritto.ColoreFont = 16777215;
        scritto.ColoreBottoni = -2147483643;
        scritto.ModalitaInput = 2;
        scritto.SalvaAttivita = true;
        QVERIFY(!ModuloPerIni::SalvaUtente(scritto, profilo(QStringLiteral("Giulia"))));

        ImpostazioniUtente letto;
        ModuloPerIni::LeggiUtente(letto, profilo(QStringLiteral("Giulia")), m_ambiente.percorsi());
        QCOMPARE(letto, scritto);
    }

    void righeLette_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("maiuscolo in capitali") << 0 << QByteArray("MAIUSCOLO") << "StileLettere"
                                               << "corsivo";
        QTest::newRow("minuscolo abbreviato") << 0 << QByteArray("min") << "StileLettere"
                                              << "minuscolo";
        QTest::newRow("stile ignoto") << 0 << QByteArray("grassetto") << "StileLettere"
                                      << "corsivo";
        QTest::newRow("spazi dopo la lista") << 1 << QByteArray("/liste/a b.txt   ") << "ListaInUso"
                                             << "/liste/a b.txt";
        QTest::newRow("true minuscolo è falso") << 2 << QByteArray("true") << "SuoniAttivi"
                                                << "false";
        QTest::newRow("T basta per vero") << 6 << QByteArray("Tutto") << "FumettoVisibile"
                                          << "true";
        QTest::newRow("numero senza spazi") << 3 << QByteArray("200") << "VelocitaVoce"
                                            << "200";
        QTest::newRow("windows-1252") << 8 << QByteArray("Bodoni \xE0 mano") << "FontFumetto"
                                      << "Bodoni à mano";
    }
    void righeLette()
    {
        QFETCH(int, riga);
        QFETCH(QByteArray, testo);
        QFETCH(QString, campo);
        QFETCH(QString, atteso);
        QList<QByteArray> elenco = righe(profiloPredefinito("/liste/frasi.txt"));
        elenco[riga] = testo;
        AmbienteProva::scrivi(profilo(QStringLiteral("riga")), unisci(elenco));

        ImpostazioniUtente letto;
        ModuloPerIni::LeggiUtente(letto, profilo(QStringLiteral("riga")), m_ambiente.percorsi());
        const QHash<QString, QString> valori = {
            {"StileLettere", letto.StileLettere},
            {"ListaInUso", letto.ListaInUso},
            {"SuoniAttivi", letto.SuoniAttivi ? "true" : "false"},
            {"FumettoVisibile", letto.FumettoVisibile ? "true" : "false"},
            {"VelocitaVoce", QString::number(letto.VelocitaVoce)},
            {"FontFumetto", letto.FontFumetto},
        };
        QCOMPARE(valori.value(campo), atteso);
        QCOMPARE(letto.ListaInUso, riga == 1 ? atteso : QStringLiteral("/liste/frasi.txt"));
    }

    void profiloDifettosoDaTuttiIPredefiniti_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QList<QByteArray> elenco = righe(profiloPredefinito("/liste/mia.txt"));
        elenco[13] = " 40 "; // a text size that differs from the default
        QTest::newRow("24 righe") << unisci(elenco.mid(0, 24));
        QList<QByteArray> testoAlPostoDiNumero = elenco;
        testoAlPostoDiNumero[3] = "veloce";
        QTest::newRow("testo dove va un numero") << unisci(testoAlPostoDiNumero);
        QList<QByteArray> fuoriIntervallo = elenco;
        fuoriIntervallo[21] = " 40000 ";
        QTest::newRow("numero fuori dai 16 bit") << unisci(fuoriIntervallo);
        QList<QByteArray> virgola = elenco;
        virgola[8] = "Arial, Grassetto";
        QTest::newRow("virgola in un testo") << unisci(virgola);
        QTest::newRow("file vuoto") << QByteArray();
    }
    void profiloDifettosoDaTuttiIPredefiniti()
    {
        QFETCH(QByteArray, contenuto);
        AmbienteProva::scrivi(profilo(QStringLiteral("rotto")), contenuto);
        ImpostazioniUtente letto;
        letto.DimensioneFontTesto = 99;

        ModuloPerIni::LeggiUtente(letto, profilo(QStringLiteral("rotto")), m_ambiente.percorsi());

        ImpostazioniUtente predefinite;
        ModuloPerIni::ImpostazioniPredefinite(predefinite, m_ambiente.percorsi());
        QCOMPARE(letto, predefinite);
        QCOMPARE(AmbienteProva::leggi(profilo(QStringLiteral("rotto"))), contenuto);
    }

    void righeInPiuIgnorate()
    {
        QList<QByteArray> elenco = righe(profiloPredefinito("/liste/mia.txt"));
        elenco[13] = " 40 ";
        elenco << "riga in più"
               << " 7 ";
        AmbienteProva::scrivi(profilo(QStringLiteral("lungo")), unisci(elenco));
        ImpostazioniUtente letto;
        ModuloPerIni::LeggiUtente(letto, profilo(QStringLiteral("lungo")), m_ambiente.percorsi());
        QCOMPARE(letto.DimensioneFontTesto, qint16(40));
        QCOMPARE(letto.TipoRisposte, qint16(1));
    }

    void profiloMancanteDaIPredefiniti()
    {
        ImpostazioniUtente letto;
        ModuloPerIni::LeggiUtente(letto, profilo(QStringLiteral("nessuno")), m_ambiente.percorsi());
        QCOMPARE(letto.StileLettere, QStringLiteral("maiuscolo"));
        QCOMPARE(letto.ListaInUso, m_ambiente.percorsi().listaPredefinita());
        QVERIFY(!QFile::exists(profilo(QStringLiteral("nessuno"))));
    }

    void nomeTrovatoSenzaMaiuscoleERiscrittoConIlSuoNome()
    {
        QList<QByteArray> elenco = righe(profiloPredefinito("/liste/marco.txt"));
        AmbienteProva::scrivi(m_ambiente.percorsi().cartellaUtenti() + QStringLiteral("Marco.ini"), unisci(elenco));

        ImpostazioniUtente letto;
        ModuloPerIni::LeggiUtente(letto, profilo(QStringLiteral("MARCO")), m_ambiente.percorsi());
        QCOMPARE(letto.ListaInUso, QStringLiteral("/liste/marco.txt"));

        letto.DimensioneFontTesto = 36;
        QVERIFY(!ModuloPerIni::SalvaUtente(letto, profilo(QStringLiteral("MARCO"))));
        const QStringList file = QDir(m_ambiente.percorsi().cartellaUtenti()).entryList({"marco.*"}, QDir::Files);
        QCOMPARE(file, QStringList{QStringLiteral("Marco.ini")});
        QVERIFY(AmbienteProva::leggi(m_ambiente.percorsi().cartellaUtenti() + QStringLiteral("Marco.ini"))
                    .contains("\r\n 36 \r\n"));
    }

    void salvataggioImpossibileLoDice()
    {
        ImpostazioniUtente impostazioni;
        ModuloPerIni::ImpostazioniPredefinite(impostazioni, m_ambiente.percorsi());
        const std::optional<QString> errore = ModuloPerIni::SalvaUtente(impostazioni, profilo(QString(252, u'x')));
        QVERIFY(errore);
        QVERIFY(errore->contains(QStringLiteral("Non è stato possibile salvare")));
    }
};

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
