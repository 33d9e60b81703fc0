#pragma once

#include <ostream>
#include <string>

namespace named_case {

// Failures name the table row, not its bytes. Brought in beside a case table with
// `using named_case::PrintTo;`, it prints any case that has a name.
template <typename Case>
    requires requires(std::ostream& os, const Case& c) { os << c.name; }
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// The test name of each row of an INSTANTIATE_TEST_SUITE_P table: the row's own name.
inline constexpr auto testName = [](const auto& info) { return std::string(info.param.name); };

}  // namespace named_case
