// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise screen: from a click on "avanti" to the next statement painted (goal: at most 5 ms), and a
// new item whose picture is a 4000 × 3000 JPEG, shown fitted (goal: at most 50 ms; full decode beside it), and
// one step of the marker that follows the words read, from the word heard to the box painted, in cursive on a
// long text (goal: under 2 ms).
#include "Cronometro.h"
#include "ProgrammaMisurato.h"
#include "exercise/SchermataEsercizio.h"

#include <QDir>
#include <QFontDatabase>
#include <QImageReader>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace {
void riga(TabellaFrasi& tabella, int numero, const QString& stimolo, qint16 codice)
{
    tabella.Testo(numero, 0) = stimolo;
    tabella.Codice(numero, 0) = codice;
    for (int colonna = 1; colonna < TabellaFrasi::kColonne; ++colonna) {
        tabella.Testo(numero, colonna) = QStringLiteral("La frase numero %1 dice il vero.").arg(colonna);
        tabella.Codice(numero, colonna) = 0;
    }
}

// A photo-like picture: gradients and shapes, so the JPEG is as heavy to decode as a real photo.
void creaFoto(const QString& percorso)
{
    QImage foto(4000, 3000, QImage::Format_RGB32);
    QPainter pittore(&foto);
    QLinearGradient cielo(0, 0, 4000, 3000);
    cielo.setColorAt(0, Qt::cyan);
    cielo.setColorAt(1, Qt::darkGreen);
    pittore.fillRect(foto.rect(), cielo);
    for (int i = 0; i < 400; ++i) {
        pittore.setBrush(QColor::fromHsv((i * 37) % 360, 200, 220));
        pittore.drawEllipse(QPoint((i * 997) % 4000, (i * 631) % 3000), 40 + i % 90, 30 + i % 70);
    }
    pittore.end();
    foto.save(percorso, "JPEG", 90);
}
} // namespace

int main(int argc, char* argv[])
{
    ProgrammaMisurato programma(argc, argv);
    QDir().mkpath(programma.cartellaProgramma() + QStringLiteral("immagini"));
    const QString foto = programma.cartellaProgramma() + QStringLiteral("immagini/foto.jpg");
    creaFoto(foto);
    StatoProgramma& stato = programma.stato;
    stato.ImpostazioniUtente.ColoreCasuale = false;
    Ordiparo& hub = programma.hub;

    // Text items: "avanti" leads to the next statement.
    stato.TabellaFrasi.NumeroRighe = 1;
    riga(stato.TabellaFrasi, 1, QStringLiteral("Nonna Rosa va al mercato con Luca."), 1);
    SchermataEsercizio* schermata = hub.apriEsercizio(nullptr);
    if (!QTest::qWaitForWindowExposed(schermata))
        return 1;
    const double avanti = medianaMs(51, [&] {
        schermata->bottoniRisposta[0]->click();
        schermata->bottoneAvanti->click();
        schermata->repaint();
    });

    // Picture items: every new item decodes and fits the large photo.
    riga(stato.TabellaFrasi, 1, QStringLiteral("foto.jpg"), 0);
    const double nuovoConFoto = medianaMs(11, [&] {
        schermata->GeneraEsercizio();
        schermata->repaint();
    });
    const double decodificaCompleta = medianaMs(5, [&] { QImageReader(foto).read(); });

    // Reading along: each step marks the next word of a stimulus that fills its box in cursive.
    QFontDatabase::addApplicationFont(QStringLiteral(ORDIPARO_CARTELLA_PROGRAMMA "/indis1.ttf"));
    stato.ImpostazioniUtente.StileLettere = QStringLiteral("corsivo");
    stato.ImpostazioniUtente.FontTesto = QStringLiteral("Indis1");
    const QString lungo = QStringLiteral("Per il compleanno Nicola riceve una bicicletta blu. All'inizio cade spesso, "
                                         "però non si arrende. Dopo qualche giorno riesce a pedalare senza aiuto "
                                         "lungo la strada dell'argine, mentre il papà lo segue con la sua bici.");
    riga(stato.TabellaFrasi, 1, lungo, 1);
    hub.apriMenu(schermata); // the exercise screen takes the letter style when it opens anew
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    schermata = hub.apriEsercizio(nullptr);
    if (!QTest::qWaitForWindowExposed(schermata))
        return 1;
    EtichettaConSegno* stimolo = schermata->testoStimolo;
    stimolo->repaint();
    QList<int> parole;
    for (int i = 0; i < lungo.size(); ++i) {
        if (lungo[i] != u' ' && (i == 0 || lungo[i - 1] == u' '))
            parole.append(i);
    }
    int passo = 0;
    const double segno = medianaMs(201, [&] {
        stimolo->segnaParola(parole[passo++ % parole.size()]);
        stimolo->repaint();
    });

    std::printf("da \"avanti\" alla frase seguente disegnata: %6.2f ms   (obiettivo: al massimo 5 ms)\n", avanti);
    std::printf("nuovo esercizio con foto 4000x3000 adattata: %6.2f ms   (obiettivo: al massimo 50 ms)\n",
                nuovoConFoto);
    std::printf("  per confronto, decodifica completa della foto: %6.2f ms\n", decodificaCompleta);
    std::printf("un passo del segno sulle parole lette, in corsivo: %6.2f ms   (obiettivo: meno di 2 ms)\n", segno);
    return 0;
}
