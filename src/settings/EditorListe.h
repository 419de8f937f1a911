// SPDX-License-Identifier: GPL-3.0-or-later
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

class EditorListe : public QFrame {
    Q_OBJECT
public:
    // Made hidden, as a control of the dialog's area; etichettaListaInUso is the dialog's label of the list in use,
    // which the editor keeps up to date.
    EditorListe(Programma& programma, Schermata& dialogo, QLabel* etichettaListaInUso);
    Q_DISABLE_COPY_MOVE(EditorListe)

    // "Gestione files": shows the editor in front, on the first item.
    void apri();
    // "Lista in uso": loads another list file and makes it the list in use, without opening the editor.
    void cambiaListaInUso();

    // caselleTesto[0] is the stimulus text, caselleTesto[1] to caselleTesto[8] the statements.
    std::array<QWidget*, 9> caselleTesto;
    QLabel* immagineStimolo;
    std::array<QRadioButton*, 2> sceltaTipoStimolo;
    std::array<QWidget*, 8> risposteFrase;
    std::array<QRadioButton*, 24> sceltaRisposte;
    QPushButton* bottoneCaricaImmagine;
    QScrollBar* scorrimentoEsercizi;
    QLabel* posizioneEsercizio;
    QPushButton* bottoneAggiungi;
    QPushButton* bottoneCaricaLista;
    QPushButton* bottoneSvuotaLista;
    QPushButton* bottoneSalvaLista;
    QPushButton* bottoneChiudi;
    SceltaImmagine* sceltaImmagine;

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
    void caricaListaScelta();
    void apriSceltaImmagine();
    void aggiungiEsercizio();
    void svuotaLista();
    void salvaLista();
    void chiudi();
    void rigaScelta(int riga);
    void testoCambiato(int indice);
    void tipoStimoloScelto(int indice);
    void rispostaScelta(int indice);
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
    // Puts the text in its box, cut to what a box holds; a cut one is told by avvisaAccorciati.
    void impostaTesto(int colonna, const QString& testo);
    void avvisaAccorciati(int riga);
    int rigaCorrente() const;

    Programma& m_programma;
    QLabel* m_labelListaInUso;
    std::array<QButtonGroup*, 9> m_gruppi; // the stimulus choice, then the answers of each statement
    QString m_titolo;
    QString m_nomeImmagine;
    double m_rapporto = 1; // the editor's size to its design size
    bool m_mostrandoRiga = false;
    QList<int> m_accorciati; // the boxes whose text was cut, not yet told
};
