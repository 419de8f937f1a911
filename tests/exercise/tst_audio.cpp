// SPDX-License-Identifier: GPL-3.0-or-later
// What the pupil hears, recorded with parec from the monitor of the null sink that scripts/test starts.
#include "app/ModuloAudio.h"
#include "exercise/SchermataEsercizio.h"
#include "exercise/agent/AgenteMerlino.h"
#include "exercise/agent/SintesiVoce.h"
#include "exercise/agent/SuonoFeedbackQt.h"
#include "storage/FileSuono.h"
#include "support/EtichettaConSegno.h"
#include "support/FontCorsivo.h"
#include "support/ProgrammaProva.h"
#include "support/ServiziAudio.h"
#include "support/VoceScansione.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace {
constexpr int kFrequenza = 22050;
constexpr int kFinestra = kFrequenza / 100 * 2; // bytes in 10 ms

const qint16* campioni(const QByteArray& pcm)
{
    return reinterpret_cast<const qint16*>(pcm.constData());
}

qint16 picco(const QByteArray& pcm)
{
    return *std::max_element(campioni(pcm), campioni(pcm) + pcm.size() / 2);
}

// Speech in 10 ms windows: how many are loud, and the longest quiet run between loud ones.
struct Ascolto {
    int forti = 0, pausaPiuLunga = 0;
};
Ascolto ascolta(const QByteArray& pcm)
{
    Ascolto ascolto;
    int pausa = -1; // before the first loud window
    for (qsizetype i = 0; i + kFinestra <= pcm.size(); i += kFinestra) {
        double somma = 0;
        for (const qint16* c = campioni(pcm) + i / 2; c < campioni(pcm) + (i + kFinestra) / 2; ++c)
            somma += double(*c) * *c;
        if (somma / (kFinestra / 2) > 300 * 300) {
            ++ascolto.forti;
            ascolto.pausaPiuLunga = std::max(ascolto.pausaPiuLunga, pausa);
            pausa = 0;
        } else if (pausa >= 0) {
            ++pausa;
        }
    }
    return ascolto;
}

// How alike the recording from that sample on is to the sound's first samples: 1 the same, 0 unrelated.
double somiglianza(const QByteArray& registrato, qsizetype da, const QByteArray& suono, qsizetype quanti)
{
    if (da + quanti > registrato.size() / 2)
        return 0;
    double rf = 0, rr = 0, ff = 0;
    for (qsizetype i = 0; i < quanti; ++i) {
        const double r = campioni(registrato)[da + i], f = campioni(suono)[i];
        rf += r * f, rr += r * r, ff += f * f;
    }
    return rr > 0 && ff > 0 ? rf / std::sqrt(rr * ff) : 0;
}
} // namespace

class TestAudio : public ProvaConProgramma {
    Q_OBJECT
    QProcess m_registratore;
    QByteArray m_registrato;                       // the monitor, from the start of the test program
    QElapsedTimer m_orologio;                      // the test's one clock
    QList<std::pair<qsizetype, qint64>> m_letture; // on it, when the recording reached each size, in samples
    const QString m_monitor = qEnvironmentVariable("ORDIPARO_MONITOR_AUDIO", QStringLiteral("ordiparo_nulla.monitor"));

    qsizetype adesso()
    {
        m_registrato += m_registratore.readAllStandardOutput();
        m_letture.append({m_registrato.size() / 2, m_orologio.elapsed()});
        return m_registrato.size();
    }
    // When that sample was played: each read after it bounds it (the recording stops while the device sleeps).
    qint64 msDelCampione(qsizetype campione) const
    {
        qint64 ms = std::numeric_limits<qint64>::max();
        for (const auto& [quanti, quando] : m_letture) {
            if (quanti >= campione)
                ms = std::min(ms, quando - (quanti - campione) * 1000 / kFrequenza);
        }
        return ms;
    }
    // Waits while the device plays on, then gives what was recorded since the mark.
    QByteArray registratoDa(qsizetype segno, int ms)
    {
        QTest::qWait(ms);
        adesso();
        return m_registrato.mid(segno);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(SuonoFeedbackQt().usciteInAttesa() > 0,
                 "no audio device: run through scripts/test, which starts a PulseAudio null sink");
        m_registratore.start("parec", {"--device=" + m_monitor, "--format=s16le", QString("--rate=%1").arg(kFrequenza),
                                       "--channels=1", "--latency-msec=20"});
        QVERIFY(m_registratore.waitForStarted());
        m_orologio.start();
        connect(&m_registratore, &QProcess::readyReadStandardOutput, this, [this] { adesso(); });
        QTRY_VERIFY_WITH_TIMEOUT(adesso() > 2000, 10000); // the stream takes a moment to start flowing
        QVERIFY2(ascolta(registratoDa(adesso(), 300)).forti == 0, "the device is not silent before speaking");
    }
    void cleanupTestCase() { m_registratore.kill(), m_registratore.waitForFinished(); }
    // The whole program with the real character.
    void init()
    {
        nuovoProgramma();
        m_p->programma.creaAgente = [](QWidget* schermata) {
            return std::make_unique<ControlloAgenteMerlino>(
                schermata, AmbienteProva::sorgente(QStringLiteral("assets/personaggi/")));
        };
        m_p->imp().StileLettere = QStringLiteral("minuscolo");
    }

