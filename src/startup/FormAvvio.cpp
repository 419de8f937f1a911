// The start screen: a picture and one big button that leads to the home screen, by mouse or by a switch.
#include "startup/FormAvvio.h"

#include "home/Programma.h"
#include "startup/Modulo1.h"
#include "storage/StatoProgramma.h"
#include "support/BottoneEvidenziabile.h"
#include "support/Grafica.h"
#include "support/ScansioneCursore.h"

#include <QTimer>

namespace {
constexpr int kLarghezzaDisegno = 9600;
constexpr int kAltezzaDisegno = 7200;
constexpr double kAzzurroChiaro = 16777152; // red 192, green 255, blue 255
constexpr int kLatoIcona = 48;
constexpr int kIntervalloDisegno = 100;
} // namespace

FormAvvio::FormAvvio(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno),
      Command1(new BottoneEvidenziabile(QStringLiteral("&Avvio"), area())),
      Image1(new DisegnoSvg(QStringLiteral(":/immagine-avvio.svg"), area())),
      PictureScansioneManuale(new QWidget(area())), PictureScansioneAutomatica(new QWidget(area())),
      Timer1(new QTimer(this)), m_programma(programma)
{
    setObjectName(QStringLiteral("FormAvvio"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Un bambino legge un grande libro sotto il sole"));
    posiziona(Image1, 1200, 240, 7200, 5040);

    Command1->setObjectName(QStringLiteral("Command1"));
    QFont carattere(QStringLiteral("Comic Sans MS"), 24);
    carattere.setBold(true);
    Command1->setFont(carattere);
    Command1->setIcon(Grafica::icona(QStringLiteral(":/icona-avvio.svg")));
    Command1->setIconSize(QSize(kLatoIcona, kLatoIcona));
    Command1->setCursor(Grafica::cursoreFreccia());
    posiziona(Command1, 3000, 5520, 3600, 1320);
    connect(Command1, &QPushButton::clicked, this, &FormAvvio::Command1_Click);

    PictureScansioneManuale->setObjectName(QStringLiteral("PictureScansioneManuale"));
    PictureScansioneManuale->setAccessibleName(QStringLiteral("Sensore: spazio o invio per cominciare"));
    posiziona(PictureScansioneManuale, 120, 6840, 255, 255);
    PictureScansioneAutomatica->setObjectName(QStringLiteral("PictureScansioneAutomatica"));
    PictureScansioneAutomatica->setAccessibleName(QStringLiteral("Sensore: spazio per cominciare"));
    posiziona(PictureScansioneAutomatica, 480, 6840, 255, 255);
    Timer1->setInterval(kIntervalloDisegno);
    m_scansione = new ScansioneCursore(Timer1, PictureScansioneManuale, PictureScansioneAutomatica, this);
    m_scansione->setBottoni({Command1});
    // One button: whichever switch the pupil has starts, and a held switch starts once, when let go.
    m_scansione->setOgniSensoreSceglie(true);
    connect(m_scansione, &ScansioneCursore::scelto, this, &FormAvvio::Command1_Click);
    m_scansione->prepara(ScansioneCursore::Mouse, kIntervalloDisegno);

    impostaColoreSfondo(kAzzurroChiaro);
    completaCaricamento();
    if (m_programma.stato.ImpostazioniUtente.ColoreCasuale)
        impostaColoreSfondo(Modulo1::ScegliColoreCasuale(m_programma.stato));
}

void FormAvvio::attivazione()
{
    const ImpostazioniUtente& impostazioni = m_programma.stato.ImpostazioniUtente;
    occupaSchermo();
    Image1->preparaDisegno();
    if (impostazioni.MouseDiSistema)
        Command1->setCursor(Qt::ArrowCursor);
    m_programma.stato.RegistroEsercizi.azzera();
    const int modalita = impostazioni.ModalitaInput;
    if (modalita != ScansioneCursore::Manuale && modalita != ScansioneCursore::Automatica) {
        Command1->setFocus();
        return;
    }
    m_scansione->setColori(impostazioni.ColoreBottoni, impostazioni.ColoreBottoneSelezionato);
    m_scansione->regola(impostazioni, m_programma.voceScansione.get(), {});
    m_scansione->prepara(modalita, ScansioneCursore::intervalloDaQuarti(impostazioni.VelocitaScansione));
    m_scansione->evidenzia(0);
}

void FormAvvio::Command1_Click()
{
    m_scansione->ferma();
    m_programma.apriMenu(this);
}
