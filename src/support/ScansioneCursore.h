// Switch scanning over a screen's buttons: a cursor painted in the highlight colour, moved by the clock
// (automatic, space chooses) or by space (manual, enter chooses). One press of a switch is one step.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QTimer;
class QWidget;

class ScansioneCursore : public QObject {
    Q_OBJECT
public:
    enum Modalita { Mouse = 0, Manuale = 1, Automatica = 2 };

    // The two receivers are the small boxes that hold the keyboard in each scanning mode.
    ScansioneCursore(QTimer* timer, QWidget* ricevitoreManuale, QWidget* ricevitoreAutomatico, QObject* genitore);

    // The buttons the cursor runs over, in order, as they are now.
    void setCandidati(std::function<QList<QAbstractButton*>()> candidati) { m_candidati = std::move(candidati); }
    void setColori(double normale, double selezionato);

    // Shows the mode's receiver and starts the clock;
    // in mouse mode stops the clock and hides both receivers.
    void prepara(int modalita, int intervalloMs);
    void ferma();
    int modalita() const { return m_modalita; }

    int cursore() const { return m_cursore; }
    // Moves the cursor to a candidate and paints it, the others in the normal colour.
    void evidenzia(int indice);
    // Unpaints the highlighted candidate, moves on by one (wrapping round) and paints the next.
    void avanza();
    QAbstractButton* evidenziato() const;

    // The clock step of automatic scanning: quarter seconds, at least one.
    static int intervalloDaQuarti(int quarti);

signals:
    void scelto(QAbstractButton* bottone);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void tic();
    void scegli();
    QWidget* ricevitore() const;

    QTimer* m_timer;
    QWidget* m_ricevitoreManuale;
    QWidget* m_ricevitoreAutomatico;
    std::function<QList<QAbstractButton*>()> m_candidati;
    double m_normale = 0;
    double m_selezionato = 0;
    int m_modalita = Mouse;
    int m_cursore = 0;
    QPointer<QAbstractButton> m_acceso;
};
