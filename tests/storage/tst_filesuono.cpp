// A wave file's sound as the feedback player plays it: mono 16-bit at 44100 Hz, whatever the file holds.
#include "storage/FileSuono.h"

#include <QTest>
#include <QtEndian>

namespace {
QByteArray intero32(quint32 valore)
{
    QByteArray byte(4, Qt::Uninitialized);
    qToLittleEndian(valore, byte.data());
    return byte;
}

QByteArray pezzo(const QByteArray& nome, const QByteArray& dati)
{
    return nome + intero32(static_cast<quint32>(dati.size())) + dati + QByteArray(dati.size() % 2, '\0');
}

// "fmt " of that kind (1 integers, 3 floats, 0xFFFE its sub-format in the extension), channels, rate, bits.
QByteArray formato(quint16 tipo, quint16 canali, quint32 frequenza, quint16 bit)
{
    QByteArray dati(tipo == 0xFFFE ? 40 : 16, '\0');
    qToLittleEndian(tipo, dati.data());
    qToLittleEndian(canali, dati.data() + 2);
    qToLittleEndian(frequenza, dati.data() + 4);
    qToLittleEndian<quint16>(static_cast<quint16>(canali * bit / 8), dati.data() + 12);
    qToLittleEndian(bit, dati.data() + 14);
    if (tipo == 0xFFFE)
        qToLittleEndian<quint16>(1, dati.data() + 24);
    return pezzo("fmt ", dati);
}

QByteArray wave(const QByteArray& pezzi)
{
    return "RIFF" + intero32(static_cast<quint32>(pezzi.size() + 4)) + "WAVE" + pezzi;
}

template <typename T> QByteArray campioni(std::initializer_list<T> valori)
{
    QByteArray byte;
    for (const T valore : valori)
        byte += QByteArray(reinterpret_cast<const char*>(&valore), sizeof(T));
    return byte;
}
} // namespace

class TestFileSuono : public QObject {
    Q_OBJECT
private slots:
    // Channels are averaged, other rates interpolated; chunks the player does not need are passed over.
    // Anything else is no sound: the player beeps instead.
    void decodifica_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("attesi"); // empty: not a sound
        const QByteArray mono16 = formato(1, 1, 44100, 16);
        const QByteArray dati16 = pezzo("data", campioni<qint16>({0, 1000, -1000, 32767}));
        QTest::newRow("16 bit mono") << wave(mono16 + dati16) << QList<int>{0, 1000, -1000, 32767};
        QTest::newRow("8 bit stereo a 22050 Hz")
            << wave(formato(1, 2, 22050, 8) + pezzo("data", campioni<quint8>({192, 64, 255, 255})))
            << QList<int>{0, 16256, 32512, 32512};
        QTest::newRow("virgola mobile") << wave(formato(3, 1, 44100, 32) + pezzo("data", campioni<float>({0.5f, -2})))
                                        << QList<int>{16384, -32768};
        QTest::newRow("24 bit estensibile")
            << wave(formato(0xFFFE, 1, 44100, 24) + pezzo("data", QByteArray::fromHex("000040"))) << QList<int>{16384};
        QTest::newRow("pezzo dispari prima")
            << wave(pezzo("LIST", "abc") + mono16 + dati16) << QList<int>{0, 1000, -1000, 32767};
        QTest::newRow("non RIFF") << QByteArray("RIFX") + wave(mono16 + dati16).mid(4) << QList<int>{};
        QTest::newRow("campioni prima del formato") << wave(dati16 + mono16) << QList<int>{};
        QTest::newRow("senza campioni") << wave(mono16) << QList<int>{};
        QTest::newRow("nessun canale") << wave(formato(1, 0, 44100, 16) + dati16) << QList<int>{};
        QTest::newRow("12 bit") << wave(formato(1, 1, 44100, 12) + dati16) << QList<int>{};
        QTest::newRow("ADPCM") << wave(formato(2, 1, 44100, 16) + dati16) << QList<int>{};
        QTest::newRow("100 Hz") << wave(formato(1, 1, 100, 16) + dati16) << QList<int>{};
        QTest::newRow("meno di un campione") << wave(formato(1, 2, 44100, 16) + pezzo("data", "ab")) << QList<int>{};
        QTest::newRow("lunghezza oltre la fine")
            << wave(mono16 + "data" + intero32(4000000000u) + QByteArray("\x10\x00", 2)) << QList<int>{16};
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
    }

    void fileMancante() { QVERIFY(!FileSuono::leggi(QStringLiteral("/nessuna/cartella/si.wav"))); }
};

QTEST_MAIN(TestFileSuono)
#include "tst_filesuono.moc"
