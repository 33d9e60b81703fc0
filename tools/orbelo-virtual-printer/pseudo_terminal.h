#pragma once

#include <QString>

// A new pseudo-terminal in raw mode. The master side is ours; one slave descriptor stays open
// so that a client can close and reopen the device without the line hanging up.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal() { close(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool open(QString* error);
    void close();

    int master() const { return master_; }
    const QString& devicePath() const { return path_; }

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
};

// Points `link` at `target`, replacing an older symbolic link but never a regular file.
bool replaceSymlink(const QString& link, const QString& target, QString* error);
// Removes `link` if it is still a symbolic link to `target`.
void removeSymlink(const QString& link, const QString& target);
