// SPDX-License-Identifier: GPL-3.0-or-later
// A wave file's sound as the feedback player plays it: mono 16-bit at 44100 Hz, whatever the file holds.
#include "storage/FileSuono.h"

#include <QTest>
#include <QtEndian>

namespace {
QByteArray pezzo(const QByteArray& nome, const QByteArray& dati, quint32 lunghezza = 0)
{
    QByteArray misura(4, Qt::Uninitialized);
    qToLittleEndian<quint32>(lunghezza ? lunghezza : static_cast<quint32>(dati.size()), misura.data());
    return nome + misura + dati + QByteArray(dati.size() % 2, '\0'); // chunks are padded to even lengths
}

// A wave file: "fmt " (1 integers, 3 floats, 0xFFFE extensible), channels, rate, bits, then the chunks.
QByteArray wave(quint16 tipo, quint16 canali, quint32 frequenza, quint16 bit, const QByteArray& pezzi)
{
    QByteArray formato(tipo == 0xFFFE ? 40 : 16, '\0');
    qToLittleEndian(tipo, formato.data());
    qToLittleEndian(canali, formato.data() + 2);
    qToLittleEndian(frequenza, formato.data() + 4);
    qToLittleEndian(bit, formato.data() + 14);
    if (tipo == 0xFFFE)
        formato[24] = 1;
    return pezzo("RIFF", "WAVE" + pezzo("fmt ", formato) + pezzi);
}
} // namespace

class TestFileSuono : public QObject {
    Q_OBJECT
private slots:
    // Channels averaged, rates interpolated, other chunks passed over; anything else is no sound.
    void decodifica_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("attesi"); // empty: not a sound
        const QByteArray dati = pezzo("data", QByteArray::fromHex("0000e803 18fcff7f"));
        const QList<int> letti{0, 1000, -1000, 32767};
        QTest::newRow("16 bit mono") << wave(1, 1, 44100, 16, dati) << letti;
        QTest::newRow("8 bit stereo a 22050 Hz") << wave(1, 2, 22050, 8, pezzo("data", QByteArray::fromHex("c040ffff")))
                                                 << QList<int>{0, 16256, 32512, 32512};
        QTest::newRow("virgola mobile") << wave(3, 1, 44100, 32, pezzo("data", QByteArray::fromHex("0000003f000000c0")))
                                        << QList<int>{16384, -32768};
        QTest::newRow("24 bit estensibile")
            << wave(0xFFFE, 1, 44100, 24, pezzo("data", QByteArray::fromHex("000040"))) << QList<int>{16384};
        QTest::newRow("pezzo dispari prima") << wave(1, 1, 44100, 16, pezzo("LIST", "abc") + dati) << letti;
        QTest::newRow("lunghezza oltre la fine")
            << wave(1, 1, 44100, 16, pezzo("data", QByteArray::fromHex("1000"), 4000000000u)) << QList<int>{16};
        QTest::newRow("non RIFF") << "RIFX" + wave(1, 1, 44100, 16, dati).mid(4) << QList<int>{};
        QTest::newRow("campioni prima del formato")
            << pezzo("RIFF", "WAVE" + dati) + wave(1, 1, 44100, 16, {}).mid(12) << QList<int>{};
        QTest::newRow("senza campioni") << wave(1, 1, 44100, 16, {}) << QList<int>{};
        QTest::newRow("nessun canale") << wave(1, 0, 44100, 16, dati) << QList<int>{};
        QTest::newRow("12 bit") << wave(1, 1, 44100, 12, dati) << QList<int>{};
        QTest::newRow("100 Hz") << wave(1, 1, 100, 16, dati) << QList<int>{};
        QTest::newRow("meno di un campione") << wave(1, 2, 44100, 16, pezzo("data", "ab")) << QList<int>{};
    }
    void decodifica()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, attesi);
        const std::optional<QByteArray> pcm = FileSuono::decodifica(file);
        QCOMPARE(pcm.has_value(), !attesi.isEmpty());
        QList<int> letti;
        for (qsizetype i = 0; pcm && i < pcm->size() / 2; ++i)
            letti << qFromLittleEndian<qint16>(pcm->constData() + 2 * i);
        QCOMPARE(letti, attesi);
        QVERIFY(!FileSuono::leggi(QStringLiteral("/nessuna/cartella/si.wav")));
    }
};

QTEST_MAIN(TestFileSuono)
#include "tst_filesuono.moc"
