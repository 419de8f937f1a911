// The current pupil's settings and the profile file that holds them.
#include "storage/ImpostazioniUtente.h"

#include "storage/LettoreTesto.h"
#include "storage/Percorsi.h"
#include "storage/TestoAnsi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cmath>

namespace {
constexpr double kPulsanteDiSistema = -2147483633.0; // system colour 15: button face
constexpr qint64 kMassimoByteProfilo = 64 * 1024;    // 30 short lines: anything larger is damaged

QString testoBooleano(bool valore)
{
    return valore ? QStringLiteral("True") : QStringLiteral("False");
}

QString stileDaPrimaRiga(const QString& riga)
{
    if (riga.startsWith(QStringLiteral("mai")))
        return QStringLiteral("maiuscolo");
    if (riga.startsWith(QStringLiteral("min")))
        return QStringLiteral("minuscolo");
    return QStringLiteral("corsivo");
}

QString senzaSpaziFinali(QString testo)
{
    while (testo.endsWith(u' '))
        testo.chop(1);
    return testo;
}

// What the program honours: the speech scales, any font size (the screens fit large letters to their boxes),
// scanning steps of 1 to 15 seconds.
struct Intervallo {
    double minimo;
    double massimo;
};
constexpr Intervallo kVelocitaVoce{50, 250};
constexpr Intervallo kTonoVoce{50, 400};
constexpr Intervallo kDimensioneFont{FileProfilo::kPuntiMinimi, FileProfilo::kPuntiMassimi};
constexpr Intervallo kModalitaInput{0, 2};
constexpr Intervallo kVelocitaScansione{4, 60};
constexpr Intervallo kTipoRisposte{0, 1};
constexpr Intervallo kFattorePrimoPasso{1, 4};
constexpr Intervallo kTempoSensore{0, 2000};
constexpr Intervallo kGiriPrimaDellaPausa{0, 20};
constexpr Intervallo kColoreSemplice{0, 0xFFFFFF};
constexpr Intervallo kColoreDiSistema{-2147483648.0, -2147483648.0 + 24}; // top bit set, system colours 0..24

bool interoTra(double valore, Intervallo limiti)
{
    return valore >= limiti.minimo && valore <= limiti.massimo && std::floor(valore) == valore;
}

// Reads the 25 values in order. A value missing, or a text where a number belongs (the lines may have
// shifted), spoils the whole read; a number outside its line's range leaves that line as it was.
class LettoreProfilo {
public:
    explicit LettoreProfilo(QString testo) : m_lettore(std::move(testo)) {}
    bool illeggibile() const { return m_illeggibile; }
    bool fuoriLimiti() const { return m_fuoriLimiti; }

    QString testo() { return presente(m_lettore.leggiCampo()); }
    // A text that fills its line: a comma in it, unquoted in older profiles, does not end it.
    QString riga() { return presente(m_lettore.leggiCampoIntero()); }
    bool booleano() { return testo().startsWith(u'T'); }
    void intero(qint16& campo, Intervallo limiti)
    {
        if (const std::optional<double> valore = numero())
            prendi(campo, *valore, interoTra(*valore, limiti));
    }
    // A line after the first 25: older profiles end before it, which is no damage; a value that is not
    // a number or outside its range leaves the default and counts as one out of range.
    void aggiunto(qint16& campo, Intervallo limiti)
    {
        if (const std::optional<QString> campoLetto = m_lettore.leggiCampo()) {
            bool valido = false;
            const double valore = campoLetto->trimmed().toDouble(&valido);
            prendi(campo, valore, valido && interoTra(valore, limiti));
        }
    }
    void aggiunto(bool& campo)
    {
        if (const std::optional<QString> campoLetto = m_lettore.leggiCampo())
            campo = campoLetto->startsWith(u'T');
    }
    void colore(double& campo)
    {
        if (const std::optional<double> valore = numero())
            prendi(campo, *valore, interoTra(*valore, kColoreSemplice) || interoTra(*valore, kColoreDiSistema));
    }

private:
    QString presente(const std::optional<QString>& campo)
    {
        if (!campo)
            m_illeggibile = true;
        return campo.value_or(QString());
    }
    std::optional<double> numero()
    {
        bool valido = false;
        const double valore = testo().trimmed().toDouble(&valido);
        if (!valido) {
            m_illeggibile = true;
            return std::nullopt;
        }
        return valore;
    }
    template <typename Campo> void prendi(Campo& campo, double valore, bool ammesso)
    {
        if (ammesso)
            campo = static_cast<Campo>(valore);
        else
            m_fuoriLimiti = true;
    }