    // Heard whole and without gaps, the marker on each word within 80 ms of its sound, the device waking late.
    void segnoAlTempoDellaVoce()
    {
        const QString testo = QStringLiteral("Il piccolo gatto nero salta sul muro alto per guardare la luna.");
        FontCorsivo::InstallaFont(m_ambiente->percorsi(), nullptr);
        std::tie(m_p->imp().FontTesto, m_p->imp().EvidenziaParoleLette) = std::tuple(QStringLiteral("Indis1"), true);
        m_p->metti(1, testo, 1, {QStringLiteral("0Vero.")});
        SchermataEsercizio* s = m_p->programma.apriEsercizio(nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!s->personaggio()->staParlando(), 20000); // the greeting
        const QString dispositivo = m_monitor.section(u'.', 0, -2); // asleep for 0.5 s, as a desktop's idle sink is
        QProcess::execute("pactl", {"suspend-sink", dispositivo, "1"});
        QTimer::singleShot(500, this, [dispositivo] {
            QProcess::execute("pactl", {"suspend-sink", dispositivo, "0"});
        });
        EtichettaConSegno* riquadro = s->testoStimolo;
        const qsizetype segno = adesso() / 2;
        QTest::mouseClick(riquadro, Qt::LeftButton, {}, QPoint(riquadro->width() / 2, riquadro->height() - 4));
        QList<std::pair<EtichettaConSegno::Parola, qint64>> mosse; // each word marked, when
        while (s->personaggio()->staParlando()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            const EtichettaConSegno::Parola parola = riquadro->parolaSegnata();
            if (parola.lunghezza > 0 && (mosse.isEmpty() || mosse.constLast().first.inizio != parola.inizio))
                mosse.append({parola, m_orologio.elapsed()});
        }
        const QByteArray sentito = registratoDa(segno * 2, 300);
        const VoceSintetizzata voce = SintesiVoce::istanza().sintetizza({testo, {}});
        const auto attacco = [](const QByteArray& pcm) {
            const qint16* fine = campioni(pcm) + pcm.size() / 2;
            return std::find_if(campioni(pcm), fine, [p = picco(pcm)](qint16 c) { return c * 10 > p; }) - campioni(pcm);
        };
        const Ascolto a = ascolta(sentito), b = ascolta(voce.pcm);
        const QString numeri = QString::asprintf("loud %d of %d windows, longest gap %d (synthesised %d)", a.forti,
                                                 b.forti, a.pausaPiuLunga, b.pausaPiuLunga);
        QVERIFY2(a.forti * 10 >= b.forti * 9 && a.pausaPiuLunga <= b.pausaPiuLunga + 5, qPrintable(numeri));
        const qsizetype primoCampione = segno + attacco(sentito) - attacco(voce.pcm);
        QCOMPARE(mosse.size(), 12);
        for (int n = 0; n < mosse.size(); ++n) {
            QCOMPARE(mosse[n].first.inizio, voce.parole[n].inizio);
            const qint64 scarto =
                mosse[n].second - msDelCampione(primoCampione + qsizetype(voce.parole[n].ms) * kFrequenza / 1000);
            QVERIFY2(std::abs(scarto) <= 80,
                     qPrintable(QString("word %1: marker minus sound %2 ms").arg(n).arg(scarto)));
        }
    }

