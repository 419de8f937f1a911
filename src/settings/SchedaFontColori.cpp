// SPDX-License-Identifier: GPL-3.0-or-later
// The "Fonts e Colori" tab: system colours, the background, the text's font and colours, the buttons' colour, and a
// preview of the text.
#include "settings/SchedaFontColori.h"

#include "settings/ControlliScheda.h"
#include "storage/StatoProgramma.h"
#include "support/AdattaTesto.h"
#include "support/Colori.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>

using namespace ControlliScheda;

namespace {
constexpr double kBianco = 16777215;
}

SchedaFontColori::SchedaFontColori(Programma& programma, Schermata& schermata)
    : SchedaConfigurazioni("schedaFontColori", programma, schermata)
{
    m_casellaImpostazioniSistema = new QCheckBox(QStringLiteral("Usa impostazioni di sistema"), this);
    m_casellaImpostazioniSistema->setObjectName(QStringLiteral("casellaImpostazioniSistema"));
    posiziona(m_casellaImpostazioniSistema, 240, 240, 9600, 480);
    connect(m_casellaImpostazioniSistema, &QCheckBox::toggled, this, &SchedaFontColori::impostazioniSistemaScelte);

    m_gruppoColoreSfondo = riquadro(QStringLiteral("Colore sfondo"), QStringLiteral("gruppoColoreSfondo"), this);
    posiziona(m_gruppoColoreSfondo, 240, 900, 4800, 2880);
    auto* casualeFisso = new QButtonGroup(this);
    const char* voci[] = {"Colore casuale", "Colore fisso"};
    for (int i = 0; i < 2; ++i) {
        m_sceltaColoreSfondo[i] =
            opzione(QString::fromUtf8(voci[i]), QStringLiteral("sceltaColoreSfondo_%1").arg(i), m_gruppoColoreSfondo);
        posiziona(m_sceltaColoreSfondo[i], 240, 480 + i * 720, 4320, 480);
        casualeFisso->addButton(m_sceltaColoreSfondo[i], i);
        connect(m_sceltaColoreSfondo[i], &QRadioButton::toggled, this, [this, i](bool scelta) {
            if (scelta)
                coloreSfondoScelto(i);
        });
    }
    m_bottoneColori = bottone(QStringLiteral("Colori"), QStringLiteral("bottoneColori"), m_gruppoColoreSfondo);
    posiziona(m_bottoneColori, 240, 1920, 2400, 720);
    connect(m_bottoneColori, &QPushButton::clicked, this, &SchedaFontColori::scegliColoreSfondo);

    m_gruppoCaratteri = riquadro(QString(), QStringLiteral("gruppoCaratteri"), this);
    posiziona(m_gruppoCaratteri, 5280, 900, 5040, 2880);
    m_bottoneFont = bottone(QStringLiteral("Font"), QStringLiteral("bottoneFont"), m_gruppoCaratteri);
    m_bottoneColoreFont =
        bottone(QStringLiteral("Colore font"), QStringLiteral("bottoneColoreFont"), m_gruppoCaratteri);
    m_bottoneSfondoTesto =
        bottone(QStringLiteral("Sfondo testo"), QStringLiteral("bottoneSfondoTesto"), m_gruppoCaratteri);
    m_bottoneColoreBottoni =
        bottone(QStringLiteral("Bottoni"), QStringLiteral("bottoneColoreBottoni"), m_gruppoCaratteri);
    posiziona(m_bottoneFont, 240, 360, 2160, 960);
    posiziona(m_bottoneColoreFont, 2640, 360, 2160, 960);
    posiziona(m_bottoneSfondoTesto, 240, 1560, 2160, 960);
    posiziona(m_bottoneColoreBottoni, 2640, 1560, 2160, 960);
    connect(m_bottoneFont, &QPushButton::clicked, this, &SchedaFontColori::scegliFontTesto);
    connect(m_bottoneColoreFont, &QPushButton::clicked, this, &SchedaFontColori::scegliColoreFont);
    connect(m_bottoneSfondoTesto, &QPushButton::clicked, this, &SchedaFontColori::scegliSfondoTesto);
    connect(m_bottoneColoreBottoni, &QPushButton::clicked, this, &SchedaFontColori::scegliColoreBottoni);

    m_esempioTesto = new QLabel(QStringLiteral("Esempio di font e colore del testo"), this);
    m_esempioTesto->setObjectName(QStringLiteral("esempioTesto"));
    m_esempioTesto->setAccessibleDescription(QStringLiteral("Esempio del testo degli esercizi"));
    m_esempioTesto->setWordWrap(true);
    m_esempioTesto->setAlignment(Qt::AlignCenter);
    m_esempioTesto->setFrameShape(QFrame::Box);
    Colori::impostaSfondo(m_esempioTesto, kBianco);
    posiziona(m_esempioTesto, 240, 4080, 10080, 3480);
}

