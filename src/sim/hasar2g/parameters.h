#pragma once

#include "protocol.h"

#include <sim/amount.h>

#include <QDate>
#include <QJsonObject>
#include <QTime>
#include <optional>

namespace sim::hasar2g {

// Why a command was refused, as ConsultarUltimoError tells it.
struct Failure {
    Error error = Error::None;
    int parameterNumber = 0;
    QString parameterName;
    QString context;
};

// The parameters of one command, read by name. Each reader returns nothing on a bad value and
// keeps the first failure, so a handler reads all it needs and checks once.
constexpr int kMaxNameEcho = 64;

class Parameters {
public:
    Parameters(const CommandInfo& command, QJsonObject values) : command_(command), values_(std::move(values)) {}

    // Every name known to the command, every value a string, every required one present.
    bool checkShape();

    // Printable Latin-1 text of at most `maxLength` characters; blank only when not `nonEmpty`.
    std::optional<QString> text(const char* name, int maxLength, bool nonEmpty = false);
    // A text that is present, else `fallback`.
    QString textOr(const char* name, int maxLength, const QString& fallback);
    // A decimal number with a point and at most four decimals, from `min` up.
    std::optional<Amount> amount(const char* name, Amount min);
    // One of the words the printer knows for this parameter.
    std::optional<QString> choice(const char* name, std::initializer_list<const char*> words);
    std::optional<int> integer(const char* name, int min, int max);
    std::optional<DocumentCode> code(const char* name);
    std::optional<QDate> date(const char* name);  // yyMMdd
    std::optional<QTime> time(const char* name);  // HHmmss
    bool has(const char* name) const { return values_.contains(QLatin1String(name)); }

    bool ok() const { return !failure_; }
    const std::optional<Failure>& failure() const { return failure_; }
    void fail(Error error, const QString& parameter, const QString& context);

private:
    // The value when present; a missing required one fails.
    std::optional<QString> raw(const char* name);

    const CommandInfo& command_;
    QJsonObject values_;
    std::optional<Failure> failure_;
};

}  // namespace sim::hasar2g
