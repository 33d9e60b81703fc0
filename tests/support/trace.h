#pragma once

#include "drivers/service_text.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

// One readable line per driver call or prompt, in the order they happened, shared by the
// recording fakes. A test can also arm a failure at a chosen call.
class Trace {
public:
    // Appends the line; throws the armed DriverError when this is the chosen call.
    void record(const QString& line);

    // The occurrence-th call whose line starts with name + "(" raises DriverError(number, text);
    // several armed failures each count their own calls.
    void failAt(const QString& name, int occurrence = 1, int number = 9001,
                const QString& description = QStringLiteral("Falla de prueba"));
    // Runs `look` on every line as it is recorded, before an armed failure is raised: a test sees
    // the window from inside the call.
    void watch(std::function<void(const QString& line)> look) { look_ = std::move(look); }

    const QStringList& lines() const { return lines_; }
    void clear() { lines_.clear(); }

private:
    struct Failure {
        QString name;
        int occurrence;
        int number;
        QString description;
    };
    QStringList lines_;
    QList<Failure> failures_;
    std::function<void(const QString&)> look_;
};

// Argument renderings used in trace lines.
namespace arg {
// A text in double quotes; control characters and 0x7F-0x9F as \xNN.
QString q(const QString& text);
// "Fantasia" or "EncabezadoPie", as a trace names a kind of the shop's texts.
QString serviceKind(ServiceText kind);
QString q(const QByteArray& bytes);
QString num(double value);
QString date(const QDate& d);
QString boolean(bool b);
QString list(const QStringList& texts);
}  // namespace arg
