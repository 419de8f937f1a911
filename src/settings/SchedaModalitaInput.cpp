// SPDX-License-Identifier: GPL-3.0-or-later
// The "Modalità di input" tab: mouse, manual or automatic scanning, the scanning step, the system's mouse
// pointer, the colour of the highlighted button, auditory scanning, the switch's timing, the switches the teacher
// teaches, and the rest on a button that chooses it in mouse mode.
#include "settings/SchedaModalitaInput.h"

#include "settings/InsegnaSensore.h"
#include "storage/StatoProgramma.h"
#include "support/Colori.h"
#include "support/Programma.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
constexpr int kMsPerTacca = 100; // the rest's scale moves a tenth of a second a notch

QString secondi(int ms, int decimali)
{
    return QLocale::system().toString(ms / 1000.0, 'f', decimali) + QStringLiteral(" s");
}

QString testoSosta(int ms)
{
    return ms > 0 ? QStringLiteral("Sosta: ") + secondi(ms, 1) : QStringLiteral("Sosta: nessuna");
}
} // namespace

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
         [](int ms) {
             return ms > 0 ? QStringLiteral("Pressione minima: ") + secondi(ms, 2)
                           : QStringLiteral("Pressione minima: nessuna");
         }},
        {m_scalaRilascio, m_didascaliaRilascio, "Rilascio", "Tempo di rilascio del sensore",
         &ImpostazioniUtente::TempoRilascio, 50,
         [](int ms) {
             return ms > 0 ? QStringLiteral("Dopo una scelta, fermo per ") + secondi(ms, 2)
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

    // The switches: what each one is, taught by pressing it.
    for (int i = 0; i < 2; ++i) {
        m_bottoneInsegna[i] = new QPushButton(QStringLiteral("Insegna il sensore %1").arg(i + 1), this);
        m_bottoneInsegna[i]->setObjectName(QStringLiteral("bottoneInsegna_%1").arg(i));
        posiziona(m_bottoneInsegna[i], 240, 3000 + i * 600, 3600, 480);
        connect(m_bottoneInsegna[i], &QPushButton::clicked, this, [this, i] { insegnaSensore(i + 1); });
        m_etichettaSensore[i] = new QLabel(this);
        m_etichettaSensore[i]->setObjectName(QStringLiteral("etichettaSensore_%1").arg(i));
        posiziona(m_etichettaSensore[i], 4080, 3000 + i * 600, 6240, 480);
    }
    m_bottoneSensoriPredefiniti = new QPushButton(QStringLiteral("Sensori predefiniti"), this);
    m_bottoneSensoriPredefiniti->setObjectName(QStringLiteral("bottoneSensoriPredefiniti"));
    posiziona(m_bottoneSensoriPredefiniti, 5520, 4200, 3600, 840);
    connect(m_bottoneSensoriPredefiniti, &QPushButton::clicked, this, [this] {
        impostazioni().Sensore1.clear();
        impostazioni().Sensore2.clear();
        mostraSensori();
    });

    // The rest that chooses a button, in tenths of a second; the scale's first notch is none.
    const FileProfilo::RigaProfilo& sosta = FileProfilo::rigaProfilo(&ImpostazioniUtente::TempoSosta);
    m_scalaSosta = new QScrollBar(Qt::Horizontal, this);
    m_scalaSosta->setObjectName(QStringLiteral("scalaSosta"));
    m_scalaSosta->setAccessibleName(QStringLiteral("Sosta sul bottone per sceglierlo"));
    m_scalaSosta->setRange(static_cast<int>(sosta.minimo) / kMsPerTacca - 1,
                           static_cast<int>(sosta.massimo) / kMsPerTacca);
    m_scalaSosta->setPageStep(5);
    posiziona(m_scalaSosta, 600, 5400, 5400, 360);
    connect(m_scalaSosta, &QScrollBar::valueChanged, this, &SchedaModalitaInput::sostaCambiata);
    m_didascaliaSosta = new QLabel(this);
    m_didascaliaSosta->setObjectName(QStringLiteral("didascaliaSosta"));
    posiziona(m_didascaliaSosta, 6240, 5340, 4440, 480);
}

void SchedaModalitaInput::sostaCambiata(int decimi)
{
    const int ms = decimi == m_scalaSosta->minimum() ? 0 : decimi * kMsPerTacca;
    impostazioni().TempoSosta = static_cast<qint16>(ms);
    m_didascaliaSosta->setText(testoSosta(ms));
}

void SchedaModalitaInput::insegnaSensore(int numero)
{
    const ImpostazioniUtente& imp = impostazioni();
    const Sensore altro = numero == 1 ? Sensore::dalProfilo(imp.Sensore2, 2) : Sensore::dalProfilo(imp.Sensore1, 1);
    auto* finestra = new InsegnaSensore(numero, altro, m_programma.joystick.get(), window());
    finestra->setFont(font()); // as large as the tab's captions, which grow with the screen
    connect(finestra, &InsegnaSensore::imparato, this, [this, numero](const Sensore& sensore) {
        (numero == 1 ? impostazioni().Sensore1 : impostazioni().Sensore2) = sensore.testo().value_or(QString());
        mostraSensori();
    });
    finestra->open();
}

void SchedaModalitaInput::mostraSensori()
{
    const ImpostazioniUtente& imp = impostazioni();
    const Sensore sensori[] = {Sensore::dalProfilo(imp.Sensore1, 1), Sensore::dalProfilo(imp.Sensore2, 2)};
    for (int i = 0; i < 2; ++i)
        m_etichettaSensore[i]->setText(
            QStringLiteral("Sensore %1: %2").arg(i + 1).arg(InsegnaSensore::descrizione(sensori[i])));
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
    // Switch 2 chooses in manual scanning only; the rest on a button belongs to the mouse.
    mostraSensori();
    for (QWidget* controllo : {static_cast<QWidget*>(m_bottoneInsegna[0]), static_cast<QWidget*>(m_etichettaSensore[0]),
                               static_cast<QWidget*>(m_bottoneSensoriPredefiniti)})
        controllo->setVisible(scansione);
    m_bottoneInsegna[1]->setVisible(imp.ModalitaInput == 1);
    m_etichettaSensore[1]->setVisible(imp.ModalitaInput == 1);
    const bool mouse = imp.ModalitaInput == 0;
    {
        // Shown as it is: a rest written by hand between two notches is kept until the scale moves.
        const QSignalBlocker senzaCambiare(m_scalaSosta);
        m_scalaSosta->setValue(imp.TempoSosta > 0 ? imp.TempoSosta / kMsPerTacca : m_scalaSosta->minimum());
    }
    m_didascaliaSosta->setText(testoSosta(imp.TempoSosta));
    m_scalaSosta->setVisible(mouse);
    m_didascaliaSosta->setVisible(mouse);
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
