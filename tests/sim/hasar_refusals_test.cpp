#include "hasar_refusals.h"

namespace {

TEST_P(HasarRefusals, AreRefusedAndChangeNothing) {
    const RefusalCase& c = GetParam();
    Started h(c.start);
    expectRefusedUnchanged(h, c.command, c.fields, c.bits);
}

}  // namespace
