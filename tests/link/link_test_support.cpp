#include "link_test_support.h"

LinkOptions fastLinkOptions(bool printerAcks) {
    LinkOptions o;
    o.printerAcks = printerAcks;
    o.replyTimeoutMs = 100;
    o.maxSends = 3;
    o.firstSeq = 0x20;
    return o;
}
