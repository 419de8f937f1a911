// Lets only one copy of the program run for a user on a computer.
#include "startup/UnaSolaCopia.h"

#include <QDir>
#include <QStandardPaths>

UnaSolaCopia::UnaSolaCopia()
{
    // Kept on this computer, not beside the settings, which a school may share between computers.
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (cartella.isEmpty())
        cartella = QDir::tempPath();
    m_blocco = std::make_unique<QLockFile>(cartella + QStringLiteral("/ordiparo.lock"));
    // A copy that crashed leaves a lock whose process is gone; QLockFile sees that. Age alone never counts.
    m_blocco->setStaleLockTime(0);
}

bool UnaSolaCopia::prendi()
{
    return m_blocco->tryLock(0);
}