void SchedaFontColori::mostraImpostazioni(const ImpostazioniUtente& imp)
{
    QFont anteprima = m_esempioTesto->font();
    anteprima.setFamily(imp.FontTesto);
    anteprima.setPointSize(imp.DimensioneFontTesto);
    m_esempioTesto->setFont(anteprima);
    Colori::impostaTesto(m_esempioTesto, imp.ColoreFont);
    Colori::impostaSfondo(m_esempioTesto, imp.ColoreSfondoTesto);
    AdattaTesto::adattaEtichetta(m_esempioTesto, imp.DimensioneFontTesto);
    m_sceltaColoreSfondo[imp.ColoreCasuale ? 0 : 1]->setChecked(true);
    m_casellaImpostazioniSistema->setChecked(imp.ImpostazioniSistema);
    m_gruppoColoreSfondo->setEnabled(!imp.ImpostazioniSistema);
    m_bottoneColori->setEnabled(!imp.ColoreCasuale);
}

QList<QWidget*> SchedaFontColori::sulloSfondo()
{
    return {this,
            m_gruppoCaratteri,
            m_gruppoColoreSfondo,
            m_sceltaColoreSfondo[0],
            m_sceltaColoreSfondo[1],
            m_casellaImpostazioniSistema};
}

void SchedaFontColori::adattaEsempio()
{
    AdattaTesto::adattaEtichetta(m_esempioTesto, impostazioni().DimensioneFontTesto);
}

void SchedaFontColori::impostazioniSistemaScelte(bool spuntata)
{
    ImpostazioniUtente& imp = impostazioni();
    imp.ImpostazioniSistema = spuntata;
    if (spuntata) {
        imp.MouseDiSistema = true;
        emit mouseDiSistemaImposto();
    }
    m_gruppoColoreSfondo->setEnabled(!spuntata);
}

void SchedaFontColori::coloreSfondoScelto(int indice)
{
    impostazioni().ColoreCasuale = indice == 0;
    emit impostazioniCambiate();
}

void SchedaFontColori::scegliColoreSfondo()
{
    if (const std::optional<double> colore = scegliColore())
        impostazioni().ColoreSfondo = *colore;
    emit impostazioniCambiate();
}

void SchedaFontColori::scegliFontTesto()
{
    ImpostazioniUtente& imp = impostazioni();
    // The teacher's own font, also while the cursive style shows the school letters.
    if (!scegliFont(m_esempioTesto, imp.FontScelto, imp.DimensioneFontTesto))
        return;
    const QFont scelto = m_esempioTesto->font();
    if (imp.StileLettere != QStringLiteral("corsivo"))
        imp.FontTesto = scelto.family();
    else
        Messaggi::informa(window(), QStringLiteral("Il font scelto non verrà utilizzato mentre è attiva l'opzione "
                                                   "per il corsivo.\r\nVerrà invece applicata la modifica alla "
                                                   "dimensione."));
    imp.DimensioneFontTesto = puntiAmmessi(scelto.pointSize());
    imp.FontScelto = scelto.family();
    emit impostazioniCambiate();
}

void SchedaFontColori::scegliColoreFont()
{
    if (DialoghiStandard::scegliColore(window(), m_esempioTesto))
        impostazioni().ColoreFont = Colori::testo(m_esempioTesto);
}

void SchedaFontColori::scegliSfondoTesto()
{
    const std::optional<double> colore = scegliColore();
    if (!colore)
        return;
    Colori::impostaSfondo(m_esempioTesto, *colore);
    impostazioni().ColoreSfondoTesto = Colori::sfondo(m_esempioTesto);
}

void SchedaFontColori::scegliColoreBottoni()
{
    ImpostazioniUtente& imp = impostazioni();
    if (const std::optional<double> colore = scegliColore())
        imp.ColoreBottoni = *colore;
    Colori::impostaSfondo(m_bottoneColoreBottoni, imp.ColoreBottoni);
}
