// SPDX-License-Identifier: GPL-3.0-or-later
// What the pupil hears from the exercise screen, recorded from the PulseAudio null sink that scripts/test
// starts: its monitor is recorded with parec for the whole run.
#include "exercise/SchermataEsercizio.h"
#include "exercise/agent/AgenteMerlino.h"
#include "exercise/agent/SintesiVoce.h"
#include "exercise/agent/SuonoFeedbackQt.h"
#include "exercise/agent/VoceScansioneEspeak.h"
#include "storage/FileSuono.h"
#include "support/EtichettaConSegno.h"
#include "support/FontCorsivo.h"
#include "support/ProgrammaProva.h"
#include "support/ScansioneCursore.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <cmath>

namespace {
constexpr int kFrequenza = 22050;
constexpr int kFinestra = kFrequenza / 100 * 2; // bytes in 10 ms
constexpr double kSogliaForte = 300;            // RMS of a 10 ms window that is heard as speech
const QString kStoria = QStringLiteral("C'era una volta un mago gentile che leggeva le storie ai bambini del paese, "
                                       "ogni sera, vicino al fuoco del camino.");

double rms(QByteArrayView pcm)
{
    const auto* campioni = reinterpret_cast<const qint16*>(pcm.data());
    double somma = 0;
    for (qsizetype i = 0; i < pcm.size() / 2; ++i)
        somma += double(campioni[i]) * campioni[i];
    return pcm.size() >= 2 ? std::sqrt(somma / (pcm.size() / 2)) : 0;
}

// Speech as heard: how many 10 ms windows are loud, the longest quiet run between the first loud window and the
// last, the loudest window.
struct Ascolto {
    int forti = 0;
    int pausaPiuLunga = 0;
    int parole = 0; // loud runs after at least 80 ms of quiet
    double picco = 0;
};

// volume: what the pcm will be played at, so that a window counts as loud as it will be heard.
Ascolto ascolta(const QByteArray& pcm, double volume = 1.0)
{
    Ascolto ascolto;
    int pausa = -1; // before the first loud window
    for (qsizetype i = 0; i + kFinestra <= pcm.size(); i += kFinestra) {
        const double forza = rms(QByteArrayView(pcm).sliced(i, kFinestra));
        ascolto.picco = std::max(ascolto.picco, forza);
        if (forza * volume > kSogliaForte) {
            if (pausa < 0 || pausa >= 8)
                ++ascolto.parole;
            ++ascolto.forti;
            ascolto.pausaPiuLunga = std::max(ascolto.pausaPiuLunga, pausa);
            pausa = 0;
        } else if (pausa >= 0) {
            ++pausa;
        }
    }
    return ascolto;
}

// The program's sound file at the recording's rate.
QByteArray dellaRegistrazione(const QString& suono)
{
    const QByteArray pcm = FileSuono::leggi(AmbienteProva::sorgente(QStringLiteral("assets/suoni/") + suono)).value();
    QByteArray meta(pcm.size() / 4 * 2, Qt::Uninitialized);
    const auto* da = reinterpret_cast<const qint16*>(pcm.constData());
    for (qsizetype i = 0; i < meta.size() / 2; ++i)
        reinterpret_cast<qint16*>(meta.data())[i] = static_cast<qint16>((da[2 * i] + da[2 * i + 1]) / 2);
    return meta;
}

// How alike the recording from that sample on is to the sound's first samples: 1 the same, 0 unrelated.
double somiglianza(const QByteArray& registrato, qsizetype da, const QByteArray& suono, qsizetype campioni)
{
    const auto* r = reinterpret_cast<const qint16*>(registrato.constData()) + da;
    const auto* f = reinterpret_cast<const qint16*>(suono.constData());
    if (da + campioni > registrato.size() / 2)
        return 0;
    double rf = 0, rr = 0, ff = 0;
    for (qsizetype i = 0; i < campioni; ++i) {
        rf += double(r[i]) * f[i];
        rr += double(r[i]) * r[i];
        ff += double(f[i]) * f[i];
    }
    return rr > 0 && ff > 0 ? rf / std::sqrt(rr * ff) : 0;
}

// The real scanning voice, noting each word it is asked to say.
class VoceScansioneAnnotata : public VoceScansioneEspeak {
public:
    void annuncia(const QString& parola, int velocita, int tono) override
    {
        dette.append({parola, {velocita, tono}});
        VoceScansioneEspeak::annuncia(parola, velocita, tono);
    }
    QList<TestoDaDire> dette;
};
} // namespace

