#pragma once

#include "drivers/link/link_options.h"

#include <ostream>
#include <string>

// One brand's link behaviour, as the link tests run it: each brand's test suite instantiates
// the same fault tests with its own options.
struct LinkBrand {
    std::string name;
    LinkOptions options;
};

inline void PrintTo(const LinkBrand& brand, std::ostream* os) { *os << brand.name; }

// Options with time limits short enough for tests: 100 ms of silence, 3 sends, SEQ from 0x20.
LinkOptions fastLinkOptions(bool printerAcks);
