// The "Voce e Suoni" tab: sounds on or off, the voice's speed and pitch, the speech balloon, heard and seen
// at once through this screen's own speaking character.
#include "support/Personaggio.h"
#include "support/Programma.h"
#include "settings/SchermataConfigurazioni.h"
#include "storage/StatoProgramma.h"

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

QScrollBar* scala(const QString& nome, int minimo, int massimo, const QString& descrizione, QWidget* dentro)
{
    auto* barra = new QScrollBar(Qt::Horizontal, dentro);
    barra->setObjectName(nome);
    barra->setAccessibleName(descrizione);
    barra->setRange(minimo, massimo);
    barra->setSingleStep(1);
    barra->setPageStep(10);
    barra->setValue(minimo);
    return barra;
}
} // namespace

void SchermataConfigurazioni::creaSchedaVoce()
{
    schedaVoce = creaScheda("schedaVoce");
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    // The character stands at the top right of this tab: the controls keep to the left of him.
    casellaSuoni = new QCheckBox(QStringLiteral("Attiva suoni"), schedaVoce);
    casellaSuoni->setObjectName(QStringLiteral("casellaSuoni"));
    casellaSuoni->setChecked(true);
    posiziona(casellaSuoni, 240, 240, 4800, 480);
    connect(casellaSuoni, &QCheckBox::toggled, this, [&imp](bool spuntata) { imp.SuoniAttivi = spuntata; });

    lineaVoce = new QFrame(schedaVoce);
    lineaVoce->setObjectName(QStringLiteral("lineaVoce"));
    lineaVoce->setFrameShape(QFrame::HLine);
    lineaVoce->setFrameShadow(QFrame::Sunken);
    posiziona(lineaVoce, 240, 900, 7440, 60);

    casellaParlato = new QCheckBox(QStringLiteral("Attiva parlato"), schedaVoce);
    casellaParlato->setObjectName(QStringLiteral("casellaParlato"));
    posiziona(casellaParlato, 240, 1200, 4200, 480);
    connect(casellaParlato, &QCheckBox::toggled, this, &SchermataConfigurazioni::parlatoScelto);
    bottoneProvaVoce = new QPushButton(QStringLiteral("Prova voce"), schedaVoce);
    bottoneProvaVoce->setObjectName(QStringLiteral("bottoneProvaVoce"));
    posiziona(bottoneProvaVoce, 4680, 1080, 3000, 720);
    connect(bottoneProvaVoce, &QPushButton::clicked, this, &SchermataConfigurazioni::provaVoce);

    didascaliaVelocita = new QLabel(QStringLiteral("Velocità"), schedaVoce);
    didascaliaVelocita->setObjectName(QStringLiteral("didascaliaVelocita"));
    posiziona(didascaliaVelocita, 240, 2040, 4800, 420);
    scalaVelocita = scala(QStringLiteral("scalaVelocita"), 50, 250, QStringLiteral("Velocità della voce"), schedaVoce);
    posiziona(scalaVelocita, 240, 2520, 7440, 360);
    connect(scalaVelocita, &QScrollBar::valueChanged, this, &SchermataConfigurazioni::velocitaCambiata);

    didascaliaTono = new QLabel(QStringLiteral("Tono"), schedaVoce);
    didascaliaTono->setObjectName(QStringLiteral("didascaliaTono"));
    posiziona(didascaliaTono, 240, 3120, 4800, 420);
    scalaTono = scala(QStringLiteral("scalaTono"), 50, 400, QStringLiteral("Tono della voce"), schedaVoce);
    posiziona(scalaTono, 240, 3600, 7440, 360);
    connect(scalaTono, &QScrollBar::valueChanged, this, &SchermataConfigurazioni::tonoCambiato);

    casellaFumetto = new QCheckBox(QStringLiteral("Fumetto visibile"), schedaVoce);
    casellaFumetto->setObjectName(QStringLiteral("casellaFumetto"));
    casellaFumetto->setChecked(true);
    posiziona(casellaFumetto, 240, 4440, 4200, 480);
    connect(casellaFumetto, &QCheckBox::toggled, this, &SchermataConfigurazioni::fumettoScelto);
    bottoneFontFumetto = new QPushButton(QStringLiteral("Font fumetto"), schedaVoce);
    bottoneFontFumetto->setObjectName(QStringLiteral("bottoneFontFumetto"));
    posiziona(bottoneFontFumetto, 4680, 4320, 3000, 720);
    connect(bottoneFontFumetto, &QPushButton::clicked, this, &SchermataConfigurazioni::scegliFontFumetto);

    casellaFumettoTuttoIlTesto = new QCheckBox(QStringLiteral("Fumetto che contiene tutto il testo"), schedaVoce);
    casellaFumettoTuttoIlTesto->setObjectName(QStringLiteral("casellaFumettoTuttoIlTesto"));
    casellaFumettoTuttoIlTesto->setChecked(true);
    posiziona(casellaFumettoTuttoIlTesto, 240, 5280, 7440, 480);
    connect(casellaFumettoTuttoIlTesto, &QCheckBox::toggled, this, &SchermataConfigurazioni::fumettoTuttoIlTestoScelto);

    campioneFontFumetto = new QLabel(schedaVoce);
    campioneFontFumetto->setObjectName(QStringLiteral("campioneFontFumetto"));
    campioneFontFumetto->hide();
}

