// The teacher's settings screen: whose profile it is, the answers offered and the letter style, fonts and
// colours, voice and sounds, the input mode. Every control writes its setting into the current profile at
// once; the profile file is written on leaving through "&Menu" and before every change of user.
#pragma once

#include "storage/ImpostazioniUtente.h"
#include "support/Schermata.h"

#include <QList>
#include <functional>
#include <memory>
#include <optional>

class ControlloAgente;
class EditorListe;
class Personaggio;
class Programma;
class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabBar;

class SchermataConfigurazioni : public Schermata {
    Q_OBJECT
public:
    explicit SchermataConfigurazioni(Programma& programma);
    ~SchermataConfigurazioni() override;

    // Puts the current settings into the controls; a control whose value changes runs its own handler.
    void ImpostaConfigurazioni();
    void nascondiSchede();
    void ImpostaMerlino();

    // The speech tags put before every sentence this screen makes the character say.
    QString TagVoce() const { return m_tagVoce; }
    Personaggio* personaggio() const { return m_personaggio; }

    QLabel* nomeUtente;
    QTabBar* schede;
    QFrame* schedaUtente;
    QFrame* schedaScelteDidattiche;
    QFrame* schedaFontColori;
    QFrame* schedaVoce;
    QFrame* schedaModalitaInput;
    QAction* azioneMenu;

    // Users
    QRadioButton* sceltaUtente[3];
    QListWidget* elencoUtentiDaModificare;
    QLineEdit* nomeNuovoUtente;
    QLabel* avvisoNomeNonValido;
    QCheckBox* casellaSalvaAttivita;

    // Teaching choices
    QGroupBox* gruppoRisposte;
    QRadioButton* sceltaRisposteOfferte[2];
    QGroupBox* gruppoLista;
    QLabel* etichettaListaInUso;
    QPushButton* bottoneListaInUso;
    QPushButton* bottoneGestioneFile;
    // The list editor, laid over the whole screen when "Gestione files" opens it.
    EditorListe* editorListe;
    QGroupBox* gruppoStile;
    QRadioButton* minuscolo;
    QRadioButton* maiuscolo;
    QRadioButton* corsivo;

    // Fonts and colours
    QCheckBox* casellaImpostazioniSistema;
    QGroupBox* gruppoColoreSfondo;
    QRadioButton* sceltaColoreSfondo[2];
    QPushButton* bottoneColori;
    QGroupBox* gruppoCaratteri;
    QPushButton* bottoneFont;
    QPushButton* bottoneColoreFont;
    QPushButton* bottoneSfondoTesto;
    QPushButton* bottoneColoreBottoni;
    QLabel* esempioTesto;
    QLabel* campioneColore;

    // Voice and sounds
    QCheckBox* casellaSuoni;
    QFrame* lineaVoce;
    QCheckBox* casellaParlato;
    QPushButton* bottoneProvaVoce;
    QLabel* didascaliaVelocita;
    QScrollBar* scalaVelocita;
    QLabel* didascaliaTono;
    QScrollBar* scalaTono;
    QCheckBox* casellaFumetto;
    QPushButton* bottoneFontFumetto;
    QCheckBox* casellaFumettoTuttoIlTesto;
    QLabel* campioneFontFumetto;

    // Input mode
    QRadioButton* sceltaModalita[3];
    QScrollBar* scalaScansione;
    QLabel* didascaliaScansione;
    QCheckBox* casellaMouseDiSistema;
    QPushButton* bottoneColoreSelezionato;
    // Switch access: each button said aloud, and the timing of the switch, each a scale with its caption.
    QCheckBox* casellaScansioneUditiva;
    QScrollBar* scalaPrimoPasso;
    QLabel* didascaliaPrimoPasso;
    QScrollBar* scalaAccettazione;
    QLabel* didascaliaAccettazione;
    QScrollBar* scalaRilascio;
    QLabel* didascaliaRilascio;
    QScrollBar* scalaGiri;
    QLabel* didascaliaGiri;

protected:
    void attivazione() override;
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    // The controls of each tab, built at their design places.
    void creaSchedaUtente();
    void creaSchedaScelteDidattiche();
    void creaSchedaFontColori();
    void creaSchedaVoce();
    void creaSchedaModalitaInput();
    QFrame* creaScheda(const char* nome);

    void mostraScheda(int scheda);
    void tornaAlMenu();

    // Users
    void utenteScelto();
    void utenteDaModificareScelto(int riga);
    void nomeNuovoUtenteCambiato(const QString& testo);
    // Writes the current profile before a switch or on leaving; false when it was not written (a refused
    // name, the teacher keeping another pupil's profile, a failed save).
    bool salvaPrimaDiCambiare();

    // Letter style, fonts and colours
    void scegliStile(const QString& stile);
    // The font dialog over the target, opened on that family and size; false when cancelled or when the
    // choice lacks a name or a size.
    bool scegliFont(QWidget* bersaglio, const QString& famiglia, int punti);
    // A size from the font dialog, kept within the sizes the profile holds.
    static qint16 puntiAmmessi(int punti);
    void impostazioniSistemaScelte(bool spuntata);
    void coloreSfondoScelto(int indice);
    void scegliColoreSfondo();
    void scegliFontTesto();
    void scegliColoreFont();
    void scegliSfondoTesto();
    void scegliColoreBottoni();

    // Voice and sounds
    void CaricaPersonaggio();
    void velocitaCambiata(int valore);
    void tonoCambiato(int valore);
    void parlatoScelto(bool spuntata);
    void fumettoScelto(bool spuntata);
    void fumettoTuttoIlTestoScelto(bool spuntata);
    void provaVoce();
    void scegliFontFumetto();
    void dici(const QString& frase);
    // A balloon style bit of this screen's character, when it has one.
    void bitFumetto(int bit, bool acceso);

    // Input mode
    void modalitaScelta(int indice);
    void velocitaScansioneCambiata(int valore);
    void scegliColoreSelezionato();
    // A scale of the switch's timing, the setting it writes and its caption.
    struct RegolazioneSensore {
        QScrollBar* scala;
        QLabel* didascalia;
        qint16 ImpostazioniUtente::*campo;
        std::function<QString(int)> testo;
        void mostra(int valore) const;
    };
    QList<RegolazioneSensore> m_regolazioni;

    Programma& m_programma;
    QString m_tagVoce;
    std::unique_ptr<ControlloAgente> m_controlloAgente;
    Personaggio* m_personaggio = nullptr;

    // The user current when "Nuovo utente" was chosen: it stays current while the typed name is refused.
    QString m_utentePrimaDelNuovo;
    QString m_percorsoPrimaDelNuovo;
    // The profile path that the typed name gave, and the one whose overwriting the teacher has confirmed.
    QString m_percorsoNuovoUtente;
    QString m_sovrascritturaConfermata;
    std::optional<QString> m_nomeNonValido;
};
