#include "paper_file.h"

#include <QTextStream>

bool PaperFile::open(const QString& path, QString* error) {
    if (path.isEmpty()) return true;
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        *error = QStringLiteral("no se pudo abrir %1: %2").arg(path, file_.errorString());
        return false;
    }
    return true;
}

void PaperFile::append(const QStringList& lines) {
    if (lines.isEmpty() || !file_.isOpen()) return;
    QTextStream out(&file_);
    out.setEncoding(QStringConverter::Utf8);
    for (const QString& line : lines) out << line << '\n';
    out.flush();
    file_.flush();
}
