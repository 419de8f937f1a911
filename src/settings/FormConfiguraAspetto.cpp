// The "Scelte didattiche" tab (answers offered, list in use, letter style) and the "Fonts e Colori" tab
// (system colours, background, text font and colours, buttons, the preview).
#include "home/Programma.h"
#include "settings/FormConfigura.h"
#include "storage/StatoProgramma.h"
#include "support/AdattaTesto.h"
#include "support/Colori.h"
#include "support/CommDlgs.h"
#include "support/Messaggi.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {
constexpr double kBianco = 16777215;

QGroupBox* riquadro(const QString& titolo, const QString& nome, QWidget* dentro)
{
    auto* gruppo = new QGroupBox(titolo, dentro);
    gruppo->setObjectName(nome);
    gruppo->setFlat(true); // the style's own panel would shade the tab's colour
    return gruppo;
}

QRadioButton* opzione(const QString& testo, const QString& nome, QWidget* dentro)
{
    auto* scelta = new QRadioButton(testo, dentro);
    scelta->setObjectName(nome);
    return scelta;
}

QPushButton* bottone(const QString& testo, const QString& nome, QWidget* dentro)
{
    auto* comando = new QPushButton(testo, dentro);
    comando->setObjectName(nome);
    return comando;
}
} // namespace

void FormConfigura::creaFrameLettere()
{
    FrameLettere = creaFrame("FrameLettere");
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;

    Frame3 = riquadro(QStringLiteral("Utilizza"), QStringLiteral("Frame3"), FrameLettere);
    posiziona(Frame3, 240, 240, 4920, 2640);
    auto* risposte = new QButtonGroup(this);
    const char* voci[] = {"vero - falso", "vero - falso - incerto"};
    for (int i = 0; i < 2; ++i) {
        Option5[i] = opzione(QString::fromUtf8(voci[i]), QStringLiteral("Option5_%1").arg(i), Frame3);
        posiziona(Option5[i], 240, 600 + i * 840, 4440, 480);
        risposte->addButton(Option5[i], i);
        connect(Option5[i], &QRadioButton::toggled, this, [&imp, i](bool scelta) {
            if (scelta)
                imp.TipoRisposte = static_cast<qint16>(i);
        });
    }

    Frame1 = riquadro(QStringLiteral("Tipo di carattere"), QStringLiteral("Frame1"), FrameLettere);
    posiziona(Frame1, 5400, 240, 4920, 2640);
    auto* stili = new QButtonGroup(this);
    minuscolo = opzione(QStringLiteral("minuscolo"), QStringLiteral("minuscolo"), Frame1);
    maiuscolo = opzione(QStringLiteral("MAIUSCOLO"), QStringLiteral("maiuscolo"), Frame1);
    corsivo = opzione(QStringLiteral("corsivo"), QStringLiteral("corsivo"), Frame1);
    // The cursive caption is written in the school letters themselves (sized with the screen's captions).
    // The school letters need a taller line than the print ones to be read at the same size.
    posiziona(minuscolo, 240, 420, 4440, 540);
    posiziona(maiuscolo, 240, 1020, 4440, 540);
    posiziona(corsivo, 240, 1620, 4440, 900);
    for (QRadioButton* stile : {minuscolo, maiuscolo, corsivo}) {
        stili->addButton(stile);
        connect(stile, &QRadioButton::toggled, this, [this, stile](bool scelto) {
            if (scelto)
                scegliStile(stile->objectName());
        });
    }

    Frame4 = riquadro(QStringLiteral("File in uso"), QStringLiteral("Frame4"), FrameLettere);
    posiziona(Frame4, 240, 3120, 10080, 3000);
    LabelListaInUso = new QLabel(Frame4);
    LabelListaInUso->setObjectName(QStringLiteral("LabelListaInUso"));
    LabelListaInUso->setWordWrap(true);
    posiziona(LabelListaInUso, 240, 480, 9600, 1080);
    CommandCambiaListaInUso =
        bottone(QStringLiteral("Lista in uso"), QStringLiteral("CommandCambiaListaInUso"), Frame4);
    posiziona(CommandCambiaListaInUso, 240, 1800, 3000, 720);
    CommandCreaLista = bottone(QStringLiteral("Gestione files"), QStringLiteral("CommandCreaLista"), Frame4);
    posiziona(CommandCreaLista, 3480, 1800, 3000, 720);
}

