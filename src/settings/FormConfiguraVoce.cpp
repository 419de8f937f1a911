// The "Voce e Suoni" tab: sounds on or off, the voice's speed and pitch, the speech balloon, heard and seen
// at once through this screen's own speaking character.
#include "exercise/agent/Personaggio.h"
#include "home/Programma.h"
#include "settings/FormConfigura.h"
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

void FormConfigura::creaFrameVoce()
{
    FrameVoce = creaFrame("FrameVoce");
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    // The character stands at the top right of this tab: the controls keep to the left of him.
    CheckSuoni = new QCheckBox(QStringLiteral("Attiva suoni"), FrameVoce);
    CheckSuoni->setObjectName(QStringLiteral("CheckSuoni"));
    CheckSuoni->setChecked(true);
    posiziona(CheckSuoni, 240, 240, 4800, 480);
    connect(CheckSuoni, &QCheckBox::toggled, this, [&imp](bool spuntata) { imp.SuoniAttivi = spuntata; });

    Line1 = new QFrame(FrameVoce);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    posiziona(Line1, 240, 900, 7440, 60);

    Check1 = new QCheckBox(QStringLiteral("Attiva parlato"), FrameVoce);
    Check1->setObjectName(QStringLiteral("Check1"));
    posiziona(Check1, 240, 1200, 4200, 480);
    connect(Check1, &QCheckBox::toggled, this, &FormConfigura::Check1_Click);
    CommandProvaVoce = new QPushButton(QStringLiteral("Prova voce"), FrameVoce);
    CommandProvaVoce->setObjectName(QStringLiteral("CommandProvaVoce"));
    posiziona(CommandProvaVoce, 4680, 1080, 3000, 720);
    connect(CommandProvaVoce, &QPushButton::clicked, this, &FormConfigura::CommandProvaVoce_Click);

    Label1 = new QLabel(QStringLiteral("Velocità"), FrameVoce);
    Label1->setObjectName(QStringLiteral("Label1"));
    posiziona(Label1, 240, 2040, 4800, 420);
    HScroll1 = scala(QStringLiteral("HScroll1"), 50, 250, QStringLiteral("Velocità della voce"), FrameVoce);
    posiziona(HScroll1, 240, 2520, 7440, 360);
    connect(HScroll1, &QScrollBar::valueChanged, this, &FormConfigura::HScroll1_Change);

    Label2 = new QLabel(QStringLiteral("Tono"), FrameVoce);
    Label2->setObjectName(QStringLiteral("Label2"));
    posiziona(Label2, 240, 3120, 4800, 420);
    HScroll2 = scala(QStringLiteral("HScroll2"), 50, 400, QStringLiteral("Tono della voce"), FrameVoce);
    posiziona(HScroll2, 240, 3600, 7440, 360);
    connect(HScroll2, &QScrollBar::valueChanged, this, &FormConfigura::HScroll2_Change);

    ChkFumetto = new QCheckBox(QStringLiteral("Fumetto visibile"), FrameVoce);
    ChkFumetto->setObjectName(QStringLiteral("ChkFumetto"));
    ChkFumetto->setChecked(true);
    posiziona(ChkFumetto, 240, 4440, 4200, 480);
    connect(ChkFumetto, &QCheckBox::toggled, this, &FormConfigura::ChkFumetto_Click);
    CommandFontFumetto = new QPushButton(QStringLiteral("Font fumetto"), FrameVoce);
    CommandFontFumetto->setObjectName(QStringLiteral("CommandFontFumetto"));
    posiziona(CommandFontFumetto, 4680, 4320, 3000, 720);
    connect(CommandFontFumetto, &QPushButton::clicked, this, &FormConfigura::CommandFontFumetto_Click);

    CheckContieneTesto = new QCheckBox(QStringLiteral("Fumetto che contiene tutto il testo"), FrameVoce);
    CheckContieneTesto->setObjectName(QStringLiteral("CheckContieneTesto"));
    CheckContieneTesto->setChecked(true);
    posiziona(CheckContieneTesto, 240, 5280, 7440, 480);
    connect(CheckContieneTesto, &QCheckBox::toggled, this, &FormConfigura::CheckContieneTesto_Click);

    Label3 = new QLabel(FrameVoce);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->hide();
}

