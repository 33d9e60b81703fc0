#include "faults.h"

#include "protocol.h"

#include <QStringList>
#include <array>

namespace sim::hasar2g {

namespace {

struct KindName {
    Fault::Kind kind;
    const char* name;
};

// drop-reply, busy and power-cut keep the names the first-generation printers give them.
constexpr std::array<KindName, 5> kKindNames{{
    {Fault::Kind::DropReply, "drop-reply"},
    {Fault::Kind::Reset, "reset"},
    {Fault::Kind::Slow, "slow"},
    {Fault::Kind::Busy, "busy"},
    {Fault::Kind::PowerCut, "power-cut"},
}};

// Bounds keep a typing slip from freezing the printer for days.
constexpr int kMaxSeconds = 3600;
constexpr int kMaxCount = 1'000'000;

}  // namespace

std::optional<Fault> Fault::parse(const QString& text, QString* error) {
    const QStringList parts = text.split(QLatin1Char(','));
    Fault fault;
    bool known = false;
    for (const KindName& k : kKindNames) {
        if (parts[0] == QLatin1String(k.name)) {
            fault.kind = k.kind;
            known = true;
        }
    }
    if (!known) {
        *error = QStringLiteral("falla desconocida '%1' para el Hasar 2G (una de: %2)").arg(parts[0], kindsHelp());
        return std::nullopt;
    }
    for (int i = 1; i < parts.size(); ++i) {
        const QString key = parts[i].section(QLatin1Char('='), 0, 0);
        const QString value = parts[i].section(QLatin1Char('='), 1);
        bool ok = false;
        if (key == QLatin1String("cmd")) {
            ok = commandNamed(value).has_value();
            fault.command = value;
        } else if (key == QLatin1String("after")) {
            fault.after = value.toInt(&ok);
            ok = ok && fault.after >= 0 && fault.after <= kMaxCount;
        } else if (key == QLatin1String("times")) {
            fault.times = value.toInt(&ok);
            ok = ok && fault.times >= 0 && fault.times <= kMaxCount;
        } else if (key == QLatin1String("polls")) {
            fault.polls = value.toInt(&ok);
            ok = ok && fault.polls >= 0 && fault.polls <= kMaxCount;
        } else if (key == QLatin1String("seconds")) {
            const double seconds = value.toDouble(&ok);
            ok = ok && seconds >= 0 && seconds <= kMaxSeconds;
            if (ok) fault.milliseconds = static_cast<int>(seconds * 1000);
        } else {
            *error = QStringLiteral("ajuste de falla desconocido '%1' (cmd, after, times, seconds, polls)").arg(key);
            return std::nullopt;
        }
        if (!ok) {
            *error = QStringLiteral("valor inválido para '%1' en la falla '%2'").arg(key, text);
            return std::nullopt;
        }
    }
    return fault;
}

QString Fault::kindsHelp() {
    QStringList names;
    for (const KindName& k : kKindNames) names.append(QLatin1String(k.name));
    return names.join(QStringLiteral(", "));
}

std::optional<Fault> FaultPlan::hit(const QString& command) {
    std::optional<Fault> chosen;
    for (Armed& a : armed_) {
        if (a.fault.command && *a.fault.command != command) continue;
        if (a.skip > 0) {
            --a.skip;
            continue;
        }
        if (a.left == 0 || chosen) continue;  // spent, or another fault already hits this request
        chosen = a.fault;
        if (a.left > 0) --a.left;
    }
    return chosen;
}

}  // namespace sim::hasar2g
