// SPDX-License-Identifier: GPL-3.0-or-later
// The list file: its exact bytes and loading back, the shipped default list, damaged, oversized or odd lists.
#include "storage/TabellaFrasi.h"
#include "support/AmbienteProva.h"

#include <QFileInfo>
#include <QTest>

namespace {
// A list of that many rows as a modern editor saves it, in UTF-8: "Città" and the row's number, "Vera", "Falsa".
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

private slots:
    // Blanks, quotes, a negative code; a blank cell gets code 3; rows past the count are not written.
    void salvataByteperByte()
    {
        TabellaFrasi tabella;
        tabella.NumeroRighe = 2;
        tabella.Testo(1, 0) = QStringLiteral("Il gatto, \"Micio\", dorme.");
        tabella.Codice(1, 0) = 1;
        tabella.Testo(1, 1) = QStringLiteral("  Perché sì.  ");
        tabella.Testo(1, 2) = QStringLiteral("   ");
        tabella.Codice(1, 2) = 2;
        tabella.Testo(2, 0) = QStringLiteral("gatto.jpg");
        tabella.Testo(2, 8) = QStringLiteral("L'ultima, vera.");
        tabella.Codice(2, 8) = -5;
        tabella.Testo(3, 0) = QStringLiteral("oltre NumeroRighe: mai scritto");
        const QString percorso = m_ambiente.file(QStringLiteral("salvata.txt"));
        QVERIFY(!SalvaFile(tabella, percorso));

        const QByteArray vuota("\r\n 3 \r\n");
        const QByteArray atteso =
            "Il gatto, \"Micio\", dorme.\r\n 1 \r\n  Perch\xE9 s\xEC.  \r\n 0 \r\n   \r\n 3 \r\n" + vuota.repeated(6) +
            "gatto.jpg\r\n 0 \r\n" + vuota.repeated(7) + "L'ultima, vera.\r\n-5 \r\n";
        QCOMPARE(AmbienteProva::leggi(percorso), atteso);
        QCOMPARE(tabella.Codice(1, 2), qint16(3));
    }

    // Only whole rows are kept; a list gone or not chosen gives the default one (-1 rows); no file or a link: refused.
    void listeLette_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("percorso"); // null: the file holding contenuto
        QTest::addColumn<int>("righe");
        QTest::addColumn<QString>("messaggio");
        const QString aperta = QStringLiteral("Non è stato possibile aprire la lista");
        QTest::newRow("1001 righe") << listaFile(1001) << QString() << 1000 << "ha più di 1000 esercizi";
        QTest::newRow("finisce a metà riga")
            << listaFile(2) + "Stimolo\r\n 1 \r\nVera\r\n"
            << QString() << 2 << "finisce a metà dell'esercizio che comincia alla riga 37";
        QTest::newRow("codice non numerico") << listaFile(1) + "Stimolo\r\nuno\r\n"
                                             << QString() << 1 << "la riga 20 non contiene un codice valido";
        QTest::newRow("codice seguito da altro")
            << listaFile(2).replace(" 0 \r\n", "  0,7 vero\r\n") << QString() << 2 << QString();
        QTest::newRow("righe vuote in fondo") << listaFile(2) + "\r\n\r\n" << QString() << 2 << QString();
        QTest::newRow("vuota") << QByteArray() << QString() << 0 << QString();
        QTest::newRow("oltre 16 MB") << listaFile(2) + QByteArray(16 * 1024 * 1024, '\n') << QString() << 0 << aperta;
        QTest::newRow("fifo") << QByteArray() << m_ambiente.file(QStringLiteral("fifo.txt")) << 0 << aperta;
        QTest::newRow("collegamento") << listaFile(2) << m_ambiente.file(QStringLiteral("collegata.txt")) << 0
                                      << "collegata.txt\": è un collegamento";
        QTest::newRow("cancellata") << QByteArray() << m_ambiente.file(QStringLiteral("manca.txt")) << -1 << QString();
        QTest::newRow("nessuna") << QByteArray() << "" << -1 << QString();
        QTest::newRow("con barre rovesciate")
            << listaFile(4) << m_ambiente.file(QStringLiteral("lista.txt")).replace(u'/', u'\\') << 4 << QString();
    }
    void listeLette()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, percorso);
        QFETCH(int, righe);
        QFETCH(QString, messaggio);
        AmbienteProva::scrivi(m_ambiente.file(QStringLiteral("lista.txt")), contenuto);
        if (percorso.endsWith(QStringLiteral("fifo.txt")))
            AmbienteProva::creaFifo(percorso);
        if (percorso.endsWith(QStringLiteral("collegata.txt")) && !QFileInfo::exists(percorso))
            QVERIFY(QFile::link(m_ambiente.file(QStringLiteral("lista.txt")), percorso));
        AmbienteProva::scrivi(m_ambiente.file(QStringLiteral("prima.txt")), listaFile(3));
        TabellaFrasi tabella;
        QVERIFY(!CaricaLista(tabella, m_ambiente.file(QStringLiteral("prima.txt")), m_ambiente.percorsi()));
        const std::optional<QString> errore =
            CaricaLista(tabella, percorso.isNull() ? m_ambiente.file(QStringLiteral("lista.txt")) : percorso,
                        m_ambiente.percorsi());
        QCOMPARE(errore.has_value(), !messaggio.isEmpty());
        if (errore)
            QVERIFY2(errore->contains(messaggio), qPrintable(*errore));
        if (righe < 0) {
            QVERIFY(tabella.NumeroRighe >= 20);
            return;
        }
        QCOMPARE(tabella.NumeroRighe, qint16(righe));
        QCOMPARE(tabella.Testo(righe, 0), righe ? QStringLiteral("Città %1").arg(righe) : QString());
        QCOMPARE(tabella.Codice(righe, 1), qint16(0)); // "Vera", or row 0 that is never filled
        if (righe < TabellaFrasi::kUltimaRiga)
            QVERIFY(tabella.Testo(righe + 1, 0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTabellaFrasi)
#include "tst_tabellafrasi.moc"
