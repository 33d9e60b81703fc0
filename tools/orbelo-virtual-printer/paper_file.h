#pragma once

#include <QFile>
#include <QStringList>

// The file a virtual printer's paper is appended to, as it prints, so a test can read it live.
class PaperFile {
public:
    // Opens `path` for appending; an empty path keeps no paper.
    bool open(const QString& path, QString* error);
    // Appends the lines printed since the last call, one a line, in UTF-8.
    void append(const QStringList& lines);

private:
    QFile file_;
};
