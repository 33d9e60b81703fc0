// Documents on the virtual Hasar printer: what is printed, how it is numbered and counted, and
// what the printer refuses.

#include "hasar_harness.h"
#include "hasar_refusals.h"

#include <sim/hasar_status.h>

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

using named_case::PrintTo;

using namespace sim::hasar;

const QList<QByteArray> kItem{"Item de Prueba ", "1.0", "0.01", "0.00", "M", "0.00000000", "0", "T"};
const QList<QByteArray> kCustomerA{"Cliente de Prueba", "99999999995", "I", "C", "Direccion"};
const QList<QByteArray> kCustomerB{"Cliente de Prueba", " ", "C", " ", "Direccion"};

QByteArray raw(char command, const QList<QByteArray>& fields = {}) {
    QByteArray out(1, command);
    for (const QByteArray& f : fields) out += frame::FS + f;
    return out;
}

const Steps ticket = sends({{0x40, {"T", "T"}}, {0x42, kItem}, {0x44, {"", "1.00", "T", "0"}}, {0x45, {}}});

const Steps invoiceA = sends({{0x62, kCustomerA}, {0x40, {"A", "T"}}, {0x42, kItem}, {0x45, {}}});

const Steps invoiceBOnSlip =
    sends({{0x62, kCustomerB}, {0x40, {"B", "S"}}, {0x42, kItem}, {0x44, {"", "1.00", "T", "0"}}, {0x45, {}}});

// Exactly the raw commands the window sends for a credit note A.
void creditNoteAByRawCommands(HasarHarness& h) {
    h.sendRaw(raw(char(0x93), {"1", "A-0001-00000001"}));
    h.sendRaw(raw(char(0x62), {"Cliente de Prueba", "99999999995", "I", "C", "Domicilio"}));
    h.sendRaw(raw(char(0x80), {"R", "T"}));
    h.send(0x42, kItem);
    h.sendRaw(raw(char(0x81)));
}

const Steps creditNoteB = sends({{0x93, {"1", "B-0001-00000001"}},
                                 {0x62, {"Cliente de Prueba", " ", "C", " ", "."}},
                                 {0x80, {"S", "S"}},
                                 {0x42, kItem},
                                 {0x81, {}}});

const Steps deliveryNote =
    sends({{0x62, kCustomerA}, {0x80, {"r", "S"}}, {0x82, {"Remito de Prueba", "1.0", "0"}}, {0x81, {}}});

const Steps receiptX = sends({{0x62, kCustomerA},
                              {0x80, {"x", "S", "1"}},
                              {0x42, {"Importe Pagado", "1.0", "0.01", "0.00", "M", "0.00000000", "0", "T"}},
                              {0x97, {"Detalle Recibo Linea 1"}},
                              {0x81, {}}});

const Steps nonFiscal = sends({{0x48, {}}, {0x49, {"Prueba de Cuchilla", "0"}}, {0x4A, {}}});

struct DocumentCase {
    const char* name;
    Steps print;
    const char* firstTitle;
    const char* secondTitle;
    int statusField;  // QueryStatus field holding its last number; 0 when none does
    const char* mustPrint;
};

class DocumentTest : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(DocumentTest, PrintsNumbersAndCountsOncePerDocument) {
    const DocumentCase& c = GetParam();
    HasarHarness h;
    c.print(h);
    c.print(h);
    const QStringList paper = h.newPaper();
    EXPECT_TRUE(paper.contains(QStringLiteral("== %1 ==").arg(QLatin1String(c.firstTitle)))) << paper.join('\n').toStdString();
    EXPECT_TRUE(paper.contains(QStringLiteral("== FIN %1 ==").arg(QLatin1String(c.secondTitle))))
        << paper.join('\n').toStdString();
    EXPECT_TRUE(paper.contains(QLatin1String(c.mustPrint))) << paper.join('\n').toStdString();
    EXPECT_FALSE(h.memory().open.has_value());

