// The "Modalità di input" tab: mouse, manual or automatic scanning, the scanning step, the system's mouse
// pointer and the colour of the highlighted button.
#include "home/Programma.h"
#include "settings/FormConfigura.h"
#include "storage/StatoProgramma.h"
#include "support/Colori.h"
#include "support/CommDlgs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

void FormConfigura::creaFramePunt()
{
    FramePunt = creaFrame("FramePunt");
    auto* modi = new QButtonGroup(this);
    const char* voci[] = {"Mouse ", "Scansione manuale - spazio e invio ", "Scansione automatica - spazio"};
    for (int i = 0; i < 3; ++i) {
        Option4[i] = new QRadioButton(QString::fromUtf8(voci[i]), FramePunt);
        Option4[i]->setObjectName(QStringLiteral("Option4_%1").arg(i));
        posiziona(Option4[i], 240, 240 + i * 720, 7200, 480);
        modi->addButton(Option4[i], i);
        connect(Option4[i], &QRadioButton::toggled, this, [this, i](bool scelto) {
            if (scelto)
                Option4_Click(i);
        });
    }

    HScroll3 = new QScrollBar(Qt::Horizontal, FramePunt);
    HScroll3->setObjectName(QStringLiteral("HScroll3"));
    HScroll3->setAccessibleName(QStringLiteral("Velocità della scansione"));
    HScroll3->setRange(4, 60);
    HScroll3->setSingleStep(1);
    HScroll3->setPageStep(4);
    posiziona(HScroll3, 600, 2520, 5400, 360);
    connect(HScroll3, &QScrollBar::valueChanged, this, &FormConfigura::HScroll3_Change);
    Label7 = new QLabel(FramePunt);
    Label7->setObjectName(QStringLiteral("Label7"));
    posiziona(Label7, 6240, 2460, 4080, 480);

    CheckDisabilitaMousePersonalizzato = new QCheckBox(QStringLiteral("Usa mouse di sistema"), FramePunt);
    CheckDisabilitaMousePersonalizzato->setObjectName(QStringLiteral("CheckDisabilitaMousePersonalizzato"));
    posiziona(CheckDisabilitaMousePersonalizzato, 600, 3240, 7200, 480);
    connect(CheckDisabilitaMousePersonalizzato, &QCheckBox::toggled, this,
            [this](bool spuntata) { m_programma.stato.ImpostazioniUtente.MouseDiSistema = spuntata; });

    CommandSceltaColoreBottoniSelezionati = new QPushButton(QStringLiteral("Colore bottone selezionato"), FramePunt);
    CommandSceltaColoreBottoniSelezionati->setObjectName(QStringLiteral("CommandSceltaColoreBottoniSelezionati"));
    posiziona(CommandSceltaColoreBottoniSelezionati, 240, 4200, 5040, 840);
    connect(CommandSceltaColoreBottoniSelezionati, &QPushButton::clicked, this,
            &FormConfigura::CommandSceltaColoreBottoniSelezionati_Click);
}

void FormConfigura::Option4_Click(int indice)
{
    m_programma.stato.ImpostazioniUtente.ModalitaInput = static_cast<qint16>(indice);
    ImpostaConfigurazioni();
}

void FormConfigura::HScroll3_Change(int valore)
{
    m_programma.stato.ImpostazioniUtente.VelocitaScansione = static_cast<qint16>(valore);
    // Seconds with two decimals and the system's decimal separator: "1,00" in Italy.
    Label7->setText(QStringLiteral("Velocità scansione: ") + QLocale::system().toString(valore / 4.0, 'f', 2) +
                    QStringLiteral(" secondi"));
}

void FormConfigura::CommandSceltaColoreBottoniSelezionati_Click()
{
    if (CommDlgs::ShowColor(this, LabelPerColore))
        m_programma.stato.ImpostazioniUtente.ColoreBottoneSelezionato = Colori::testo(LabelPerColore);
    ImpostaConfigurazioni();
}