    LettoreTesto m_lettore;
    bool m_illeggibile = false;
    bool m_fuoriLimiti = false;
};

bool stessoContenuto(const QString& primo, const QString& secondo)
{
    // Read without waiting on a FIFO or following a link that someone put in place of a copy.
    constexpr qint64 kMassimoByteCopia = 64 * 1024 * 1024;
    if (QFileInfo(primo).size() != QFileInfo(secondo).size())
        return false;
    const std::optional<QByteArray> a = TestoAnsi::leggiByte(primo, kMassimoByteCopia);
    return a && a == TestoAnsi::leggiByte(secondo, kMassimoByteCopia);
}

// Copies the damaged profile beside itself. A copy of the same content is not made twice, and an older copy
// that differs is never replaced: the next free name is taken. nullopt when no copy could be made.
std::optional<QString> conservaCopia(const QString& profilo)
{
    for (int n = 1;; ++n) {
        const QString copia = profilo + QStringLiteral(".danneggiato") + (n > 1 ? QString::number(n) : QString());
        if (!QFileInfo::exists(copia))
            return QFile::copy(profilo, copia) ? std::optional(copia) : std::nullopt;
        if (stessoContenuto(profilo, copia))
            return copia;
    }
}

QString avvisoDanneggiato(const QString& profilo, bool tuttoPredefinito, const std::optional<QString>& copia)
{
    QString avviso = tuttoPredefinito
                         ? QStringLiteral("Il profilo \"%1\" è danneggiato e non si può leggere per intero: "
                                          "si usano tutte le impostazioni predefinite.")
                         : QStringLiteral("Il profilo \"%1\" è danneggiato: alcuni valori sono fuori dai limiti "
                                          "ammessi e al loro posto si usano quelli predefiniti.");
    avviso = avviso.arg(QDir::toNativeSeparators(profilo));
    if (copia)
        return avviso + QStringLiteral("\r\nUna copia del file danneggiato è conservata in \"%1\".")
                            .arg(QDir::toNativeSeparators(*copia));
    return avviso + QStringLiteral("\r\nNon è stato possibile farne una copia: al prossimo salvataggio il file "
                                   "sarà sostituito.");
}

QString avvisoCollegamento(const QString& profilo)
{
    return QStringLiteral("Il profilo \"%1\" è un collegamento a un altro file: Ordiparo non lo legge e non lo "
                          "sovrascrive, perché il file a cui porta potrebbe essere di tutt'altro.\r\n"
                          "Si usano le impostazioni predefinite.")
        .arg(QDir::toNativeSeparators(profilo));
}

// A text in the form the line reader gives back: in double quotes when it holds a comma or starts with a
// blank or a quote, which the reader would split at or drop.
bool vaTraVirgolette(const QString& testo)
{
    return testo.contains(u',') || testo.startsWith(u' ') || testo.startsWith(u'\t') || testo.startsWith(u'"');
}
QString rileggibile(const QString& testo)
{
    return vaTraVirgolette(testo) ? u'"' + testo + u'"' : testo;
}
// Why a text cannot be written so that it reads back the same; nullopt when it can.
std::optional<QString> nonRileggibile(const QString& testo, bool spaziFinaliPersi)
{
    if (testo.contains(u'\r') || testo.contains(u'\n'))
        return QStringLiteral("va a capo");
    if (testo.startsWith(u'"'))
        return QStringLiteral("comincia con le virgolette");
    if (vaTraVirgolette(testo) && testo.contains(u'"'))
        return QStringLiteral("contiene le virgolette insieme a una virgola o a spazi iniziali");
    if (spaziFinaliPersi && testo.endsWith(u' '))
        return QStringLiteral("finisce con degli spazi");
    return std::nullopt;
}

QString numero(double valore)
{
    return TestoAnsi::numeroConSegno(std::llround(valore));
}
} // namespace

