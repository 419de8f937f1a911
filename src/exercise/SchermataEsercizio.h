// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise screen: a stimulus, one statement at a time, the answer buttons, counts and rewards.
#pragma once

#include "support/BottoneEvidenziabile.h"
#include "support/EtichettaConSegno.h"
#include "support/Schermata.h"

#include <memory>

class ControlloAgente;
class Personaggio;
class Programma;
class QAction;
class QLabel;
class QTimer;
class ScansioneCursore;
class SceltaConSosta;

class SchermataEsercizio : public Schermata {
    Q_OBJECT
public:
    explicit SchermataEsercizio(Programma& programma);
    ~SchermataEsercizio() override;

    EtichettaConSegno* testoStimolo;
    QLabel* immagineStimolo;
    QWidget* spazioImmagine;
    EtichettaConSegno* testoAffermazione;
    BottoneEvidenziabile* bottoniRisposta[3];
    BottoneEvidenziabile* bottoneAvanti;
    QLabel* faccinaSi;
    QLabel* faccinaNo;
    QLabel* didascaliaEsatti;
    QLabel* numeroEsatti;
    QLabel* didascaliaErrati;
    QLabel* numeroErrati;
    QLabel* misuraTesto;
    QWidget* postoPersonaggio;
    QWidget* spiaScansioneManuale;
    QWidget* spiaScansioneAutomatica;
    QTimer* timerScansione;
    QAction* azioneAzzera;
    QAction* azioneNascondiParole;
    QAction* azioneEsci;

    int RigaCorrente() const { return m_rigaCorrente; }
    int ColonnaCorrente() const { return m_colonnaCorrente; }
    int ContaEsatti() const { return m_contaEsatti; }
    int ContaErrati() const { return m_contaErrati; }
    bool ParoleVisibili() const { return m_paroleVisibili; }
    ScansioneCursore& scansione() { return *m_scansione; }
    // The character, while it speaks on this screen; null when speech is off or could not be loaded.
    Personaggio* personaggio() const { return m_personaggio; }
    QString TagVoce() const { return m_tagVoce; }

    void GeneraEsercizio();
    void ProseguiEsercizio();
    void InserisciImmagine();

protected:
    void attivazione() override;
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void scegliRisposta(int indice);
    void avantiPremuto();
    void avanti();
    void azzeraConteggi();
    void mostraONascondiParole();
    void esci();

    void dimensionaFontRisposte();
    void applicaColori();
    void estraiEsercizio();
    bool mostraProssimaAffermazione();
    bool haEserciziDaMostrare() const;
    // The next statement of the row after this column that can be shown, or 0 when the item has no more.
    int colonnaSeguente(int riga, int colonna) const;
    bool stimoloImmagine() const;
    void abilitaRisposte(bool abilitate);
    void mostraConteggi();
    void evidenziaSottoIlMouse(QObject* sotto);
    void tornaAlMenu();
    void CaricaPersonaggio();
    void Saluta();
    void collocaPersonaggio();
    // Says the text; when it is all or part (from that character) of a text box, the box follows its words.
    void dici(const QString& testo, EtichettaConSegno* inTesto = nullptr, int da = 0);
    void leggiAdAltaVoce();
    void testoCliccato(EtichettaConSegno* testo, QPoint punto);
    void parolaSentita(int richiesta, int posizione);
    // Shows a new text in the box, whose words are no longer followed.
    void mostraTesto(EtichettaConSegno* testo, const QString& contenuto);

    Programma& m_programma;
    ScansioneCursore* m_scansione;
    SceltaConSosta* m_sosta;
    int m_rigaCorrente = 0;
    int m_colonnaCorrente = 0;
    int m_contaEsatti = 0;
    int m_contaErrati = 0;
    bool m_paroleVisibili = true;
    bool m_parlatoAttivo = false;
    // The texts' size as the profile chose it; a text that does not fit is drawn smaller.
    int m_puntiTesto = 0;
    QString m_tagVoce;
    std::unique_ptr<ControlloAgente> m_controlloAgente;
    Personaggio* m_personaggio = nullptr;
    bool m_evidenziaParole = false; // reading along: the word heard is marked
    // The text box whose words are followed, the sentence said from it, and where in the box that begins.
    EtichettaConSegno* m_testoLetto = nullptr;
    int m_richiestaLetta = 0;
    int m_inizioLetto = 0;
};
