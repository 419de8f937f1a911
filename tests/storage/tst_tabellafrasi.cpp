// The list file: its exact bytes and loading back, the shipped default list, damaged or oversized lists.
#include "storage/TabellaFrasi.h"
#include "support/AmbienteProva.h"

#include <QTest>

namespace {
// A list of that many rows as a modern editor saves it, in UTF-8: a text stimulus "Città" and its number,
// "Vera" and "Falsa", six blanks.
QByteArray listaFile(int righe)
{
    QByteArray file;
    for (int riga = 1; riga <= righe; ++riga)
        file += "Citt\xC3\xA0 " + QByteArray::number(riga) + "\r\n 1 \r\nVera\r\n 0 \r\nFalsa\r\n 1 \r\n" +
                QByteArray("\r\n 3 \r\n").repeated(6);
    return file;
}
} // namespace

class TestTabellaFrasi : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;
    QString lista(const QString& nome) const { return m_ambiente.cartella() + u'/' + nome; }

    std::optional<QString> carica(TabellaFrasi& tabella, const QByteArray& contenuto)
    {
        QString percorso = lista(QStringLiteral("prova.txt"));
        AmbienteProva::scrivi(percorso, contenuto);
        return CaricaLista(tabella, percorso, m_ambiente.percorsi());
    }

    // The list loaded and saved again under another name.
    QByteArray ricaricataERisalvata(QString percorso)
    {
        TabellaFrasi tabella;
        if (CaricaLista(tabella, percorso, m_ambiente.percorsi()) || SalvaFile(tabella, lista(QStringLiteral("copia"))))
            return "non ricaricata";
        return AmbienteProva::leggi(lista(QStringLiteral("copia")));
    }

