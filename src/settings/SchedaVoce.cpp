// SPDX-License-Identifier: GPL-3.0-or-later
// The "Voce e Suoni" tab: sounds on or off, the voice's speed and pitch, the speech balloon, heard and seen at once
// through the screen's own speaking character.
#include "settings/SchedaVoce.h"

#include "storage/StatoProgramma.h"
#include "support/Personaggio.h"
#include "support/Programma.h"
#include "support/Schermata.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
constexpr int kMargineFigura = 120;
constexpr int kLarghezzaFigura = 160;

// "Velocità =  130": the number as a signed one whose sign position is a blank for 0 and above.
QString conSegno(int valore)
{
    return valore < 0 ? QString::number(valore) : QStringLiteral(" %1").arg(valore);
}
} // namespace

SchedaVoce::SchedaVoce(Programma& programma, Schermata& schermata)
    : SchedaConfigurazioni("schedaVoce", programma, schermata)
{
    ImpostazioniUtente& imp = impostazioni();
    // The character stands at the top right of this tab: the controls keep to the left of him.
    m_casellaSuoni = new QCheckBox(QStringLiteral("Attiva suoni"), this);
    m_casellaSuoni->setObjectName(QStringLiteral("casellaSuoni"));
    m_casellaSuoni->setChecked(true);
    posiziona(m_casellaSuoni, 240, 240, 4800, 480);
    connect(m_casellaSuoni, &QCheckBox::toggled, this, [&imp](bool spuntata) { imp.SuoniAttivi = spuntata; });

    m_lineaVoce = new QFrame(this);
    m_lineaVoce->setObjectName(QStringLiteral("lineaVoce"));
    m_lineaVoce->setFrameShape(QFrame::HLine);
    m_lineaVoce->setFrameShadow(QFrame::Sunken);
    posiziona(m_lineaVoce, 240, 900, 7440, 60);

    m_casellaParlato = new QCheckBox(QStringLiteral("Attiva parlato"), this);
    m_casellaParlato->setObjectName(QStringLiteral("casellaParlato"));
    posiziona(m_casellaParlato, 240, 1200, 4200, 480);
    connect(m_casellaParlato, &QCheckBox::toggled, this, &SchedaVoce::parlatoScelto);
    m_bottoneProvaVoce = new QPushButton(QStringLiteral("Prova voce"), this);
    m_bottoneProvaVoce->setObjectName(QStringLiteral("bottoneProvaVoce"));
    posiziona(m_bottoneProvaVoce, 4680, 1080, 3000, 720);
    connect(m_bottoneProvaVoce, &QPushButton::clicked, this, &SchedaVoce::provaVoce);

    m_didascaliaVelocita = new QLabel(QStringLiteral("Velocità"), this);
    m_didascaliaVelocita->setObjectName(QStringLiteral("didascaliaVelocita"));
    posiziona(m_didascaliaVelocita, 240, 2040, 4800, 420);
    m_scalaVelocita = scala(QStringLiteral("scalaVelocita"), &ImpostazioniUtente::VelocitaVoce,
                            QStringLiteral("Velocità della voce"));
    m_scalaVelocita->setPageStep(10);
    posiziona(m_scalaVelocita, 240, 2520, 7440, 360);
    connect(m_scalaVelocita, &QScrollBar::valueChanged, this, &SchedaVoce::velocitaCambiata);

    m_didascaliaTono = new QLabel(QStringLiteral("Tono"), this);
    m_didascaliaTono->setObjectName(QStringLiteral("didascaliaTono"));
    posiziona(m_didascaliaTono, 240, 3120, 4800, 420);
    m_scalaTono = scala(QStringLiteral("scalaTono"), &ImpostazioniUtente::TonoVoce, QStringLiteral("Tono della voce"));
    m_scalaTono->setPageStep(10);
    posiziona(m_scalaTono, 240, 3600, 7440, 360);
    connect(m_scalaTono, &QScrollBar::valueChanged, this, &SchedaVoce::tonoCambiato);

    m_casellaFumetto = new QCheckBox(QStringLiteral("Fumetto visibile"), this);
    m_casellaFumetto->setObjectName(QStringLiteral("casellaFumetto"));
    m_casellaFumetto->setChecked(true);
    posiziona(m_casellaFumetto, 240, 4440, 4200, 480);
    connect(m_casellaFumetto, &QCheckBox::toggled, this, &SchedaVoce::fumettoScelto);
    m_bottoneFontFumetto = new QPushButton(QStringLiteral("Font fumetto"), this);
    m_bottoneFontFumetto->setObjectName(QStringLiteral("bottoneFontFumetto"));
    posiziona(m_bottoneFontFumetto, 4680, 4320, 3000, 720);
    connect(m_bottoneFontFumetto, &QPushButton::clicked, this, &SchedaVoce::scegliFontFumetto);

    m_casellaFumettoTuttoIlTesto = new QCheckBox(QStringLiteral("Fumetto che contiene tutto il testo"), this);
    m_casellaFumettoTuttoIlTesto->setObjectName(QStringLiteral("casellaFumettoTuttoIlTesto"));
    m_casellaFumettoTuttoIlTesto->setChecked(true);
    posiziona(m_casellaFumettoTuttoIlTesto, 240, 5280, 7440, 480);
    connect(m_casellaFumettoTuttoIlTesto, &QCheckBox::toggled, this, &SchedaVoce::fumettoTuttoIlTestoScelto);

    m_casellaEvidenziaParole = new QCheckBox(QStringLiteral("Evidenzia le parole lette"), this);
    m_casellaEvidenziaParole->setObjectName(QStringLiteral("casellaEvidenziaParole"));
    posiziona(m_casellaEvidenziaParole, 240, 5880, 7440, 480);
    connect(m_casellaEvidenziaParole, &QCheckBox::toggled, this,
            [&imp](bool spuntata) { imp.EvidenziaParoleLette = spuntata; });

    m_campioneFontFumetto = new QLabel(this);
    m_campioneFontFumetto->setObjectName(QStringLiteral("campioneFontFumetto"));
    m_campioneFontFumetto->hide();
}

