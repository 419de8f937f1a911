// The "Modalità di input" tab: mouse, manual or automatic scanning, the scanning step, the system's mouse
// pointer, the colour of the highlighted button, auditory scanning and the switch's timing.
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

    CheckScansioneUditiva = new QCheckBox(QStringLiteral("Scansione uditiva: ogni bottone è detto a voce"), FramePunt);
    CheckScansioneUditiva->setObjectName(QStringLiteral("CheckScansioneUditiva"));
    posiziona(CheckScansioneUditiva, 240, 5160, 10000, 480);
    connect(CheckScansioneUditiva, &QCheckBox::toggled, this,
            [this](bool spuntata) { m_programma.stato.ImpostazioniUtente.ScansioneUditiva = spuntata; });

    // The switch's timing: a scale each, which writes its setting and its caption as it moves.
    const auto secondi = [](int ms) { return QLocale::system().toString(ms / 1000.0, 'f', 2) + QStringLiteral(" s"); };
    const struct {
        QScrollBar*& scala;
        QLabel*& didascalia;
        const char* nome;
        const char* nomeAccessibile;
        qint16 ImpostazioniUtente::*campo;
        int minimo, massimo, passo;
        std::function<QString(int)> testo;
    } righe[] = {
        {HScrollPrimoPasso, LabelPrimoPasso, "PrimoPasso", "Durata del primo passo di ogni giro",
         &ImpostazioniUtente::FattorePrimoPasso, 1, 4, 1,
         [](int volte) {
             return volte > 1 ? QStringLiteral("Primo passo del giro: ×%1").arg(volte)
                              : QStringLiteral("Primo passo del giro: normale");
         }},
        {HScrollAccettazione, LabelAccettazione, "Accettazione", "Pressione minima del sensore",
         &ImpostazioniUtente::TempoAccettazione, 0, 2000, 50,
         [secondi](int ms) {
             return ms > 0 ? QStringLiteral("Pressione minima: ") + secondi(ms)
                           : QStringLiteral("Pressione minima: nessuna");
         }},
        {HScrollRilascio, LabelRilascio, "Rilascio", "Tempo di rilascio del sensore",
         &ImpostazioniUtente::TempoRilascio, 0, 2000, 50,
         [secondi](int ms) {
             return ms > 0 ? QStringLiteral("Dopo una scelta, fermo per ") + secondi(ms)
                           : QStringLiteral("Dopo una scelta: nessuna attesa");
         }},
        {HScrollGiri, LabelGiri, "Giri", "Giri senza scelte prima della pausa",
         &ImpostazioniUtente::GiriPrimaDellaPausa, 0, 20, 1,
         [](int giri) {
             if (giri == 0)
                 return QStringLiteral("Pausa dopo i giri: mai");
             return giri == 1 ? QStringLiteral("Pausa dopo 1 giro a vuoto")
                              : QStringLiteral("Pausa dopo %1 giri a vuoto").arg(giri);
         }},
    };
    int alto = 5760;
    for (const auto& riga : righe) {
        riga.scala = new QScrollBar(Qt::Horizontal, FramePunt);
        riga.scala->setObjectName(QStringLiteral("HScroll") + QString::fromLatin1(riga.nome));
        riga.scala->setAccessibleName(QString::fromUtf8(riga.nomeAccessibile));
        riga.scala->setRange(riga.minimo, riga.massimo);
        riga.scala->setSingleStep(riga.passo);
        // A short scale moves a notch per page, so its thumb stays a notch wide.
        const int tacche = (riga.massimo - riga.minimo) / riga.passo;
        riga.scala->setPageStep(tacche > 8 ? riga.passo * 4 : riga.passo);
        posiziona(riga.scala, 600, alto, 5400, 360);
        riga.didascalia = new QLabel(FramePunt);
        riga.didascalia->setObjectName(QStringLiteral("Label") + QString::fromLatin1(riga.nome));
        posiziona(riga.didascalia, 6240, alto - 60, 4440, 480);
        alto += 480;
        const RegolazioneSensore regolazione{riga.scala, riga.didascalia, riga.campo, riga.testo};
        connect(riga.scala, &QScrollBar::valueChanged, this, [this, regolazione](int valore) {
            m_programma.stato.ImpostazioniUtente.*regolazione.campo = static_cast<qint16>(valore);
            regolazione.mostra(valore);
        });
        m_regolazioni << regolazione;
    }
}

void FormConfigura::RegolazioneSensore::mostra(int valore) const
{
    didascalia->setText(testo(valore));
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
