// SPDX-License-Identifier: GPL-3.0-or-later
// The record of statements shown: rows, wrong-answer marks, starting afresh and the capacity.
#include "storage/RegistroEsercizi.h"

#include <QTest>

class TestRegistro : public QObject {
    Q_OBJECT
private slots:
    void righeESegni()
    {
        RegistroEsercizi registro;
        registro.aggiungi(QStringLiteral("a"), QStringLiteral("b"));
        registro.segnaErrore();
        registro.segnaErrore();
        registro.aggiungi(QStringLiteral("c"), QStringLiteral("d"));
        QCOMPARE(registro.NumeroEseguiti(), qint16(2));
        QCOMPARE(registro.riga(1).Errori, QStringLiteral(" *  * "));
        QCOMPARE(registro.riga(2).Errori, QString());

        registro.azzera();
        registro.aggiungi(QStringLiteral("e"), QStringLiteral("f"));
        QCOMPARE(registro.NumeroEseguiti(), qint16(1));
        QCOMPARE(registro.riga(1).Stimolo, QStringLiteral("e"));
        QCOMPARE(registro.riga(1).Errori, QString());
    }

    void pienoSmetteInSilenzio()
    {
        RegistroEsercizi registro;
        for (int i = 1; i <= RegistroEsercizi::kCapacita; ++i)
            QVERIFY(registro.aggiungi(QString::number(i), QString()));
        QVERIFY(!registro.aggiungi(QStringLiteral("oltre"), QString()));
        registro.segnaErrore(); // belongs to the statement that found no row: the last row stays clean
        QCOMPARE(registro.NumeroEseguiti(), qint16(1000));
        QCOMPARE(registro.riga(1000).Stimolo, QStringLiteral("1000"));
        QCOMPARE(registro.riga(1000).Errori, QString());
    }
};

QTEST_GUILESS_MAIN(TestRegistro)
#include "tst_registro.moc"
