// Documents on the virtual Epson printer, driven by the real driver: what is printed, how it is
// numbered and counted, and what the printer refuses.

#include "epson_printer_fixture.h"
#include "support/named_case.h"

#include <functional>

namespace {

const QString kDel(QChar(0x7F));
const QStringList kInvoiceItem{"Item de Prueba", "1000", "1", "0000", "M", "0", "0", "", "", "", "0"};
const QStringList kTicketItem = kInvoiceItem.mid(0, 7);

QStringList invoiceOpen(const QString& type, const QString& letter, const QString& reference = QString(QChar(0x7F))) {
    return {type, "C", letter, "1", "P", "10", "I", "I", "CLIENTE DE PRUEBA", kDel, "CUIT", "99999999995", "N",
            "Direccion", kDel, kDel, reference, kDel, "C"};
}

using Steps = std::function<void(EpsonPrinter&)>;

// The window's test ticket-invoice A, with two items.
void ticketInvoiceA(EpsonPrinter& p) {
    p.OpenTicketInvoice(invoiceOpen("T", "A"));
    p.TicketInvoiceItem(kInvoiceItem);
    p.TicketInvoiceItem(kInvoiceItem);
    p.TicketInvoicePayment("EFECTIVO", "1", "T");
    p.CloseTicketInvoice("T", "A", "");
}

void ticketInvoiceB(EpsonPrinter& p) {
    QStringList open = invoiceOpen("T", "B");
    open[7] = "F";  // a final consumer
    p.OpenTicketInvoice(open);
    p.TicketInvoiceItem(kInvoiceItem);
    p.CloseTicketInvoice("T", "B", "");
}

// The window's test ticket.
void ticket(EpsonPrinter& p) {
    p.OpenTicket();
    p.TicketItem(kTicketItem);
    p.TicketPayment("EFECTIVO", "1", "T");
    p.CloseTicket();
}

void creditNoteA(EpsonPrinter& p) {
    p.OpenTicketInvoice(invoiceOpen("M", "A", "A-0001-00000001"));
    p.TicketInvoiceItem(kInvoiceItem);
    p.CloseTicketInvoice("M", "A", "");
}

void nonFiscal(EpsonPrinter& p) {
    p.OpenNonFiscalDocument();
    p.PrintNonFiscalText("Nro de Precinto: 123");
    p.CloseNonFiscalDocument();
}

struct DocumentCase {
    const char* name;
    Steps print;
    const char* firstTitle;
    const char* secondTitle;
    const char* mustPrint;
    quint32 sim::LastNumbers::*series;
};

class EpsonDocuments : public VirtualEpsonTest, public ::testing::WithParamInterface<DocumentCase> {};

TEST_P(EpsonDocuments, AreNumberedPrintedAndCountedOnce) {
    const DocumentCase& c = GetParam();
    c.print(driver);
    c.print(driver);
    const QStringList paper = newPaper();
    const QString all = paper.join('\n');
    EXPECT_TRUE(paper.contains(QStringLiteral("== %1 ==").arg(QLatin1String(c.firstTitle)))) << all.toStdString();
    EXPECT_TRUE(paper.contains(QStringLiteral("== FIN %1 ==").arg(QLatin1String(c.secondTitle)))) << all.toStdString();
    EXPECT_TRUE(paper.contains(QLatin1String(c.mustPrint))) << all.toStdString();
    EXPECT_FALSE(memory().open.has_value());
    EXPECT_EQ(memory().last.*c.series, 2u);
    const sim::DayTotals& d = memory().day;
    EXPECT_EQ(d.fiscal + d.homologated + d.nonFiscal, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EpsonDocuments,
    ::testing::Values(
        DocumentCase{"TicketInvoiceA", ticketInvoiceA, "FACTURA A Nro 0001-00000001", "FACTURA A Nro 0001-00000002",
                     "CUIT 99999999995 RESP I", &sim::LastNumbers::a},
        DocumentCase{"TicketInvoiceB", ticketInvoiceB, "FACTURA B Nro 0001-00000001", "FACTURA B Nro 0001-00000002",
                     "ITEM Item de Prueba | 1 x 0.01 | IVA 0.00% | 0.01", &sim::LastNumbers::b},
        DocumentCase{"Ticket", ticket, "TIQUE Nro 0001-00000001", "TIQUE Nro 0001-00000002", "PAGO EFECTIVO | 0.01",
                     &sim::LastNumbers::b},
        DocumentCase{"CreditNoteA", creditNoteA, "NOTA DE CREDITO A Nro 0001-00000001",
                     "NOTA DE CREDITO A Nro 0001-00000002", "DOC ASOCIADO 1 A-0001-00000001",
                     &sim::LastNumbers::creditNoteA},
        DocumentCase{"NonFiscal", nonFiscal, "DOCUMENTO NO FISCAL Nro 00000001", "DOCUMENTO NO FISCAL Nro 00000002",
                     "Nro de Precinto: 123", &sim::LastNumbers::nonFiscal}),
    named_case::testName);

using EpsonDocumentRules = VirtualEpsonTest;

TEST_F(EpsonDocumentRules, TicketsAndTicketInvoicesBShareOneSeries) {
    ticket(driver);
    ticketInvoiceB(driver);
    EXPECT_TRUE(titles().contains(QStringLiteral("== FACTURA B Nro 0001-00000002 ==")));
}

TEST_F(EpsonDocumentRules, LetterAPricesAreNetAndGetTheirIvaAdded) {
    driver.OpenTicketInvoice(invoiceOpen("T", "A"));
    driver.TicketInvoiceItem({"Articulo", "2000", "1000", "2100", "M", "0", "0", "", "", "", "0"});
    driver.CloseTicketInvoice("T", "A", "");
    const QStringList paper = newPaper();
    EXPECT_TRUE(paper.contains(QStringLiteral("ITEM Articulo | 2 x 10 | IVA 21.00% | 24.20"))) << paper.join('\n').toStdString();
    EXPECT_TRUE(paper.contains(QStringLiteral("TOTAL 24.20")));
}

TEST_F(EpsonDocumentRules, TheCancellingPaymentWithNothingOpenIsNoErrorAndPrintsNothing) {
    driver.TicketPayment("", "0", "C");
    EXPECT_TRUE(newPaper().isEmpty());
    EXPECT_EQ(memory().day.cancelled, 0);
}

TEST_F(EpsonDocumentRules, TheCancellingPaymentCancelsAnOpenTicketAndUsesItsNumber) {
    driver.OpenTicket();
    driver.TicketItem(kTicketItem);
    driver.TicketPayment("EFECTIVO", "1", "T");
    driver.TicketPayment("", "0", "C");
    EXPECT_TRUE(newPaper().contains(QStringLiteral("== CANCELADO TIQUE Nro 0001-00000001 ==")));
    EXPECT_EQ(memory().day.cancelled, 1);
    ticket(driver);
    EXPECT_TRUE(titles().contains(QStringLiteral("== TIQUE Nro 0001-00000002 ==")));
}

TEST_F(EpsonDocumentRules, TheTicketCancelAlsoClearsATicketInvoiceLeftOpen) {
    driver.OpenTicketInvoice(invoiceOpen("T", "A"));
    driver.TicketInvoiceItem(kInvoiceItem);
    driver.TicketPayment("", "0", "C");
    EXPECT_FALSE(memory().open.has_value());
    EXPECT_TRUE(newPaper().contains(QStringLiteral("== CANCELADO FACTURA A Nro 0001-00000001 ==")));
    EXPECT_EQ(memory().day.cancelled, 1);
}

TEST_F(EpsonDocumentRules, APaymentOnTheTicketDoesNotReachATicketInvoice) {
    driver.OpenTicketInvoice(invoiceOpen("T", "A"));
    driver.TicketInvoiceItem(kInvoiceItem);
    EXPECT_EQ(errorOf([&] { driver.TicketPayment("EFECTIVO", "1", "T"); }), error_number::kPrinterRefused);
    EXPECT_EQ(memory().open->payments, 0);
}

TEST_F(EpsonDocumentRules, SwitchingOnAgainCancelsADocumentLeftOpen) {
    driver.OpenTicketInvoice(invoiceOpen("T", "A"));
    sim::VirtualPrinter restarted(sim::Brand::Epson, 0, memory());
    EXPECT_FALSE(restarted.memory().open.has_value());
    EXPECT_EQ(restarted.memory().day.cancelled, 1);
    EXPECT_EQ(restarted.paper().take(), QStringList{QStringLiteral("== CANCELADO FACTURA A Nro 0001-00000001 ==")});
}

// One row per rule: what happens first, then the call the printer must refuse.
struct RefusalCase {
    const char* name;
    Steps before;
    Steps refused;
};

class EpsonRefusals : public VirtualEpsonTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(EpsonRefusals, AreDriverErrorsThatChangeNothing) {
    GetParam().before(driver);
    newPaper();
    const sim::FiscalMemory before = memory();
    EXPECT_EQ(errorOf([&] { GetParam().refused(driver); }), error_number::kPrinterRefused);
    EXPECT_TRUE(description.startsWith(QStringLiteral("El impresor rechazó el comando 0x")));
    EXPECT_EQ(memory(), before);
    EXPECT_TRUE(newPaper().isEmpty());
}

const Steps kNothing = [](EpsonPrinter&) {};
const Steps kTicketOpen = [](EpsonPrinter& p) {
    p.OpenTicket();
    p.TicketItem(kTicketItem);
};

INSTANTIATE_TEST_SUITE_P(
    Rules, EpsonRefusals,
    ::testing::Values(
        RefusalCase{"ItemWithoutTicket", kNothing, [](EpsonPrinter& p) { p.TicketItem(kTicketItem); }},
        RefusalCase{"CloseWithoutTicket", kNothing, [](EpsonPrinter& p) { p.CloseTicket(); }},
        RefusalCase{"SecondTicket", kTicketOpen, [](EpsonPrinter& p) { p.OpenTicket(); }},
        RefusalCase{"TicketItemOnATicketInvoice",
                    [](EpsonPrinter& p) { p.OpenTicketInvoice(invoiceOpen("T", "A")); },
                    [](EpsonPrinter& p) { p.TicketItem(kTicketItem); }},
        RefusalCase{"CloseWithAnotherLetter", [](EpsonPrinter& p) { p.OpenTicketInvoice(invoiceOpen("T", "A")); },
                    [](EpsonPrinter& p) { p.CloseTicketInvoice("T", "B", ""); }},
        RefusalCase{"BadCheckDigit", kNothing,
                    [](EpsonPrinter& p) {
                        QStringList open = invoiceOpen("T", "A");
                        open[11] = "99999999990";
                        p.OpenTicketInvoice(open);
                    }},
        RefusalCase{"CreditNoteWithoutReference", kNothing,
                    [](EpsonPrinter& p) { p.OpenTicketInvoice(invoiceOpen("M", "A")); }},
        RefusalCase{"ItemAfterPayment",
                    [](EpsonPrinter& p) {
                        kTicketOpen(p);
                        p.TicketPayment("EFECTIVO", "1", "T");
                    },
                    [](EpsonPrinter& p) { p.TicketItem(kTicketItem); }},
        RefusalCase{"SixthPayment",
                    [](EpsonPrinter& p) {
                        kTicketOpen(p);
                        for (int i = 0; i < 5; ++i) p.TicketPayment("EFECTIVO", "1", "T");
                    },
                    [](EpsonPrinter& p) { p.TicketPayment("EFECTIVO", "1", "T"); }},
        RefusalCase{"QuantityWithLetters", kTicketOpen,
                    [](EpsonPrinter& p) { p.TicketItem({"Item", "1O00", "1", "0000", "M", "0", "0"}); }},
        RefusalCase{"QuantityTooLong", kTicketOpen,
                    [](EpsonPrinter& p) { p.TicketItem({"Item", "123456789", "1", "0000", "M", "0", "0"}); }},
        RefusalCase{"RateOverAHundred", kTicketOpen,
                    [](EpsonPrinter& p) { p.TicketItem({"Item", "1000", "1", "100.5", "M", "0", "0"}); }},
        RefusalCase{"VoidMoreThanSold", kTicketOpen,
                    [](EpsonPrinter& p) { p.TicketItem({"Item", "2000", "1", "0000", "m", "0", "0"}); }},
        RefusalCase{"TextOutsideANonFiscalDocument", kNothing, [](EpsonPrinter& p) { p.PrintNonFiscalText("x"); }},
        RefusalCase{"NonFiscalDuringATicket", kTicketOpen, [](EpsonPrinter& p) { p.OpenNonFiscalDocument(); }},
        RefusalCase{"CutDuringATicket", kTicketOpen, [](EpsonPrinter& p) { p.CutPaper(); }}),
    named_case::testName);

}  // namespace