private slots:
    void salvataByteperByteERicaricata()
    {
        TabellaFrasi tabella;
        tabella.NumeroRighe = 2;
        const auto cella = [&](int riga, int colonna, const char* testo, qint16 codice) {
            tabella.Testo(riga, colonna) = QString::fromUtf8(testo);
            tabella.Codice(riga, colonna) = codice;
        };
        cella(1, 0, "Il gatto, \"Micio\", dorme.", 1);
        cella(1, 1, "  Il gatto dorme.  ", 0);
        cella(1, 2, "   ", 2);
        cella(1, 3, "Perché sì", 2);
        cella(2, 0, "gatto.jpg", 0);
        cella(2, 8, "L'ultima, vera.", -5);
        cella(3, 0, "oltre NumeroRighe: mai scritto", 1);
        const QString percorso = lista(QStringLiteral("salvata.txt"));

        QVERIFY(!SalvaFile(tabella, percorso));

        const QByteArray vuota("\r\n 3 \r\n"); // blank cells get code 3, in the file and in the table
        const QByteArray atteso = "Il gatto, \"Micio\", dorme.\r\n 1 \r\n  Il gatto dorme.  \r\n 0 \r\n   \r\n 3 \r\n"
                                  "Perch\xE9 s\xEC\r\n 2 \r\n" +
                                  vuota.repeated(5) + "gatto.jpg\r\n 0 \r\n" + vuota.repeated(7) +
                                  "L'ultima, vera.\r\n-5 \r\n";
        QCOMPARE(AmbienteProva::leggi(percorso), atteso);
        QCOMPARE(tabella.Codice(1, 2), qint16(3));
        QCOMPARE(ricaricataERisalvata(percorso), atteso);
    }

    // The rows read in full are kept, nothing of an earlier list or of a broken row stays behind.
    void listeLette_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("righe");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("1001 righe") << listaFile(1001) << 1000 << "ha più di 1000 esercizi";
        QTest::newRow("finisce a metà riga") << listaFile(2) + "Stimolo\r\n 1 \r\nVera\r\n"
                                             << 2 << "finisce a metà dell'esercizio che comincia alla riga 37";
        QTest::newRow("codice non numerico") << listaFile(1) + "Stimolo\r\nuno\r\n"
                                             << 1 << "la riga 20 non contiene un codice valido";
        QTest::newRow("codice oltre 16 bit") << listaFile(1) + "Stimolo\r\n40000\r\n"
                                             << 1 << "la riga 20 non contiene un codice valido";
        QTest::newRow("codice seguito da altro") << listaFile(2).replace(" 0 \r\n", "  0,7 vero\r\n") << 2 << QString();
        QTest::newRow("righe vuote in fondo") << listaFile(2) + "\r\n\r\n" << 2 << QString();
        QTest::newRow("solo a capo lf") << listaFile(2).replace("\r\n", "\n") << 2 << QString();
        QTest::newRow("vuota") << QByteArray() << 0 << QString();
        QTest::newRow("oltre 16 MB") << listaFile(2) + QByteArray(16 * 1024 * 1024, '\n') << 0
                                     << "Non è stato possibile aprire la lista";
    }
    void listeLette()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, righe);
        QFETCH(QString, messaggio);
        TabellaFrasi tabella;
        QVERIFY(!carica(tabella, listaFile(3)));
        const std::optional<QString> errore = carica(tabella, contenuto);
        QCOMPARE(errore.has_value(), !messaggio.isEmpty());
        if (errore)
            QVERIFY2(errore->contains(messaggio), qPrintable(*errore));
        QCOMPARE(tabella.NumeroRighe, qint16(righe));
        QCOMPARE(tabella.Testo(righe, 0), righe ? QStringLiteral("Città %1").arg(righe) : QString());
        QCOMPARE(tabella.Codice(righe, 1), qint16(0)); // "Vera", or row 0 that is never filled
        if (righe < TabellaFrasi::kUltimaRiga)
            QVERIFY(tabella.Testo(righe + 1, 0).isEmpty());
    }

    void listaInUso_data()
    {
        QTest::addColumn<QString>("listaInUso");
        QTest::addColumn<bool>("predefinita");
        QTest::newRow("cancellata") << lista(QStringLiteral("cancellata.txt")) << true;
        QTest::newRow("nessuna") << QString() << true;
        QTest::newRow("con barre rovesciate") << lista(QStringLiteral("sotto/mia.txt")).replace(u'/', u'\\') << false;
    }
    void listaInUso()
    {
        QFETCH(QString, listaInUso);
        QFETCH(bool, predefinita);
        AmbienteProva::scrivi(lista(QStringLiteral("sotto/mia.txt")), listaFile(4));
        TabellaFrasi tabella;
        QVERIFY(!CaricaLista(tabella, listaInUso, m_ambiente.percorsi()));
        QCOMPARE(tabella.NumeroRighe >= 20, predefinita);
    }

    // Refused at once: a FIFO nobody writes would wait for ever, a device never ends.
    void nonUnFile_data()
    {
        QTest::addColumn<QString>("percorso");
        QTest::newRow("fifo") << lista(QStringLiteral("fifo.txt"));
        QTest::newRow("dispositivo") << QStringLiteral("/dev/zero");
    }
    void nonUnFile()
    {
        QFETCH(QString, percorso);
        if (percorso.endsWith(QStringLiteral("fifo.txt")))
            AmbienteProva::creaFifo(percorso);
        TabellaFrasi tabella;
        QVERIFY(!carica(tabella, listaFile(3)));
        const std::optional<QString> errore = CaricaLista(tabella, percorso, m_ambiente.percorsi());
        QVERIFY(errore && errore->startsWith(QStringLiteral("Non è stato possibile aprire la lista")));
        QCOMPARE(tabella.NumeroRighe, qint16(0));
        QVERIFY(tabella.Testo(1, 0).isEmpty());
    }

    // The shipped list is in the very form SalvaFile writes.
    void listaPredefinitaNellaFormaDiSalvaFile()
    {
        const QString originale = AmbienteProva::sorgente(QStringLiteral("assets/testiordiparo/frasi.txt"));
        QCOMPARE(ricaricataERisalvata(originale), AmbienteProva::leggi(originale));
    }
};

QTEST_GUILESS_MAIN(TestTabellaFrasi)
#include "tst_tabellafrasi.moc"
