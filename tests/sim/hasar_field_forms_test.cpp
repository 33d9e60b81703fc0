// The numeric fields of the Hasar commands in the forms of the maker's manual, read by both
// sides from their own tables: the driver writes a value in the form of its field or refuses it,
// and the virtual printer takes exactly what fits the form and refuses the rest unexecuted.

#include "hasar_harness.h"
#include "support/driver_error_of.h"
#include "support/named_case.h"

#include "drivers/error_numbers.h"
#include "drivers/hasar/hasar_fields.h"

#include <sim/hasar_status.h>

#include <gtest/gtest.h>

#include <optional>

namespace {

using hasar_field::Number;
using namespace sim::hasar;

struct FormCase {
    const char* name;
    Number field;
    std::optional<double> value;  // what the driver is given; none for a text the driver never writes
    QByteArray text;              // what the driver writes, or would write if the form allowed it
    bool fits;
};

void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }

// Where each field goes, among values that fit the others; the document it needs is open.
struct Placement {
    quint8 command;
    QList<QByteArray> fields;
    int position;  // 1 = the first field after the command
};

Placement placementOf(Number field) {
    const QList<QByteArray> item{"Item", "1.0", "10.00", "21.00", "M", "0.00000000", "0", "T"};
    switch (field) {
    case Number::Quantity: return {0x42, item, 2};
    case Number::UnitPrice: return {0x42, item, 3};
    case Number::VatRate: return {0x42, item, 4};
    case Number::InternalTax: return {0x42, item, 6};
    case Number::Payment: return {0x44, {"Efectivo", "1.00", "T", "0"}, 2};
    case Number::DeliveryQuantity: return {0x82, {"Remito", "1.0", "0"}, 2};
    }
    return {};
}

// A 715 (it knows every command) with the document the field belongs to open.
HasarHarness printerReadyFor(Number field) {
    HasarHarness h;
    if (field == Number::DeliveryQuantity) {
        h.send(0x62, {"Cliente", "99999999995", "I", "C", "Domicilio"});
        EXPECT_TRUE(h.send(0x80, {"r", "T"}).accepted());
    } else {
        EXPECT_TRUE(h.send(0x40, {"T", "T"}).accepted());
        if (field == Number::Payment) {
            EXPECT_TRUE(h.send(0x42, {"Item", "1.0", "10.00", "21.00", "M", "0.00000000", "0", "T"}).accepted());
        }
    }
    h.newPaper();
    return h;
}

// How the driver's refusal names each field.
const char* fieldWords(Number field) {
    switch (field) {
    case Number::Quantity: return "la cantidad";
    case Number::UnitPrice: return "el precio unitario";
    case Number::VatRate: return "el porcentaje de IVA";
    case Number::InternalTax: return "el coeficiente de impuestos internos";
    case Number::Payment: return "el monto del pago";
    case Number::DeliveryQuantity: return "la cantidad del ítem de remito";
    }
    return "";
}

class HasarFieldForms : public ::testing::TestWithParam<FormCase> {};