void FormConfigura::creaFrameFonts()
{
    FrameFonts = creaFrame("FrameFonts");

    CheckImpostazioniSistema = new QCheckBox(QStringLiteral("Usa impostazioni di sistema"), FrameFonts);
    CheckImpostazioniSistema->setObjectName(QStringLiteral("CheckImpostazioniSistema"));
    posiziona(CheckImpostazioniSistema, 240, 240, 9600, 480);
    connect(CheckImpostazioniSistema, &QCheckBox::toggled, this, &FormConfigura::CheckImpostazioniSistema_Click);

    Frame6 = riquadro(QStringLiteral("Colore sfondo"), QStringLiteral("Frame6"), FrameFonts);
    posiziona(Frame6, 240, 900, 4800, 2880);
    auto* casualeFisso = new QButtonGroup(this);
    const char* voci[] = {"Colore casuale", "Colore fisso"};
    for (int i = 0; i < 2; ++i) {
        OptionColoreCasualeFisso[i] =
            opzione(QString::fromUtf8(voci[i]), QStringLiteral("OptionColoreCasualeFisso_%1").arg(i), Frame6);
        posiziona(OptionColoreCasualeFisso[i], 240, 480 + i * 720, 4320, 480);
        casualeFisso->addButton(OptionColoreCasualeFisso[i], i);
        connect(OptionColoreCasualeFisso[i], &QRadioButton::toggled, this, [this, i](bool scelta) {
            if (scelta)
                OptionColoreCasualeFisso_Click(i);
        });
    }
    CommandSceltaColori = bottone(QStringLiteral("Colori"), QStringLiteral("CommandSceltaColori"), Frame6);
    posiziona(CommandSceltaColori, 240, 1920, 2400, 720);
    connect(CommandSceltaColori, &QPushButton::clicked, this, &FormConfigura::CommandSceltaColori_Click);

    Frame5 = riquadro(QString(), QStringLiteral("Frame5"), FrameFonts);
    posiziona(Frame5, 5280, 900, 5040, 2880);
    CommandSceltaFont = bottone(QStringLiteral("Font"), QStringLiteral("CommandSceltaFont"), Frame5);
    CommandSceltaColoreFont = bottone(QStringLiteral("Colore font"), QStringLiteral("CommandSceltaColoreFont"), Frame5);
    CommandSceltaSfondoTesto =
        bottone(QStringLiteral("Sfondo testo"), QStringLiteral("CommandSceltaSfondoTesto"), Frame5);
    CommandSceltaColoreBottoni =
        bottone(QStringLiteral("Bottoni"), QStringLiteral("CommandSceltaColoreBottoni"), Frame5);
    posiziona(CommandSceltaFont, 240, 360, 2160, 960);
    posiziona(CommandSceltaColoreFont, 2640, 360, 2160, 960);
    posiziona(CommandSceltaSfondoTesto, 240, 1560, 2160, 960);
    posiziona(CommandSceltaColoreBottoni, 2640, 1560, 2160, 960);
    connect(CommandSceltaFont, &QPushButton::clicked, this, &FormConfigura::CommandSceltaFont_Click);
    connect(CommandSceltaColoreFont, &QPushButton::clicked, this, &FormConfigura::CommandSceltaColoreFont_Click);
    connect(CommandSceltaSfondoTesto, &QPushButton::clicked, this, &FormConfigura::CommandSceltaSfondoTesto_Click);
    connect(CommandSceltaColoreBottoni, &QPushButton::clicked, this, &FormConfigura::CommandSceltaColoreBottoni_Click);

    LabelFontSelezionato = new QLabel(QStringLiteral("Esempio di font e colore del testo"), FrameFonts);
    LabelFontSelezionato->setObjectName(QStringLiteral("LabelFontSelezionato"));
    LabelFontSelezionato->setAccessibleDescription(QStringLiteral("Esempio del testo degli esercizi"));
    LabelFontSelezionato->setWordWrap(true);
    LabelFontSelezionato->setAlignment(Qt::AlignCenter);
    LabelFontSelezionato->setFrameShape(QFrame::Box);
    Colori::impostaSfondo(LabelFontSelezionato, kBianco);
    posiziona(LabelFontSelezionato, 240, 4080, 10080, 3480);

    LabelPerColore = new QLabel(FrameFonts);
    LabelPerColore->setObjectName(QStringLiteral("LabelPerColore"));
    LabelPerColore->hide();
}

