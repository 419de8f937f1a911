// The "Modalità di input" tab: mouse, manual or automatic scanning, the scanning step, the system's mouse
// pointer, the colour of the highlighted button, auditory scanning and the switch's timing.
#include "support/Programma.h"
#include "settings/SchermataConfigurazioni.h"
#include "storage/StatoProgramma.h"
#include "support/Colori.h"
#include "support/DialoghiStandard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

void SchermataConfigurazioni::creaSchedaModalitaInput()
{
    schedaModalitaInput = creaScheda("schedaModalitaInput");
    auto* modi = new QButtonGroup(this);
    const char* voci[] = {"Mouse ", "Scansione manuale - spazio e invio ", "Scansione automatica - spazio"};
    for (int i = 0; i < 3; ++i) {
        sceltaModalita[i] = new QRadioButton(QString::fromUtf8(voci[i]), schedaModalitaInput);
        sceltaModalita[i]->setObjectName(QStringLiteral("Option4_%1").arg(i));
        posiziona(sceltaModalita[i], 240, 240 + i * 720, 7200, 480);
        modi->addButton(sceltaModalita[i], i);
        connect(sceltaModalita[i], &QRadioButton::toggled, this, [this, i](bool scelto) {
            if (scelto)
                modalitaScelta(i);
        });
    }

    scalaScansione = new QScrollBar(Qt::Horizontal, schedaModalitaInput);
    scalaScansione->setObjectName(QStringLiteral("scalaScansione"));
    scalaScansione->setAccessibleName(QStringLiteral("Velocità della scansione"));
    scalaScansione->setRange(4, 60);
    scalaScansione->setSingleStep(1);
    scalaScansione->setPageStep(4);
    posiziona(scalaScansione, 600, 2520, 5400, 360);
    connect(scalaScansione, &QScrollBar::valueChanged, this, &SchermataConfigurazioni::velocitaScansioneCambiata);
    didascaliaScansione = new QLabel(schedaModalitaInput);
    didascaliaScansione->setObjectName(QStringLiteral("didascaliaScansione"));
    posiziona(didascaliaScansione, 6240, 2460, 4080, 480);

    casellaMouseDiSistema = new QCheckBox(QStringLiteral("Usa mouse di sistema"), schedaModalitaInput);
    casellaMouseDiSistema->setObjectName(QStringLiteral("casellaMouseDiSistema"));
    posiziona(casellaMouseDiSistema, 600, 3240, 7200, 480);
    connect(casellaMouseDiSistema, &QCheckBox::toggled, this,
            [this](bool spuntata) { m_programma.stato.ImpostazioniUtente.MouseDiSistema = spuntata; });

    bottoneColoreSelezionato = new QPushButton(QStringLiteral("Colore bottone selezionato"), schedaModalitaInput);
    bottoneColoreSelezionato->setObjectName(QStringLiteral("bottoneColoreSelezionato"));
    posiziona(bottoneColoreSelezionato, 240, 4200, 5040, 840);
    connect(bottoneColoreSelezionato, &QPushButton::clicked, this,
            &SchermataConfigurazioni::scegliColoreSelezionato);

    casellaScansioneUditiva = new QCheckBox(QStringLiteral("Scansione uditiva: ogni bottone è detto a voce"), schedaModalitaInput);
    casellaScansioneUditiva->setObjectName(QStringLiteral("casellaScansioneUditiva"));
    posiziona(casellaScansioneUditiva, 240, 5160, 10000, 480);
    connect(casellaScansioneUditiva, &QCheckBox::toggled, this,
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
        {scalaPrimoPasso, didascaliaPrimoPasso, "PrimoPasso", "Durata del primo passo di ogni giro",
         &ImpostazioniUtente::FattorePrimoPasso, 1, 4, 1,
         [](int volte) {
             return volte > 1 ? QStringLiteral("Primo passo del giro: ×%1").arg(volte)
                              : QStringLiteral("Primo passo del giro: normale");
         }},
        {scalaAccettazione, didascaliaAccettazione, "Accettazione", "Pressione minima del sensore",
         &ImpostazioniUtente::TempoAccettazione, 0, 2000, 50,
         [secondi](int ms) {
             return ms > 0 ? QStringLiteral("Pressione minima: ") + secondi(ms)
                           : QStringLiteral("Pressione minima: nessuna");
         }},
        {scalaRilascio, didascaliaRilascio, "Rilascio", "Tempo di rilascio del sensore",
         &ImpostazioniUtente::TempoRilascio, 0, 2000, 50,
         [secondi](int ms) {
             return ms > 0 ? QStringLiteral("Dopo una scelta, fermo per ") + secondi(ms)
                           : QStringLiteral("Dopo una scelta: nessuna attesa");
         }},
        {scalaGiri, didascaliaGiri, "Giri", "Giri senza scelte prima della pausa",
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
        riga.scala = new QScrollBar(Qt::Horizontal, schedaModalitaInput);
        riga.scala->setObjectName(QStringLiteral("HScroll") + QString::fromLatin1(riga.nome));
        riga.scala->setAccessibleName(QString::fromUtf8(riga.nomeAccessibile));
        riga.scala->setRange(riga.minimo, riga.massimo);
        riga.scala->setSingleStep(riga.passo);
        // A short scale moves a notch per page, so its thumb stays a notch wide.
        const int tacche = (riga.massimo - riga.minimo) / riga.passo;
        riga.scala->setPageStep(tacche > 8 ? riga.passo * 4 : riga.passo);
        posiziona(riga.scala, 600, alto, 5400, 360);
        riga.didascalia = new QLabel(schedaModalitaInput);
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

void SchermataConfigurazioni::RegolazioneSensore::mostra(int valore) const
{
    didascalia->setText(testo(valore));
}

void SchermataConfigurazioni::modalitaScelta(int indice)
{
    m_programma.stato.ImpostazioniUtente.ModalitaInput = static_cast<qint16>(indice);
    ImpostaConfigurazioni();
}

void SchermataConfigurazioni::velocitaScansioneCambiata(int valore)
{
    m_programma.stato.ImpostazioniUtente.VelocitaScansione = static_cast<qint16>(valore);
    // Seconds with two decimals and the system's decimal separator: "1,00" in Italy.
    didascaliaScansione->setText(QStringLiteral("Velocità scansione: ") + QLocale::system().toString(valore / 4.0, 'f', 2) +
                    QStringLiteral(" secondi"));
}

void SchermataConfigurazioni::scegliColoreSelezionato()
{
    if (DialoghiStandard::scegliColore(this, campioneColore))
        m_programma.stato.ImpostazioniUtente.ColoreBottoneSelezionato = Colori::testo(campioneColore);
    ImpostaConfigurazioni();
}
