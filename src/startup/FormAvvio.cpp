// The start screen: a picture and one big button that leads to the home screen.
#include "startup/FormAvvio.h"

#include "home/Programma.h"
#include "startup/Modulo1.h"
#include "storage/StatoProgramma.h"
#include "support/Grafica.h"

#include <QPushButton>

namespace {
constexpr int kLarghezzaDisegno = 9600;
constexpr int kAltezzaDisegno = 7200;
constexpr double kAzzurroChiaro = 16777152; // red 192, green 255, blue 255
constexpr int kLatoIcona = 48;
} // namespace

FormAvvio::FormAvvio(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno), Command1(new QPushButton(QStringLiteral("&Avvio"), area())),
      Image1(new DisegnoSvg(QStringLiteral(":/immagine-avvio.svg"), area())), m_programma(programma)
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

    impostaColoreSfondo(kAzzurroChiaro);
    completaCaricamento();
    if (m_programma.stato.ImpostazioniUtente.ColoreCasuale)
        impostaColoreSfondo(Modulo1::ScegliColoreCasuale(m_programma.stato));
}

void FormAvvio::attivazione()
{
    occupaSchermo();
    if (m_programma.stato.ImpostazioniUtente.MouseDiSistema)
        Command1->setCursor(Qt::ArrowCursor);
    m_programma.stato.RegistroEsercizi.azzera();
    Command1->setFocus();
}

void FormAvvio::Command1_Click()
{
    m_programma.apriMenu(this);
}
