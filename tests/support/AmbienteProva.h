// A fresh program folder and settings root in a temporary folder, never the user's own.
#pragma once

#include "exercise/SuonoFeedback.h"
#include "exercise/agent/Personaggio.h"
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
    // A FIFO that nobody writes: opening it for reading waits for ever.
    static void creaFifo(const QString& percorso);
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

// A speaking character that writes down what it is asked to do, one line a call.
class PersonaggioFinto : public Personaggio {
public:
    explicit PersonaggioFinto(QStringList& registro) : m_registro(registro) {}
    void setLanguageID(int lingua) override { m_registro << QStringLiteral("LanguageID %1").arg(lingua); }
    void setBalloonFontName(const QString& nome) override { m_registro << QStringLiteral("FontName ") + nome; }
    void setBalloonFontSize(int punti) override { m_registro << QStringLiteral("FontSize %1").arg(punti); }
    int BalloonStyle() const override { return m_stile; }
    void setBalloonStyle(int stile) override { m_stile = stile; }
    void MoveTo(int x, int y, int velocita) override
    {
        m_registro << QStringLiteral("MoveTo %1 %2 %3").arg(x).arg(y).arg(velocita);
    }
    void Show() override { m_registro << QStringLiteral("Show"); }
    void Hide() override { m_registro << QStringLiteral("Hide"); }
    int Speak(const QString& testo) override
    {
        m_registro << QStringLiteral("Speak ") + testo;
        return ++m_richieste;
    }
    void StopAll() override { m_registro << QStringLiteral("StopAll"); }

private:
    QStringList& m_registro;
    int m_stile = 4; // a bit the screens must keep
    int m_richieste = 0;
};

class ControlloAgenteFinto : public ControlloAgente {
public:
    ControlloAgenteFinto(QStringList& registro, bool carica) : m_personaggio(registro), m_carica(carica) {}
    bool CharactersLoad(const QString&, const QString&, QString* motivo) override
    {
        if (!m_carica && motivo)
            *motivo = QStringLiteral("manca il file del personaggio \"Merlin.acs\"");
        return m_carica;
    }
    Personaggio* Characters(const QString&) override { return m_carica ? &m_personaggio : nullptr; }

private:
    PersonaggioFinto m_personaggio;
    bool m_carica;
};

// A whole program over a test environment: state, a recording sound player, a recording character
// and the screens' hub.
struct ProgrammaProva {
    explicit ProgrammaProva(const AmbienteProva& ambiente) : stato(ambiente.nuovoStato()), programma(*stato, suoni)
    {
        programma.creaAgente = [this](QWidget*) {
            return std::make_unique<ControlloAgenteFinto>(agente, personaggioDisponibile);
        };
    }
    std::unique_ptr<StatoProgramma> stato;
    SuonoFinto suoni;
    QStringList agente;
    bool personaggioDisponibile = true;
    Programma programma;
};