class TestAudio : public QObject {
    Q_OBJECT
    QProcess m_registratore;
    QByteArray m_registrato;                       // the monitor, from the start of the test program
    QElapsedTimer m_orologio;                      // the test's one clock
    QList<std::pair<qsizetype, qint64>> m_letture; // on it, when the recording reached each size, in samples
    const QString m_monitor = qEnvironmentVariable("ORDIPARO_MONITOR_AUDIO", QStringLiteral("ordiparo_nulla.monitor"));
    AmbienteProva m_ambiente;
    std::unique_ptr<ProgrammaProva> m_p;

    qsizetype adesso()
    {
        m_registrato += m_registratore.readAllStandardOutput();
        m_letture.append({m_registrato.size() / 2, m_orologio.elapsed()});
        return m_registrato.size();
    }
    // When that sample was played, on the test's clock: the recorder hands a sample out after it is played, so
    // each read after it bounds it (not one before: the recording stops while the device sleeps).
    qint64 msDelCampione(qsizetype campione) const
    {
        qint64 ms = std::numeric_limits<qint64>::max();
        for (const auto& [campioni, quando] : m_letture) {
            if (campioni >= campione)
                ms = std::min(ms, quando - (campioni - campione) * 1000 / kFrequenza);
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
    // The device sleeps for half a second from now, keeping what it is given, as a desktop's idle sink does.
    void dispositivoInRitardo()
    {
        const QString dispositivo = m_monitor.section(u'.', 0, -2);
        QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("suspend-sink"), dispositivo, QStringLiteral("1")});
        QTimer::singleShot(500, this, [dispositivo] {
            QProcess::execute(QStringLiteral("pactl"),
                              {QStringLiteral("suspend-sink"), dispositivo, QStringLiteral("0")});
        });
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(SuonoFeedbackQt().usciteInAttesa() > 0,
                 "no audio device: run through scripts/test, which starts a PulseAudio null sink");
        m_registratore.start(QStringLiteral("parec"),
                             {QStringLiteral("--device=") + m_monitor, QStringLiteral("--format=s16le"),
                              QStringLiteral("--rate=%1").arg(kFrequenza), QStringLiteral("--channels=1"),
                              QStringLiteral("--latency-msec=20")});
        QVERIFY(m_registratore.waitForStarted());
        m_orologio.start();
        connect(&m_registratore, &QProcess::readyReadStandardOutput, this, [this] { adesso(); });
        // The recording stream takes a moment to start flowing.
        QTRY_VERIFY_WITH_TIMEOUT(adesso() > 2000, 10000);
        QVERIFY2(rms(registratoDa(adesso(), 300)) < 50, "the device is not silent before speaking");
    }
    void cleanupTestCase()
    {
        m_registratore.kill();
        m_registratore.waitForFinished();
    }
    // The whole program with the real character, and one item whose first statement is the story.
    void init()
    {
        m_p = std::make_unique<ProgrammaProva>(m_ambiente);
        m_p->programma.creaAgente = [](QWidget* schermata) {
            return std::make_unique<ControlloAgenteMerlino>(
                schermata, AmbienteProva::sorgente(QStringLiteral("assets/personaggi/")));
        };
        m_p->imp().StileLettere = QStringLiteral("minuscolo");
        m_p->metti(1, QStringLiteral("Il mago e il fuoco."), 1, {QStringLiteral("0") + kStoria});
    }
    void cleanup() { m_p.reset(); }