    if (c.statusField) {
        EXPECT_EQ(h.send(0x2A).field(c.statusField), "00000002");
    }
    // The X report counts cancelled, homologated, non-fiscal and fiscal documents apart.
    const auto x = h.send(0x39, {"X"});
    EXPECT_EQ(x.field(4).toInt() + x.field(5).toInt() + x.field(6).toInt() + x.field(7).toInt(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DocumentTest,
    ::testing::Values(
        DocumentCase{"Ticket", ticket, "TIQUE Nro 0001-00000001", "TIQUE Nro 0001-00000002", 3, "VUELTO 0.99"},
        DocumentCase{"InvoiceA", invoiceA, "FACTURA A Nro 0001-00000001", "FACTURA A Nro 0001-00000002", 5,
                     "CUIT 99999999995 RESP I"},
        DocumentCase{"InvoiceBOnSlip", invoiceBOnSlip, "FACTURA B Nro 0001-00000001", "FACTURA B Nro 0001-00000002", 3,
                     "ITEM Item de Prueba  | 1 x 0.01 | IVA 0.00% | 0.01"},
        DocumentCase{"CreditNoteAByRawCommands", creditNoteAByRawCommands, "NOTA DE CREDITO A Nro 0001-00000001",
                     "NOTA DE CREDITO A Nro 0001-00000002", 8, "DOC ASOCIADO 1 A-0001-00000001"},
        DocumentCase{"CreditNoteB", creditNoteB, "NOTA DE CREDITO B Nro 0001-00000001",
                     "NOTA DE CREDITO B Nro 0001-00000002", 7, "DOC ASOCIADO 1 B-0001-00000001"},
        DocumentCase{"DeliveryNote", deliveryNote, "REMITO Nro 0001-00000001", "REMITO Nro 0001-00000002", 9,
                     "ITEM Remito de Prueba | 1"},
        DocumentCase{"ReceiptX", receiptX, "RECIBO X 1", "RECIBO X 1", 0, "Detalle Recibo Linea 1"},
        DocumentCase{"NonFiscal", nonFiscal, "DOCUMENTO NO FISCAL Nro 00000001", "DOCUMENTO NO FISCAL Nro 00000002", 0,
                     "Prueba de Cuchilla"}),
    named_case::testName);

TEST(HasarDocuments, CloseRepliesCarryTheNumberIssued) {
    HasarHarness h;
    ticket(h);
    h.send(0x40, {"T", "T"});
    h.send(0x42, kItem);
    EXPECT_EQ(h.send(0x45).field(3), "00000002");
    deliveryNote(h);
    h.send(0x62, kCustomerA);
    h.send(0x80, {"r", "S"});
    EXPECT_EQ(h.send(0x81).field(3), "00000002");
}

TEST(HasarDocuments, RetriedCloseWithTheSameSeqPrintsAndCountsOnce) {
    HasarHarness h;
    h.send(0x40, {"T", "T"});
    h.send(0x42, kItem);
    const auto first = h.send(0x45);
    const auto again = h.resend(0x45);
    EXPECT_EQ(again.frame, first.frame);
    EXPECT_EQ(h.paper.filter(QStringLiteral("== FIN TIQUE")).size(), 1);
    EXPECT_EQ(h.memory().last.b, 1u);
    EXPECT_EQ(h.memory().day.fiscal, 1);
}

TEST(HasarDocuments, ATicketLeavesTheCustomerForTheInvoiceAThatFollowsIt) {
    // The window's "FB" on the ticket models: one customer, a ticket, then an invoice A.
    HasarHarness h;
    h.send(0x62, kCustomerA);
    ticket(h);
    EXPECT_TRUE(h.send(0x40, {"A", "T"}).accepted());
    h.send(0x42, kItem);
    EXPECT_TRUE(h.send(0x45).accepted());
    EXPECT_EQ(h.paper.filter(QStringLiteral("CLIENTE Cliente de Prueba")).size(), 1);
    // The invoice took it: the next one needs its own.
    EXPECT_FALSE(h.send(0x40, {"A", "T"}).accepted());
}

TEST(HasarDocuments, CancelledTicketUsesItsNumberAndCountsAsCancelled) {
    HasarHarness h;
    h.send(0x40, {"T", "T"});
    h.send(0x42, kItem);
    EXPECT_TRUE(h.send(0x98).accepted());
    EXPECT_TRUE(h.paper.contains(QStringLiteral("== CANCELADO TIQUE Nro 0001-00000001 ==")));
    const auto day = h.send(0x67);
    EXPECT_EQ(day.field(3), "1");
    EXPECT_EQ(day.field(5), "0");
    EXPECT_EQ(h.send(0x2A).field(3), "00000001");
}

TEST(HasarDocuments, CutterTestCutsInsideANonFiscalDocument) {
    HasarHarness h;
    h.send(0x48);
    for (int i = 0; i < 2; ++i) {
        h.send(0x49, {"Prueba de Cuchilla", "0"});
        EXPECT_TRUE(h.send(0x4B).accepted());
    }
    h.send(0x98);
    EXPECT_EQ(h.memory().cuts, 2);
    EXPECT_EQ(h.paper.filter(QStringLiteral("-- CORTE --")).size(), 2);
}

TEST(HasarDocuments, OpenDocumentShowsInTheFiscalStatus) {
    HasarHarness h;
    EXPECT_EQ(h.send(0x2A).field(2), "0600");
    h.send(0x40, {"T", "T"});
    EXPECT_EQ(h.send(0x2A).field(2), "3600");
    h.send(0x98);
    h.send(0x48);
    EXPECT_EQ(h.send(0x2A).field(2), "2600");
}

TEST(HasarDocuments, ANotInitialisedPrinterIssuesInTrainingModeAndItsNumbersStay) {
    sim::FiscalMemory blank;
    blank.initialised = false;
    HasarHarness h(blank, 2);
    EXPECT_EQ(h.send(0x2A).field(4), "8001");
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(h.send(0x40, {"T", "T"}).accepted());
        EXPECT_EQ(h.send(0x2A).field(4), "8003");
        ASSERT_TRUE(h.send(0x42, kItem).accepted());
        EXPECT_EQ(h.send(0x45).field(3), "00000001");
        const QStringList paper = h.newPaper();
        ASSERT_GE(paper.size(), 4);
        EXPECT_EQ(paper[0], QStringLiteral("== TIQUE Nro 0001-00000001 =="));
        EXPECT_EQ(paper.mid(2, 2), QStringList({QStringLiteral("MODO ENTRENAMIENTO"),
                                                QStringLiteral("NO VALIDO COMO COMPROBANTE FISCAL")}));
    }
    EXPECT_EQ(h.send(0x2A).field(3), "00000000");
    EXPECT_EQ(h.memory().day.fiscal, 2);

    // The Z prints, starts a new day and writes nothing to the fiscal memory.
    const auto z = h.send(0x39, {"Z"});
    ASSERT_TRUE(z.accepted());
    EXPECT_EQ(z.field(3), "0001");
    EXPECT_TRUE(h.newPaper().contains(QStringLiteral("SIN REGISTRO EN MEMORIA FISCAL")));
    EXPECT_EQ(h.memory().lastZ, 0);
    EXPECT_TRUE(h.memory().zRecords.isEmpty());
    EXPECT_EQ(h.memory().day, sim::DayTotals{});

    // A non-fiscal document says so already, as it does on any printer.
    h.send(0x48);
    h.send(0x4A);
    EXPECT_FALSE(h.newPaper().contains(QStringLiteral("MODO ENTRENAMIENTO")));
}

void openTicket(HasarHarness& h) {
    h.send(0x40, {"T", "T"});
}
void ticketWithItem(HasarHarness& h) {
    openTicket(h);
    h.send(0x42, kItem);
}
void ticketPaid(HasarHarness& h) {
    ticketWithItem(h);
    h.send(0x44, {"", "1.00", "T", "0"});
}
// The fourth and last payment a ticket takes must cover what is still due.
void ticketPaidFourTimes(HasarHarness& h) {
    openTicket(h);
    h.send(0x42, {"Item", "1.0", "10.00", "0.00", "M", "0.00000000", "0", "T"});
    for (int i = 0; i < 3; ++i) h.send(0x44, {"", "0.01", "T", "0"});
    h.send(0x44, {"", "9.97", "T", "0"});
}
void fourFiscalTexts(HasarHarness& h) {
    openTicket(h);
    for (int i = 0; i < 4; ++i) h.send(0x41, {"Texto", "0"});
}
void customerOnly(HasarHarness& h) {
    h.send(0x62, kCustomerA);
}
void embarkOnly(HasarHarness& h) {
    h.send(0x93, {"1", "A-0001-00000001"});
}
void receiptWithoutText(HasarHarness& h) {
    h.send(0x62, kCustomerA);
    h.send(0x80, {"x", "T", "1"});
}
void ticketNearTheLimit(HasarHarness& h) {
    openTicket(h);
    h.memory().open->total = sim::Amount{sim::Amount::kMax - sim::Amount::kScale};
}
void moduleClosed(HasarHarness& h) {
    h.memory().moduleOpen = false;
}
void memoryFull(HasarHarness& h) {
    h.memory().zCapacity = 1;
    h.send(0x39, {"Z"});
}
void aTicketToday(HasarHarness& h) {
    ticket(h);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, HasarRefusals,
    ::testing::Values(
        RefusalCase{"CustomerWhileDocumentOpen", {openTicket}, 0x62, kCustomerA, kInvalidInState},
        RefusalCase{"EmbarkWhileDocumentOpen", {openTicket}, 0x93, {"1", "A-0001-00000001"}, kInvalidInState},
        RefusalCase{"CreditNoteWithoutEmbarkLine", {customerOnly}, 0x80, {"R", "T"}, kInvalidInState},
        RefusalCase{"CreditNoteWithoutCustomer", {embarkOnly}, 0x80, {"R", "T"}, kInvalidInState},
        RefusalCase{"InvoiceAWithoutCustomer", {nothing}, 0x40, {"A", "T"}, kInvalidInState},
        RefusalCase{"FifthFiscalText", {fourFiscalTexts}, 0x41, {"Texto", "0"}, kInvalidInState},
        RefusalCase{"FifthPayment", {ticketPaidFourTimes}, 0x44, {"", "0.01", "T", "0"}, kInvalidInState},
        RefusalCase{"CancelAfterPayment", {ticketPaid}, 0x98, {}, kInvalidInState},
        RefusalCase{"CancelWithNothingOpen", {nothing}, 0x98, {}, kInvalidInState},
        RefusalCase{"ItemWithNothingOpen", {nothing}, 0x42, kItem, kInvalidInState},
        RefusalCase{"ItemAfterPayment", {ticketPaid}, 0x42, kItem, kInvalidInState},
        RefusalCase{"SecondDocument", {openTicket}, 0x48, {}, kInvalidInState},
        RefusalCase{"CloseHomologatedOnATicket", {ticketWithItem}, 0x81, {}, kInvalidInState},
        RefusalCase{"ReceiptWithoutTextLines", {receiptWithoutText}, 0x81, {}, kInvalidInState},
        RefusalCase{"DeliveryItemOnATicket", {openTicket}, 0x82, {"Remito", "1.0", "0"}, kInvalidInState},
        RefusalCase{"ZWithDocumentOpen", {openTicket}, 0x39, {"Z"}, kInvalidInState},
        RefusalCase{"CutInsideATicket", {openTicket}, 0x4B, {}, kInvalidInState},
        RefusalCase{"DateChangeAfterADocument", {aTicketToday}, 0x58, {"261208", "120000"}, kInvalidInState},
        RefusalCase{"TicketModuleClosed", {moduleClosed}, 0x40, {"T", "T"}, kMemoryFullOrClosed},
        RefusalCase{"ZMemoryFull", {memoryFull}, 0x39, {"Z"}, kMemoryFullOrClosed},
        RefusalCase{"UnknownCommand", {nothing}, 0x77, {}, kUnknownCommand},
        RefusalCase{"QuantityNotANumber", {openTicket}, 0x42, {"Item", "uno", "0.01", "0.00", "M", "0.00000000", "0", "T"}, kInvalidField},
        RefusalCase{"NegativePrice", {openTicket}, 0x42, {"Item", "1.0", "-0.01", "0.00", "M", "0.00000000", "0", "T"}, kInvalidField},
        RefusalCase{"ReturnMoreThanSold", {ticketWithItem}, 0x42, {"Item", "2.0", "0.01", "0.00", "m", "0.00000000", "0", "T"}, kInvalidInState},
        RefusalCase{"TotalOverflows", {ticketNearTheLimit}, 0x42, {"Item", "1.0", "2.00", "0.00", "M", "0.00000000", "0", "T"}, kOverflow},
        RefusalCase{"CuitWithWrongCheckDigit", {nothing}, 0x62, {"Cliente", "99999999994", "I", "C"}, kInvalidField},
        RefusalCase{"CustomerMissingFields", {nothing}, 0x62, {"Cliente", "99999999995"}, kInvalidField},
        RefusalCase{"UnknownFiscalDocument", {nothing}, 0x40, {"Q", "T"}, kInvalidField},
        RefusalCase{"UnknownStation", {nothing}, 0x40, {"T", "X"}, kInvalidField},
        RefusalCase{"ReceiptXWithoutIdentification", {customerOnly}, 0x80, {"x", "T"}, kInvalidField},
        RefusalCase{"ImpossibleDate", {nothing}, 0x58, {"261332", "120000"}, kInvalidField},
        RefusalCase{"GlobalRangeBackwards", {nothing}, 0x3B, {"0012", "0001", "T"}, kInvalidField}),
    named_case::testName);

}  // namespace
