// The list file: saving and loading back, the shipped default list, and damaged or oversized lists.
#include "storage/TabellaFrasi.h"
#include "support/AmbienteProva.h"

#include <QDir>
#include <QTest>

namespace {
// One row of a list file: a text stimulus and its statements, the rest blank.
QByteArray rigaFile(const QByteArray& stimolo, const QList<QPair<QByteArray, int>>& affermazioni)
{
    QByteArray riga = stimolo + "\r\n 1 \r\n";
    for (int colonna = 1; colonna <= 8; ++colonna) {
        if (colonna <= affermazioni.size())
            riga += affermazioni[colonna - 1].first + "\r\n " + QByteArray::number(affermazioni[colonna - 1].second) +
                    " \r\n";
        else
            riga += "\r\n 3 \r\n";
    }
    return riga;
}

QByteArray righeFile(int quante)
{
    QByteArray file;
    for (int riga = 1; riga <= quante; ++riga)
        file += rigaFile("Stimolo " + QByteArray::number(riga), {{"Vera", 0}, {"Falsa", 1}});
    return file;
}
} // namespace

class TestTabellaFrasi : public QObject {
    Q_OBJECT
private:
    AmbienteProva m_ambiente;
    QString lista(const QString& nome) const { return m_ambiente.cartella() + u'/' + nome; }

    std::optional<QString> carica(TabellaFrasi& tabella, const QByteArray& contenuto)
    {
        QString percorso = lista(QStringLiteral("prova.txt"));
        AmbienteProva::scrivi(percorso, contenuto);
        return CaricaLista(tabella, percorso, m_ambiente.percorsi());
    }

private slots:
    void salvataEricaricataUguale()
    {
        TabellaFrasi tabella;
        tabella.NumeroRighe = 2;
        tabella.Testo(1, 0) = QStringLiteral("Il gatto, \"Micio\", dorme sul divano.");
        tabella.Codice(1, 0) = 1;
        tabella.Testo(1, 1) = QStringLiteral("  Il gatto dorme.  ");
        tabella.Codice(1, 1) = 0;
        tabella.Testo(1, 2) = QStringLiteral("   ");
        tabella.Codice(1, 2) = 2;
        tabella.Testo(1, 3) = QStringLiteral("Perché sì");
        tabella.Codice(1, 3) = 2;
        tabella.Testo(2, 0) = QStringLiteral("gatto.jpg");
        tabella.Codice(2, 0) = 0;
        tabella.Testo(2, 8) = QStringLiteral("L'ultima, vera.");
        tabella.Codice(2, 8) = -5;
        tabella.Testo(3, 0) = QStringLiteral("oltre NumeroRighe: mai scritto");
        const QString percorso = lista(QStringLiteral("salvata.txt"));

        QVERIFY(!SalvaFile(tabella, percorso));

        QCOMPARE(tabella.Codice(1, 2), qint16(3)); // blanks only: the table itself gets code 3
        QCOMPARE(tabella.Codice(1, 4), qint16(3));
        TabellaFrasi letta;
        QString usata = percorso;
        QVERIFY(!CaricaLista(letta, usata, m_ambiente.percorsi()));
        QCOMPARE(usata, percorso);
        QCOMPARE(letta.NumeroRighe, qint16(2));
        for (int riga = 1; riga <= 2; ++riga) {
            for (int colonna = 0; colonna < TabellaFrasi::kColonne; ++colonna) {
                QCOMPARE(letta.Testo(riga, colonna), tabella.Testo(riga, colonna));
                QCOMPARE(letta.Codice(riga, colonna), tabella.Codice(riga, colonna));
            }
        }
        QVERIFY(letta.Testo(3, 0).isEmpty());
    }

    void formatoDelFile()
    {
        TabellaFrasi tabella;
        tabella.NumeroRighe = 1;
        tabella.Testo(1, 0) = QStringLiteral("Il gatto dorme sul divano.");
        tabella.Codice(1, 0) = 1;
        tabella.Testo(1, 1) = QStringLiteral("Il gatto dorme.");
        tabella.Codice(1, 1) = 0;
        tabella.Testo(1, 2) = QStringLiteral("Il gatto mangia.");
        tabella.Codice(1, 2) = 1;
        tabella.Codice(1, 5) = 2; // blank cell: written with code 3
        const QString percorso = lista(QStringLiteral("formato.txt"));
        QVERIFY(!SalvaFile(tabella, percorso));
        QCOMPARE(AmbienteProva::leggi(percorso),
                 rigaFile("Il gatto dorme sul divano.", {{"Il gatto dorme.", 0}, {"Il gatto mangia.", 1}}));
    }

    void tabellaVuotaFileVuoto()
    {
        TabellaFrasi tabella;
        const QString percorso = lista(QStringLiteral("vuota.txt"));
        QVERIFY(!SalvaFile(tabella, percorso));
        QCOMPARE(AmbienteProva::leggi(percorso), QByteArray());
        TabellaFrasi letta;
        QVERIFY(!carica(letta, QByteArray()));
        QCOMPARE(letta.NumeroRighe, qint16(0));
    }

