// SPDX-License-Identifier: GPL-3.0-or-later
// The current pupil's settings and the profile file that holds them.
#include "storage/ImpostazioniUtente.h"

#include "storage/LettoreTesto.h"
#include "storage/Percorsi.h"
#include "storage/Sensore.h"
#include "storage/TestoAnsi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <type_traits>

namespace {
constexpr double kPulsanteDiSistema = -2147483633.0;    // system colour 15: button face
constexpr qint64 kMassimoByteProfilo = 64 * 1024;       // 34 short lines: anything larger is damaged
constexpr double kPrimoColoreDiSistema = -2147483648.0; // top bit set: system colours 0..24

using Riga = FileProfilo::RigaProfilo;
using Genere = Riga::Genere;
using I = ImpostazioniUtente;

// What the program honours: the speech scales, any font size (the screens fit large letters to their boxes),
// scanning steps of 1 to 15 seconds, the switch's timing, a dwell of half a second to five.
const std::array<Riga, FileProfilo::kRigheProfilo + FileProfilo::kRigheAggiunte> kRighe = {{
    {Genere::Stile, &I::StileLettere, 0, 0, 0, u"maiuscolo", "lo stile delle lettere"},
    {Genere::Lista, &I::ListaInUso, 0, 0, 0, u"", "la lista in uso"},
    {Genere::Booleano, &I::SuoniAttivi, 0, 0, 1},
    {Genere::Numero, &I::VelocitaVoce, 50, 250, 130},
    {Genere::Numero, &I::TonoVoce, 50, 400, 100},
    {Genere::Booleano, &I::ParlatoAttivo, 0, 0, 1},
    {Genere::Booleano, &I::FumettoVisibile, 0, 0, 0},
    {Genere::Booleano, &I::FumettoContieneTesto, 0, 0, 1},
    {Genere::Testo, &I::FontFumetto, 0, 0, 0, u"Arial", "il font del fumetto"},
    {Genere::Numero, &I::DimensioneFontFumetto, FileProfilo::kPuntiMinimi, FileProfilo::kPuntiMassimi, 14},
    {Genere::Booleano, &I::SalvaAttivita, 0, 0, 0},
    {Genere::Testo, &I::FontTesto, 0, 0, 0, u"Arial", "il font del testo"},
    {Genere::Testo, &I::FontScelto, 0, 0, 0, u"Arial", "il font scelto"},
    {Genere::Numero, &I::DimensioneFontTesto, FileProfilo::kPuntiMinimi, FileProfilo::kPuntiMassimi, 28},
    {Genere::Colore, &I::ColoreFont, 0, 0, 0},
    {Genere::Colore, &I::ColoreSfondoTesto, 0, 0, 16777215},
    {Genere::Colore, &I::ColoreSfondo, 0, 0, 16777152},
    {Genere::Booleano, &I::ColoreCasuale, 0, 0, 1},
    {Genere::Booleano, &I::ImpostazioniSistema, 0, 0, 0},
    {Genere::Booleano, &I::MouseDiSistema, 0, 0, 0},
    {Genere::Numero, &I::ModalitaInput, 0, 2, 0},
    {Genere::Numero, &I::VelocitaScansione, 4, 60, 4},
    {Genere::Colore, &I::ColoreBottoni, 0, 0, kPulsanteDiSistema},
    {Genere::Colore, &I::ColoreBottoneSelezionato, 0, 0, 255},
    {Genere::Numero, &I::TipoRisposte, 0, 1, 1},
    // Switch access, all off in a profile that lacks them.
    {Genere::Numero, &I::FattorePrimoPasso, 1, 4, 1},
    {Genere::Numero, &I::TempoAccettazione, 0, 2000, 0},
    {Genere::Numero, &I::TempoRilascio, 0, 2000, 0},
    {Genere::Numero, &I::GiriPrimaDellaPausa, 0, 20, 0},
    {Genere::Booleano, &I::ScansioneUditiva, 0, 0, 0},
    {Genere::Booleano, &I::EvidenziaParoleLette, 0, 0, 0},
    {Genere::Facoltativo, &I::TempoSosta, 500, 5000, 0},
    {Genere::Sensore, &I::Sensore1, 0, 0, 0, u"", "il sensore 1"},
    {Genere::Sensore, &I::Sensore2, 0, 0, 0, u"", "il sensore 2"},
}};

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

bool interoTra(double valore, double minimo, double massimo)
{
    return valore >= minimo && valore <= massimo && std::floor(valore) == valore;
}

bool ammesso(const Riga& riga, double valore)
{
    if (riga.genere == Genere::Colore)
        return interoTra(valore, 0, 0xFFFFFF) || interoTra(valore, kPrimoColoreDiSistema, kPrimoColoreDiSistema + 24);
    if (riga.genere == Genere::Facoltativo && valore == 0)
        return true;
    return interoTra(valore, riga.minimo, riga.massimo);
}

// Puts a value into the setting that the line holds, whatever its type.
void assegna(ImpostazioniUtente& impostazioni, const Riga& riga, const QString& testo, double numero)
{
    std::visit(
        [&](auto membro) {
            auto& campo = impostazioni.*membro;
            using Tipo = std::decay_t<decltype(campo)>;
            if constexpr (std::is_same_v<Tipo, QString>)
                campo = testo;
            else
                campo = static_cast<Tipo>(numero);
        },
        riga.campo);
}

// Reads the lines in order. In the first 25 a value missing, or a text where a number belongs (the lines may have
// shifted), spoils the whole read; a number outside its line's range leaves that line's default. The lines after
// them may be missing, which is no damage; a bad value there counts as one out of range.
class LettoreProfilo {
public:
    explicit LettoreProfilo(QString testo) : m_lettore(std::move(testo)) {}
    bool illeggibile() const { return m_illeggibile; }
    bool fuoriLimiti() const { return m_fuoriLimiti; }

