#include "drivers/error_numbers.h"
#include "drivers/issue_outcome.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using issue_outcome::Document;
using issue_outcome::Reading;

const DriverError kLost(error_number::kNoAnswer, QStringLiteral("El impresor fiscal no responde en COM1"));
const Document kInvoiceA{QStringLiteral("FACTURA A"), true};
const Document kZ{QStringLiteral("el CIERRE Z"), true, false};
const Document kDeliveryNote{QStringLiteral("REMITO"), false};

struct Case {
    const char* name;
    Document document;
    std::optional<quint32> before;
    Reading after;
    int number;
    const char* text;
};

const Case kCases[] = {
    {"CounterAdvancedIsIssuedWithPointOfSale", kInvoiceA, 11, {true, 12, false, QStringLiteral("0001")},
     error_number::kIssuedReplyLost, "Se emitió FACTURA A Nº 0001-00000012, pero su respuesta se perdió"},
    {"CounterAdvancedWithoutPointOfSale", kInvoiceA, 11, {true, 12, false, {}}, error_number::kIssuedReplyLost,
     "Se emitió FACTURA A Nº 00000012,"},
    {"ZNumberIsShownBare", kZ, 4, {true, 5, false, {}}, error_number::kIssuedReplyLost, "Se emitió el CIERRE Z Nº 5,"},
    {"CounterUnchangedIsNotIssued", kInvoiceA, 11, {true, 11, true, {}}, error_number::kNotIssued,
     "No se emitió FACTURA A (El impresor fiscal no responde en COM1)"},
    {"CounterUnchangedAndClosedIsStillNotIssued", kInvoiceA, 11, {true, 11, false, {}}, error_number::kNotIssued,
     "No se emitió FACTURA A"},
    {"UnreachableIsUnknown", kInvoiceA, 11, {false, std::nullopt, false, {}}, error_number::kIssueUnknown,
     "No se sabe si se emitió FACTURA A (El impresor fiscal no responde en COM1): el impresor no volvió a responder. "
     "Verifique el último número con TRAER INFORMACIÓN antes de repetirlo"},
    {"NoCounterBeforeFallsBackToTheOpenDocument", kInvoiceA, std::nullopt, {true, 12, true, {}},
     error_number::kNotIssued, "No se emitió FACTURA A"},
    {"UnnumberedStillOpenIsNotIssued", kDeliveryNote, std::nullopt, {true, std::nullopt, true, {}},
     error_number::kNotIssued, "sigue abierto"},
    {"UnnumberedAndClosedIsUnknown", kDeliveryNote, std::nullopt, {true, std::nullopt, false, {}},
     error_number::kIssueUnknown, "No se sabe si se emitió REMITO"},
};

class IssueOutcomes : public ::testing::TestWithParam<Case> {};

TEST_P(IssueOutcomes, DecideFromTheCountersBeforeAndAfter) {
    const Case& c = GetParam();
    const DriverError e = issue_outcome::decide(c.document, c.before, c.after, kLost);
    EXPECT_EQ(e.number(), c.number);
    EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.text))) << e.description().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Drivers, IssueOutcomes, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IssueOutcomeDoubt, OnlyFailuresAfterTheCommandLeftLeaveDoubt) {
    for (int n : {error_number::kNoAnswer, error_number::kGarbledLink, error_number::kPortLost,
                  error_number::kPrinterStuck, error_number::kBadReply, error_number::kNotAFiscalPrinter})
        EXPECT_TRUE(issue_outcome::leavesDoubt(DriverError(n, {}))) << n;
    for (int n : {error_number::kPrinterRefused, error_number::kFieldNotSendable, error_number::kPortNotOpen,
                  error_number::kAborted, error_number::kPortMissing})
        EXPECT_FALSE(issue_outcome::leavesDoubt(DriverError(n, {}))) << n;
}

}  // namespace