    void caricamentoSvuotaLaTabella()
    {
        TabellaFrasi tabella;
        QVERIFY(!carica(tabella, righeFile(3)));
        QVERIFY(!carica(tabella, righeFile(1)));
        QCOMPARE(tabella.NumeroRighe, qint16(1));
        QVERIFY(tabella.Testo(2, 0).isEmpty());
    }

    void listeDifettose_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<int>("righe");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("1001 righe") << righeFile(1001) << 1000 << "ha più di 1000 esercizi";
        QTest::newRow("finisce a metà riga") << righeFile(2) + "Stimolo 3\r\n 1 \r\nVera\r\n"
                                             << 2 << "finisce a metà dell'esercizio che comincia alla riga 37";
        QTest::newRow("finisce dopo un testo") << righeFile(1) + "Stimolo 2\r\n" << 1 << "finisce a metà";
        QTest::newRow("codice non numerico") << righeFile(1) + "Stimolo 2\r\nuno\r\n" + righeFile(1).mid(20) << 1
                                             << "la riga 20 non contiene un codice valido";
        QTest::newRow("righe vuote in fondo") << righeFile(2) + "\r\n\r\n" << 2 << "";
        QTest::newRow("utf-8 di un editor moderno")
            << rigaFile("La città è grande, “bella”.", {{"È grande.", 0}, {"È piccola.", 1}}) << 1 << "";
        QTest::newRow("solo a capo lf") << righeFile(2).replace("\r\n", "\n") << 2 << "";
    }
    void listeDifettose()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, righe);
        QFETCH(QString, messaggio);
        TabellaFrasi tabella;
        const std::optional<QString> errore = carica(tabella, contenuto);
        QCOMPARE(tabella.NumeroRighe, qint16(righe));
        QCOMPARE(errore.has_value(), !messaggio.isEmpty());
        if (errore)
            QVERIFY2(errore->contains(messaggio), qPrintable(*errore));
        QCOMPARE(tabella.Testo(righe, 2),
                 QString::fromUtf8(righe == 1 && contenuto.startsWith("La") ? "È piccola." : "Falsa"));
        if (righe < TabellaFrasi::kUltimaRiga)
            QVERIFY(tabella.Testo(righe + 1, 0).isEmpty());
    }

    void listaMancanteUsaLaPredefinita_data()
    {
        QTest::addColumn<QString>("listaInUso");
        QTest::newRow("cancellata") << lista(QStringLiteral("cancellata.txt"));
        QTest::newRow("vuota") << QString();
        QTest::newRow("percorso di windows") << QStringLiteral("C:\\Scuola\\liste\\mia.txt");
    }
    void listaMancanteUsaLaPredefinita()
    {
        QFETCH(QString, listaInUso);
        TabellaFrasi tabella;
        QVERIFY(!CaricaLista(tabella, listaInUso, m_ambiente.percorsi()));
        QCOMPARE(listaInUso, m_ambiente.percorsi().listaPredefinita());
        QVERIFY(tabella.NumeroRighe >= 20);
    }

    void percorsoConBarreRovesciateCapito()
    {
        const QString percorso = lista(QStringLiteral("sotto/rovescia.txt"));
        AmbienteProva::scrivi(percorso, righeFile(4));
        QString listaInUso = QString(percorso).replace(u'/', u'\\');
        TabellaFrasi tabella;
        QVERIFY(!CaricaLista(tabella, listaInUso, m_ambiente.percorsi()));
        QCOMPARE(tabella.NumeroRighe, qint16(4));
    }

    void predefinitaMancanteLoDice()
    {
        AmbienteProva vuoto;
        QVERIFY(QFile::remove(vuoto.percorsi().listaPredefinita()));
        TabellaFrasi tabella;
        QString listaInUso;
        const std::optional<QString> errore = CaricaLista(tabella, listaInUso, vuoto.percorsi());
        QVERIFY(errore);
        QVERIFY(errore->startsWith(QStringLiteral("Non è stato possibile aprire la lista di frasi")));
        QCOMPARE(tabella.NumeroRighe, qint16(0));
    }

    // The shipped list is in the very form SalvaFile writes, and is a real list for pupils.
    void listaPredefinitaNellaFormaDiSalvaFile()
    {
        const QString originale = AmbienteProva::sorgente(QStringLiteral("assets/testiordiparo/frasi.txt"));
        TabellaFrasi tabella;
        QString listaInUso = originale;
        QVERIFY(!CaricaLista(tabella, listaInUso, m_ambiente.percorsi()));
        const QString copia = lista(QStringLiteral("copia.txt"));
        QVERIFY(!SalvaFile(tabella, copia));
        QCOMPARE(AmbienteProva::leggi(copia), AmbienteProva::leggi(originale));

        QVERIFY(tabella.NumeroRighe >= 20);
        QSet<int> codiciUsati;
        for (int riga = 1; riga <= tabella.NumeroRighe; ++riga) {
            int affermazioni = 0;
            while (affermazioni < 8 && !tabella.Testo(riga, affermazioni + 1).isEmpty())
                codiciUsati.insert(tabella.Codice(riga, ++affermazioni));
            QVERIFY2(affermazioni >= 3, qPrintable(tabella.Testo(riga, 0)));
        }
        QCOMPARE(codiciUsati, (QSet<int>{0, 1, 2}));
    }
};

QTEST_GUILESS_MAIN(TestTabellaFrasi)
#include "tst_tabellafrasi.moc"
