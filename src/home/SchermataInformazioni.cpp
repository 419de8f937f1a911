// SPDX-License-Identifier: GPL-3.0-or-later
// The About screen: who made the program, its terms of use, the manual opened by a click on the picture.
#include "home/SchermataInformazioni.h"

#include "storage/StatoProgramma.h"
#include "support/ApriDocumento.h"
#include "support/Crediti.h"
#include "support/Grafica.h"
#include "support/Programma.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kLarghezzaDisegno = 9600;
constexpr int kAltezzaDisegno = 7200;
constexpr double kGialloChiaro = 12648447; // the home screen's colour: the two belong together
constexpr int kLatoImmagine = 128;

QLabel* etichetta(QWidget* genitore, const char* nome, int punti)
{
    auto* label = new QLabel(QStringLiteral("Label"), genitore);
    label->setObjectName(QString::fromLatin1(nome));
    label->setFont(QFont(QStringLiteral("Arial"), punti));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

SchermataInformazioni::SchermataInformazioni(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno), autori(etichetta(area(), "autori", 16)),
      condizioni(etichetta(area(), "condizioni", 11)), licenza(etichetta(area(), "licenza", 11)),
      bottoneManuale(new QPushButton(area())), bottoneChiudi(new QPushButton(QStringLiteral("Chiudi"), area())),
      m_programma(programma)
{
    setObjectName(QStringLiteral("SchermataInformazioni"));
    setWindowTitle(QStringLiteral("Informazioni su Ordiparo"));
    posiziona(autori, 480, 360, 8640, 1320);
    bottoneManuale->setObjectName(QStringLiteral("bottoneManuale"));
    // A flat button: a picture to the eye, and still reachable with the keyboard.
    bottoneManuale->setFlat(true);
    bottoneManuale->setIcon(Grafica::icona(QStringLiteral(":/icona-programma.svg")));
    bottoneManuale->setIconSize(QSize(kLatoImmagine, kLatoImmagine));
    bottoneManuale->setCursor(Qt::PointingHandCursor);
    bottoneManuale->setToolTip(QStringLiteral("Apri il manuale (documento.pdf)"));
    bottoneManuale->setAccessibleName(QStringLiteral("Manuale di Ordiparo"));
    posiziona(bottoneManuale, 3840, 1860, 1920, 1920);
    posiziona(condizioni, 480, 3900, 8640, 1800);
    posiziona(licenza, 480, 5700, 8640, 360);
    bottoneChiudi->setObjectName(QStringLiteral("bottoneChiudi"));
    bottoneChiudi->setFont(QFont(QStringLiteral("Arial"), 14));
    posiziona(bottoneChiudi, 3600, 6180, 2400, 720);
    connect(bottoneManuale, &QPushButton::clicked, this, &SchermataInformazioni::apriManuale);
    connect(bottoneChiudi, &QPushButton::clicked, this, &SchermataInformazioni::chiudi);
    impostaColoreSfondo(kGialloChiaro);
    completaCaricamento();
}

void SchermataInformazioni::attivazione()
{
    occupaSchermo();
    autori->setText(QStringLiteral("Software di\r\nGli sviluppatori di Ordiparo - software libero per la scuola "
                                   "primaria\r\n"));
    condizioni->setText(QStringLiteral("Ordiparo è software libero: si può usare, copiare e dare ad altri senza pagare "
                                       "nulla.\r\nIl programma è dato così com'è, senza alcuna garanzia.\r\n"
                                       "Il corsivo scolastico è di ") +
                        QString::fromUtf16(Crediti::kAutoreFont) + u' ' + QString::fromUtf16(Crediti::kOrigineFont) +
                        u'.');
    licenza->setText(QStringLiteral("Licenza: GNU GPL, versione 3 o successiva."));
}

void SchermataInformazioni::apriManuale()
{
    Documenti::ApriDocumento(this, *m_programma.apriDocumento,
                             m_programma.stato.percorsi.fileNelProgramma(QStringLiteral("documento.pdf")));
}

void SchermataInformazioni::chiudi()
{
    m_programma.apriMenu(this);
}
