// SPDX-License-Identifier: GPL-3.0-or-later
// The record of exercises done: every statement put to the pupil in this run, with its wrong answers, in a grid
// that can be saved as a record file, opened again and printed.
#pragma once

#include "support/Schermata.h"

#include <memory>
#include <optional>

class GrigliaRegistro;
class Programma;
class QAction;
class QDate;
class QLabel;
class QMenu;
class QPrinter;
namespace StampaRegistro {
struct Contenuto;
}

class SchermataEserciziEseguiti : public Schermata {
    Q_OBJECT
public:
    explicit SchermataEserciziEseguiti(Programma& programma);
    ~SchermataEserciziEseguiti() override;

    QLabel* nomeUtente = nullptr;
    QLabel* intestazioneRegistro = nullptr;
    GrigliaRegistro* griglia = nullptr;
    QLabel* nota = nullptr;
    QMenu* menuFile = nullptr;
    QAction* azioneSalva = nullptr;
    QAction* azioneApri = nullptr;
    QMenu* menuStampa = nullptr;
    QAction* azioneStampa = nullptr;
    QAction* azioneAnteprima = nullptr;
    QAction* azioneEsci = nullptr;

    // "Ordiparo" and the date as the system writes it, with the whole year.
    static QString intestazione(const QDate& data);
    // What the screen shows, laid out for paper.
    StampaRegistro::Contenuto contenutoStampa() const;

protected:
    void attivazione() override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void salvaRegistro();
    void apriRegistro();
    void stampaRegistro();
    void anteprimaRegistro();
    void esci();

    // The titles of the header row.
    void intitolaColonne();
    // The columns' widths from what they hold, and the rows' heights from their texts.
    void dimensionaColonne();
    // The user's folder of record files, made when missing; none when it cannot be.
    std::optional<QString> cartellaRegistri();
    // The record file chosen in the user's folder; none when the dialog is cancelled, or when the folder cannot
    // be made, which is told.
    std::optional<QString> sceltaFile(qint16 modo, const QString& titolo);
    void segnalaErrore();
    QPrinter& stampante();

    Programma& m_programma;
    std::unique_ptr<QPrinter> m_stampante;
};
