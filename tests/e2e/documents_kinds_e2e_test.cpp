#include "documents_e2e_fixture.h"
#include "support/named_case.h"

#include <QPushButton>

// Every document button on each Hasar model family: what comes out on the paper roll.
namespace {

struct KindCase {
    const char* name;
    const char* model;  // the virtual printer's model
    const char* entry;  // the window's model entry
    QPushButton* FrmOrbelo::*button;
    const char* documents;
    const char* items;
    const char* printed;  // the outline of the roll
};

class DocumentsKindsEndToEnd : public DocumentsEndToEnd, public ::testing::WithParamInterface<KindCase> {};

TEST_P(DocumentsKindsEndToEnd, PrintsWhatTheModelFamilyMakesOfTheDocument) {
    const KindCase& c = GetParam();
    startHasar(QLatin1String(c.model), QLatin1String(c.entry));
    printCleanly(w().*c.button, QLatin1String(c.documents), QLatin1String(c.items));
    EXPECT_EQ(outline(printedDocuments(hasarPrinter->paper())), c.printed);
}

constexpr const char* k615 = "2 - Hasar 615";
constexpr const char* k715 = "9 - Hasar 715/PR5";
constexpr const char* kPj20 = "7 - Hasar PJ20";
constexpr const char* kP320 = "8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008";

INSTANTIATE_TEST_SUITE_P(
    DocumentsOnHasar, DocumentsKindsEndToEnd,
    ::testing::Values(
        // The general sequence: a one-item ticket before each invoice A with the items.
        KindCase{"TicketAndInvoiceOn615", "2", k615, &FrmOrbelo::btnFacB, "2", "3",
                 "TIQUE Nro 0001-00000001 fin 1 items\n"
                 "FACTURA A Nro 0001-00000001 fin 3 items\n"
                 "TIQUE Nro 0001-00000002 fin 1 items\n"
                 "FACTURA A Nro 0001-00000002 fin 3 items"},
        // Credit note B, delivery note and receipt are invoices A on the general sequence.
        KindCase{"CreditNoteBOn715", "2", k715, &FrmOrbelo::btnNCB, "1", "2", "FACTURA A Nro 0001-00000001 fin 2 items"},
        KindCase{"DeliveryNoteOn615", "2", k615, &FrmOrbelo::btnRemito, "1", "1", "FACTURA A Nro 0001-00000001 fin 1 items"},
        KindCase{"InvoiceBOnPj20", "7", kPj20, &FrmOrbelo::btnFacB, "2", "1",
                 "FACTURA B Nro 0001-00000001 fin 1 items\n"
                 "FACTURA B Nro 0001-00000002 fin 1 items"},
        KindCase{"CreditNoteAOnPj20", "7", kPj20, &FrmOrbelo::btnNCA, "2", "2",
                 "NOTA DE CREDITO A Nro 0001-00000001 fin 2 items\n"
                 "NOTA DE CREDITO A Nro 0001-00000002 fin 2 items"},
        KindCase{"CreditNoteBOnP320", "8", kP320, &FrmOrbelo::btnNCB, "1", "3", "NOTA DE CREDITO B Nro 0001-00000001 fin 3 items"},
        KindCase{"DeliveryNoteOnP320", "8", kP320, &FrmOrbelo::btnRemito, "1", "2", "REMITO Nro 0001-00000001 fin 2 items"}),
    named_case::testName);

// With no items the general sequence closes an invoice of zero total, which a Hasar refuses
// (3.5.10): the window shows the refusal and the invoice stays open for the next press to cancel.
TEST_F(DocumentsEndToEnd, HasarRefusesToCloseAnInvoiceOfZeroTotal) {
    startHasar(QStringLiteral("2"), QLatin1String(k615));
    print(w().btnRemito, QStringLiteral("1"), QStringLiteral("0"));
    EXPECT_EQ(trace.lines(), QStringList{QStringLiteral("Msg(16,\"El sistema detectó el error Nº 8013 ''El impresor "
                                                        "rechazó el comando 0x45: comando no válido en el estado fiscal "
                                                        "actual''\")")});
    EXPECT_EQ(outline(printedDocuments(hasarPrinter->paper())), "FACTURA A Nro 0001-00000001 abierto 0 items");
}

}  // namespace
