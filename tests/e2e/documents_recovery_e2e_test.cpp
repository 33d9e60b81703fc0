#include "documents_e2e_fixture.h"
#include "support/named_case.h"

#include <QLineEdit>
#include <QPushButton>

#include <ostream>
#include <string>

// A run cut short by the line or the printer, then the next run: it must clear what was left
// open and print its own documents, with no document printed twice or lost from the counters.
namespace {

using End = PrintedDocument::End;

using DocumentsRecoveryEndToEnd = DocumentsEndToEnd;

TEST_F(DocumentsRecoveryEndToEnd, HasarGoneSilentMidInvoiceLeavesItOpenAndTheNextRunCancelsItAndNumbersOn) {
    // The fifth item gets no answer to any of its sends: the second invoice stops after one item.
    startHasar(QStringLiteral("7"), kPj20, {QStringLiteral("--fault"), QStringLiteral("silent,cmd=42,after=4,times=3")});
    print(w().btnFacA, QStringLiteral("2"), QStringLiteral("3"));
    expectOneDriverError();
    EXPECT_EQ(w().txtCantItems->text(), QStringLiteral("3"));

    // The next run names the invoice it cancels, with the number it was printed with.
    printCancellingLeftOpen(w().btnFacA, QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("FACTURA A Nº 0001-00000002"));

    // The cancelled invoice keeps the number it was printed with; every number appears once.
    EXPECT_EQ(outline(printedDocuments(hasarPrinter->paper())),
              "FACTURA A Nro 0001-00000001 fin 3 items\n"
              "FACTURA A Nro 0001-00000002 cancelado 1 items\n"
              "FACTURA A Nro 0001-00000003 fin 3 items\n"
              "FACTURA A Nro 0001-00000004 fin 3 items");

    expectMemory(hasarPrinter->state(), {{"a", 4}}, {{"fiscal", 3}, {"cancelled", 1}});
}

TEST_F(DocumentsRecoveryEndToEnd, HasarInvoicePaidBeforeItsCloseFailedIsClosedOnceMoreNotLostNorDoubled) {
    // Every send of the first close arrives damaged: the invoice is still open with its payment
    // when the port is reopened, so the close goes once more and the run ends normally.
    startHasar(QStringLiteral("7"), kPj20, {QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=45,times=3")});
    printCleanly(w().btnFacA, QStringLiteral("1"), QStringLiteral("2"));

    printCleanly(w().btnFacA, QStringLiteral("1"), QStringLiteral("2"));

    const QList<PrintedDocument> docs = printedDocuments(hasarPrinter->paper());
    EXPECT_EQ(outline(docs),
              "FACTURA A Nro 0001-00000001 fin 2 items\n"
              "FACTURA A Nro 0001-00000002 fin 2 items");
    for (const PrintedDocument& d : docs) EXPECT_EQ(d.linesStartingWith(QStringLiteral("PAGO ")).size(), 1) << describe(docs);

    expectMemory(hasarPrinter->state(), {{"a", 2}}, {{"fiscal", 2}, {"cancelled", 0}});
}

TEST_F(DocumentsRecoveryEndToEnd, HasarCloseWhoseReplyWasLostIsAnsweredAgainNotRunTwice) {
    startHasar(QStringLiteral("7"), kPj20, {QStringLiteral("--fault"), QStringLiteral("drop-reply,cmd=45,times=1")});
    printCleanly(w().btnFacA, QStringLiteral("2"), QStringLiteral("1"));

    EXPECT_EQ(outline(printedDocuments(hasarPrinter->paper())),
              "FACTURA A Nro 0001-00000001 fin 1 items\n"
              "FACTURA A Nro 0001-00000002 fin 1 items");
    expectMemory(hasarPrinter->state(), {{"a", 2}}, {{"fiscal", 2}});
}

TEST_F(DocumentsRecoveryEndToEnd, HasarSwitchedOffMidCreditNoteCancelsItOnceBackOnAndPrintsTheNextOne) {
    // The printer cuts the line at the second item of the raw credit note.
    startHasar(QStringLiteral("9"), k715, {QStringLiteral("--fault"), QStringLiteral("disconnect,cmd=42,after=1")});
    print(w().btnNCA, QStringLiteral("1"), QStringLiteral("3"));
    expectOneDriverError();

    // Back on: the program started again on the same fiscal memory and roll, at COM1, without the fault.
    const QStringList before = hasarPrinter->paper();
    ASSERT_TRUE(hasarPrinter->start());

    printCancellingLeftOpen(w().btnNCA, QStringLiteral("1"), QStringLiteral("3"),
                            QStringLiteral("NOTA DE CRÉDITO A Nº 0001-00000002"));

    EXPECT_EQ(outline(printedDocuments(before)), "NOTA DE CREDITO A Nro 0001-00000001 abierto 1 items");
    // Back on, the printer cancels the document and restores it under the next number, as after a
    // power cut; the press cancels the restored one before printing its own.
    EXPECT_EQ(outline(printedDocuments(hasarPrinter->paper().mid(before.size()))),
              "NOTA DE CREDITO A Nro 0001-00000001 cancelado 0 items\n"
              "NOTA DE CREDITO A Nro 0001-00000002 cancelado 0 items\n"
              "NOTA DE CREDITO A Nro 0001-00000003 fin 3 items");

    expectMemory(hasarPrinter->state(), {{"credit_note_a", 3}}, {{"homologated", 1}, {"cancelled", 2}});
}

TEST_F(DocumentsRecoveryEndToEnd, HasarReceiptRefusedByThePrinterMidwayIsCancelledByTheNextRun) {
    // The printer takes nine detail lines at most: it refuses the tenth.
    startHasar(QStringLiteral("8"), kP320);
    print(w().btnRecibo, QStringLiteral("1"), QStringLiteral("10"));
    expectOneDriverError();

    // The prompt stayed open on the receipt: Aceptar alone prints it again.
    w().txtCantItems->setText(QStringLiteral("2"));
    click(w().btnAceptar);
    // The printer does not say which kind of homologated document it had open.
    EXPECT_EQ(trace.lines(), QStringList{toldCancelledLeftOpen(QStringLiteral("el documento no fiscal homologado"))});
    trace.clear();
    expectCleanEnd();

    const QList<PrintedDocument> docs = printedDocuments(hasarPrinter->paper());
    ASSERT_EQ(docs.size(), 2) << describe(docs);
    EXPECT_EQ(docs[0].end, End::Cancelled);
    EXPECT_EQ(docs[0].linesStartingWith(QStringLiteral("Detalle Recibo")).size(), 9) << describe(docs);
    EXPECT_EQ(docs[1].end, End::Completed);
    EXPECT_EQ(docs[1].linesStartingWith(QStringLiteral("Detalle Recibo")).size(), 2) << describe(docs);

    expectMemory(hasarPrinter->state(), {}, {{"homologated", 1}, {"cancelled", 1}});
}

TEST_F(DocumentsRecoveryEndToEnd, EpsonTicketInvoiceCutShortIsCancelledByTheNextRunWhichPrintsItsOwn) {
    // Every send of the second item arrives damaged: the first ticket-invoice stays open.
    start({}, {QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=62,after=1,times=3")});
    selectEpson();
    print(w().btnFacA, QStringLiteral("2"), QStringLiteral("2"));
    expectOneDriverError();

    printCancellingLeftOpen(w().btnFacA, QStringLiteral("2"), QStringLiteral("2"),
                            QStringLiteral("TIQUE FACTURA A Nº 0001-00000001"));
    printCleanly(w().btnFacB, QStringLiteral("1"), QStringLiteral("1"));

    EXPECT_EQ(outline(printedDocuments(epsonPrinter->paper())),
              "FACTURA A Nro 0001-00000001 cancelado 1 items\n"
              "FACTURA A Nro 0001-00000002 fin 2 items\n"
              "FACTURA A Nro 0001-00000003 fin 2 items\n"
              "TIQUE Nro 0001-00000001 fin 1 items");

    expectMemory(epsonPrinter->state(), {{"a", 3}, {"b", 1}}, {{"fiscal", 3}, {"cancelled", 1}});
}

// Another operation pressed after an invoice was cut short: the report prints, and only then is the
// technician told which invoice it cancelled first; the roll shows that invoice cancelled.
struct NextPressCase {
    const char* name;
    bool epson;
    QStringList fault;  // leaves the first invoice open after one item
    const char* told;
};

void PrintTo(const NextPressCase& c, std::ostream* os) { *os << c.name; }

class LeftOpenThenReport : public DocumentsEndToEnd, public ::testing::WithParamInterface<NextPressCase> {};

TEST_P(LeftOpenThenReport, TheReportPrintsThenTheCancelledInvoiceIsNamed) {
    const NextPressCase& c = GetParam();
    if (c.epson) {
        start({}, c.fault);
        selectEpson();
    } else {
        startHasar(QStringLiteral("8"), kP320, c.fault);
    }
    print(w().btnFacA, QStringLiteral("1"), QStringLiteral("2"));
    expectOneDriverError();

    w().txtCant->setText(QStringLiteral("1"));
    click(w().btnX);
    EXPECT_EQ(trace.lines(), QStringList{toldCancelledLeftOpen(QString::fromUtf8(c.told))});

    EXPECT_EQ(outline(printedDocuments((c.epson ? epsonPrinter : hasarPrinter)->paper())),
              "FACTURA A Nro 0001-00000001 cancelado 1 items\n"
              "INFORME X Nro 0001 fin 0 items");
}

INSTANTIATE_TEST_SUITE_P(
    Brands, LeftOpenThenReport,
    ::testing::Values(NextPressCase{"Hasar", false, {QStringLiteral("--fault"), QStringLiteral("silent,cmd=42,after=1,times=3")},
                                    "FACTURA A Nº 0001-00000001"},
                      NextPressCase{"Epson", true, {QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=62,after=1,times=3")},
                                    "TIQUE FACTURA A Nº 0001-00000001"}),
    named_case::testName);

}  // namespace
