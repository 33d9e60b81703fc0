#include "link_trace.h"

#include "link_errors.h"
#include "system_text.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

Q_LOGGING_CATEGORY(lcLink, "orbelo.link", QtInfoMsg)

namespace link_trace {

namespace {

struct FileSink {
    QFile file;
    qint64 maxBytes = kMaxFileBytes;
};

FileSink& sink() {
    static FileSink s;
    return s;
}

// Starts a new file, keeping the full one as "<name>.1" in place of the one kept before.
void rotate(FileSink& s) {
    const QString path = s.file.fileName();
    s.file.close();
    const QString old = path + QStringLiteral(".1");
    QFile::remove(old);
    QFile::rename(path, old);
    s.file.setFileName(path);
    s.file.open(QIODevice::Append);
}

void write(const QString& line) {
    const QString stamped =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz ")) + line;
    qCDebug(lcLink).noquote() << stamped;
    FileSink& s = sink();
    if (!s.file.isOpen()) return;
    const QByteArray bytes = stamped.toUtf8() + '\n';
    if (s.file.size() + bytes.size() > s.maxBytes) rotate(s);
    if (s.file.isOpen()) {
        s.file.write(bytes);
        s.file.flush();
    }
}

}  // namespace

QString fileProblem(const QString& path) {
    if (path.trimmed().isEmpty()) return QStringLiteral("falta el nombre del archivo de la traza");
    const QFileInfo info(path);
    if (info.isDir()) return QStringLiteral("'%1' es una carpeta, no un archivo para la traza").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::Append)) {
        qCDebug(lcLink).noquote() << QStringLiteral("el sistema no abrió la traza %1: %2").arg(path, file.errorString());
        return QStringLiteral("no se puede escribir la traza en '%1': %2").arg(path, systemTextInSpanish(file.errorString()));
    }
    return {};
}

bool setFile(const QString& path, qint64 maxBytes) {
    FileSink& s = sink();
    s.file.close();
    s.maxBytes = maxBytes;
    if (path.isEmpty()) return true;
    s.file.setFileName(path);
    return s.file.open(QIODevice::Append);
}

bool active() { return lcLink().isDebugEnabled() || sink().file.isOpen(); }

QString bytesLine(const QString& port, bool sent, QByteArrayView data) {
    QString printable;
    for (const char c : data) printable += (c >= 0x20 && c < 0x7F) ? QLatin1Char(c) : QLatin1Char('.');
    return QStringLiteral("%1 %2 %3 |%4|")
        .arg(port, sent ? QStringLiteral(">>") : QStringLiteral("<<"),
             QString::fromLatin1(data.toByteArray().toHex(' ').toUpper()), printable);
}

void bytes(const QString& port, bool sent, QByteArrayView data) {
    if (active()) write(bytesLine(port, sent, data));
}

void exchange(const QString& port, quint8 command, const QString& name, int sends, qint64 milliseconds,
              const QString& status) {
    if (!active()) return;
    write(QStringLiteral("%1 %2 %3: %4 %5, %6 ms")
              .arg(port, link_error::commandCode(command), name.isEmpty() ? QStringLiteral("comando") : name)
              .arg(sends)
              .arg(sends == 1 ? QStringLiteral("envío") : QStringLiteral("envíos"))
              .arg(milliseconds) +
          (status.isEmpty() ? QString() : QStringLiteral(" · ") + status));
}

void operation(const QString& caption, const QString& model, const QString& port) {
    if (active()) write(QStringLiteral("=== %1 · modelo %2 · %3").arg(caption, model, port));
}

QString statusWords(quint16 printer, const QStringList& printerBits, quint16 fiscal, const QStringList& fiscalBits) {
    const auto word = [](const QString& name, quint16 value, const QStringList& bits) {
        const QString hex = QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
        return QStringLiteral("%1 %2 (%3)")
            .arg(name, hex, bits.isEmpty() ? QStringLiteral("ningún bit") : bits.join(QStringLiteral(", ")));
    };
    return word(QStringLiteral("impresor"), printer, printerBits) + QStringLiteral(", ") +
           word(QStringLiteral("fiscal"), fiscal, fiscalBits);
}

QStringList bitMeanings(quint16 word, const std::function<const char*(int bit)>& meaning) {
    QStringList out;
    for (int bit = 0; bit < 16; ++bit) {
        if (!(word & (1u << bit))) continue;
        const char* text = meaning(bit);
        out << (text ? QString::fromUtf8(text) : QStringLiteral("bit %1").arg(bit));
    }
    return out;
}

void note(const QString& port, const QString& text) {
    if (active()) write(port + QLatin1Char(' ') + text);
}

}  // namespace link_trace
