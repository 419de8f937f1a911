// The program as the screens see it: the shared state, the sound player, and one reference per screen.
// Opening a screen creates it when needed, shows it and closes the screen that opened it.
#pragma once

#include <QPointer>
#include <functional>
#include <memory>

class StatoProgramma;
class SuonoFeedback;
class SchermataAvvio;
class SchermataMenu;
class SchermataEsercizio;
class SchermataConfigurazioni;
class SchermataEserciziEseguiti;
class SchermataInformazioni;
class ApriDocumento;
class QWidget;
class ControlloAgente;
class Personaggio;
class VoceScansione;

class Programma {
public:
    Programma(StatoProgramma& stato, SuonoFeedback& suoni);
    ~Programma();
    Q_DISABLE_COPY_MOVE(Programma)

    StatoProgramma& stato;
    SuonoFeedback& suoni;
    // Makes the speaking-character component for a screen (the sound and speech module's, or a test's fake);
    // without it no character can be loaded.
    std::function<std::unique_ptr<ControlloAgente>(QWidget* schermata)> creaAgente;
    // The voice that says the buttons in auditory scanning; none, silence.
    std::unique_ptr<VoceScansione> voceScansione;
    // The desktop's opener of documents; tests put a fake in its place.
    std::unique_ptr<ApriDocumento> apriDocumento;
    // Loads the character "Merlin" for a screen into controllo. Null when it cannot be loaded: the screen goes
    // on without it, and the teacher is told once per run.
    Personaggio* caricaMerlino(QWidget* schermata, std::unique_ptr<ControlloAgente>& controllo);

    SchermataAvvio* apriAvvio();
    SchermataMenu* apriMenu(QWidget* apertoDa);
    SchermataEsercizio* apriEsercizio(QWidget* apertoDa);
    SchermataConfigurazioni* apriConfigurazioni(QWidget* apertoDa);
    SchermataEserciziEseguiti* apriEserciziEseguiti(QWidget* apertoDa);
    SchermataInformazioni* apriInfo(QWidget* apertoDa);
    // Closes every screen: the program ends.
    void termina();

    SchermataMenu* schermataMenu() const;
    SchermataEsercizio* schermataEsercizio() const;
    SchermataConfigurazioni* schermataConfigurazioni() const;
    // The window the user works in: an open dialog, or else the screen on show.
    QWidget* schermataCorrente() const;

private:
    bool m_personaggioMancanteSegnalato = false;
    template <typename Schermo> Schermo* apri(QPointer<Schermo>& riferimento, QWidget* apertoDa);

    QPointer<SchermataAvvio> m_schermataAvvio;
    QPointer<SchermataMenu> m_schermataMenu;
    QPointer<SchermataEsercizio> m_schermataEsercizio;
    QPointer<SchermataConfigurazioni> m_schermataConfigurazioni;
    QPointer<SchermataEserciziEseguiti> m_schermataEserciziEseguiti;
    QPointer<SchermataInformazioni> m_schermataInformazioni;
};