    // Scanning words, quieter than the character: one asked before the sound module loads is said then, later at once.
    void voceDiScansione()
    {
        ModuloAudio modulo(AmbienteProva::accantoAlProgramma(kFileModuloAudio));
        const std::unique_ptr<VoceScansione> voce = modulo.voceScansione();
        for (const QString parola : {"falso", "vero"}) {
            const qsizetype segno = adesso();
            voce->annuncia(parola, 130, 100);
            QVERIFY(modulo.caricato() || ascolta(registratoDa(segno, 300)).forti == 0); // it waits for the module
            QVERIFY(modulo.carica());
            const QByteArray sentito = registratoDa(segno, 1000);
            QVERIFY2(ascolta(sentito).forti > 10, qPrintable(parola));
            QVERIFY(picco(sentito) * 3 < picco(SintesiVoce::istanza().sintetizza({parola, {}}).pcm) * 2);
        }
        const qsizetype segno = adesso(); // a word silenced as it is asked is never heard
        voce->annuncia(QStringLiteral("non si sa"), 130, 100), voce->taci();
        QCOMPARE(ascolta(registratoDa(segno, 1000)).forti, 0);
    }

    // Each sound within 60 ms of the click (recorder's 20 ms too), from its first sample, whole or cut by the next one.
    void suonoSubitoEIntero()
    {
        for (const QString suono : {"no.wav", "si.wav"})
            AmbienteProva::scrivi(m_ambiente->cartellaProgramma() + "suoni/" + suono,
                                  AmbienteProva::leggi(AmbienteProva::sorgente("assets/suoni/" + suono)));
        SuonoFeedbackQt lettore;
        QCOMPARE(lettore.usciteInAttesa(), 2);
        m_p->suoni.vero = &lettore;
        m_p->imp().ParlatoAttivo = false; // a wrong answer sounds only without speech
        m_p->metti(1, QStringLiteral("Il gatto."), 1, {QStringLiteral("1Dorme.")});
        SchermataEsercizio* s = m_p->programma.apriEsercizio(nullptr);
        QTest::qWait(500);
        // The answer clicked, its sound, and whether it is heard whole or cut short by the next click.
        const std::tuple<int, QString, bool> clic[] = {{0, "no.wav", false}, {0, "no.wav", true}, {1, "si.wav", true}};
        for (const auto& [risposta, nome, intero] : clic) {
            // The sound file at the recording's rate: its two channels averaged, every other sample.
            const QByteArray pcm = FileSuono::leggi(AmbienteProva::sorgente("assets/suoni/" + nome)).value();
            QByteArray suono(pcm.size() / 4 * 2, Qt::Uninitialized);
            const qint16* letti = campioni(pcm);
            for (qsizetype i = 0; i < suono.size() / 2; ++i)
                reinterpret_cast<qint16*>(suono.data())[i] = qint16((letti[2 * i] + letti[2 * i + 1]) / 2);
            const qsizetype segno = adesso();
            QTest::mouseClick(s->bottoniRisposta[risposta], Qt::LeftButton);
            QVERIFY(lettore.staSuonando());
            if (intero) // over once heard whole, however busy the computer
                QTRY_VERIFY_WITH_TIMEOUT(!lettore.staSuonando(), 3000);
            const QByteArray sentito = registratoDa(segno, intero ? 400 : 150);
            QCOMPARE(lettore.staSuonando(), !intero);
            constexpr qsizetype k30Ms = kFrequenza * 30 / 1000;
            qsizetype inizio = 0; // where the sound's first 30 ms are heard
            for (qsizetype da = 0; da < 4 * k30Ms; ++da) {
                if (somiglianza(sentito, da, suono, k30Ms) > somiglianza(sentito, inizio, suono, k30Ms))
                    inizio = da;
            }
            const double primi = somiglianza(sentito, inizio, suono, k30Ms);
            const double tutto = somiglianza(sentito, inizio, suono, suono.size() / 2);
            const QString misure = QString::asprintf("%s after %d ms, first 30 ms alike %g, whole %g", qPrintable(nome),
                                                     int(inizio * 1000 / kFrequenza), primi, tutto);
            QVERIFY2(inizio * 1000 <= 60 * kFrequenza && primi > 0.9 && (!intero || tutto > 0.9), qPrintable(misure));
        }
    }
};

QTEST_MAIN(TestAudio)
#include "tst_audio.moc"