SchedaVoce::~SchedaVoce() = default;

void SchedaVoce::mostraImpostazioni(const ImpostazioniUtente& imp)
{
    m_casellaParlato->setChecked(imp.ParlatoAttivo);
    bitFumetto(Personaggio::kFumettoVisibile, imp.FumettoVisibile);
    m_casellaFumetto->setChecked(imp.FumettoVisibile);
    bitFumetto(Personaggio::kFumettoTuttoIlTesto, imp.FumettoContieneTesto);
    m_casellaFumettoTuttoIlTesto->setChecked(imp.FumettoContieneTesto);
    m_casellaSuoni->setChecked(imp.SuoniAttivi);
    m_casellaEvidenziaParole->setChecked(imp.EvidenziaParoleLette);

    for (QWidget* voce : {static_cast<QWidget*>(m_bottoneProvaVoce), static_cast<QWidget*>(m_scalaVelocita),
                          static_cast<QWidget*>(m_scalaTono), static_cast<QWidget*>(m_casellaFumetto),
                          static_cast<QWidget*>(m_casellaFumettoTuttoIlTesto),
                          static_cast<QWidget*>(m_bottoneFontFumetto), static_cast<QWidget*>(m_casellaEvidenziaParole)})
        voce->setEnabled(imp.ParlatoAttivo);
    if (imp.ParlatoAttivo && !imp.FumettoVisibile)
        m_casellaFumettoTuttoIlTesto->setEnabled(false);
}

QList<QWidget*> SchedaVoce::sulloSfondo()
{
    return {this,           m_casellaParlato,        m_casellaFumetto, m_casellaFumettoTuttoIlTesto,
            m_casellaSuoni, m_casellaEvidenziaParole};
}

void SchedaVoce::mostraVelocitaETono(bool conDidascalie)
{
    const ImpostazioniUtente& imp = impostazioni();
    m_scalaVelocita->setValue(imp.VelocitaVoce);
    if (conDidascalie)
        m_didascaliaVelocita->setText(QStringLiteral("Velocità = ") + QStringLiteral(" %1").arg(imp.VelocitaVoce));
    m_scalaTono->setValue(imp.TonoVoce);
    if (conDidascalie)
        m_didascaliaTono->setText(QStringLiteral("tono = ") + QStringLiteral(" %1").arg(imp.TonoVoce));
}

void SchedaVoce::CaricaPersonaggio(QWidget* schermata)
{
    const StatoProgramma& stato = m_programma.stato;
    m_personaggio = m_programma.caricaMerlino(schermata, m_controlloAgente);
    if (!m_personaggio)
        return;
    m_personaggio->setLanguageID(numeroLingua(stato.LinguaAgente));
    m_personaggio->setBalloonFontName(stato.ImpostazioniUtente.FontFumetto);
    m_personaggio->setBalloonFontSize(stato.ImpostazioniUtente.DimensioneFontFumetto);
}

