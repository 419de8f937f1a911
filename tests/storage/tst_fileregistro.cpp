// SPDX-License-Identifier: GPL-3.0-or-later
// The record file: its exact bytes, read back, files that end early; the record in memory when full.
#include "storage/FileRegistro.h"
#include "storage/RegistroEsercizi.h"
#include "support/AmbienteProva.h"

#include <QTest>

using Righe = QList<FileRegistro::Riga>;

class TestFileRegistro : public QObject {
    Q_OBJECT
    AmbienteProva m_ambiente;

private slots:
    // Every text comes back as it was, blanks, commas, quotes and accents included.
    void salvatoERiletto()
    {
        const Righe righe{{"gatto.jpg", "  Il gatto, \"Micio\", dorme.  ", " *  * ", "", ""},
                          {"\"Città\"", "", "   ", "libera, con virgola", "fine "}};
        const FileRegistro registro{QStringLiteral("Anna Rossi"), QStringLiteral("Ordiparo05/12/2026"), righe,
                                    QStringLiteral(" nota, del maestro")};
        const QString percorso = m_ambiente.file(QStringLiteral("salvato.rpt"));
        QVERIFY(!RegistroSuFile::salva(percorso, registro));
        QCOMPARE(AmbienteProva::leggi(percorso),
                 QByteArray("Anna Rossi\r\nOrdiparo05/12/2026\r\n 3 \r\n"
                            "gatto.jpg\r\n  Il gatto, \"Micio\", dorme.  \r\n *  * \r\n\r\n\r\n"
                            "\"Citt\xE0\"\r\n\r\n   \r\nlibera, con virgola\r\nfine \r\n nota, del maestro\r\n"));

        const LetturaRegistro letto = RegistroSuFile::leggi(percorso);
        QVERIFY2(letto.completa(), qPrintable(letto.difetto));
        QCOMPARE(letto.Utente, registro.Utente);
        QCOMPARE(letto.Intestazione, registro.Intestazione);
        QVERIFY(letto.righe == righe);
        QCOMPARE(letto.Nota, registro.Nota);
    }

    // The first two lines end at a comma; a file that ends early or has no row count is not whole.
    void letture_data()
    {
        QTest::addColumn<QByteArray>("byte"); // null: the path is a folder
        QTest::addColumn<QString>("utente");  // "-" when not reached
        QTest::addColumn<Righe>("righe");
        QTest::addColumn<bool>("completa");
        const QByteArray testa("Anna\r\nOrdiparo05/12/2026\r\n");
        const QByteArray riga("s\r\na\r\ne\r\n4\r\n5\r\n");
        const Righe una{{"s", "a", "e", "4", "5"}};
        QTest::newRow("utente con la virgola") << "Rossi, Anna\r\nOrdiparo05/12/2026\r\n 2 \r\n" + riga + "\r\n"
                                               << "Rossi" << una << true;
        QTest::newRow("utente tra virgolette")
            << QByteArray("  \"Rossi, Anna\" x\r\nOrdiparo\r\n 1 \r\nnota\r\n") << "Rossi, Anna" << Righe() << true;
        QTest::newRow("a capo Unix, in UTF-8")
            << QByteArray("Nicol\xC3\xB2\nOrdiparo\n 2 \ns\na\ne\n4\n5\n\n") << "Nicolò" << una << true;
        const auto monco = [&](const char* nome, const QByteArray& byte, const Righe& righe = {}) {
            QTest::newRow(nome) << byte << "Anna" << righe << false;
        };
        monco("troncato a metà riga", testa + " 4 \r\n" + riga + "t\r\nb\r\n", una + Righe{{"t", "b", "", "", ""}});
        monco("senza la nota", testa + " 2 \r\n" + riga, una);
        monco("zero righe", testa + " 0 \r\n\r\n");
        monco("conteggio non numerico", testa + "tre\r\n" + riga + "\r\n");
        monco("conteggio oltre 16 bit", testa + " 40000 \r\n" + riga);
        monco("finisce prima del conteggio", testa);
        QTest::newRow("file vuoto") << QByteArray("") << "-" << Righe() << false;
        QTest::newRow("cartella") << QByteArray() << "-" << Righe() << false;
    }
    void letture()
    {
        QFETCH(QByteArray, byte);
        QFETCH(QString, utente);
        QFETCH(Righe, righe);
        QFETCH(bool, completa);
        const QString percorso = byte.isNull() ? m_ambiente.cartella() : m_ambiente.file(QStringLiteral("letto.rpt"));
        if (!byte.isNull())
            AmbienteProva::scrivi(percorso, byte);
        const LetturaRegistro letto = RegistroSuFile::leggi(percorso);
        QCOMPARE(letto.Utente.value_or(QStringLiteral("-")), utente);
        QVERIFY(letto.righe == righe);
        QCOMPARE(letto.completa(), completa);
        QCOMPARE(letto.difetto.isEmpty(), completa);
    }

    // A full record takes no more rows, and a wrong answer then marks none; emptied, it begins again at row 1.
    void registroPienoSmetteInSilenzio()
    {
        RegistroEsercizi registro;
        for (int i = 1; i <= RegistroEsercizi::kCapacita; ++i)
            QVERIFY(registro.aggiungi(QString::number(i), QString()));
        QVERIFY(!registro.aggiungi(QStringLiteral("oltre"), QString()));
        registro.segnaErrore();
        QCOMPARE(registro.NumeroEseguiti(), qint16(1000));
        QCOMPARE(registro.riga(1000).Stimolo + registro.riga(1000).Errori, QStringLiteral("1000"));
        registro.azzera();
        registro.aggiungi(QStringLiteral("e"), QStringLiteral("f"));
        registro.segnaErrore();
        QCOMPARE(registro.NumeroEseguiti(), qint16(1));
        QCOMPARE(registro.riga(1).Errori, QStringLiteral(" * "));
    }
};

QTEST_GUILESS_MAIN(TestFileRegistro)
#include "tst_fileregistro.moc"
