// SPDX-License-Identifier: GPL-3.0-or-later
// The "Modalità di input" tab: mouse, manual or automatic scanning, the scanning step, the system's mouse
// pointer, the colour of the highlighted button, auditory scanning and the switch's timing.
#include "settings/SchedaModalitaInput.h"

#include "storage/StatoProgramma.h"
#include "support/Colori.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

SchedaModalitaInput::SchedaModalitaInput(Programma& programma, Schermata& schermata)
    : SchedaConfigurazioni("schedaModalitaInput", programma, schermata)
{
    auto* modi = new QButtonGroup(this);
    const char* voci[] = {"Mouse ", "Scansione manuale - spazio e invio ", "Scansione automatica - spazio"};
    for (int i = 0; i < 3; ++i) {
        m_sceltaModalita[i] = new QRadioButton(QString::fromUtf8(voci[i]), this);
        m_sceltaModalita[i]->setObjectName(QStringLiteral("sceltaModalita_%1").arg(i));
        posiziona(m_sceltaModalita[i], 240, 240 + i * 720, 7200, 480);
        modi->addButton(m_sceltaModalita[i], i);
        connect(m_sceltaModalita[i], &QRadioButton::toggled, this, [this, i](bool scelto) {
            if (scelto)
                modalitaScelta(i);
        });
    }

    m_scalaScansione = scala(QStringLiteral("scalaScansione"), &ImpostazioniUtente::VelocitaScansione,
                             QStringLiteral("Velocità della scansione"));
    m_scalaScansione->setPageStep(4);
    posiziona(m_scalaScansione, 600, 2520, 5400, 360);
    connect(m_scalaScansione, &QScrollBar::valueChanged, this, &SchedaModalitaInput::velocitaScansioneCambiata);
    m_didascaliaScansione = new QLabel(this);
    m_didascaliaScansione->setObjectName(QStringLiteral("didascaliaScansione"));
    posiziona(m_didascaliaScansione, 6240, 2460, 4080, 480);

    m_casellaMouseDiSistema = new QCheckBox(QStringLiteral("Usa mouse di sistema"), this);
    m_casellaMouseDiSistema->setObjectName(QStringLiteral("casellaMouseDiSistema"));
    posiziona(m_casellaMouseDiSistema, 600, 3240, 7200, 480);
    connect(m_casellaMouseDiSistema, &QCheckBox::toggled, this,
            [this](bool spuntata) { impostazioni().MouseDiSistema = spuntata; });

    m_bottoneColoreSelezionato = new QPushButton(QStringLiteral("Colore bottone selezionato"), this);
    m_bottoneColoreSelezionato->setObjectName(QStringLiteral("bottoneColoreSelezionato"));
    posiziona(m_bottoneColoreSelezionato, 240, 4200, 5040, 840);
    connect(m_bottoneColoreSelezionato, &QPushButton::clicked, this, &SchedaModalitaInput::scegliColoreSelezionato);

    m_casellaScansioneUditiva = new QCheckBox(QStringLiteral("Scansione uditiva: ogni bottone è detto a voce"), this);
    m_casellaScansioneUditiva->setObjectName(QStringLiteral("casellaScansioneUditiva"));
    posiziona(m_casellaScansioneUditiva, 240, 5160, 10000, 480);
    connect(m_casellaScansioneUditiva, &QCheckBox::toggled, this,
            [this](bool spuntata) { impostazioni().ScansioneUditiva = spuntata; });

    // The switch's timing: a scale each, which writes its setting and its caption as it moves.
    const auto secondi = [](int ms) { return QLocale::system().toString(ms / 1000.0, 'f', 2) + QStringLiteral(" s"); };
    const struct {
        QScrollBar*& scala;
        QLabel*& didascalia;
        const char* nome;
        const char* nomeAccessibile;
        qint16 ImpostazioniUtente::*campo;
        int passo;
        std::function<QString(int)> testo;
    } righe[] = {
        {m_scalaPrimoPasso, m_didascaliaPrimoPasso, "PrimoPasso", "Durata del primo passo di ogni giro",
         &ImpostazioniUtente::FattorePrimoPasso, 1,
         [](int volte) {
             return volte > 1 ? QStringLiteral("Primo passo del giro: ×%1").arg(volte)
                              : QStringLiteral("Primo passo del giro: normale");
         }},
        {m_scalaAccettazione, m_didascaliaAccettazione, "Accettazione", "Pressione minima del sensore",
         &ImpostazioniUtente::TempoAccettazione, 50,
         [secondi](int ms) {
             return ms > 0 ? QStringLiteral("Pressione minima: ") + secondi(ms)
                           : QStringLiteral("Pressione minima: nessuna");
         }},
        {m_scalaRilascio, m_didascaliaRilascio, "Rilascio", "Tempo di rilascio del sensore",
         &ImpostazioniUtente::TempoRilascio, 50,
         [secondi](int ms) {
             return ms > 0 ? QStringLiteral("Dopo una scelta, fermo per ") + secondi(ms)
                           : QStringLiteral("Dopo una scelta: nessuna attesa");
         }},
        {m_scalaGiri, m_didascaliaGiri, "Giri", "Giri senza scelte prima della pausa",
         &ImpostazioniUtente::GiriPrimaDellaPausa, 1,
         [](int giri) {
             if (giri == 0)
                 return QStringLiteral("Pausa dopo i giri: mai");
             return giri == 1 ? QStringLiteral("Pausa dopo 1 giro a vuoto")
                              : QStringLiteral("Pausa dopo %1 giri a vuoto").arg(giri);
         }},
    };
    int alto = 5760;
    for (const auto& riga : righe) {
        riga.scala = scala(QStringLiteral("scala") + QString::fromLatin1(riga.nome), riga.campo,
                           QString::fromUtf8(riga.nomeAccessibile));
        riga.scala->setSingleStep(riga.passo);
        // A short scale moves a notch per page, so its thumb stays a notch wide.
        const int tacche = (riga.scala->maximum() - riga.scala->minimum()) / riga.passo;
        riga.scala->setPageStep(tacche > 8 ? riga.passo * 4 : riga.passo);
        posiziona(riga.scala, 600, alto, 5400, 360);
        riga.didascalia = new QLabel(this);
        riga.didascalia->setObjectName(QStringLiteral("didascalia") + QString::fromLatin1(riga.nome));
        posiziona(riga.didascalia, 6240, alto - 60, 4440, 480);
        alto += 480;
        const RegolazioneSensore regolazione{riga.scala, riga.didascalia, riga.campo, riga.testo};
        connect(riga.scala, &QScrollBar::valueChanged, this, [this, regolazione](int valore) {
            impostazioni().*regolazione.campo = static_cast<qint16>(valore);
            regolazione.mostra(valore);
        });
        m_regolazioni << regolazione;
    }
}

