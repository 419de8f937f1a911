// SPDX-License-Identifier: GPL-3.0-or-later
// Switch scanning over a screen's buttons: a cursor painted in the highlight colour, moved by the clock
// (automatic, switch 1 chooses) or by switch 1 (manual, switch 2 chooses). The switches are space and enter, or
// the key, mouse button or joystick button the teacher taught. One press of a switch is one step; the pupil's
// profile may ignore presses too short or too soon after a step, hold the first button of each round longer,
// pause automatic scanning after rounds with no press, and have each button said as it is lit.
#pragma once

#include "storage/Sensore.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

class PulsantiJoystick;
class QAbstractButton;
class QWidget;
class VoceScansione;
struct ImpostazioniUtente;

class ScansioneCursore : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScansioneCursore)
public:
    enum Modalita { Mouse = 0, Manuale = 1, Automatica = 2 };
    // How long a released switch must stay up before its release counts.
    static constexpr int kConfermaRilascioMs = 50;

    // The two receivers are the small boxes that hold the keyboard in each scanning mode.
    ScansioneCursore(QTimer* timer, QWidget* ricevitoreManuale, QWidget* ricevitoreAutomatico, QObject* genitore);

    // The buttons the cursor runs over, in order; those hidden or disabled at the moment are skipped.
    void setBottoni(const QList<QAbstractButton*>& bottoni) { m_bottoni = bottoni; }
    void setColori(double normale, double selezionato);
    // On a screen with one thing to do, every switch does it: in manual scanning space chooses too.
    void setOgniSensoreSceglie(bool sceglie) { m_ogniSensoreSceglie = sceglie; }

    // The switches, their timing and the auditory scanning of the pupil's profile; the voice is used only when
    // the profile asks for it, and waits while siSenteAltro() says the pupil hears something else (the character
    // speaking, a reward sound).
    void regola(const ImpostazioniUtente& impostazioni, VoceScansione* voce, std::function<bool()> siSenteAltro);
    // The joystick buttons a switch may be, heard while the screen is the one in front.
    void ascoltaJoystick(PulsantiJoystick* joystick);
    // The clock the switch timing is measured by, in milliseconds, when an event carries no time of its own.
    void setOrologio(std::function<qint64()> orologio) { m_orologio = std::move(orologio); }
    // Automatic scanning stopped after its silent rounds, waiting for a press.
    bool inPausa() const { return m_inPausa; }

    // Shows the mode's receiver, starts the clock and listens to the switches;
    // in mouse mode stops the clock and hides both receivers.
    void prepara(int modalita, int intervalloMs);
    // Stops the clock and no longer listens to the switches, until prepared again.
    void ferma();
    int modalita() const { return m_modalita; }

    int cursore() const { return m_cursore; }
    // Moves the cursor to a candidate and paints it, the others in the normal colour; the clock starts a
    // whole step there.
    void evidenzia(int indice);
    QAbstractButton* evidenziato() const;

    // The clock step of automatic scanning: quarter seconds, at least one.
    static int intervalloDaQuarti(int quarti);

signals:
    void scelto(QAbstractButton* bottone);
    // Automatic scanning has paused after its silent rounds (true), or a press has woken it (false).
    void pausaCambiata(bool inPausa);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QList<QAbstractButton*> candidati() const;
    void accendi(int indice);
    void tic();
    // Which of the pupil's switches this is: 1 or 2, 0 for neither.
    int numeroSensore(const Sensore& sensore) const;
    void ascolta(bool inAscolto);
    bool pulsanteMouse(QObject* oggetto, QEvent* evento);
    // When a switch moved: by its device's own clock (the X server's for keys and mouse buttons, SDL's for
    // joysticks) when the event carries that time, and by the engine's clock as it was handled.
    struct Istante {
        enum class Fonte { Nessuna, EventoQt, Joystick } fonte = Fonte::Nessuna;
        quint64 evento = 0;
        qint64 orologio = 0;
    };
    Istante istante(Istante::Fonte fonte, quint64 evento) const;
    // Milliseconds from one moment to a later one.
    static qint64 trascorso(const Istante& da, const Istante& a);
    void pulsanteJoystick(int numero, bool premuto, quint32 istanteMs);
    // Switch 1 or 2 went down or up.
    void sensore(int numero, bool premuto, const Istante& quando);
    void rilascioConfermato();
    void riavviaPasso();
    void pausa();
    void annunciaAcceso();
    void taci();
    QWidget* ricevitore() const;
    int intervalloPasso() const;

    QTimer* m_timer;
    QWidget* m_ricevitoreManuale;
    QWidget* m_ricevitoreAutomatico;
    QList<QAbstractButton*> m_bottoni;
    double m_normale = 0;
    double m_selezionato = 0;
    int m_modalita = Mouse;
    int m_cursore = 0;
    bool m_ogniSensoreSceglie = false;
    QPointer<QAbstractButton> m_acceso;

    std::array<Sensore, 2> m_sensori;
    bool m_inAscolto = false;
    QSet<int> m_sensoriGiu;
    QTimer m_attesaRilascio;
    int m_sensoreRilasciato = 0;
    QPointer<QAbstractButton> m_accesoAlRilascio;
    QTimer m_attesaSilenzio; // a word held back while something else is heard

    int m_intervallo = 1000;
    int m_fattorePrimoPasso = 1;
    int m_accettazioneMs = 0;
    int m_rilascioMs = 0;
    int m_giriPrimaDellaPausa = 0;
    VoceScansione* m_voce = nullptr;
    int m_velocitaVoce = 130;
    int m_tonoVoce = 100;
    std::function<bool()> m_siSenteAltro;
    std::function<qint64()> m_orologio;
    Istante m_inizioPressione;
    Istante m_fineRilascio;
    std::optional<Istante> m_ultimoPasso; // when the last step taken was let go
    bool m_pressioneIgnorata = false;
    int m_giriSilenziosi = 0;
    bool m_inPausa = false;
};