void FormConfigura::CaricaPersonaggio()
{
    const StatoProgramma& stato = m_programma.stato;
    m_personaggio = m_programma.caricaMerlino(this, m_controlloAgente);
    if (!m_personaggio)
        return;
    m_personaggio->setLanguageID(numeroLingua(stato.LinguaAgente));
    m_personaggio->setBalloonFontName(stato.ImpostazioniUtente.FontFumetto);
    m_personaggio->setBalloonFontSize(stato.ImpostazioniUtente.DimensioneFontFumetto);
}

void FormConfigura::ImpostaMerlino()
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
    const QPoint angolo = FrameVoce->mapToGlobal(QPoint(FrameVoce->width(), 0));
    m_personaggio->MoveTo(angolo.x() - kLarghezzaFigura - pixel(kMargineFigura), angolo.y() + pixel(kMargineFigura), 0);
}

void FormConfigura::bitFumetto(int bit, bool acceso)
{
    if (m_personaggio)
        impostaBitFumetto(*m_personaggio, bit, acceso);
}

void FormConfigura::dici(const QString& frase)
{
    if (m_personaggio)
        m_personaggio->Speak(m_tagVoce + frase);
}

void FormConfigura::HScroll1_Change(int valore)
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    imp.VelocitaVoce = static_cast<qint16>(valore);
    Label1->setText(QStringLiteral("Velocità = ") + conSegno(valore));
    m_tagVoce = tagVoce(imp.VelocitaVoce, imp.TonoVoce);
}

void FormConfigura::HScroll2_Change(int valore)
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    imp.TonoVoce = static_cast<qint16>(valore);
    Label2->setText(QStringLiteral("Tono = ") + conSegno(valore));
    m_tagVoce = tagVoce(imp.VelocitaVoce, imp.TonoVoce);
}

void FormConfigura::Check1_Click(bool spuntata)
{
    m_programma.stato.ImpostazioniUtente.ParlatoAttivo = spuntata;
    ImpostaConfigurazioni();
}

void FormConfigura::ChkFumetto_Click(bool spuntata)
{
    // The style changes first, so the sentence already shows (or not) the balloon it announces.
    bitFumetto(Personaggio::kFumettoVisibile, spuntata);
    dici(spuntata ? QStringLiteral("Il fumetto è visibile.") : QStringLiteral("Il fumetto non sarà visualizzato."));
    m_programma.stato.ImpostazioniUtente.FumettoVisibile = spuntata;
    ImpostaConfigurazioni();
}

void FormConfigura::CheckContieneTesto_Click(bool spuntata)
{
    bitFumetto(Personaggio::kFumettoTuttoIlTesto, spuntata);
    dici(spuntata ? QStringLiteral("Il fumetto conterrà tutto il testo.")
                  : QStringLiteral("Il fumetto avrà dimensioni ridotte e rimmarà visibile solo una parte del testo."));
    m_programma.stato.ImpostazioniUtente.FumettoContieneTesto = spuntata;
    ImpostaConfigurazioni();
}

void FormConfigura::CommandProvaVoce_Click()
{
    dici(QStringLiteral("Questa è la mia voce."));
}

void FormConfigura::CommandFontFumetto_Click()
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    if (!scegliFont(Label3, imp.FontFumetto, imp.DimensioneFontFumetto))
        return;
    imp.FontFumetto = Label3->font().family();
    imp.DimensioneFontFumetto = puntiAmmessi(Label3->font().pointSize());
    if (m_personaggio) {
        m_personaggio->setBalloonFontName(imp.FontFumetto);
        m_personaggio->setBalloonFontSize(imp.DimensioneFontFumetto);
    }
}