    // A long statement read on a click is heard whole, without gaps that the synthesised speech does not have,
    // though the device wakes up late and the screen keeps the event loop busy.
    void siSenteTuttaLaFrase()
    {
        QTimer occupata;
        occupata.callOnTimeout([] { QThread::msleep(150); });
        occupata.start(400);
        SchermataEsercizio* s = m_p->programma.apriEsercizio(nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!s->personaggio()->staParlando(), 20000);
        const qsizetype segno = adesso();
        dispositivoInRitardo();
        QTest::mouseClick(s->testoAffermazione, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!s->personaggio()->staParlando(), 20000);
        const Ascolto sentito = ascolta(registratoDa(segno, 500));
        const Ascolto sintetizzato = ascolta(SintesiVoce::istanza().sintetizza({kStoria, {}}).pcm);
        const QString numeri =
            QString::asprintf("loud %d of %d windows, longest gap %d (synthesised %d)", sentito.forti,
                              sintetizzato.forti, sentito.pausaPiuLunga, sintetizzato.pausaPiuLunga);
        QVERIFY2(sentito.forti * 10 >= sintetizzato.forti * 8, qPrintable(numeri));
        QVERIFY2(sentito.pausaPiuLunga <= sintetizzato.pausaPiuLunga + 5, qPrintable(numeri));
    }

    // Reading along, the marker reaches each word of a 12-word text within 80 ms of its first sound in the
    // recording, in cursive, though the device wakes up late (a suspended sink keeps what it is given). The
    // speech's first sample above a tenth of its peak places it in the recording; each word's start in it is
    // espeak-ng's.
    void segnoAlTempoDellaVoce()
    {
        const QString testo = QStringLiteral("Il piccolo gatto nero salta sul muro alto per guardare la luna.");
        FontCorsivo::InstallaFont(m_ambiente.percorsi(), nullptr);
        m_p->imp().FontTesto = QStringLiteral("Indis1");
        m_p->imp().EvidenziaParoleLette = true;
        m_p->metti(1, testo, 1, {QStringLiteral("0Vero.")});
        SchermataEsercizio* s = m_p->programma.apriEsercizio(nullptr);
        EtichettaConSegno* riquadro = s->testoStimolo;
        QTRY_VERIFY_WITH_TIMEOUT(!s->personaggio()->staParlando(), 20000);
        const qsizetype segno = adesso() / 2;
        dispositivoInRitardo();
        QTest::mouseClick(riquadro, Qt::LeftButton, {}, QPoint(riquadro->width() / 2, riquadro->height() - 4));
        QList<std::pair<EtichettaConSegno::Parola, qint64>> mosse; // each word marked, when
        while (s->personaggio()->staParlando()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            const EtichettaConSegno::Parola parola = riquadro->parolaSegnata();
            if (parola.lunghezza == 0 || (!mosse.isEmpty() && mosse.constLast().first.inizio == parola.inizio))
                continue;
            mosse.append({parola, m_orologio.elapsed()});
        }
        const QByteArray sentito = registratoDa(segno * 2, 300);
        const VoceSintetizzata voce = SintesiVoce::istanza().sintetizza({testo, {}});
        const auto attacco = [](const QByteArray& pcm) {
            const auto* campioni = reinterpret_cast<const qint16*>(pcm.constData());
            const qint16 picco = *std::max_element(campioni, campioni + pcm.size() / 2);
            return std::find_if(campioni, campioni + pcm.size() / 2, [&](qint16 c) { return c * 10 > picco; }) -
                   campioni;
        };
        QVERIFY2(ascolta(sentito).forti * 10 >= ascolta(voce.pcm).forti * 9, "the speech was not heard whole");
        const qsizetype primoCampione = segno + attacco(sentito) - attacco(voce.pcm);
        QCOMPARE(mosse.size(), 12);
        for (int n = 0; n < mosse.size(); ++n) {
            QCOMPARE(mosse[n].first.inizio, voce.parole[n].inizio);
            const qint64 scarto =
                mosse[n].second - msDelCampione(primoCampione + qsizetype(voce.parole[n].ms) * kFrequenza / 1000);
            QVERIFY2(std::abs(scarto) <= 80,
                     qPrintable(QStringLiteral("word %1: marker minus sound %2 ms").arg(n).arg(scarto)));
        }
    }

