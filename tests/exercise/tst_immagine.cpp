// SPDX-License-Identifier: GPL-3.0-or-later
// Fitting a picture into the stimulus area.
#include "support/Immagine.h"
#include "support/ProgrammaProva.h"

#include <QTemporaryDir>
#include <QTest>

class TestImmagine : public QObject {
    Q_OBJECT
private slots:
    // The place of the picture and the size it is decoded at. The free room on the right ends at 640; the frame
    // for hidden words starts at 8 and is 321 high. At design the stimulus box is 425 × 201 at (16, 8).
    void leggi_data()
    {
        QTest::addColumn<QRect>("riquadro");
        QTest::addColumn<QSize>("salvata");
        QTest::addColumn<int>("orientamento");
        QTest::addColumn<bool>("paroleVisibili");
        QTest::addColumn<QRect>("atteso");
        const QRect progetto(16, 8, 425, 201);
        QTest::newRow("4:3 riempie l'altezza") << progetto << QSize(400, 300) << 1 << true << QRect(94, 8, 268, 201);
        QTest::newRow("panorama riempie la larghezza")
            << progetto << QSize(800, 300) << 1 << true << QRect(16, 29, 425, 159);
        QTest::newRow("alta e stretta") << progetto << QSize(300, 600) << 1 << true << QRect(178, 8, 101, 201);
        QTest::newRow("foto girata dall'EXIF") << progetto << QSize(400, 300) << 6 << true << QRect(153, 8, 151, 201);
        QTest::newRow("30000 × 1: non si vede") << progetto << QSize(30000, 1) << 1 << true << QRect();
        QTest::newRow("parole nascoste: altezza della cornice")
            << progetto << QSize(400, 300) << 1 << false << QRect(15, 8, 428, 321);
        QTest::newRow("parole nascoste: non oltre l'area")
            << progetto << QSize(1000, 100) << 1 << false << QRect(0, 145, 457, 46);
        QTest::newRow("parole nascoste: non oltre il personaggio")
            << QRect(200, 8, 425, 201) << QSize(1000, 100) << 1 << false << QRect(185, 145, 455, 46);
        QTest::newRow("parole nascoste: 30000 × 1") << progetto << QSize(30000, 1) << 1 << false << QRect();
        QTest::newRow("illeggibile") << progetto << QSize() << 1 << true << QRect();
    }
    void leggi()
    {
        QFETCH(QRect, riquadro);
        QFETCH(QSize, salvata);
        QFETCH(int, orientamento);
        QFETCH(bool, paroleVisibili);
        QFETCH(QRect, atteso);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("foto.jpg"));
        AmbienteProva::scrivi(percorso, salvata.isEmpty() ? QByteArray("non è una foto") : jpeg(salvata, orientamento));
        const Immagine::Adattata adattata = Immagine::leggi(percorso, {riquadro, 8, 321, 640, paroleVisibili});
        QCOMPARE(adattata.posto, atteso);
        QCOMPARE(adattata.immagine.size(), atteso.size());
    }

    // A drawing is shown only when it names nothing outside itself, whatever its file's name; Qt would open the
    // files it names (a FIFO there would stop the program for ever). The photo named here is harmless.
    void disegnoSoloSeAutonomo_data()
    {
        QTest::addColumn<QString>("disegno");
        QTest::addColumn<bool>("mostrato");
        const auto svg = [](const QString& dentro, const QString& prima = QString()) {
            return prima +
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                   "width=\"8\" height=\"4\"><rect id=\"r\" width=\"2\" height=\"4\"/>" +
                   dentro + "</svg>";
        };
        const auto foto = [](const QString& dove) {
            return "<image xlink:href=\"" + dove + "\" width=\"4\" height=\"2\"/>";
        };
        QTest::newRow("solo disegno") << svg("<use xlink:href=\"#r\" x=\"2\"/>") << true;
        QTest::newRow("foto dentro") << svg(foto("data:image/jpeg;base64," + jpeg({4, 2}).toBase64())) << true;
        QTest::newRow("foto in un file") << svg(foto("foto.jpg")) << false;
        QTest::newRow("disegno dentro che nomina un file")
            << svg(foto("data:image/svg+xml;base64," + svg(foto("foto.jpg")).toUtf8().toBase64())) << false;
        QTest::newRow("foglio di stile") << svg({}, "<?xml-stylesheet type=\"text/css\" href=\"stile.css\"?>") << false;
        QTest::newRow("stile importato") << svg("<style>@import url(stile.css);</style>") << false;
    }
    void disegnoSoloSeAutonomo()
    {
        QFETCH(QString, disegno);
        QFETCH(bool, mostrato);
        QTemporaryDir cartella;
        AmbienteProva::scrivi(cartella.filePath(QStringLiteral("foto.jpg")), jpeg({4, 2}));
        const QString percorso = cartella.filePath(QStringLiteral("disegno.png"));
        AmbienteProva::scrivi(percorso, disegno.toUtf8());
        const Immagine::Adattata adattata = Immagine::leggi(percorso, {QRect(0, 0, 80, 40), 0, 40, 80, true});
        QCOMPARE(adattata.posto, mostrato ? QRect(0, 0, 80, 40) : QRect());
        QCOMPARE(adattata.immagine.isNull(), !mostrato);
    }
};

QTEST_GUILESS_MAIN(TestImmagine)
#include "tst_immagine.moc"
