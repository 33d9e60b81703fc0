#pragma once

#include <sim/fiscal_memory.h>

#include <QLockFile>
#include <QString>
#include <memory>

// Claims a state file for this process for as long as it lives, so two virtual printers never
// share a fiscal memory. The file is claimed by what it is, not by how it was named: a symbolic
// link leads to the same claim through its target, and a hard link meets the lock the first
// printer holds on the file itself. A claim left behind by a process that was killed is cleared.
class StateLock {
public:
    // Nothing (and, in `error`, a message naming the file) when another printer holds the file
    // or the claim cannot be made.
    static std::unique_ptr<StateLock> claim(const QString& statePath, QString* error);
    ~StateLock();
    StateLock(const StateLock&) = delete;
    StateLock& operator=(const StateLock&) = delete;

    // Saves the fiscal memory. Each save puts a new file in the old one's place; it is locked
    // before it takes that place, so the file on disk is always the one this printer holds.
    bool save(const sim::FiscalMemory& memory, QString* error);
    // The same for a state file of another shape (the 2G Hasar's).
    bool saveContents(const QByteArray& contents, QString* error);

private:
    StateLock(QString path, std::unique_ptr<QLockFile> nameLock, int claimed);

    QString path_;
    std::unique_ptr<QLockFile> nameLock_;
    // The file as it was at the claim, kept locked for the printer's life: a hard link made to it
    // before this printer started must not start another one on the memory it started from.
    int first_;
    int held_ = -1;  // the file of the last save, locked
};