void SchedaVoce::ImpostaMerlino()
{
    const ImpostazioniUtente& imp = impostazioni();
    m_tagVoce = tagVoce(imp.VelocitaVoce, imp.TonoVoce);
    if (!m_personaggio)
        return;
    bitFumetto(Personaggio::kFumettoVisibile, imp.FumettoVisibile);
    bitFumetto(Personaggio::kFumettoTuttoIlTesto, imp.FumettoContieneTesto);
    m_personaggio->setBalloonFontName(imp.FontFumetto);
    m_personaggio->setBalloonFontSize(imp.DimensioneFontFumetto);
    // Beside the voice controls, at the top right of the tab, where he covers none of them.
    const QPoint angolo = mapToGlobal(QPoint(width(), 0));
    m_personaggio->MoveTo(angolo.x() - kLarghezzaFigura - Schermata::pixel(kMargineFigura),
                          angolo.y() + Schermata::pixel(kMargineFigura), 0);
}

void SchedaVoce::mostraPersonaggio(bool visibile)
{
    if (!m_personaggio)
        return;
    if (visibile)
        m_personaggio->Show();
    else
        m_personaggio->Hide();
}

void SchedaVoce::fermaPersonaggio()
{
    if (m_personaggio)
        m_personaggio->StopAll();
    rilasciaPersonaggio();
}

void SchedaVoce::rilasciaPersonaggio()
{
    m_personaggio = nullptr;
    m_controlloAgente.reset();
}

void SchedaVoce::bitFumetto(int bit, bool acceso)
{
    if (m_personaggio)
        impostaBitFumetto(*m_personaggio, bit, acceso);
}

void SchedaVoce::dici(const QString& frase)
{
    if (m_personaggio)
        m_personaggio->Speak(m_tagVoce + frase);
}

void SchedaVoce::velocitaCambiata(int valore)
{
    ImpostazioniUtente& imp = impostazioni();
    imp.VelocitaVoce = static_cast<qint16>(valore);
    m_didascaliaVelocita->setText(QStringLiteral("Velocità = ") + conSegno(valore));
    m_tagVoce = tagVoce(imp.VelocitaVoce, imp.TonoVoce);
}

void SchedaVoce::tonoCambiato(int valore)
{
    ImpostazioniUtente& imp = impostazioni();
    imp.TonoVoce = static_cast<qint16>(valore);
    m_didascaliaTono->setText(QStringLiteral("Tono = ") + conSegno(valore));
    m_tagVoce = tagVoce(imp.VelocitaVoce, imp.TonoVoce);
}

void SchedaVoce::parlatoScelto(bool spuntata)
{
    impostazioni().ParlatoAttivo = spuntata;
    emit impostazioniCambiate();
}

void SchedaVoce::fumettoScelto(bool spuntata)
{
    // The style changes first, so the sentence already shows (or not) the balloon it announces.
    bitFumetto(Personaggio::kFumettoVisibile, spuntata);
    dici(spuntata ? QStringLiteral("Il fumetto è visibile.") : QStringLiteral("Il fumetto non sarà visualizzato."));
    impostazioni().FumettoVisibile = spuntata;
    emit impostazioniCambiate();
}

void SchedaVoce::fumettoTuttoIlTestoScelto(bool spuntata)
{
    bitFumetto(Personaggio::kFumettoTuttoIlTesto, spuntata);
    dici(spuntata ? QStringLiteral("Il fumetto conterrà tutto il testo.")
                  : QStringLiteral("Il fumetto avrà dimensioni ridotte e rimmarà visibile solo una parte del testo."));
    impostazioni().FumettoContieneTesto = spuntata;
    emit impostazioniCambiate();
}

void SchedaVoce::provaVoce()
{
    dici(QStringLiteral("Questa è la mia voce."));
}

void SchedaVoce::scegliFontFumetto()
{
    ImpostazioniUtente& imp = impostazioni();
    if (!scegliFont(m_campioneFontFumetto, imp.FontFumetto, imp.DimensioneFontFumetto))
        return;
    imp.FontFumetto = m_campioneFontFumetto->font().family();
    imp.DimensioneFontFumetto = puntiAmmessi(m_campioneFontFumetto->font().pointSize());
    if (m_personaggio) {
        m_personaggio->setBalloonFontName(imp.FontFumetto);
        m_personaggio->setBalloonFontSize(imp.DimensioneFontFumetto);
    }
}
