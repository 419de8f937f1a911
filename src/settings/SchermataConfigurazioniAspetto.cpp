// The "Scelte didattiche" tab (answers offered, list in use, letter style) and the "Fonts e Colori" tab
// (system colours, background, text font and colours, buttons, the preview).
#include "support/Programma.h"
#include "settings/SchermataConfigurazioni.h"
#include "storage/StatoProgramma.h"
#include "support/AdattaTesto.h"
#include "support/Colori.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"
#include "support/TestoSemplice.h"

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

void SchermataConfigurazioni::creaSchedaScelteDidattiche()
{
    schedaScelteDidattiche = creaScheda("schedaScelteDidattiche");
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;

    gruppoRisposte = riquadro(QStringLiteral("Utilizza"), QStringLiteral("gruppoRisposte"), schedaScelteDidattiche);
    posiziona(gruppoRisposte, 240, 240, 4920, 2640);
    auto* risposte = new QButtonGroup(this);
    const char* voci[] = {"vero - falso", "vero - falso - incerto"};
    for (int i = 0; i < 2; ++i) {
        sceltaRisposteOfferte[i] = opzione(QString::fromUtf8(voci[i]), QStringLiteral("Option5_%1").arg(i), gruppoRisposte);
        posiziona(sceltaRisposteOfferte[i], 240, 600 + i * 840, 4440, 480);
        risposte->addButton(sceltaRisposteOfferte[i], i);
        connect(sceltaRisposteOfferte[i], &QRadioButton::toggled, this, [&imp, i](bool scelta) {
            if (scelta)
                imp.TipoRisposte = static_cast<qint16>(i);
        });
    }

    gruppoStile = riquadro(QStringLiteral("Tipo di carattere"), QStringLiteral("gruppoStile"), schedaScelteDidattiche);
    posiziona(gruppoStile, 5400, 240, 4920, 2640);
    auto* stili = new QButtonGroup(this);
    minuscolo = opzione(QStringLiteral("minuscolo"), QStringLiteral("minuscolo"), gruppoStile);
    maiuscolo = opzione(QStringLiteral("MAIUSCOLO"), QStringLiteral("maiuscolo"), gruppoStile);
    corsivo = opzione(QStringLiteral("corsivo"), QStringLiteral("corsivo"), gruppoStile);
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

    gruppoLista = riquadro(QStringLiteral("File in uso"), QStringLiteral("gruppoLista"), schedaScelteDidattiche);
    posiziona(gruppoLista, 240, 3120, 10080, 3000);
    etichettaListaInUso = new QLabel(gruppoLista);
    TestoSemplice::perEtichetta(etichettaListaInUso); // the path from the profile
    etichettaListaInUso->setObjectName(QStringLiteral("etichettaListaInUso"));
    etichettaListaInUso->setWordWrap(true);
    posiziona(etichettaListaInUso, 240, 480, 9600, 1080);
    bottoneListaInUso =
        bottone(QStringLiteral("Lista in uso"), QStringLiteral("bottoneListaInUso"), gruppoLista);
    posiziona(bottoneListaInUso, 240, 1800, 3000, 720);
    bottoneGestioneFile = bottone(QStringLiteral("Gestione files"), QStringLiteral("bottoneGestioneFile"), gruppoLista);
    posiziona(bottoneGestioneFile, 3480, 1800, 3000, 720);
}

void SchermataConfigurazioni::creaSchedaFontColori()
{
    schedaFontColori = creaScheda("schedaFontColori");

    casellaImpostazioniSistema = new QCheckBox(QStringLiteral("Usa impostazioni di sistema"), schedaFontColori);
    casellaImpostazioniSistema->setObjectName(QStringLiteral("casellaImpostazioniSistema"));
    posiziona(casellaImpostazioniSistema, 240, 240, 9600, 480);
    connect(casellaImpostazioniSistema, &QCheckBox::toggled, this, &SchermataConfigurazioni::impostazioniSistemaScelte);

    gruppoColoreSfondo = riquadro(QStringLiteral("Colore sfondo"), QStringLiteral("gruppoColoreSfondo"), schedaFontColori);
    posiziona(gruppoColoreSfondo, 240, 900, 4800, 2880);
    auto* casualeFisso = new QButtonGroup(this);
    const char* voci[] = {"Colore casuale", "Colore fisso"};
    for (int i = 0; i < 2; ++i) {
        sceltaColoreSfondo[i] =
            opzione(QString::fromUtf8(voci[i]), QStringLiteral("OptionColoreCasualeFisso_%1").arg(i), gruppoColoreSfondo);
        posiziona(sceltaColoreSfondo[i], 240, 480 + i * 720, 4320, 480);
        casualeFisso->addButton(sceltaColoreSfondo[i], i);
        connect(sceltaColoreSfondo[i], &QRadioButton::toggled, this, [this, i](bool scelta) {
            if (scelta)
                coloreSfondoScelto(i);
        });
    }
    bottoneColori = bottone(QStringLiteral("Colori"), QStringLiteral("bottoneColori"), gruppoColoreSfondo);
    posiziona(bottoneColori, 240, 1920, 2400, 720);
    connect(bottoneColori, &QPushButton::clicked, this, &SchermataConfigurazioni::scegliColoreSfondo);

    gruppoCaratteri = riquadro(QString(), QStringLiteral("gruppoCaratteri"), schedaFontColori);
    posiziona(gruppoCaratteri, 5280, 900, 5040, 2880);
    bottoneFont = bottone(QStringLiteral("Font"), QStringLiteral("bottoneFont"), gruppoCaratteri);
    bottoneColoreFont = bottone(QStringLiteral("Colore font"), QStringLiteral("bottoneColoreFont"), gruppoCaratteri);
    bottoneSfondoTesto =
        bottone(QStringLiteral("Sfondo testo"), QStringLiteral("bottoneSfondoTesto"), gruppoCaratteri);
    bottoneColoreBottoni =
        bottone(QStringLiteral("Bottoni"), QStringLiteral("bottoneColoreBottoni"), gruppoCaratteri);
    posiziona(bottoneFont, 240, 360, 2160, 960);
    posiziona(bottoneColoreFont, 2640, 360, 2160, 960);
    posiziona(bottoneSfondoTesto, 240, 1560, 2160, 960);
    posiziona(bottoneColoreBottoni, 2640, 1560, 2160, 960);
    connect(bottoneFont, &QPushButton::clicked, this, &SchermataConfigurazioni::scegliFontTesto);
    connect(bottoneColoreFont, &QPushButton::clicked, this, &SchermataConfigurazioni::scegliColoreFont);
    connect(bottoneSfondoTesto, &QPushButton::clicked, this, &SchermataConfigurazioni::scegliSfondoTesto);
    connect(bottoneColoreBottoni, &QPushButton::clicked, this, &SchermataConfigurazioni::scegliColoreBottoni);

    esempioTesto = new QLabel(QStringLiteral("Esempio di font e colore del testo"), schedaFontColori);
    esempioTesto->setObjectName(QStringLiteral("esempioTesto"));
    esempioTesto->setAccessibleDescription(QStringLiteral("Esempio del testo degli esercizi"));
    esempioTesto->setWordWrap(true);
    esempioTesto->setAlignment(Qt::AlignCenter);
    esempioTesto->setFrameShape(QFrame::Box);
    Colori::impostaSfondo(esempioTesto, kBianco);
    posiziona(esempioTesto, 240, 4080, 10080, 3480);

    campioneColore = new QLabel(schedaFontColori);
    campioneColore->setObjectName(QStringLiteral("campioneColore"));
    campioneColore->hide();
}

