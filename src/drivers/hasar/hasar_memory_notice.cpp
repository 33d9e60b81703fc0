#include "hasar_memory_notice.h"

#include "drivers/link/link.h"

namespace {

constexpr int kFiscalStatusField = 1;
constexpr int kAlmostFullBit = 8;

}  // namespace

HasarMemoryNotice::HasarMemoryNotice(Link& link) {
    connect(&link, &Link::replied, this, &HasarMemoryNotice::onReply);
}

void HasarMemoryNotice::onReply(const frame::Frame& reply) {
    // A reply without readable status words says nothing either way.
    if (reply.fields.size() <= kFiscalStatusField || reply.fields[kFiscalStatusField].size() != 4) return;
    bool ok = false;
    const uint fiscal = reply.fields[kFiscalStatusField].toUInt(&ok, 16);
    if (!ok) return;
    const bool now = fiscal & (1u << kAlmostFullBit);
    if (!now && !almostFull_) return;
    almostFull_ = now;
    emit reported(now);
}
