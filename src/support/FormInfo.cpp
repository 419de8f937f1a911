// The About screen: who made the program, its terms of use, the manual opened by a click on the picture.
#include "support/FormInfo.h"

#include "home/Programma.h"
#include "storage/StatoProgramma.h"
#include "support/ApriDocumento.h"
#include "support/Crediti.h"
#include "support/Grafica.h"

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

FormInfo::FormInfo(Programma& programma)
    : Schermata(kLarghezzaDisegno, kAltezzaDisegno), Label1(etichetta(area(), "Label1", 16)),
      Label3(etichetta(area(), "Label3", 11)), Label4(etichetta(area(), "Label4", 11)), Image1(new QPushButton(area())),
      Command1(new QPushButton(QStringLiteral("Chiudi"), area())), m_programma(programma)
{
    setObjectName(QStringLiteral("FormInfo"));
    setWindowTitle(QStringLiteral("Informazioni su Ordiparo"));
    posiziona(Label1, 480, 360, 8640, 1320);
    Image1->setObjectName(QStringLiteral("Image1"));
    // A flat button: a picture to the eye, and still reachable with the keyboard.
    Image1->setFlat(true);
    Image1->setIcon(Grafica::icona(QStringLiteral(":/icona-programma.svg")));
    Image1->setIconSize(QSize(kLatoImmagine, kLatoImmagine));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Apri il manuale (documento.pdf)"));
    Image1->setAccessibleName(QStringLiteral("Manuale di Ordiparo"));
    posiziona(Image1, 3840, 1860, 1920, 1920);
    posiziona(Label3, 480, 3900, 8640, 1800);
    posiziona(Label4, 480, 5700, 8640, 360);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(QFont(QStringLiteral("Arial"), 14));
    posiziona(Command1, 3600, 6180, 2400, 720);
    connect(Image1, &QPushButton::clicked, this, &FormInfo::Image1_Click);
    connect(Command1, &QPushButton::clicked, this, &FormInfo::Command1_Click);
    impostaColoreSfondo(kGialloChiaro);
    completaCaricamento();
}

void FormInfo::attivazione()
{
    occupaSchermo();
    Label1->setText(QStringLiteral("Software di\r\nGli sviluppatori di Ordiparo - software libero per la scuola "
                                   "primaria\r\n"));
    Label3->setText(QStringLiteral("Ordiparo è software libero: si può usare, copiare e dare ad altri senza pagare "
                                   "nulla.\r\nIl programma è dato così com'è, senza alcuna garanzia.\r\n"
                                   "Il corsivo scolastico è di ") +
                    QString::fromUtf16(Crediti::kAutoreFont) + u' ' + QString::fromUtf16(Crediti::kOrigineFont) + u'.');
    Label4->clear();
}

void FormInfo::Image1_Click()
{
    ModuloNavigate::ApriDocumento(this, *m_programma.apriDocumento,
                                  m_programma.stato.percorsi.fileNelProgramma(QStringLiteral("documento.pdf")));
}

void FormInfo::Command1_Click()
{
    m_programma.apriMenu(this);
}
