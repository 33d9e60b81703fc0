#include "state_lock.h"

std::unique_ptr<QLockFile> lockStateFile(const QString& statePath, QString* error) {
    auto lock = std::make_unique<QLockFile>(statePath + QStringLiteral(".lock"));
    // A printer may run for days: only a dead owner makes a lock stale, never its age.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) return lock;
    if (lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, app;
        lock->getLockInfo(&pid, &host, &app);
        *error = QStringLiteral("el archivo de estado %1 ya está en uso por otro impresor virtual (proceso %2); "
                                "deténgalo o indique otro archivo con --state")
                     .arg(statePath)
                     .arg(pid);
    } else {
        *error = QStringLiteral("no se puede reservar el archivo de estado %1: no se pudo crear %2")
                     .arg(statePath, statePath + QStringLiteral(".lock"));
    }
    return nullptr;
}
