// A fresh program folder and settings root in a temporary folder, never the user's own.
#pragma once

#include "exercise/SuonoFeedback.h"
#include "home/Programma.h"
#include "storage/StatoProgramma.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class AmbienteProva {
public:
    // Copies the default list and the cursive font into the temporary program folder.
    AmbienteProva();

    QString cartella() const { return m_cartella.path(); }
    QString cartellaProgramma() const { return m_cartella.path() + QStringLiteral("/programma/"); }
    Percorsi percorsi() const;
    // A program state over these folders with a fixed random seed.
    std::unique_ptr<StatoProgramma> nuovoStato() const;

    static QByteArray leggi(const QString& percorso);
    static void scrivi(const QString& percorso, const QByteArray& byte);
    static QString sorgente(const QString& relativo);

private:
    QTemporaryDir m_cartella;
};

// Records the sounds it is asked to play.
class SuonoFinto : public SuonoFeedback {
public:
    void suona(const QString& percorso) override { suonati << percorso.section(u'/', -1); }
    QStringList suonati;
};

// A whole program over a test environment: state, a recording sound player and the screens' hub.
struct ProgrammaProva {
    explicit ProgrammaProva(const AmbienteProva& ambiente) : stato(ambiente.nuovoStato()), programma(*stato, suoni) {}
    std::unique_ptr<StatoProgramma> stato;
    SuonoFinto suoni;
    Programma programma;
};
