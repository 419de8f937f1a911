// The teacher's list editor, laid over the whole settings dialog: browse the items of the list in use one at a
// time, edit a stimulus (a text or a picture) and its eight statements with their answers, add items, empty
// the list, load a list file and save the list to one. Every edit lands at once in the program's item table.
#pragma once

#include <QFrame>
#include <array>

class Programma;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class SceltaImmagine;
class Schermata;

class FrameCreaNuovaLista : public QFrame {
    Q_OBJECT
public:
    // Made hidden, as a control of the dialog's area; LabelListaInUso is the dialog's label of the list in use,
    // which the editor keeps up to date.
    FrameCreaNuovaLista(Programma& programma, Schermata& dialogo, QLabel* LabelListaInUso);
    Q_DISABLE_COPY_MOVE(FrameCreaNuovaLista)

    // "Gestione files": shows the editor in front, on the first item.
    void CommandCreaLista_Click();
    // "Lista in uso": loads another list file and makes it the list in use, without opening the editor.
    void CommandCambiaListaInUso_Click();

    // Text1[0] is the stimulus text, Text1[1] to Text1[8] the statements.
    std::array<QWidget*, 9> Text1;
    QLabel* Image1;
    std::array<QRadioButton*, 2> Option1;
    std::array<QWidget*, 8> Picture1;
    std::array<QRadioButton*, 24> Option2;
    QPushButton* Command2;
    QScrollBar* HScroll4;
    QLabel* Label5;
    QPushButton* Command3;
    QPushButton* Command1;
    QPushButton* CommandSvuotaLista;
    QPushButton* CommandSalvaLista;
    QPushButton* Command7;
    SceltaImmagine* Frame10;

    // The text a box shows.
    QString testoDi(int colonna) const;
    // The caption over the editor: the list in use.
    QString titolo() const { return m_titolo; }
    QString NomeImmagine() const { return m_nomeImmagine; }
    // Shows NomeImmagine fitted in the stimulus box.
    void InserisciImmagine();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void CommandSvuotaLista_Click();
    void CommandSalvaLista_Click();
    void Command7_Click();
    void HScroll4_Change(int riga);
    void Text1_Change(int indice);
    void Option1_Click(int indice);
    void Option2_Click(int indice);
    void immagineScelta(const QString& nome);

    // A list file chosen in the teachers' lists folder, made when missing, with the program's own lists one
    // click away; "" when the teacher cancels.
    QString fileLista(qint16 modo, const QString& titolo, const QString& filtro);
    // Asks for a list file and loads it as the list in use; false when the teacher chose none.
    bool scegliLista();
    // The browser over rows 1 to NumeroRighe, on row 1, shown afresh.
    void mostraPrimaRiga();
    void mostraRiga(int riga);
    // "3 di 12" below the browser.
    void mostraPosizione();
    void rigaModificata();
    void impostaTitolo(const QString& titolo);
    void impostaTesto(int colonna, const QString& testo);
    int rigaCorrente() const;

    Programma& m_programma;
    QLabel* m_labelListaInUso;
    std::array<QButtonGroup*, 9> m_gruppi; // the stimulus choice, then the answers of each statement
    QString m_titolo;
    QString m_nomeImmagine;
    double m_rapporto = 1; // the editor's size to its design size
    bool m_mostrandoRiga = false;
};
