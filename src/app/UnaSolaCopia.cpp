// SPDX-License-Identifier: GPL-3.0-or-later
// Lets only one copy of the program run for a user on a computer; a second start brings the first to the front.
#include "app/UnaSolaCopia.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QWidget>

Q_LOGGING_CATEGORY(lcStartup, "ordiparo.startup", QtInfoMsg)

UnaSolaCopia::UnaSolaCopia()
{
    // Kept on this computer, not beside the settings, which a school may share between computers.
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (cartella.isEmpty())
        cartella = QDir::tempPath();
    m_richiesta = cartella + QStringLiteral("/ordiparo.davanti");
    m_blocco = std::make_unique<QLockFile>(cartella + QStringLiteral("/ordiparo.lock"));
    // A copy that crashed leaves a lock whose process is gone; QLockFile sees that. Age alone never counts.
    m_blocco->setStaleLockTime(0);
}

UnaSolaCopia::~UnaSolaCopia() = default;

bool UnaSolaCopia::prendi()
{
    const bool preso =
        m_blocco->tryLock(0) || (m_blocco->error() == QLockFile::LockFailedError && bloccoAbbandonato() &&
                                 m_blocco->removeStaleLockFile() && m_blocco->tryLock(0));
    if (!preso) {
        chiediAllaPrimaCopia();
        return false;
    }
    ascoltaLeAltreCopie();
    return true;
}

// A lock whose owner cannot be read (empty or garbage after a power cut) or names another computer.
// QLockFile itself sets aside a readable lock of this computer whose process is gone. Removal is safe:
// it fails while the owner runs, since the owner holds a system lock on the file.
bool UnaSolaCopia::bloccoAbbandonato() const
{
    qint64 processo = 0;
    QString computer;
    QString programma;
    if (!m_blocco->getLockInfo(&processo, &computer, &programma))
        return true;
    return !computer.isEmpty() && computer != QSysInfo::machineHostName();
}

// The request is a file that the running copy watches: the system tells it at once, even when it is busy.
// Saved whole under its name, so a link put in its place is replaced, never followed.
void UnaSolaCopia::chiediAllaPrimaCopia() const
{
    QSaveFile richiesta(m_richiesta);
    if (!richiesta.open(QIODevice::WriteOnly) || !richiesta.commit())
        qCInfo(lcStartup) << "another copy runs but cannot be asked to come forward:" << richiesta.errorString();
}

void UnaSolaCopia::ascoltaLeAltreCopie()
{
    QFile::remove(m_richiesta); // left by a start that found a copy which has gone since
    m_osservatore = new QFileSystemWatcher({QFileInfo(m_richiesta).path()}, this);
    connect(m_osservatore, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (QFile::remove(m_richiesta))
            portaDavanti();
    });
}

void UnaSolaCopia::portaDavanti() const
{
    QWidget* finestra = finestraCorrente ? finestraCorrente() : nullptr;
    if (!finestra)
        return;
    finestra->setWindowState((finestra->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    qCInfo(lcStartup) << "a second start brought" << finestra->metaObject()->className() << "to the front";
}
