#pragma once

#include <sim/amount.h>
#include <sim/fiscal_memory.h>

#include <QMap>
#include <array>
#include <optional>

// What the virtual 2G Hasar keeps between power cycles. The identity, customer and daily-close
// records are the first-generation printers' own types; what differs is the numbering, one
// counter per document code, and the printer's zones of owner's lines.
namespace sim::hasar2g {

// One document code's books: its last number, and what was issued and cancelled since the last Z.
struct Counter {
    quint32 last = 0;
    int issued = 0;
    int cancelled = 0;

    bool operator==(const Counter&) const = default;
};

struct OpenDocument {
    int code = 83;
    quint32 number = 0;
    Amount total;
    Amount tax;
    Amount paid;
    int items = 0;
    int payments = 0;

    bool operator==(const OpenDocument&) const = default;
};

struct Memory {
    static constexpr int kAssociatedLines = 2;
    // Six zones (fantasy name, issuer's address, two header and two trailer zones) of a few lines each.
    static constexpr int kZones = 6;
    static constexpr int kZoneLines = 4;
    static constexpr int kMaxZoneText = 40;
    static constexpr int kMaxPayments = 20;

    FiscalIdentity identity;
    int zCapacity = 1825;
    // Daily closes 1..n in order. The totals read: fiscal = tiques, invoices and debit notes
    // issued, homologated = credit notes issued, nonFiscal = delivery notes and generic documents,
    // cancelled = every document cancelled; sold and tax of the fiscal ones, credited of the notes.
    QList<ZRecord> zRecords;
    int lastX = 0;
    DayTotals day;
    QMap<int, Counter> counters;  // by document code
    std::optional<Customer> customer;
    std::array<QString, kAssociatedLines> associated;
    std::array<QString, kZones * kZoneLines> zones;
    std::optional<OpenDocument> open;
    qint64 clockOffsetMs = 0;  // printer clock minus the host clock
    quint32 auditIndex = 0;    // documents and reports printed, for IndiceAuditoria

    int lastZ() const { return static_cast<int>(zRecords.size()); }
    Counter counter(int code) const { return counters.value(code); }
    bool operator==(const Memory&) const = default;
};

// Who a new virtual 2G Hasar is registered to, told apart from the first-generation ones.
FiscalIdentity secondGenerationIdentity();

}  // namespace sim::hasar2g
