// Fitting a picture into the stimulus area, and finding it whatever the letter case of its name.
#include "exercise/Immagine.h"
#include "support/AmbienteProva.h"

#include <QTest>

class TestImmagine : public QObject {
    Q_OBJECT
private slots:
    void adatta_data()
    {
        QTest::addColumn<QSize>("naturale");
        QTest::addColumn<bool>("paroleVisibili");
        QTest::addColumn<QRect>("atteso");
        // Stimulus box 425 × 201 at (16, 8); the frame for hidden words starts at 8 and is 321 high.
        QTest::newRow("4:3 riempie l'altezza") << QSize(400, 300) << true << QRect(94, 8, 268, 201);
        QTest::newRow("panorama riempie la larghezza") << QSize(800, 300) << true << QRect(16, 29, 425, 159);
        QTest::newRow("esattamente 2:1 riempie la larghezza") << QSize(600, 300) << true << QRect(16, 2, 425, 213);
        QTest::newRow("alta e stretta") << QSize(300, 600) << true << QRect(178, 8, 101, 201);
        QTest::newRow("parole nascoste: altezza della cornice") << QSize(400, 300) << false << QRect(15, 8, 428, 321);
        QTest::newRow("parole nascoste: nessun limite di larghezza")
            << QSize(1000, 100) << false << QRect(-1376, 8, 3210, 321);
        QTest::newRow("illeggibile") << QSize() << true << QRect();
    }
    void adatta()
    {
        QFETCH(QSize, naturale);
        QFETCH(bool, paroleVisibili);
        QFETCH(QRect, atteso);
        QCOMPARE(Immagine::adatta(naturale, QRect(16, 8, 425, 201), 8, 321, paroleVisibili), atteso);
    }

    void nomeTrovatoSenzaMaiuscole_data()
    {
        QTest::addColumn<QString>("suDisco");
        QTest::addColumn<QString>("nellaLista");
        QTest::addColumn<bool>("trovato");
        QTest::newRow("uguale") << "gatto.png"
                                << "gatto.png" << true;
        QTest::newRow("maiuscole nella lista") << "gatto.jpg"
                                               << "Gatto.JPG" << true;
        QTest::newRow("maiuscole sul disco") << "CANE.PNG"
                                             << "cane.png" << true;
        QTest::newRow("mancante") << "gatto.png"
                                  << "topo.png" << false;
        QTest::newRow("nome vuoto") << "gatto.png"
                                    << "" << false;
    }
    void nomeTrovatoSenzaMaiuscole()
    {
        QFETCH(QString, suDisco);
        QFETCH(QString, nellaLista);
        QFETCH(bool, trovato);
        AmbienteProva ambiente;
        const QString cartella = ambiente.percorsi().cartellaImmagini();
        AmbienteProva::scrivi(cartella + suDisco, "immagine");
        QCOMPARE(Immagine::fileImmagine(cartella, nellaLista), trovato ? cartella + suDisco : QString());
    }
};

QTEST_GUILESS_MAIN(TestImmagine)
#include "tst_immagine.moc"