TEST_P(HasarFieldForms, TheDriverWritesTheFormAndThePrinterTakesOnlyThatForm) {
    const FormCase& c = GetParam();
    if (c.value) {
        QByteArray written;
        QString why;
        const int error = driverErrorOf([&] { written = hasar_field::number(c.field, *c.value); }, &why);
        if (c.fits) {
            EXPECT_EQ(error, 0) << why.toStdString();
            EXPECT_EQ(written, c.text);
        } else {
            EXPECT_EQ(error, error_number::kBadArgument);
            EXPECT_TRUE(why.contains(QString::fromUtf8(fieldWords(c.field)) + QLatin1Char(' '))) << why.toStdString();
        }
    }

    HasarHarness h = printerReadyFor(c.field);
    const sim::OpenDocument before = *h.memory().open;
    Placement p = placementOf(c.field);
    p.fields[p.position - 1] = c.text;
    const auto reply = h.send(p.command, p.fields);
    EXPECT_EQ(reply.accepted(), c.fits);
    EXPECT_EQ(reply.refused(kInvalidField), !c.fits);
    // Refused: nothing printed, nothing counted.
    EXPECT_EQ(h.newPaper().isEmpty(), !c.fits);
    if (!c.fits) {
        EXPECT_EQ(*h.memory().open, before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, HasarFieldForms,
    ::testing::Values(
        FormCase{"QuantityOne", Number::Quantity, 1.0, "1.0", true},
        FormCase{"QuantityWeighed", Number::Quantity, 0.125, "0.125", true},
        FormCase{"QuantityOfTenDecimals", Number::Quantity, 1.0000000001, "1.0000000001", true},
        FormCase{"QuantityLargest", Number::Quantity, 999.5, "999.5", true},
        FormCase{"QuantityOfFourWholeDigits", Number::Quantity, 1000.0, "1000.0", false},
        FormCase{"QuantityOfElevenDecimals", Number::Quantity, 1e-11, "0.00000000001", false},
        FormCase{"QuantityWithoutPoint", Number::Quantity, std::nullopt, "1", false},
        FormCase{"QuantitySigned", Number::Quantity, std::nullopt, "+1.0", true},
        FormCase{"PriceOfACent", Number::UnitPrice, 0.01, "0.01", true},
        FormCase{"PriceWhole", Number::UnitPrice, 1210.0, "1210.00", true},
        FormCase{"PriceLargest", Number::UnitPrice, 999999.99, "999999.99", true},
        FormCase{"PriceOfSevenWholeDigits", Number::UnitPrice, 1e6, "1000000.00", false},
        FormCase{"PriceOfThreeDecimals", Number::UnitPrice, 0.001, "0.001", false},
        FormCase{"PriceWithOneDecimal", Number::UnitPrice, std::nullopt, "1.0", false},
        FormCase{"PriceWithoutPoint", Number::UnitPrice, std::nullopt, "1", false},
        FormCase{"PriceWithLeadingZeros", Number::UnitPrice, std::nullopt, "000001.00", true},
        FormCase{"VatNone", Number::VatRate, 0.0, "0.00", true},
        FormCase{"VatGeneral", Number::VatRate, 21.0, "21.00", true},
        FormCase{"VatReduced", Number::VatRate, 10.5, "10.50", true},
        FormCase{"VatOfAHundred", Number::VatRate, 100.0, "100.00", false},
        FormCase{"VatNegative", Number::VatRate, -21.0, "-21.00", false},
        FormCase{"VatWithOneDecimal", Number::VatRate, std::nullopt, "0.0", false},
        FormCase{"VatOfEveryRate", Number::VatRate, std::nullopt, "**.**", true},
        FormCase{"CoefficientNone", Number::InternalTax, 0.0, "0.00000000", true},
        FormCase{"CoefficientOfATwentieth", Number::InternalTax, 0.95238095, "0.95238095", true},
        FormCase{"CoefficientOfOne", Number::InternalTax, 1.0, "1.00000000", false},
        FormCase{"CoefficientOfNineDecimals", Number::InternalTax, 0.123456789, "0.123456789", false},
        FormCase{"CoefficientShort", Number::InternalTax, std::nullopt, "0.0", false},
        FormCase{"CoefficientFixed", Number::InternalTax, std::nullopt, "+0.50000000", true},
        FormCase{"CoefficientNegative", Number::InternalTax, std::nullopt, "-0.50000000", false},
        FormCase{"PaymentOfOne", Number::Payment, 1.0, "1.00", true},
        FormCase{"PaymentOfACent", Number::Payment, 0.01, "0.01", true},
        FormCase{"PaymentLargest", Number::Payment, 999999999.99, "999999999.99", true},
        FormCase{"PaymentOfTenWholeDigits", Number::Payment, 1e9, "1000000000.00", false},
        FormCase{"PaymentWithOneDecimal", Number::Payment, std::nullopt, "1.0", false},
        FormCase{"DeliveryOne", Number::DeliveryQuantity, 1.0, "1.0", true},
        FormCase{"DeliveryOfFourDecimals", Number::DeliveryQuantity, 0.1234, "0.1234", true},
        FormCase{"DeliveryOfFiveDecimals", Number::DeliveryQuantity, 0.12345, "0.12345", false},
        FormCase{"DeliveryOfFourWholeDigits", Number::DeliveryQuantity, 1000.0, "1000.0", false},
        FormCase{"DeliveryNegative", Number::DeliveryQuantity, -1.0, "-1.0", false}),
    named_case::testName);

}  // namespace
