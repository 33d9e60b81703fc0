#include "state_lock.h"

#include <sim/state_file.h>

#include <QDir>
#include <QJsonDocument>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The path every name of the file leads to: symbolic links followed, for a file not yet there too.
QString resolvedPath(const QString& path) {
    QFileInfo info(path);
    if (info.isSymLink()) info.setFile(info.symLinkTarget());
    if (info.exists()) return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

QString inUse(const QString& statePath, const QString& who) {
    return QStringLiteral("el archivo de estado %1 ya está en uso por otro impresor virtual%2; deténgalo o indique "
                          "otro archivo con --state")
        .arg(statePath, who);
}

// An exclusive lock on the open file itself, whatever name it was opened by.
bool lockFile(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }

}  // namespace

std::unique_ptr<StateLock> StateLock::claim(const QString& statePath, QString* error) {
    // The name's claim covers a file that does not exist yet, and gives the owner's process.
    auto nameLock = std::make_unique<QLockFile>(resolvedPath(statePath) + QStringLiteral(".lock"));
    // A printer may run for days: only a dead owner makes a lock stale, never its age.
    nameLock->setStaleLockTime(0);
    if (!nameLock->tryLock(0)) {
        if (nameLock->error() == QLockFile::LockFailedError) {
            qint64 pid = 0;
            QString host, app;
            nameLock->getLockInfo(&pid, &host, &app);
            *error = inUse(statePath, QStringLiteral(" (proceso %1)").arg(pid));
        } else {
            *error = QStringLiteral("no se puede reservar el archivo de estado %1: no se pudo crear %2")
                         .arg(statePath, nameLock->fileName());
        }
        return nullptr;
    }
    int held = -1;
    if (QFileInfo::exists(statePath)) {
        held = ::open(QFile::encodeName(statePath).constData(), O_RDONLY | O_CLOEXEC);
        if (held < 0) {
            *error = QStringLiteral("no se puede abrir el archivo de estado %1").arg(statePath);
            return nullptr;
        }
        if (!lockFile(held)) {
            ::close(held);
            *error = inUse(statePath, QStringLiteral(" con otro nombre (un enlace al mismo archivo)"));
            return nullptr;
        }
    }
    return std::unique_ptr<StateLock>(new StateLock(statePath, std::move(nameLock), held));
}

StateLock::StateLock(QString path, std::unique_ptr<QLockFile> nameLock, int claimed)
    : path_(std::move(path)), nameLock_(std::move(nameLock)), first_(claimed) {}

StateLock::~StateLock() {
    if (held_ >= 0) ::close(held_);
    if (first_ >= 0) ::close(first_);
}

bool StateLock::save(const sim::FiscalMemory& memory, QString* error) {
    return saveContents(QJsonDocument(sim::state_file::toJson(memory)).toJson(), error);
}

bool StateLock::saveContents(const QByteArray& contents, QString* error) {
    int fresh = -1;
    const bool saved = sim::state_file::saveContents(contents, path_, error, [&fresh](int handle) {
        // A second descriptor keeps the lock once the save closes its own.
        fresh = ::fcntl(handle, F_DUPFD_CLOEXEC, 0);
        return fresh >= 0 && lockFile(fresh);
    });
    if (!saved) {
        if (fresh >= 0) ::close(fresh);
        return false;
    }
    if (held_ >= 0) ::close(held_);
    held_ = fresh;
    return true;
}