bool SchermataConfigurazioni::scegliFont(QWidget* bersaglio, const QString& famiglia, int punti)
{
    QFont partenza(famiglia);
    partenza.setPointSize(std::max(1, punti));
    if (!DialoghiStandard::scegliFont(this, bersaglio, partenza))
        return false;
    if (bersaglio->font().family().isEmpty() || bersaglio->font().pointSize() < 1) {
        Messaggi::errore(this, QStringLiteral("selezionare sia il tipo di font che la dimensione"));
        return false;
    }
    return true;
}

qint16 SchermataConfigurazioni::puntiAmmessi(int punti)
{
    return static_cast<qint16>(std::clamp(punti, FileProfilo::kPuntiMinimi, FileProfilo::kPuntiMassimi));
}

void SchermataConfigurazioni::scegliStile(const QString& stile)
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    imp.StileLettere = stile;
    imp.FontTesto = stile == QStringLiteral("corsivo") ? QStringLiteral("Indis1") : imp.FontScelto;
    ImpostaConfigurazioni();
}

void SchermataConfigurazioni::impostazioniSistemaScelte(bool spuntata)
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    imp.ImpostazioniSistema = spuntata;
    if (spuntata) {
        imp.MouseDiSistema = true;
        casellaMouseDiSistema->setChecked(true);
    }
    gruppoColoreSfondo->setEnabled(!spuntata);
}

void SchermataConfigurazioni::coloreSfondoScelto(int indice)
{
    m_programma.stato.ImpostazioniUtente.ColoreCasuale = indice == 0;
    ImpostaConfigurazioni();
}

void SchermataConfigurazioni::scegliColoreSfondo()
{
    if (DialoghiStandard::scegliColore(this, campioneColore))
        m_programma.stato.ImpostazioniUtente.ColoreSfondo = Colori::testo(campioneColore);
    ImpostaConfigurazioni();
}

void SchermataConfigurazioni::scegliFontTesto()
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    // The teacher's own font, also while the cursive style shows the school letters.
    if (!scegliFont(esempioTesto, imp.FontScelto, imp.DimensioneFontTesto))
        return;
    const QFont scelto = esempioTesto->font();
    if (imp.StileLettere != QStringLiteral("corsivo"))
        imp.FontTesto = scelto.family();
    else
        Messaggi::informa(this, QStringLiteral("Il font scelto non verrà utilizzato mentre è attiva l'opzione per il "
                                               "corsivo.\r\nVerrà invece applicata la modifica alla dimensione."));
    imp.DimensioneFontTesto = puntiAmmessi(scelto.pointSize());
    imp.FontScelto = scelto.family();
    ImpostaConfigurazioni();
}

void SchermataConfigurazioni::scegliColoreFont()
{
    if (DialoghiStandard::scegliColore(this, esempioTesto))
        m_programma.stato.ImpostazioniUtente.ColoreFont = Colori::testo(esempioTesto);
}

void SchermataConfigurazioni::scegliSfondoTesto()
{
    if (!DialoghiStandard::scegliColore(this, campioneColore))
        return;
    Colori::impostaSfondo(esempioTesto, Colori::testo(campioneColore));
    m_programma.stato.ImpostazioniUtente.ColoreSfondoTesto = Colori::sfondo(esempioTesto);
}

void SchermataConfigurazioni::scegliColoreBottoni()
{
    ImpostazioniUtente& imp = m_programma.stato.ImpostazioniUtente;
    if (DialoghiStandard::scegliColore(this, campioneColore))
        imp.ColoreBottoni = Colori::testo(campioneColore);
    Colori::impostaSfondo(bottoneColoreBottoni, imp.ColoreBottoni);
}