bool FormConfigura::scegliFont(QWidget* bersaglio, const QString& famiglia, int punti)
{
    QFont partenza(famiglia);
    partenza.setPointSize(std::max(1, punti));
    if (!CommDlgs::ShowFont(this, bersaglio, partenza))
        return false;
    if (bersaglio->font().family().isEmpty() || bersaglio->font().pointSize() < 1) {
        Messaggi::errore(this, QStringLiteral("selezionare sia il tipo di font che la dimensione"));
        return false;
    }
    return true;
}

qint16 FormConfigura::puntiAmmessi(int punti)
{
    return static_cast<qint16>(std::clamp(punti, ModuloPerIni::kPuntiMinimi, ModuloPerIni::kPuntiMassimi));
}

void FormConfigura::scegliStile(const QString& stile)
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    imp.StileLettere = stile;
    imp.FontTesto = stile == QStringLiteral("corsivo") ? QStringLiteral("Indis1") : imp.FontScelto;
    ImpostaConfigurazioni();
}

void FormConfigura::CheckImpostazioniSistema_Click(bool spuntata)
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    imp.ImpostazioniSistema = spuntata;
    if (spuntata) {
        imp.MouseDiSistema = true;
        CheckDisabilitaMousePersonalizzato->setChecked(true);
    }
    Frame6->setEnabled(!spuntata);
}

void FormConfigura::OptionColoreCasualeFisso_Click(int indice)
{
    m_programma.stato.ImpostazioniUtente.ColoreCasuale = indice == 0;
    ImpostaConfigurazioni();
}

void FormConfigura::CommandSceltaColori_Click()
{
    if (CommDlgs::ShowColor(this, LabelPerColore))
        m_programma.stato.ImpostazioniUtente.ColoreSfondo = Colori::testo(LabelPerColore);
    ImpostaConfigurazioni();
}

void FormConfigura::CommandSceltaFont_Click()
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    // The teacher's own font, also while the cursive style shows the school letters.
    if (!scegliFont(LabelFontSelezionato, imp.FontScelto, imp.DimensioneFontTesto))
        return;
    const QFont scelto = LabelFontSelezionato->font();
    if (imp.StileLettere != QStringLiteral("corsivo"))
        imp.FontTesto = scelto.family();
    else
        Messaggi::informa(this, QStringLiteral("Il font scelto non verrà utilizzato mentre è attiva l'opzione per il "
                                               "corsivo.\r\nVerrà invece applicata la modifica alla dimensione."));
    imp.DimensioneFontTesto = puntiAmmessi(scelto.pointSize());
    imp.FontScelto = scelto.family();
    ImpostaConfigurazioni();
}

void FormConfigura::CommandSceltaColoreFont_Click()
{
    if (CommDlgs::ShowColor(this, LabelFontSelezionato))
        m_programma.stato.ImpostazioniUtente.ColoreFont = Colori::testo(LabelFontSelezionato);
}

void FormConfigura::CommandSceltaSfondoTesto_Click()
{
    if (!CommDlgs::ShowColor(this, LabelPerColore))
        return;
    Colori::impostaSfondo(LabelFontSelezionato, Colori::testo(LabelPerColore));
    m_programma.stato.ImpostazioniUtente.ColoreSfondoTesto = Colori::sfondo(LabelFontSelezionato);
}

void FormConfigura::CommandSceltaColoreBottoni_Click()
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    if (CommDlgs::ShowColor(this, LabelPerColore))
        imp.ColoreBottoni = Colori::testo(LabelPerColore);
    Colori::impostaSfondo(CommandSceltaColoreBottoni, imp.ColoreBottoni);
}