void SchedaModalitaInput::RegolazioneSensore::mostra(int valore) const
{
    didascalia->setText(testo(valore));
}

void SchedaModalitaInput::modalitaScelta(int indice)
{
    impostazioni().ModalitaInput = static_cast<qint16>(indice);
    emit impostazioniCambiate();
}

void SchedaModalitaInput::velocitaScansioneCambiata(int valore)
{
    impostazioni().VelocitaScansione = static_cast<qint16>(valore);
    // Seconds with two decimals and the system's decimal separator: "1,00" in Italy.
    m_didascaliaScansione->setText(QStringLiteral("Velocità scansione: ") +
                                   QLocale::system().toString(valore / 4.0, 'f', 2) + QStringLiteral(" secondi"));
}

void SchedaModalitaInput::scegliColoreSelezionato()
{
    if (const std::optional<double> colore = scegliColore())
        impostazioni().ColoreBottoneSelezionato = *colore;
    emit impostazioniCambiate();
}

void SchedaModalitaInput::scegliModalita(int modalita)
{
    if (modalita >= 0 && modalita <= 2)
        m_sceltaModalita[modalita]->setChecked(true);
}

void SchedaModalitaInput::spuntaMouseDiSistema()
{
    m_casellaMouseDiSistema->setChecked(true);
}

void SchedaModalitaInput::mostraImpostazioni(const ImpostazioniUtente& imp)
{
    Colori::impostaSfondo(m_bottoneColoreSelezionato, imp.ColoreBottoneSelezionato);
    m_casellaMouseDiSistema->setChecked(imp.MouseDiSistema);
    m_casellaMouseDiSistema->setVisible(imp.ModalitaInput == 0);
    const bool automatica = imp.ModalitaInput == 2;
    m_scalaScansione->setVisible(automatica);
    m_didascaliaScansione->setVisible(automatica);
    if (automatica) {
        m_scalaScansione->setValue(imp.VelocitaScansione);
        velocitaScansioneCambiata(m_scalaScansione->value());
    }
    // The switch's settings belong to scanning; the first step and the rounds to automatic scanning alone.
    const bool scansione = imp.ModalitaInput == 1 || automatica;
    m_casellaScansioneUditiva->setChecked(imp.ScansioneUditiva);
    for (const RegolazioneSensore& regolazione : std::as_const(m_regolazioni)) {
        regolazione.scala->setValue(imp.*regolazione.campo);
        regolazione.mostra(regolazione.scala->value());
    }
    for (QWidget* controllo :
         {static_cast<QWidget*>(m_casellaScansioneUditiva), static_cast<QWidget*>(m_scalaAccettazione),
          static_cast<QWidget*>(m_didascaliaAccettazione), static_cast<QWidget*>(m_scalaRilascio),
          static_cast<QWidget*>(m_didascaliaRilascio)})
        controllo->setVisible(scansione);
    for (QWidget* controllo : {static_cast<QWidget*>(m_scalaPrimoPasso), static_cast<QWidget*>(m_didascaliaPrimoPasso),
                               static_cast<QWidget*>(m_scalaGiri), static_cast<QWidget*>(m_didascaliaGiri)})
        controllo->setVisible(automatica);
}

QList<QWidget*> SchedaModalitaInput::sulloSfondo()
{
    return {this,
            m_sceltaModalita[0],
            m_sceltaModalita[1],
            m_sceltaModalita[2],
            m_casellaMouseDiSistema,
            m_casellaScansioneUditiva};
}
