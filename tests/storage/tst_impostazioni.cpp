// The profile file: its exact bytes, what reading and saving again makes of odd lines, damaged profiles.
#include "storage/ImpostazioniUtente.h"
#include "support/AmbienteProva.h"

#include <QDir>
#include <QTest>

namespace {
// A profile whose neighbouring values differ, so that a swapped or shifted line shows.
const QByteArray kProfilo = "corsivo\r\n/scuola/liste/citt\xE0.txt\r\nFalse\r\n-32768 \r\n 32767 \r\nTrue\r\nFalse\r\n"
                            "True\r\nComic Sans MS\r\n 12 \r\nTrue\r\nIndis1\r\nArial\r\n 40 \r\n 255 \r\n 0 \r\n"
                            " 16777152 \r\nFalse\r\nTrue\r\nFalse\r\n 2 \r\n 7 \r\n-2147483633 \r\n 65280 \r\n 0 \r\n";

// kProfilo with its line `riga` (from 0) replaced.
QByteArray conRiga(int riga, const QByteArray& testo)
{
    QList<QByteArray> righe = kProfilo.split('\n');
    righe[riga] = testo + '\r';
    return righe.join('\n');
}
} // namespace

class TestImpostazioni : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    QString profilo(const QString& nome) const { return m_ambiente.percorsi().profiloUtente(nome); }

    // The settings read from a profile of that content; a null content: no profile at all.
    ImpostazioniUtente dalFile(const QByteArray& contenuto)
    {
        QFile::remove(profilo(QStringLiteral("letto")));
        if (!contenuto.isNull())
            AmbienteProva::scrivi(profilo(QStringLiteral("letto")), contenuto);
        ImpostazioniUtente impostazioni;
        ModuloPerIni::LeggiUtente(impostazioni, profilo(QStringLiteral("letto")), m_ambiente.percorsi());
        return impostazioni;
    }

private slots:
    void initTestCase() { QVERIFY(QDir().mkpath(m_ambiente.percorsi().cartellaUtenti())); }

    void scrittoByteperByteERiletto()
    {
        // The values of kProfilo, field by field in the order of its lines.
        const ImpostazioniUtente i("corsivo", "/scuola/liste/città.txt", false, -32768, 32767, true, false, true,
                                   "Comic Sans MS", 12, true, "Indis1", "Arial", 40, 255, 0, 16777152, false, true,
                                   false, 2, 7, -2147483633.0, 65280, 0);
        QVERIFY(!ModuloPerIni::SalvaUtente(i, profilo(QStringLiteral("scritto"))));
        QCOMPARE(AmbienteProva::leggi(profilo(QStringLiteral("scritto"))), kProfilo);
        QCOMPARE(dalFile(kProfilo), i);
    }

    void rilettoERisalvato_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QByteArray>("risalvato");
        QTest::newRow("maiuscolo") << conRiga(0, "maiuscolo") << conRiga(0, "maiuscolo");
        QTest::newRow("maiuscolo in capitali") << conRiga(0, "MAIUSCOLO") << kProfilo;
        QTest::newRow("minuscolo abbreviato") << conRiga(0, "min") << conRiga(0, "minuscolo");
        QTest::newRow("stile ignoto") << conRiga(0, "grassetto") << kProfilo;
        QTest::newRow("spazi dopo la lista") << conRiga(1, "/liste/a b.txt   ") << conRiga(1, "/liste/a b.txt");
        QTest::newRow("true minuscolo è falso") << conRiga(5, "true") << conRiga(5, "False");
        QTest::newRow("T basta per vero") << conRiga(6, "Tutto") << conRiga(6, "True");
        QTest::newRow("numero senza spazi") << conRiga(3, "200") << conRiga(3, " 200 ");
        QTest::newRow("tra virgolette") << conRiga(1, "\"/liste/a, b.txt\" resto") << conRiga(1, "/liste/a, b.txt");
        QTest::newRow("spazi attorno a un testo") << conRiga(8, "  Comic Sans  ") << conRiga(8, "Comic Sans  ");
        QTest::newRow("testo vuoto") << conRiga(12, "") << conRiga(12, "");
        QTest::newRow("solo a capo lf") << QByteArray(kProfilo).replace("\r\n", "\n") << kProfilo;
        QTest::newRow("righe in più") << kProfilo + "riga in più\r\n 7 \r\n" << kProfilo;
    }
    void rilettoERisalvato()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QByteArray, risalvato);
        QVERIFY(!ModuloPerIni::SalvaUtente(dalFile(contenuto), profilo(QStringLiteral("risalvato"))));
        QCOMPARE(AmbienteProva::leggi(profilo(QStringLiteral("risalvato"))), risalvato);
    }

    // Every default, silently, and the file is left as it was (or absent).
    void difettosoOMancanteDaIPredefiniti_data()
    {
        QTest::addColumn<QByteArray>("contenuto"); // null: no file
        QTest::newRow("24 righe") << kProfilo.chopped(5);
        QTest::newRow("testo dove va un numero") << conRiga(3, "veloce");
        QTest::newRow("numero fuori dai 16 bit") << conRiga(21, " 40000 ");
        QTest::newRow("virgola in un testo") << conRiga(8, "Arial, Grassetto");
        QTest::newRow("oltre 64 KB") << kProfilo + QByteArray(64 * 1024, '\n');
        QTest::newRow("file vuoto") << QByteArray("");
        QTest::newRow("file mancante") << QByteArray();
    }
    void difettosoOMancanteDaIPredefiniti()
    {
        QFETCH(QByteArray, contenuto);
        ImpostazioniUtente predefinite;
        ModuloPerIni::ImpostazioniPredefinite(predefinite, m_ambiente.percorsi());
        QCOMPARE(dalFile(contenuto), predefinite);
        QCOMPARE(QFile::exists(profilo(QStringLiteral("letto"))), !contenuto.isNull());
        QCOMPARE(AmbienteProva::leggi(profilo(QStringLiteral("letto"))), contenuto);
    }

    // A FIFO nobody writes gives the defaults at once, not a wait for ever.
    void fifoDaIPredefiniti()
    {
        AmbienteProva::creaFifo(profilo(QStringLiteral("fifo")));
        ImpostazioniUtente predefinite;
        ModuloPerIni::ImpostazioniPredefinite(predefinite, m_ambiente.percorsi());
        ImpostazioniUtente letto = predefinite;
        letto.VelocitaVoce = 200;
        ModuloPerIni::LeggiUtente(letto, profilo(QStringLiteral("fifo")), m_ambiente.percorsi());
        QCOMPARE(letto, predefinite);
    }

    void nomeSenzaRiguardoAlleMaiuscole()
    {
        const QString marco = m_ambiente.percorsi().cartellaUtenti() + QStringLiteral("Marco.ini");
        AmbienteProva::scrivi(marco, kProfilo);
        ImpostazioniUtente impostazioni;
        ModuloPerIni::LeggiUtente(impostazioni, profilo(QStringLiteral("MARCO")), m_ambiente.percorsi());
        impostazioni.VelocitaVoce = 200;
        QVERIFY(!ModuloPerIni::SalvaUtente(impostazioni, profilo(QStringLiteral("MARCO"))));
        QCOMPARE(QDir(m_ambiente.percorsi().cartellaUtenti()).entryList({"marco.*"}, QDir::Files),
                 QStringList{QStringLiteral("Marco.ini")});
        QCOMPARE(AmbienteProva::leggi(marco), conRiga(3, " 200 "));
    }
};

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
