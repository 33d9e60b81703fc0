#pragma once

#include <QByteArrayView>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <functional>

// The wire trace: every byte on a printer's port and one line per exchange, on the logging category
// orbelo.link (off unless QT_LOGGING_RULES="orbelo.link.debug=true") and, when asked, appended to a
// file that never grows past its limit (the previous one is kept with ".1" added to its name).
Q_DECLARE_LOGGING_CATEGORY(lcLink)

namespace link_trace {

constexpr qint64 kMaxFileBytes = 10 * 1024 * 1024;

// Why the trace cannot be appended to that file, in Spanish; empty when it can.
QString fileProblem(const QString& path);
// Appends the trace to that file from now on; an empty path stops. False when it cannot be opened.
bool setFile(const QString& path, qint64 maxBytes = kMaxFileBytes);

// True when anything would be written: the category is on or a file is set.
bool active();

// "10:15:03.123 COM1 (/dev/ttyUSB0) >> 02 20 39 ... |. 9.X.00A9|"
void bytes(const QString& port, bool sent, QByteArrayView data);
// "10:15:03.456 COM1 (/dev/ttyUSB0) 0x39 cierre diario X/Z: 1 envío, 333 ms", then the reply's
// status words in words when given: " · impresor 0080 (búfer de impresión vacío), fiscal 0600 (...)"
void exchange(const QString& port, quint8 command, const QString& name, int sends, qint64 milliseconds,
              const QString& status = {});
// "10:15:03.000 === IMPRIMIR X · modelo 7 - HASAR SMH/P-715F · COM1 (/dev/ttyUSB0)": where an
// operation of the window starts.
void operation(const QString& caption, const QString& model, const QString& port);
// "10:15:03.001 COM1 (/dev/ttyUSB0) el sistema no abrió el puerto: Permission denied"
void note(const QString& port, const QString& text);

// "impresor 0080 (búfer de impresión vacío), fiscal 0600 (terminal certificada, terminal fiscalizada)":
// a reply's two status words with the meaning of each bit set, as each brand's table gives them.
QString statusWords(quint16 printer, const QStringList& printerBits, quint16 fiscal, const QStringList& fiscalBits);

// The meaning of each bit set in `word`, lowest first, as `meaning` gives it; "bit N" where it
// returns nullptr.
QStringList bitMeanings(quint16 word, const std::function<const char*(int bit)>& meaning);

// One line as written, without its time, for tests and the file alike.
QString bytesLine(const QString& port, bool sent, QByteArrayView data);

}  // namespace link_trace
