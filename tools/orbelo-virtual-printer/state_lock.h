#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Claims a state file for this process until the returned lock is dropped, so two virtual
// printers never overwrite each other's fiscal memory. A lock left behind by a process that
// was killed is cleared. Nothing (and, in `error`, a message naming the file) when another
// printer holds the file or the lock cannot be made.
std::unique_ptr<QLockFile> lockStateFile(const QString& statePath, QString* error);
