// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh program folder and settings root in a temporary folder, never the user's own.
#include "support/AmbienteProva.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <sys/stat.h>

AmbienteProva::AmbienteProva()
{
    Q_ASSERT(m_cartella.isValid());
    QDir().mkpath(cartellaProgramma() + QStringLiteral("testiordiparo"));
    QFile::copy(sorgente(QStringLiteral("assets/testiordiparo/frasi.txt")),
                cartellaProgramma() + QStringLiteral("testiordiparo/frasi.txt"));
    QFile::copy(sorgente(QStringLiteral("assets/indis1.ttf")), cartellaProgramma() + QStringLiteral("indis1.ttf"));
}

Percorsi AmbienteProva::percorsi() const
{
    return Percorsi(cartellaProgramma(), cartella() + QStringLiteral("/impostazioni/ImpostazioniProgrammiLumio/"),
                    cartella() + QStringLiteral("/fonts/"));
}

std::unique_ptr<StatoProgramma> AmbienteProva::nuovoStato() const
{
    auto stato = std::make_unique<StatoProgramma>(percorsi());
    stato->casualeGeneratore.seed(1234);
    stato->rendiCorrenteUtentePredefinito();
    stato->LinguaAgente = QStringLiteral("&H410"); // as the start-up sets it
    return stato;
}

QByteArray AmbienteProva::leggi(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AmbienteProva::scrivi(const QString& percorso, const QByteArray& byte)
{
    QDir().mkpath(QFileInfo(percorso).path());
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(byte) != byte.size())
        qFatal("cannot write the test file %s", qPrintable(percorso));
}

void AmbienteProva::creaFifo(const QString& percorso)
{
    QDir().mkpath(QFileInfo(percorso).path());
    if (mkfifo(QFile::encodeName(percorso).constData(), 0600) != 0)
        qFatal("cannot make the FIFO %s", qPrintable(percorso));
}

QString AmbienteProva::accantoAlProgramma(const char* nome)
{
    return QFileInfo(QStringLiteral(ORDIPARO_ESEGUIBILE)).path() + u'/' + QString::fromLatin1(nome);
}

QByteArray AmbienteProva::uscitaDi(const QString& programma, const QStringList& argomenti)
{
    QProcess processo;
    processo.start(programma, argomenti);
    return processo.waitForFinished() && processo.exitCode() == 0 ? processo.readAllStandardOutput() : QByteArray();
}
