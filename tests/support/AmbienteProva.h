// SPDX-License-Identifier: GPL-3.0-or-later
// Program and settings folders in a temporary folder, and file helpers; QtCore only, for the storage tests.
#pragma once

#include "storage/StatoProgramma.h"

#include <QTemporaryDir>
#include <memory>

class AmbienteProva {
public:
    // Copies the default list and the cursive font into the temporary program folder.
    AmbienteProva();

    QString cartella() const { return m_cartella.path(); }
    QString file(const QString& nome) const { return cartella() + u'/' + nome; }
    QString cartellaProgramma() const { return m_cartella.path() + QStringLiteral("/programma/"); }
    Percorsi percorsi() const;
    // A program state over these folders with a fixed random seed.
    std::unique_ptr<StatoProgramma> nuovoStato() const;

    static QByteArray leggi(const QString& percorso);
    static void scrivi(const QString& percorso, const QByteArray& byte);
    // A FIFO that nobody writes: opening it for reading waits for ever.
    static void creaFifo(const QString& percorso);
    static QString sorgente(const QString& relativo) { return QStringLiteral(ORDIPARO_SORGENTI "/") + relativo; }
    // A file the build puts beside the program, as a module it loads.
    static QString accantoAlProgramma(const char* nome);
    // What a program (a poppler tool, say) writes to its standard output; empty when it fails.
    static QByteArray uscitaDi(const QString& programma, const QStringList& argomenti);

private:
    QTemporaryDir m_cartella;
};
