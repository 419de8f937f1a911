// SPDX-License-Identifier: GPL-3.0-or-later
// The "Scelte didattiche" tab: the answers offered, the list in use, the letter style.
#include "settings/SchedaScelteDidattiche.h"

#include "settings/ControlliScheda.h"
#include "storage/StatoProgramma.h"
#include "support/AdattaTesto.h"
#include "support/TestoSemplice.h"

#include <QButtonGroup>
#include <QLabel>

using namespace ControlliScheda;

SchedaScelteDidattiche::SchedaScelteDidattiche(Programma& programma, Schermata& schermata)
    : SchedaConfigurazioni("schedaScelteDidattiche", programma, schermata)
{
    ImpostazioniUtente& imp = impostazioni();
    m_gruppoRisposte = riquadro(QStringLiteral("Utilizza"), QStringLiteral("gruppoRisposte"), this);
    posiziona(m_gruppoRisposte, 240, 240, 4920, 2640);
    auto* risposte = new QButtonGroup(this);
    const char* voci[] = {"vero - falso", "vero - falso - incerto"};
    for (int i = 0; i < 2; ++i) {
        m_sceltaRisposteOfferte[i] =
            opzione(QString::fromUtf8(voci[i]), QStringLiteral("sceltaRisposteOfferte_%1").arg(i), m_gruppoRisposte);
        posiziona(m_sceltaRisposteOfferte[i], 240, 600 + i * 840, 4440, 480);
        risposte->addButton(m_sceltaRisposteOfferte[i], i);
        connect(m_sceltaRisposteOfferte[i], &QRadioButton::toggled, this, [&imp, i](bool scelta) {
            if (scelta)
                imp.TipoRisposte = static_cast<qint16>(i);
        });
    }

    m_gruppoStile = riquadro(QStringLiteral("Tipo di carattere"), QStringLiteral("gruppoStile"), this);
    posiziona(m_gruppoStile, 5400, 240, 4920, 2640);
    auto* stili = new QButtonGroup(this);
    m_minuscolo = opzione(QStringLiteral("minuscolo"), QStringLiteral("minuscolo"), m_gruppoStile);
    m_maiuscolo = opzione(QStringLiteral("MAIUSCOLO"), QStringLiteral("maiuscolo"), m_gruppoStile);
    m_corsivo = opzione(QStringLiteral("corsivo"), QStringLiteral("corsivo"), m_gruppoStile);
    // The cursive caption is written in the school letters themselves (sized with the screen's captions).
    // The school letters need a taller line than the print ones to be read at the same size.
    posiziona(m_minuscolo, 240, 420, 4440, 540);
    posiziona(m_maiuscolo, 240, 1020, 4440, 540);
    posiziona(m_corsivo, 240, 1620, 4440, 900);
    for (QRadioButton* stile : {m_minuscolo, m_maiuscolo, m_corsivo}) {
        stili->addButton(stile);
        connect(stile, &QRadioButton::toggled, this, [this, stile](bool scelto) {
            if (scelto)
                scegliStile(stile->objectName());
        });
    }

    m_gruppoLista = riquadro(QStringLiteral("File in uso"), QStringLiteral("gruppoLista"), this);
    posiziona(m_gruppoLista, 240, 3120, 10080, 3000);
    m_etichettaListaInUso = new QLabel(m_gruppoLista);
    TestoSemplice::perEtichetta(m_etichettaListaInUso); // the path from the profile
    m_etichettaListaInUso->setObjectName(QStringLiteral("etichettaListaInUso"));
    m_etichettaListaInUso->setWordWrap(true);
    posiziona(m_etichettaListaInUso, 240, 480, 9600, 1080);
    m_bottoneListaInUso = bottone(QStringLiteral("Lista in uso"), QStringLiteral("bottoneListaInUso"), m_gruppoLista);
    posiziona(m_bottoneListaInUso, 240, 1800, 3000, 720);
    m_bottoneGestioneFile =
        bottone(QStringLiteral("Gestione files"), QStringLiteral("bottoneGestioneFile"), m_gruppoLista);
    posiziona(m_bottoneGestioneFile, 3480, 1800, 3000, 720);
    connect(m_bottoneListaInUso, &QPushButton::clicked, this, &SchedaScelteDidattiche::cambioListaRichiesto);
    connect(m_bottoneGestioneFile, &QPushButton::clicked, this, &SchedaScelteDidattiche::gestioneFileRichiesta);
}

void SchedaScelteDidattiche::mostraImpostazioni(const ImpostazioniUtente& imp)
{
    if (imp.StileLettere == QStringLiteral("minuscolo"))
        m_minuscolo->setChecked(true);
    else if (imp.StileLettere == QStringLiteral("maiuscolo"))
        m_maiuscolo->setChecked(true);
    else if (imp.StileLettere == QStringLiteral("corsivo"))
        m_corsivo->setChecked(true);
    if (imp.TipoRisposte == 0 || imp.TipoRisposte == 1)
        m_sceltaRisposteOfferte[imp.TipoRisposte]->setChecked(true);
    m_etichettaListaInUso->setText(imp.ListaInUso);
}

QList<QWidget*> SchedaScelteDidattiche::sulloSfondo()
{
    return {this,
            m_gruppoRisposte,
            m_sceltaRisposteOfferte[0],
            m_sceltaRisposteOfferte[1],
            m_gruppoStile,
            m_gruppoLista,
            m_maiuscolo,
            m_minuscolo,
            m_corsivo};
}

void SchedaScelteDidattiche::adattaCorsivo(double puntiDidascalie)
{
    // The school letters are small for their size: the caption takes the largest size its place holds.
    constexpr double kCorsivoPiuGrande = 2.5;
    constexpr int kSegnoDellaScelta = 30; // the round mark before the caption and the style's margins, in pixels
    constexpr int kMargini = 6;
    QFont scolastico(QStringLiteral("Indis1"));
    const QSize posto(m_corsivo->width() - kSegnoDellaScelta, m_corsivo->height() - kMargini);
    scolastico.setPointSizeF(AdattaTesto::puntiCheEntrano(scolastico, {m_corsivo->text()}, posto, false,
                                                          puntiDidascalie * kCorsivoPiuGrande));
    m_corsivo->setFont(scolastico);
}

void SchedaScelteDidattiche::scegliStile(const QString& stile)
{
    ImpostazioniUtente& imp = impostazioni();
    imp.StileLettere = stile;
    imp.FontTesto = stile == QStringLiteral("corsivo") ? QStringLiteral("Indis1") : imp.FontScelto;
    emit impostazioniCambiate();
}