namespace FileProfilo {

void ImpostazioniPredefinite(ImpostazioniUtente& i, const Percorsi& percorsi)
{
    i.StileLettere = QStringLiteral("maiuscolo");
    i.ListaInUso = percorsi.listaPredefinita();
    i.SuoniAttivi = true;
    i.VelocitaVoce = 130;
    i.TonoVoce = 100;
    i.ParlatoAttivo = true;
    i.FumettoVisibile = false;
    i.FumettoContieneTesto = true;
    i.FontFumetto = QStringLiteral("Arial");
    i.DimensioneFontFumetto = 14;
    i.SalvaAttivita = false;
    i.FontTesto = QStringLiteral("Arial");
    i.FontScelto = QStringLiteral("Arial");
    i.DimensioneFontTesto = 28;
    i.ColoreFont = 0;
    i.ColoreSfondoTesto = 16777215;
    i.ColoreSfondo = 16777152;
    i.ColoreCasuale = true;
    i.ImpostazioniSistema = false;
    i.MouseDiSistema = false;
    i.ModalitaInput = 0;
    i.VelocitaScansione = 4;
    i.ColoreBottoni = kPulsanteDiSistema;
    i.ColoreBottoneSelezionato = 255;
    i.TipoRisposte = 1;
    i.FattorePrimoPasso = 1;
    i.TempoAccettazione = 0;
    i.TempoRilascio = 0;
    i.GiriPrimaDellaPausa = 0;
    i.ScansioneUditiva = false;
}

std::optional<QString> LeggiUtente(ImpostazioniUtente& i, const QString& percorsoUtente, const Percorsi& percorsi,
                                   TestoAnsi::Impronta* letta)
{
    const QString profilo = Percorsi::risoltoSenzaMaiuscole(percorsoUtente);
    const std::optional<QString> contenuto = TestoAnsi::leggiFile(profilo, kMassimoByteProfilo, letta);
    if (!contenuto) {
        ImpostazioniPredefinite(i, percorsi);
        // A link may lead anywhere: neither read nor copied.
        if (TestoAnsi::collegamento(profilo))
            return avvisoCollegamento(profilo);
        // A profile that is there but cannot be read (far too large, no permission) is as damaged as a bad line.
        if (!QFileInfo(profilo).isFile())
            return std::nullopt;
        return avvisoDanneggiato(profilo, true, conservaCopia(profilo));
    }
    LettoreProfilo p(*contenuto);
    ImpostazioniUtente letto;
    ImpostazioniPredefinite(letto, percorsi);
    letto.StileLettere = stileDaPrimaRiga(p.testo());
    letto.ListaInUso = senzaSpaziFinali(p.riga());
    letto.SuoniAttivi = p.booleano();
    p.intero(letto.VelocitaVoce, kVelocitaVoce);
    p.intero(letto.TonoVoce, kTonoVoce);
    letto.ParlatoAttivo = p.booleano();
    letto.FumettoVisibile = p.booleano();
    letto.FumettoContieneTesto = p.booleano();
    letto.FontFumetto = p.testo();
    p.intero(letto.DimensioneFontFumetto, kDimensioneFont);
    letto.SalvaAttivita = p.booleano();
    letto.FontTesto = p.testo();
    letto.FontScelto = p.testo();
    p.intero(letto.DimensioneFontTesto, kDimensioneFont);
    p.colore(letto.ColoreFont);
    p.colore(letto.ColoreSfondoTesto);
    p.colore(letto.ColoreSfondo);
    letto.ColoreCasuale = p.booleano();
    letto.ImpostazioniSistema = p.booleano();
    letto.MouseDiSistema = p.booleano();
    p.intero(letto.ModalitaInput, kModalitaInput);
    p.intero(letto.VelocitaScansione, kVelocitaScansione);
    p.colore(letto.ColoreBottoni);
    p.colore(letto.ColoreBottoneSelezionato);
    p.intero(letto.TipoRisposte, kTipoRisposte);
    p.aggiunto(letto.FattorePrimoPasso, kFattorePrimoPasso);
    p.aggiunto(letto.TempoAccettazione, kTempoSensore);
    p.aggiunto(letto.TempoRilascio, kTempoSensore);
    p.aggiunto(letto.GiriPrimaDellaPausa, kGiriPrimaDellaPausa);
    p.aggiunto(letto.ScansioneUditiva);
    if (p.illeggibile())
        ImpostazioniPredefinite(i, percorsi);
    else
        i = letto;
    if (!p.illeggibile() && !p.fuoriLimiti())
        return std::nullopt;
    return avvisoDanneggiato(profilo, p.illeggibile(), conservaCopia(profilo));
}

std::optional<QString> SalvaUtente(const ImpostazioniUtente& i, const QString& percorsoUtente,
                                   TestoAnsi::Impronta* scritta)
{
    const QString profilo = Percorsi::risoltoSenzaMaiuscole(percorsoUtente);
    const struct {
        const QString& testo;
        const char* nome;
        bool spaziFinaliPersi; // the reader drops them from the list path
    } testi[] = {
        {i.StileLettere, "lo stile delle lettere", false}, {i.ListaInUso, "la lista in uso", true},
        {i.FontFumetto, "il font del fumetto", false},     {i.FontTesto, "il font del testo", false},
        {i.FontScelto, "il font scelto", false},
    };
    for (const auto& campo : testi) {
        if (const auto motivo = nonRileggibile(campo.testo, campo.spaziFinaliPersi))
            return QStringLiteral("Non è stato possibile salvare il profilo \"%1\": %2 «%3» %4.\r\n"
                                  "Il profilo salvato in precedenza resta com'era; per salvarlo, scegli un valore "
                                  "senza questi caratteri.")
                .arg(QDir::toNativeSeparators(profilo), QString::fromUtf8(campo.nome), campo.testo, *motivo);
    }
    const QStringList righe = {
        rileggibile(i.StileLettere),
        rileggibile(i.ListaInUso),
        testoBooleano(i.SuoniAttivi),
        numero(i.VelocitaVoce),
        numero(i.TonoVoce),
        testoBooleano(i.ParlatoAttivo),
        testoBooleano(i.FumettoVisibile),
        testoBooleano(i.FumettoContieneTesto),
        rileggibile(i.FontFumetto),
        numero(i.DimensioneFontFumetto),
        testoBooleano(i.SalvaAttivita),
        rileggibile(i.FontTesto),
        rileggibile(i.FontScelto),
        numero(i.DimensioneFontTesto),
        numero(i.ColoreFont),
        numero(i.ColoreSfondoTesto),
        numero(i.ColoreSfondo),
        testoBooleano(i.ColoreCasuale),
        testoBooleano(i.ImpostazioniSistema),
        testoBooleano(i.MouseDiSistema),
        numero(i.ModalitaInput),
        numero(i.VelocitaScansione),
        numero(i.ColoreBottoni),
        numero(i.ColoreBottoneSelezionato),
        numero(i.TipoRisposte),
        numero(i.FattorePrimoPasso),
        numero(i.TempoAccettazione),
        numero(i.TempoRilascio),
        numero(i.GiriPrimaDellaPausa),
        testoBooleano(i.ScansioneUditiva),
    };
    Q_ASSERT(righe.size() == kRigheProfilo + kRigheAggiunte);
    return TestoAnsi::scriviRighe(profilo, righe, scritta);
}

bool CambiatoDa(const TestoAnsi::Impronta& vista, const QString& percorsoUtente)
{
    return TestoAnsi::cambiatoDa(vista, Percorsi::risoltoSenzaMaiuscole(percorsoUtente), kMassimoByteProfilo);
}

} // namespace FileProfilo