    void leggi(ImpostazioniUtente& impostazioni, const Riga& riga, bool aggiunta)
    {
        // The list fills its line: a comma in it, unquoted in older profiles, does not end it.
        const std::optional<QString> campo =
            riga.genere == Genere::Lista ? m_lettore.leggiCampoIntero() : m_lettore.leggiCampo();
        if (!campo) {
            m_illeggibile = m_illeggibile || !aggiunta;
            return;
        }
        switch (riga.genere) {
        case Genere::Stile:
            return assegna(impostazioni, riga, stileDaPrimaRiga(*campo), 0);
        case Genere::Lista:
            return assegna(impostazioni, riga, senzaSpaziFinali(*campo), 0);
        case Genere::Testo:
            return assegna(impostazioni, riga, *campo, 0);
        case Genere::Sensore:
            if (!campo->isEmpty() && !Sensore::daTesto(*campo))
                m_fuoriLimiti = true;
            else
                assegna(impostazioni, riga, *campo, 0);
            return;
        case Genere::Booleano:
            return assegna(impostazioni, riga, {}, campo->startsWith(u'T'));
        case Genere::Numero:
        case Genere::Facoltativo:
        case Genere::Colore:
            break;
        }
        bool numero = false;
        const double valore = campo->trimmed().toDouble(&numero);
        if (!numero && !aggiunta)
            m_illeggibile = true;
        else if (!numero || !ammesso(riga, valore))
            m_fuoriLimiti = true;
        else
            assegna(impostazioni, riga, {}, valore);
    }

private:
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

const std::array<RigaProfilo, kRigheProfilo + kRigheAggiunte>& righeProfilo()
{
    return kRighe;
}

const RigaProfilo& rigaProfilo(RigaProfilo::Campo campo)
{
    const auto riga = std::find_if(kRighe.begin(), kRighe.end(), [&](const Riga& r) { return r.campo == campo; });
    Q_ASSERT(riga != kRighe.end());
    return *riga;
}

void ImpostazioniPredefinite(ImpostazioniUtente& impostazioni, const Percorsi& percorsi)
{
    for (const Riga& riga : kRighe)
        assegna(impostazioni, riga, QString::fromUtf16(riga.testoPredefinito), riga.predefinito);
    impostazioni.ListaInUso = percorsi.listaPredefinita();
}

std::optional<QString> LeggiUtente(ImpostazioniUtente& impostazioni, const QString& percorsoUtente,
                                   const Percorsi& percorsi, TestoAnsi::Impronta* letta)
{
    const QString profilo = Percorsi::risoltoSenzaMaiuscole(percorsoUtente);
    const std::optional<QString> contenuto = TestoAnsi::leggiFile(profilo, kMassimoByteProfilo, letta);
    if (!contenuto) {
        ImpostazioniPredefinite(impostazioni, percorsi);
        // A link may lead anywhere: neither read nor copied.
        if (TestoAnsi::collegamento(profilo))
            return avvisoCollegamento(profilo);
        // A profile that is there but cannot be read (far too large, no permission) is as damaged as a bad line.
        if (!QFileInfo(profilo).isFile())
            return std::nullopt;
        return avvisoDanneggiato(profilo, true, conservaCopia(profilo));
    }
    LettoreProfilo lettore(*contenuto);
    ImpostazioniUtente letto;
    ImpostazioniPredefinite(letto, percorsi);
    for (std::size_t n = 0; n < kRighe.size(); ++n)
        lettore.leggi(letto, kRighe[n], n >= kRigheProfilo);
    if (lettore.illeggibile())
        ImpostazioniPredefinite(impostazioni, percorsi);
    else
        impostazioni = letto;
    if (!lettore.illeggibile() && !lettore.fuoriLimiti())
        return std::nullopt;
    return avvisoDanneggiato(profilo, lettore.illeggibile(), conservaCopia(profilo));
}

std::optional<QString> SalvaUtente(const ImpostazioniUtente& impostazioni, const QString& percorsoUtente,
                                   TestoAnsi::Impronta* scritta)
{
    const QString profilo = Percorsi::risoltoSenzaMaiuscole(percorsoUtente);
    QStringList righe;
    for (const Riga& riga : kRighe) {
        std::visit(
            [&](auto membro) {
                const auto& campo = impostazioni.*membro;
                using Tipo = std::decay_t<decltype(campo)>;
                if constexpr (std::is_same_v<Tipo, QString>)
                    righe << campo;
                else if constexpr (std::is_same_v<Tipo, bool>)
                    righe << testoBooleano(campo);
                else
                    righe << numero(campo);
            },
            riga.campo);
        if (!std::holds_alternative<QString ImpostazioniUtente::*>(riga.campo))
            continue;
        const QString testo = righe.takeLast();
        // The reader drops blanks at the end of the list's line.
        if (const auto motivo = nonRileggibile(testo, riga.genere == Genere::Lista))
            return QStringLiteral("Non è stato possibile salvare il profilo \"%1\": %2 «%3» %4.\r\n"
                                  "Il profilo salvato in precedenza resta com'era; per salvarlo, scegli un valore "
                                  "senza questi caratteri.")
                .arg(QDir::toNativeSeparators(profilo), QString::fromUtf8(riga.descrizione), testo, *motivo);
        righe << rileggibile(testo);
    }
    return TestoAnsi::scriviRighe(profilo, righe, scritta);
}

bool CambiatoDa(const TestoAnsi::Impronta& vista, const QString& percorsoUtente)
{
    return TestoAnsi::cambiatoDa(vista, Percorsi::risoltoSenzaMaiuscole(percorsoUtente), kMassimoByteProfilo);
}

} // namespace FileProfilo