    // Auditory scanning with the real voice: from the end of the character's greeting each lit button is heard
    // whole, quieter than the character.
    void scansioneUditivaSiSente()
    {
        auto voce = std::make_unique<VoceScansioneAnnotata>();
        VoceScansioneAnnotata* annotata = voce.get();
        m_p->programma.voceScansione = std::move(voce);
        m_p->imp().ModalitaInput = ScansioneCursore::Automatica;
        m_p->imp().VelocitaScansione = 4; // a second a step
        m_p->imp().ScansioneUditiva = true;
        SchermataEsercizio* s = m_p->programma.apriEsercizio(nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!s->personaggio()->staParlando(), 20000);
        const qsizetype segno = adesso();
        // The button lit while the character spoke is said as soon as he is done, not at the next step.
        QTRY_VERIFY_WITH_TIMEOUT(!annotata->dette.isEmpty(), 300);
        QTRY_VERIFY_WITH_TIMEOUT(annotata->dette.size() >= 4, 9000);
        const QByteArray sentito = registratoDa(segno, 1500); // the last word, through the device's latency
        const Ascolto ascolto = ascolta(sentito);
        int attese = 0; // loud windows of the words said, at the voice's volume
        for (const TestoDaDire& parola : std::as_const(annotata->dette))
            attese += ascolta(SintesiVoce::istanza().sintetizza(parola).pcm, 0.5).forti;
        const QString numeri = QStringLiteral("%1 words said, %2 heard, %3 of %4 loud windows")
                                   .arg(annotata->dette.size())
                                   .arg(ascolto.parole)
                                   .arg(ascolto.forti)
                                   .arg(attese);
        QVERIFY2(ascolto.parole >= annotata->dette.size() && ascolto.forti * 10 >= attese * 8, qPrintable(numeri));
        // Quieter than the character, who speaks at full volume.
        const double piena = ascolta(SintesiVoce::istanza().sintetizza({QStringLiteral("non si sa"), {}}).pcm).picco;
        QVERIFY2(ascolto.picco < piena * 0.75,
                 qPrintable(QStringLiteral("peak %1, full %2").arg(ascolto.picco).arg(piena)));
    }

    // Each answer's sound reaches the device within 30 ms of the click, first sample first, also when it cuts
    // short the same sound still playing, and is heard whole.
    void suonoSubitoEIntero()
    {
        for (const QString suono : {"no.wav", "si.wav"})
            AmbienteProva::scrivi(m_ambiente.cartellaProgramma() + "suoni/" + suono,
                                  AmbienteProva::leggi(AmbienteProva::sorgente("assets/suoni/" + suono)));
        SuonoFeedbackQt lettore;
        QCOMPARE(lettore.usciteInAttesa(), 2);
        m_p->suoni.vero = &lettore;
        m_p->imp().ParlatoAttivo = false; // a wrong answer sounds only without speech
        SchermataEsercizio* s = m_p->programma.apriEsercizio(nullptr);
        QTest::qWait(500);
        // The answer clicked, its sound, and whether it is heard whole or cut short by the next click.
        const std::tuple<int, QString, bool> clic[] = {{1, "no.wav", false}, {1, "no.wav", true}, {0, "si.wav", true}};
        for (const auto& [risposta, nome, intero] : clic) {
            const QByteArray suono = dellaRegistrazione(nome);
            const qsizetype segno = adesso();
            QTest::mouseClick(s->bottoniRisposta[risposta], Qt::LeftButton);
            QVERIFY(lettore.staSuonando());
            if (intero) // over once heard whole, however busy the computer
                QTRY_VERIFY_WITH_TIMEOUT(!lettore.staSuonando(), 3000);
            const QByteArray sentito = registratoDa(segno, intero ? 400 : 150);
            QCOMPARE(lettore.staSuonando(), !intero);
            constexpr qsizetype k30Ms = kFrequenza * 30 / 1000;
            qsizetype inizio = 0; // where the sound's first 30 ms are heard
            for (qsizetype da = 0; da < 2 * k30Ms; ++da) {
                if (somiglianza(sentito, da, suono, k30Ms) > somiglianza(sentito, inizio, suono, k30Ms))
                    inizio = da;
            }
            const double primi = somiglianza(sentito, inizio, suono, k30Ms);
            const double tutto = somiglianza(sentito, inizio, suono, suono.size() / 2);
            const QString misure = QStringLiteral("%1 after %2 ms, first 30 ms alike %3, whole %4")
                                       .arg(nome)
                                       .arg(inizio * 1000 / kFrequenza)
                                       .arg(primi)
                                       .arg(tutto);
            QVERIFY2(inizio <= k30Ms && primi > 0.9, qPrintable(misure));
            QVERIFY2(!intero || tutto > 0.9, qPrintable(misure));
        }
    }
};

QTEST_MAIN(TestAudio)
#include "tst_audio.moc"
