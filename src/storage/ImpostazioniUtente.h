// SPDX-License-Identifier: GPL-3.0-or-later
// The current pupil's settings and the profile file that holds them.
#pragma once

#include "storage/TestoAnsi.h"

#include <QString>
#include <array>
#include <optional>
#include <variant>

class Percorsi;

struct ImpostazioniUtente {
    QString StileLettere;
    QString ListaInUso;
    bool SuoniAttivi = true;
    qint16 VelocitaVoce = 0;
    qint16 TonoVoce = 0;
    bool ParlatoAttivo = true;
    bool FumettoVisibile = false;
    bool FumettoContieneTesto = true;
    QString FontFumetto;
    qint16 DimensioneFontFumetto = 0;
    bool SalvaAttivita = false;
    QString FontTesto;
    QString FontScelto;
    qint16 DimensioneFontTesto = 0;
    // Colours are Windows colour numbers (red in the low byte); see ColoriWindows.
    double ColoreFont = 0;
    double ColoreSfondoTesto = 0;
    double ColoreSfondo = 0;
    bool ColoreCasuale = true;
    bool ImpostazioniSistema = false;
    bool MouseDiSistema = false;
    qint16 ModalitaInput = 0;
    qint16 VelocitaScansione = 0;
    double ColoreBottoni = 0;
    double ColoreBottoneSelezionato = 0;
    qint16 TipoRisposte = 0;
    // Switch access, on lines after the first 25 so that older readers skip them; all off in a profile
    // that lacks them. The first step of each round lasts this many steps.
    qint16 FattorePrimoPasso = 1;
    // A press shorter than this is ignored (tremor); a press this soon after a taken step is ignored
    // (a double hit); both in milliseconds, 0 is off.
    qint16 TempoAccettazione = 0;
    qint16 TempoRilascio = 0;
    // Automatic scanning pauses after this many rounds with no press; 0 never pauses.
    qint16 GiriPrimaDellaPausa = 0;
    // Each button is spoken as the highlight reaches it.
    bool ScansioneUditiva = false;
    // While the character reads a text, the word being heard is marked in it.
    bool EvidenziaParoleLette = false;
    // In mouse mode, resting the pointer this long on a button chooses it, in milliseconds; 0 is off.
    qint16 TempoSosta = 0;
    // The pupil's two switches as their lines name them (see Sensore); empty for space and enter.
    QString Sensore1;
    QString Sensore2;

    bool operator==(const ImpostazioniUtente&) const = default;
};

namespace FileProfilo {

inline constexpr int kRigheProfilo = 25;
inline constexpr int kRigheAggiunte = 9; // the lines that follow, added later
// The font sizes a profile keeps, in points: every size the Windows font dialog gives, large print included.
inline constexpr int kPuntiMinimi = 1;
inline constexpr int kPuntiMassimi = 1638;

// One line of the profile file: the setting it holds, how it is written, what it may hold and its default.
struct RigaProfilo {
    enum class Genere {
        Stile,       // the letter style, read from its first letters
        Lista,       // a path that fills its line: a comma in it does not end it, blanks at its end are dropped
        Testo,       // a font name
        Booleano,    // "True" or "False"; anything starting with "T" reads as true
        Numero,      // a whole number within [minimo, massimo]
        Facoltativo, // 0 for off, or a whole number within [minimo, massimo]
        Sensore,     // empty for the default switch, or a switch as Sensore names it
        Colore,      // a Windows colour number: 0 to 0xFFFFFF, or a system colour (top bit set, 0 to 24)
    };
    using Campo = std::variant<QString ImpostazioniUtente::*, bool ImpostazioniUtente::*, qint16 ImpostazioniUtente::*,
                               double ImpostazioniUtente::*>;
    Genere genere;
    Campo campo;
    double minimo = 0;
    double massimo = 0;
    // The default of a number, a colour or a yes/no (1 or 0); a text's default is testoPredefinito. The list's
    // default is the program's own list, wherever the program lies.
    double predefinito = 0;
    const char16_t* testoPredefinito = u"";
    // What a text is called in the message when it cannot be saved.
    const char* descrizione = "";
};

// The profile's lines in file order: the first kRigheProfilo always there, the others after them added later, so
// that a profile may end before any of them.
const std::array<RigaProfilo, kRigheProfilo + kRigheAggiunte>& righeProfilo();
// The line that holds this setting.
const RigaProfilo& rigaProfilo(RigaProfilo::Campo campo);

void ImpostazioniPredefinite(ImpostazioniUtente& impostazioni, const Percorsi& percorsi);

// Fills the settings from the profile. A missing or unreadable file gives all the defaults, silently.
// A damaged one (a value missing or not a number: all the defaults; a value outside its line's range: that
// line's default) is first copied beside itself, so that no later save loses it, and the Italian notice for
// the teacher saying where the copy is comes back. A symbolic link is neither read nor copied: the defaults,
// and a notice. letta, when given, gets what the file held.
std::optional<QString> LeggiUtente(ImpostazioniUtente& impostazioni, const QString& percorsoUtente,
                                   const Percorsi& percorsi, TestoAnsi::Impronta* letta = nullptr);

// Writes the profile, under the name the file already has on disk whatever its letter case. A text that
// holds a comma or starts with a blank or a quote is written in double quotes, so that it reads back the same.
// Returns an Italian message when it cannot be written, or when a text cannot be written so that it reads
// back the same; the old file is then left whole. scritta, when given, gets what the file holds then.
std::optional<QString> SalvaUtente(const ImpostazioniUtente& impostazioni, const QString& percorsoUtente,
                                   TestoAnsi::Impronta* scritta = nullptr);

// True when the profile on disk holds something else than the fingerprint taken when it was read or written.
bool CambiatoDa(const TestoAnsi::Impronta& vista, const QString& percorsoUtente);

} // namespace FileProfilo
