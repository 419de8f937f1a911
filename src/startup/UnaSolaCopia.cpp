// Lets only one copy of the program run for a user on a computer; a second start brings the first to the front.
#include "startup/UnaSolaCopia.h"

#include "startup/Modulo1.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QWidget>

namespace {
constexpr char kRichiesta[] = "davanti\n";
// A running copy answers at once, even when busy: the system queues the connection and the bytes.
constexpr int kAttesaMs = 1000;
} // namespace

UnaSolaCopia::UnaSolaCopia()
{
    // Kept on this computer, not beside the settings, which a school may share between computers.
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (cartella.isEmpty())
        cartella = QDir::tempPath();
    m_nomeServer = cartella + QStringLiteral("/ordiparo.socket");
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

void UnaSolaCopia::chiediAllaPrimaCopia() const
{
    QLocalSocket prima;
    prima.connectToServer(m_nomeServer);
    if (!prima.waitForConnected(kAttesaMs)) {
        qCInfo(lcStartup) << "another copy runs but does not answer:" << prima.errorString();
        return;
    }
    prima.write(kRichiesta);
    prima.waitForBytesWritten(kAttesaMs);
}

void UnaSolaCopia::ascoltaLeAltreCopie()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // This copy holds the lock: a socket of that name was left by a copy that crashed.
    QLocalServer::removeServer(m_nomeServer);
    if (!m_server->listen(m_nomeServer)) {
        qCWarning(lcStartup) << "later starts cannot reach this copy:" << m_server->errorString();
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* altra = m_server->nextPendingConnection()) {
            connect(altra, &QLocalSocket::disconnected, altra, &QObject::deleteLater);
            connect(altra, &QLocalSocket::readyRead, this, [this, altra] {
                if (altra->canReadLine() && altra->readLine() == kRichiesta)
                    portaDavanti();
            });
        }
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
