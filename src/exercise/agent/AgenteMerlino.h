// SPDX-License-Identifier: GPL-3.0-or-later
// The speaking character of the program: figure, balloon, speech queue over espeak-ng and the audio device.
#pragma once

#include "exercise/agent/FiguraPersonaggio.h"
#include "exercise/agent/Fumetto.h"
#include "exercise/agent/RiproduzioneVoce.h"
#include "exercise/agent/SintesiVoce.h"
#include "support/Personaggio.h"

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QTimer>

class QPropertyAnimation;
struct DatiPersonaggio;

class AgenteMerlino : public QObject, public Personaggio {
    Q_OBJECT
public:
    AgenteMerlino(DatiPersonaggio dati, QWidget* schermata);
    ~AgenteMerlino() override;

    void setLanguageID(int lingua) override { m_lingua = lingua; }
    void setBalloonFontName(const QString& nome) override { m_carattere.setFamily(nome); }
    void setBalloonFontSize(int punti) override;
    int BalloonStyle() const override { return m_stileFumetto; }
    void setBalloonStyle(int stile) override { m_stileFumetto = stile; }
    void MoveTo(int x, int y, int velocita = 1000) override;
    void entraIn(QSize spazio) override;
    void Show() override;
    void Hide() override;
    int Speak(const QString& testo) override;
    void StopAll() override;
    void seguiParole(AvvisoParola avviso) override { m_avvisoParola = std::move(avviso); }

    // For tests and the settings screen's checks.
    bool staParlando() const override { return m_inCorso != 0; }
    int inCoda() const { return static_cast<int>(m_coda.size()); }
    FiguraPersonaggio* figura() const { return m_figura; }
    Fumetto* fumetto() const { return m_fumetto; }
    RiproduzioneVoce& riproduzione() { return m_riproduzione; }

private:
    struct Richiesta {
        int numero;
        QString testo;
    };
    void prossima();
    void arrivata(const VoceSintetizzata& voce);
    void battito();
    void finita();
    void animaSecondoLaVoce();
    // Tells the follower of the words that the word of that index in the speech is being heard; -1, none.
    void avvisaParola(int indice);

    QPointer<FiguraPersonaggio> m_figura;
    QPointer<Fumetto> m_fumetto;
    QPropertyAnimation* m_movimento;
    RiproduzioneVoce m_riproduzione;
    QQueue<Richiesta> m_coda;
    QTimer m_battito;
    QTimer m_chiudiFumetto;
    QTimer m_prossimaParola; // wakes when the next word is due, between beats
    AvvisoParola m_avvisoParola;
    int m_numeroInCorso = 0; // the number Speak gave the sentence under way
    int m_parolaSentita = -1;
    QFont m_carattere;
    VoceSintetizzata m_voce;
    int m_lingua = 1040;
    int m_stileFumetto = kFumettoVisibile | kFumettoTuttoIlTesto;
    int m_numeroRichieste = 0;
    quint64 m_inCorso = 0; // the engine's request being waited for or played
};

// Loads characters from the program's "personaggi" folder for one screen.
class ControlloAgenteMerlino : public ControlloAgente {
public:
    ControlloAgenteMerlino(QWidget* schermata, QString cartellaPersonaggi);
    ~ControlloAgenteMerlino() override;
    bool CharactersLoad(const QString& id, const QString& file, QString* motivo) override;
    Personaggio* Characters(const QString& id) override;

private:
    QPointer<QWidget> m_schermata;
    QString m_cartella;
    QHash<QString, AgenteMerlino*> m_personaggi;
};
