#include "short_link_limits.h"

LinkOptions short_link_limits::applied(LinkOptions options) {
    options.replyTimeoutMs = kReplyTimeoutMs;
    options.commandLimitMs = kCommandLimitMs;
    options.maxSends = kMaxSends;
    return options;
}
