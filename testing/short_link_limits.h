#pragma once

#include "drivers/link/link_options.h"

// The link's waits shrunk for runs against the virtual printer program, in the same proportions
// as the program's own, so a silent printer costs about two seconds instead of six.
namespace short_link_limits {

// Above the virtual printer's 500 ms between busy bytes, so a busy printer is never taken for a
// silent one.
inline constexpr int kReplyTimeoutMs = 700;
inline constexpr int kCommandLimitMs = 2500;
inline constexpr int kMaxSends = 3;

// `options` with those limits; everything else (the brand's protocol) kept.
LinkOptions applied(LinkOptions options);

}  // namespace short_link_limits
