#pragma once

#include <QList>
#include <optional>

namespace sim {

// The faults of one run, each consumed as it hits, for any brand's Fault: one with a kind, an
// optional command it waits for, and `after` and `times` (0 = no limit).
template <typename Fault>
class FaultPlanOf {
public:
    using Command = typename decltype(Fault::command)::value_type;

    void add(const Fault& fault) { armed_.append({fault, fault.after, fault.times == 0 ? -1 : fault.times}); }

    // The fault that hits this request, if any. Every fault that matches the command counts the
    // request, so `after` counts requests of that command whatever else happens to them.
    std::optional<Fault> hit(const Command& command) {
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

private:
    struct Armed {
        Fault fault;
        int skip;  // matching requests still to let through
        int left;  // requests still to hit; negative = no limit
    };
    QList<Armed> armed_;
};

}  // namespace sim
