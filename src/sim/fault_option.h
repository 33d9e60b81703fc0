#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <span>

// The text of an injected fault as every virtual printer takes it, "KIND,cmd=...,after=N,times=N,
// seconds=S": one reading of the settings all brands share. A brand brings its kinds, its way of
// naming a command and any counts of its own.
namespace sim::fault_option {

template <typename Kind>
struct KindName {
    Kind kind;
    const char* name;
};

// A whole-number setting of one brand's faults only, such as the 2G's "polls".
template <typename Fault>
struct Count {
    const char* key;
    int Fault::*field;
};

template <typename Fault>
struct Grammar {
    std::span<const KindName<typename Fault::Kind>> kinds;
    // Sets the fault's command from the value of cmd=; false when the value names no command.
    bool (*readCommand)(const QString& value, Fault& fault);
    std::span<const Count<Fault>> ownCounts;
    // Why a kind is refused: %1 the kind given, %2 the known ones.
    const char* unknownKind;
};

// Bounds keep a typing slip from freezing the printer for days.
constexpr int kMaxSeconds = 3600;
constexpr int kMaxCount = 1'000'000;

template <typename Fault>
QString kindsHelp(const Grammar<Fault>& grammar) {
    QStringList names;
    for (const auto& k : grammar.kinds) names.append(QLatin1String(k.name));
    return names.join(QStringLiteral(", "));
}

// Returns the fault or, in `error`, why the text is not one.
template <typename Fault>
std::optional<Fault> parse(const QString& text, const Grammar<Fault>& grammar, QString* error) {
    const QStringList parts = text.split(QLatin1Char(','));
    const auto named = std::find_if(grammar.kinds.begin(), grammar.kinds.end(),
                                    [&](const auto& k) { return parts[0] == QLatin1String(k.name); });
    if (named == grammar.kinds.end()) {
        *error = QString::fromUtf8(grammar.unknownKind).arg(parts[0], kindsHelp(grammar));
        return std::nullopt;
    }
    Fault fault;
    fault.kind = named->kind;
    const Count<Fault> shared[] = {{"after", &Fault::after}, {"times", &Fault::times}};
    QStringList keys{QStringLiteral("cmd"), QStringLiteral("after"), QStringLiteral("times"), QStringLiteral("seconds")};
    for (const Count<Fault>& c : grammar.ownCounts) keys.append(QLatin1String(c.key));
    for (int i = 1; i < parts.size(); ++i) {
        const QString key = parts[i].section(QLatin1Char('='), 0, 0);
        const QString value = parts[i].section(QLatin1Char('='), 1);
        const Count<Fault>* count = nullptr;
        for (const Count<Fault>& c : shared)
            if (key == QLatin1String(c.key)) count = &c;
        for (const Count<Fault>& c : grammar.ownCounts)
            if (key == QLatin1String(c.key)) count = &c;
        bool ok = false;
        if (key == QLatin1String("cmd")) {
            ok = grammar.readCommand(value, fault);
        } else if (key == QLatin1String("seconds")) {
            const double seconds = value.toDouble(&ok);
            ok = ok && seconds >= 0 && seconds <= kMaxSeconds;
            if (ok) fault.milliseconds = static_cast<int>(seconds * 1000);
        } else if (count) {
            fault.*count->field = value.toInt(&ok);
            ok = ok && fault.*count->field >= 0 && fault.*count->field <= kMaxCount;
        } else {
            *error = QStringLiteral("ajuste de falla desconocido '%1' (%2)").arg(key, keys.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        if (!ok) {
            *error = QStringLiteral("valor inválido para '%1' en la falla '%2'").arg(key, text);
            return std::nullopt;
        }
    }
    return fault;
}

}  // namespace sim::fault_option
