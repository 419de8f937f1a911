// The values every screen shares for the whole run: paths, the current user and settings, the items,
// the record and the random source.
#pragma once

#include "storage/ImpostazioniUtente.h"
#include "storage/Percorsi.h"
#include "storage/RegistroEsercizi.h"
#include "storage/TabellaFrasi.h"

#include <QRandomGenerator>
#include <QString>

class StatoProgramma {
public:
    explicit StatoProgramma(Percorsi percorsi);
    Q_DISABLE_COPY_MOVE(StatoProgramma)

    // The default user becomes current (its profile is not read here).
    void rendiCorrenteUtentePredefinito();
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
};
