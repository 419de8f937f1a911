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
class FrameCreaNuovaLista;
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

class FormConfigura : public Schermata {
    Q_OBJECT
public:
    explicit FormConfigura(Programma& programma);
    ~FormConfigura() override;

    // Puts the current settings into the controls; a control whose value changes runs its own handler.
    void ImpostaConfigurazioni();
    void NascondiFrame();
    void ImpostaMerlino();

    // The speech tags put before every sentence this screen makes the character say.
    QString TagVoce() const { return m_tagVoce; }
    Personaggio* personaggio() const { return m_personaggio; }

    QLabel* Label4;
    QTabBar* TabStrip1;
    QFrame* FrameUtente;
    QFrame* FrameLettere;
    QFrame* FrameFonts;
    QFrame* FrameVoce;
    QFrame* FramePunt;
    QAction* mnuEsci;

    // Users
    QRadioButton* OptionUtente[3];
    QListWidget* ListModificaUtente;
    QLineEdit* TextNuovoUtente;
    QLabel* LabelNomeNonValido;
    QCheckBox* CheckSalvaUtente;

    // Teaching choices
    QGroupBox* Frame3;
    QRadioButton* Option5[2];
    QGroupBox* Frame4;
    QLabel* LabelListaInUso;
    QPushButton* CommandCambiaListaInUso;
    QPushButton* CommandCreaLista;
    // The list editor, laid over the whole screen when "Gestione files" opens it.
    ::FrameCreaNuovaLista* FrameCreaNuovaLista;
    QGroupBox* Frame1;
    QRadioButton* minuscolo;
    QRadioButton* maiuscolo;
    QRadioButton* corsivo;

    // Fonts and colours
    QCheckBox* CheckImpostazioniSistema;
    QGroupBox* Frame6;
    QRadioButton* OptionColoreCasualeFisso[2];
    QPushButton* CommandSceltaColori;
    QGroupBox* Frame5;
    QPushButton* CommandSceltaFont;
    QPushButton* CommandSceltaColoreFont;
    QPushButton* CommandSceltaSfondoTesto;
    QPushButton* CommandSceltaColoreBottoni;
    QLabel* LabelFontSelezionato;
    QLabel* LabelPerColore;

    // Voice and sounds
    QCheckBox* CheckSuoni;
    QFrame* Line1;
    QCheckBox* Check1;
    QPushButton* CommandProvaVoce;
    QLabel* Label1;
    QScrollBar* HScroll1;
    QLabel* Label2;
    QScrollBar* HScroll2;
    QCheckBox* ChkFumetto;
    QPushButton* CommandFontFumetto;
    QCheckBox* CheckContieneTesto;
    QLabel* Label3;

    // Input mode
    QRadioButton* Option4[3];
    QScrollBar* HScroll3;
    QLabel* Label7;
    QCheckBox* CheckDisabilitaMousePersonalizzato;
    QPushButton* CommandSceltaColoreBottoniSelezionati;
    // Switch access: each button said aloud, and the timing of the switch, each a scale with its caption.
    QCheckBox* CheckScansioneUditiva;
    QScrollBar* HScrollPrimoPasso;
    QLabel* LabelPrimoPasso;
    QScrollBar* HScrollAccettazione;
    QLabel* LabelAccettazione;
    QScrollBar* HScrollRilascio;
    QLabel* LabelRilascio;
    QScrollBar* HScrollGiri;
    QLabel* LabelGiri;

protected:
    void attivazione() override;
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    // The controls of each tab, built at their design places.
    void creaFrameUtente();
    void creaFrameLettere();
    void creaFrameFonts();
    void creaFrameVoce();
    void creaFramePunt();
    QFrame* creaFrame(const char* nome);

    void TabStrip1_Click(int scheda);
    void mnuEsci_Click();

    // Users
    void OptionUtente_Click();
    void ListModificaUtente_Click(int riga);
    void TextNuovoUtente_Change(const QString& testo);
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
    void CheckImpostazioniSistema_Click(bool spuntata);
    void OptionColoreCasualeFisso_Click(int indice);
    void CommandSceltaColori_Click();
    void CommandSceltaFont_Click();
    void CommandSceltaColoreFont_Click();
    void CommandSceltaSfondoTesto_Click();
    void CommandSceltaColoreBottoni_Click();

    // Voice and sounds
    void CaricaPersonaggio();
    void HScroll1_Change(int valore);
    void HScroll2_Change(int valore);
    void Check1_Click(bool spuntata);
    void ChkFumetto_Click(bool spuntata);
    void CheckContieneTesto_Click(bool spuntata);
    void CommandProvaVoce_Click();
    void CommandFontFumetto_Click();
    void dici(const QString& frase);
    // A balloon style bit of this screen's character, when it has one.
    void bitFumetto(int bit, bool acceso);

    // Input mode
    void Option4_Click(int indice);
    void HScroll3_Change(int valore);
    void CommandSceltaColoreBottoniSelezionati_Click();
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
