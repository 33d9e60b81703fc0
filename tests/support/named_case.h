#pragma once

#include <ostream>

namespace named_case {

// Failures name the table row, not its bytes. Brought in beside a case table with
// `using named_case::PrintTo;`, it prints any case that has a name.
template <typename Case>
    requires requires(std::ostream& os, const Case& c) { os << c.name; }
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

}  // namespace named_case
