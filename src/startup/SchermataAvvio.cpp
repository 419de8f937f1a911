// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen: a picture and one big button that leads to the home screen, by mouse or by a switch.
#include "startup/SchermataAvvio.h"

#include "storage/StatoProgramma.h"
#include "support/BottoneEvidenziabile.h"
#include "support/Colori.h"
#include "support/Grafica.h"
#include "support/Programma.h"
#include "support/ScansioneCursore.h"
#include "support/SceltaConSosta.h"

#include <QTimer>

namespace {
constexpr int kLarghezzaDisegno = 9600;
constexpr int kAltezzaDisegno = 7200;
constexpr double kAzzurroChiaro = 16777152; // red 192, green 255, blue 255
constexpr int kLatoIcona = 48;
constexpr int kIntervalloDisegno = 100;
} // namespace

SchermataAvvio::SchermataAvvio(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno),
      bottoneAvvio(new BottoneEvidenziabile(QStringLiteral("&Avvio"), area())),
      immagineAvvio(new DisegnoSvg(QStringLiteral(":/immagine-avvio.svg"), area())),
      spiaScansioneManuale(new QWidget(area())), spiaScansioneAutomatica(new QWidget(area())),
      timerScansione(new QTimer(this)), m_programma(programma)
{
    setObjectName(QStringLiteral("SchermataAvvio"));
    immagineAvvio->setObjectName(QStringLiteral("immagineAvvio"));
    immagineAvvio->setAccessibleName(QStringLiteral("Un bambino legge un grande libro sotto il sole"));
    posiziona(immagineAvvio, 1200, 240, 7200, 5040);

    bottoneAvvio->setObjectName(QStringLiteral("bottoneAvvio"));
    QFont carattere(QStringLiteral("Comic Sans MS"), 24);
    carattere.setBold(true);
    bottoneAvvio->setFont(carattere);
    bottoneAvvio->setIcon(Grafica::icona(QStringLiteral(":/icona-avvio.svg")));
    bottoneAvvio->setIconSize(QSize(kLatoIcona, kLatoIcona));
    bottoneAvvio->setCursor(Grafica::cursoreFreccia());
    posiziona(bottoneAvvio, 3000, 5520, 3600, 1320);
    connect(bottoneAvvio, &QPushButton::clicked, this, &SchermataAvvio::avvia);

    spiaScansioneManuale->setObjectName(QStringLiteral("spiaScansioneManuale"));
    spiaScansioneManuale->setAccessibleName(QStringLiteral("Sensore: spazio o invio per cominciare"));
    posiziona(spiaScansioneManuale, 120, 6840, 255, 255);
    spiaScansioneAutomatica->setObjectName(QStringLiteral("spiaScansioneAutomatica"));
    spiaScansioneAutomatica->setAccessibleName(QStringLiteral("Sensore: spazio per cominciare"));
    posiziona(spiaScansioneAutomatica, 480, 6840, 255, 255);
    timerScansione->setInterval(kIntervalloDisegno);
    m_scansione = new ScansioneCursore(timerScansione, spiaScansioneManuale, spiaScansioneAutomatica, this);
    m_scansione->setBottoni({bottoneAvvio});
    // One button: whichever switch the pupil has starts, and a held switch starts once, when let go.
    m_scansione->setOgniSensoreSceglie(true);
    connect(m_scansione, &ScansioneCursore::scelto, this, &SchermataAvvio::avvia);
    m_scansione->ascoltaJoystick(m_programma.joystick.get());
    m_scansione->prepara(ScansioneCursore::Mouse, kIntervalloDisegno);
    m_sosta = new SceltaConSosta(this);
    m_sosta->setBersagli({bottoneAvvio});

    impostaColoreSfondo(kAzzurroChiaro);
    completaCaricamento();
    if (m_programma.stato.ImpostazioniUtente.ColoreCasuale)
        impostaColoreSfondo(Colori::ScegliColoreCasuale(m_programma.stato));
}

void SchermataAvvio::attivazione()
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    occupaSchermo();
    immagineAvvio->preparaDisegno();
    if (impostazioni.MouseDiSistema)
        bottoneAvvio->setCursor(Qt::ArrowCursor);
    m_programma.stato.RegistroEsercizi.azzera();
    const int modalita = impostazioni.ModalitaInput;
    if (modalita != ScansioneCursore::Manuale && modalita != ScansioneCursore::Automatica) {
        bottoneAvvio->setFocus();
        m_sosta->avvia(impostazioni.TempoSosta);
        return;
    }
    m_scansione->setColori(impostazioni.ColoreBottoni, impostazioni.ColoreBottoneSelezionato);
    m_scansione->regola(impostazioni, m_programma.voceScansione.get(), {});
    m_scansione->prepara(modalita, ScansioneCursore::intervalloDaQuarti(impostazioni.VelocitaScansione));
    m_scansione->evidenzia(0);
}

void SchermataAvvio::avvia()
{
    m_scansione->ferma();
    m_sosta->ferma();
    m_programma.apriMenu(this);
}
