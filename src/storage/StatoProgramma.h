// SPDX-License-Identifier: GPL-3.0-or-later
// The values every screen shares for the whole run: paths, the current user and settings, the items,
// the record and the random source.
#pragma once

#include "storage/ImpostazioniUtente.h"
#include "storage/Percorsi.h"
#include "storage/RegistroEsercizi.h"
#include "storage/TabellaFrasi.h"

#include <QRandomGenerator>
#include <QSet>
#include <QString>
#include <optional>

class StatoProgramma {
public:
    explicit StatoProgramma(Percorsi percorsi);
    Q_DISABLE_COPY_MOVE(StatoProgramma)

    // The default user becomes current (its profile is not read here).
    void rendiCorrenteUtentePredefinito();
    // Reads the current user's profile. Returns the notice of a damaged profile for the teacher, each notice
    // once a run: the home screen reads the same profile again whenever it comes back.
    std::optional<QString> leggiProfiloUtente();
    // How a save of the current user's profile went.
    enum class Salvataggio {
        Salvato,
        // Another computer changed the file since it was read or written here, and the settings here differ from
        // what was read: written only when the teacher chooses so (sostituisci).
        CambiatoAltrove,
        // Nothing was written: the settings are still those read, and the file holds another computer's newer
        // ones, or the profile is a link that is never written through.
        NienteDaSalvare,
        Fallito,
    };
    // Writes the current user's profile; on Fallito, errore gets the Italian message.
    Salvataggio salvaProfiloUtente(bool sostituisci, QString* errore);
    // Loads the current profile's list into the table, unless the table already stands for it: the teacher's
    // edits, saved or not, stay. Returns the message for the teacher when the file cannot be read whole.
    std::optional<QString> caricaListaUtente();
    // The current user's folder of record files (see Percorsi::cartellaRegistri). A folder not made yet takes
    // the letter case of the profile's file, not that of the name as the letter style shows it.
    std::optional<QString> cartellaRegistri() const;
    // A number in [0, 1), as the screens draw items and colours.
    double casuale() { return casualeGeneratore.generateDouble(); }

    const Percorsi percorsi;
    ::ImpostazioniUtente ImpostazioniUtente;
    QString NomeUtente;
    QString PercorsoUtente;
    ::TabellaFrasi TabellaFrasi;
    ::RegistroEsercizi RegistroEsercizi;
    QString LinguaAgente;
    // Seeded from the clock at start-up; tests give it a fixed seed.
    QRandomGenerator casualeGeneratore;

private:
    QSet<QString> m_avvisiDati;
    // The profile as last read or written here, and the file as it was then.
    struct ProfiloSulDisco {
        QString percorso;
        ::ImpostazioniUtente impostazioni;
        TestoAnsi::Impronta impronta;
    };
    std::optional<ProfiloSulDisco> m_profiloSulDisco;
};
