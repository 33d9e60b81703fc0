#include "link.h"

#include "link_errors.h"
#include "transport.h"

#include <algorithm>

// The brand on the line shows in the first answers: a Hasar acknowledges every frame and an
// Epson never does.
void Link::synchronise() {
    replyLimitMs_ = std::min(options_.probeReplyTimeoutMs, options_.replyTimeoutMs);
    struct Restore {
        Link& link;
        ~Restore() { link.replyLimitMs_ = link.options_.replyTimeoutMs; }
    } restore{*this};
    exchange(options_.syncCommand, options_.syncFields);
    // One ACK lost on the line or one stray 0x06 must not name the other brand: a second answer
    // has to agree.
    if (command_.ackSeen != options_.printerAcks) {
        // A Hasar repeats an unacknowledged reply instead of answering; an Epson ignores the byte.
        if (command_.ackSeen) acknowledge();
        exchange(options_.syncCommand, options_.syncFields);
    }
    if (command_.ackSeen != options_.printerAcks)
        failAndClose(link_error::otherProtocol(transport_.label(), options_.brand, command_.ackSeen));
}