void SchermataConfigurazioni::CaricaPersonaggio()
{
    const StatoProgramma& stato = m_programma.stato;
    m_personaggio = m_programma.caricaMerlino(this, m_controlloAgente);
    if (!m_personaggio)
        return;
    m_personaggio->setLanguageID(numeroLingua(stato.LinguaAgente));
    m_personaggio->setBalloonFontName(stato.ImpostazioniUtente.FontFumetto);
    m_personaggio->setBalloonFontSize(stato.ImpostazioniUtente.DimensioneFontFumetto);
}

void SchermataConfigurazioni::ImpostaMerlino()
{
    const ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    m_tagVoce = tagVoce(imp.VelocitaVoce, imp.TonoVoce);
    if (!m_personaggio)
        return;
    bitFumetto(Personaggio::kFumettoVisibile, imp.FumettoVisibile);
    bitFumetto(Personaggio::kFumettoTuttoIlTesto, imp.FumettoContieneTesto);
    m_personaggio->setBalloonFontName(imp.FontFumetto);
    m_personaggio->setBalloonFontSize(imp.DimensioneFontFumetto);
    // Beside the voice controls, at the top right of the tab, where he covers none of them.
    const QPoint angolo = schedaVoce->mapToGlobal(QPoint(schedaVoce->width(), 0));
    m_personaggio->MoveTo(angolo.x() - kLarghezzaFigura - pixel(kMargineFigura), angolo.y() + pixel(kMargineFigura), 0);
}

void SchermataConfigurazioni::bitFumetto(int bit, bool acceso)
{
    if (m_personaggio)
        impostaBitFumetto(*m_personaggio, bit, acceso);
}

void SchermataConfigurazioni::dici(const QString& frase)
{
    if (m_personaggio)
        m_personaggio->Speak(m_tagVoce + frase);
}

void SchermataConfigurazioni::velocitaCambiata(int valore)
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    imp.VelocitaVoce = static_cast<qint16>(valore);
    didascaliaVelocita->setText(QStringLiteral("Velocità = ") + conSegno(valore));
    m_tagVoce = tagVoce(imp.VelocitaVoce, imp.TonoVoce);
}

void SchermataConfigurazioni::tonoCambiato(int valore)
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    imp.TonoVoce = static_cast<qint16>(valore);
    didascaliaTono->setText(QStringLiteral("Tono = ") + conSegno(valore));
    m_tagVoce = tagVoce(imp.VelocitaVoce, imp.TonoVoce);
}

void SchermataConfigurazioni::parlatoScelto(bool spuntata)
{
    m_programma.stato.ImpostazioniUtente.ParlatoAttivo = spuntata;
    ImpostaConfigurazioni();
}

void SchermataConfigurazioni::fumettoScelto(bool spuntata)
{
    // The style changes first, so the sentence already shows (or not) the balloon it announces.
    bitFumetto(Personaggio::kFumettoVisibile, spuntata);
    dici(spuntata ? QStringLiteral("Il fumetto è visibile.") : QStringLiteral("Il fumetto non sarà visualizzato."));
    m_programma.stato.ImpostazioniUtente.FumettoVisibile = spuntata;
    ImpostaConfigurazioni();
}

void SchermataConfigurazioni::fumettoTuttoIlTestoScelto(bool spuntata)
{
    bitFumetto(Personaggio::kFumettoTuttoIlTesto, spuntata);
    dici(spuntata ? QStringLiteral("Il fumetto conterrà tutto il testo.")
                  : QStringLiteral("Il fumetto avrà dimensioni ridotte e rimmarà visibile solo una parte del testo."));
    m_programma.stato.ImpostazioniUtente.FumettoContieneTesto = spuntata;
    ImpostaConfigurazioni();
}

void SchermataConfigurazioni::provaVoce()
{
    dici(QStringLiteral("Questa è la mia voce."));
}

void SchermataConfigurazioni::scegliFontFumetto()
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    if (!scegliFont(campioneFontFumetto, imp.FontFumetto, imp.DimensioneFontFumetto))
        return;
    imp.FontFumetto = campioneFontFumetto->font().family();
    imp.DimensioneFontFumetto = puntiAmmessi(campioneFontFumetto->font().pointSize());
    if (m_personaggio) {
        m_personaggio->setBalloonFontName(imp.FontFumetto);
        m_personaggio->setBalloonFontSize(imp.DimensioneFontFumetto);
    }
}
