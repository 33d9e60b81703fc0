#include "documents_e2e_fixture.h"

#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>

// A run cut short by the line or the printer, then the next run: it must clear what was left
// open and print its own documents, with no document printed twice or lost from the counters.
namespace {

using End = PrintedDocument::End;

QStringList hasarOptions(const QString& model, const QString& fault) {
    return {QStringLiteral("--model"), model, QStringLiteral("--fault"), fault};
}

using DocumentsRecoveryEndToEnd = DocumentsEndToEnd;

TEST_F(DocumentsRecoveryEndToEnd, HasarGoneSilentMidInvoiceLeavesItOpenAndTheNextRunCancelsItAndNumbersOn) {
    // The fifth item gets no answer to any of its sends: the second invoice stops after one item.
    start(hasarOptions(QStringLiteral("7"), QStringLiteral("silent,cmd=42,after=4,times=3")));
    selectModel(kPj20);
    print(w().btnFacA, QStringLiteral("2"), QStringLiteral("3"));
    expectOneDriverError();
    EXPECT_EQ(w().txtCantItems->text(), QStringLiteral("3"));

    print(w().btnFacA, QStringLiteral("2"), QStringLiteral("3"));
    expectCleanEnd();

    // The cancelled invoice keeps the number it was printed with; every number appears once.
    EXPECT_EQ(outline(printedDocuments(hasarPrinter->paper())),
              "FACTURA A Nro 0001-00000001 fin 3 items\n"
              "FACTURA A Nro 0001-00000002 cancelado 1 items\n"
              "FACTURA A Nro 0001-00000003 fin 3 items\n"
              "FACTURA A Nro 0001-00000004 fin 3 items");

    const QJsonObject state = hasarPrinter->state();
    EXPECT_EQ(last(state, "a"), 4);
    EXPECT_EQ(day(state, "fiscal"), 3);
    EXPECT_EQ(day(state, "cancelled"), 1);
    EXPECT_TRUE(nothingOpen(state));
}

TEST_F(DocumentsRecoveryEndToEnd, HasarInvoicePaidBeforeItsCloseFailedIsClosedOnceMoreNotLostNorDoubled) {
    // Every send of the first close arrives damaged: the invoice is still open with its payment
    // when the port is reopened, so the close goes once more and the run ends normally.
    start(hasarOptions(QStringLiteral("7"), QStringLiteral("nak-request,cmd=45,times=3")));
    selectModel(kPj20);
    print(w().btnFacA, QStringLiteral("1"), QStringLiteral("2"));
    expectCleanEnd();

    print(w().btnFacA, QStringLiteral("1"), QStringLiteral("2"));
    expectCleanEnd();

    const QList<PrintedDocument> docs = printedDocuments(hasarPrinter->paper());
    EXPECT_EQ(outline(docs),
              "FACTURA A Nro 0001-00000001 fin 2 items\n"
              "FACTURA A Nro 0001-00000002 fin 2 items");
    for (const PrintedDocument& d : docs) EXPECT_EQ(d.linesStartingWith(QStringLiteral("PAGO ")).size(), 1) << describe(docs);

    const QJsonObject state = hasarPrinter->state();
    EXPECT_EQ(last(state, "a"), 2);
    EXPECT_EQ(day(state, "fiscal"), 2);
    EXPECT_EQ(day(state, "cancelled"), 0);
}

TEST_F(DocumentsRecoveryEndToEnd, HasarCloseWhoseReplyWasLostIsAnsweredAgainNotRunTwice) {
    start(hasarOptions(QStringLiteral("7"), QStringLiteral("drop-reply,cmd=45,times=1")));
    selectModel(kPj20);
    print(w().btnFacA, QStringLiteral("2"), QStringLiteral("1"));
    expectCleanEnd();

    EXPECT_EQ(outline(printedDocuments(hasarPrinter->paper())),
              "FACTURA A Nro 0001-00000001 fin 1 items\n"
              "FACTURA A Nro 0001-00000002 fin 1 items");
    const QJsonObject state = hasarPrinter->state();
    EXPECT_EQ(last(state, "a"), 2);
    EXPECT_EQ(day(state, "fiscal"), 2);
}

TEST_F(DocumentsRecoveryEndToEnd, HasarSwitchedOffMidCreditNoteCancelsItOnceBackOnAndPrintsTheNextOne) {
    // The printer cuts the line at the second item of the raw credit note.
    start(hasarOptions(QStringLiteral("3"), QStringLiteral("disconnect,cmd=42,after=1")));
    selectModel(kPr4);
    print(w().btnNCA, QStringLiteral("1"), QStringLiteral("3"));
    expectOneDriverError();

    // Back on: a new program on the same fiscal memory, at COM1.
    const std::unique_ptr<VirtualPrinterProcess> switchedOff = std::move(hasarPrinter);
    const QList<PrintedDocument> before = printedDocuments(switchedOff->paper());
    hasarPrinter = std::make_unique<VirtualPrinterProcess>(
        QStringLiteral("hasar"), QStringList{QStringLiteral("--model"), QStringLiteral("3"), QStringLiteral("--state"), switchedOff->stateFile()});
    ASSERT_TRUE(hasarPrinter->started());
    qputenv("ORBELO_COM1", hasarPrinter->device().toLocal8Bit());

    print(w().btnNCA, QStringLiteral("1"), QStringLiteral("3"));
    expectCleanEnd();

    EXPECT_EQ(outline(before), "NOTA DE CREDITO A Nro 0001-00000001 abierto 1 items");
    // Back on, the printer cancels the document and restores it under the next number, as after a
    // power cut; the press cancels the restored one before printing its own.
    EXPECT_EQ(outline(printedDocuments(hasarPrinter->paper())),
              "NOTA DE CREDITO A Nro 0001-00000001 cancelado 0 items\n"
              "NOTA DE CREDITO A Nro 0001-00000002 cancelado 0 items\n"
              "NOTA DE CREDITO A Nro 0001-00000003 fin 3 items");

    hasarPrinter->stop();
    const QJsonObject state = switchedOff->state();  // the second program saved into the same file
    EXPECT_EQ(last(state, "credit_note_a"), 3);
    EXPECT_EQ(day(state, "homologated"), 1);
    EXPECT_EQ(day(state, "cancelled"), 2);
    EXPECT_TRUE(nothingOpen(state));
}

TEST_F(DocumentsRecoveryEndToEnd, HasarReceiptRefusedByThePrinterMidwayIsCancelledByTheNextRun) {
    // The printer takes nine detail lines at most: it refuses the tenth.
    start({QStringLiteral("--model"), QStringLiteral("8")});
    selectModel(kP320);
    print(w().btnRecibo, QStringLiteral("1"), QStringLiteral("10"));
    expectOneDriverError();

    // The prompt stayed open on the receipt: Aceptar alone prints it again.
    w().txtCantItems->setText(QStringLiteral("2"));
    click(w().btnAceptar);
    expectCleanEnd();

    const QList<PrintedDocument> docs = printedDocuments(hasarPrinter->paper());
    ASSERT_EQ(docs.size(), 2) << describe(docs);
    EXPECT_EQ(docs[0].end, End::Cancelled);
    EXPECT_EQ(docs[0].linesStartingWith(QStringLiteral("Detalle Recibo")).size(), 9) << describe(docs);
    EXPECT_EQ(docs[1].end, End::Completed);
    EXPECT_EQ(docs[1].linesStartingWith(QStringLiteral("Detalle Recibo")).size(), 2) << describe(docs);

    const QJsonObject state = hasarPrinter->state();
    EXPECT_EQ(day(state, "homologated"), 1);
    EXPECT_EQ(day(state, "cancelled"), 1);
    EXPECT_TRUE(nothingOpen(state));
}

TEST_F(DocumentsRecoveryEndToEnd, EpsonTicketInvoiceCutShortIsCancelledByTheNextRunWhichPrintsItsOwn) {
    start();
    // Every send of the second item arrives damaged: the first ticket-invoice stays open.
    epsonPrinter = std::make_unique<VirtualPrinterProcess>(
        QStringLiteral("epson"), QStringList{QStringLiteral("--fault"), QStringLiteral("nak-request,cmd=62,after=1,times=3")});
    ASSERT_TRUE(epsonPrinter->started());
    qputenv("ORBELO_COM2", epsonPrinter->device().toLocal8Bit());
    selectEpson();
    print(w().btnFacA, QStringLiteral("2"), QStringLiteral("2"));
    expectOneDriverError();

    print(w().btnFacA, QStringLiteral("2"), QStringLiteral("2"));
    expectCleanEnd();
    print(w().btnFacB, QStringLiteral("1"), QStringLiteral("1"));
    expectCleanEnd();

    EXPECT_EQ(outline(printedDocuments(epsonPrinter->paper())),
              "FACTURA A Nro 0001-00000001 cancelado 1 items\n"
              "FACTURA A Nro 0001-00000002 fin 2 items\n"
              "FACTURA A Nro 0001-00000003 fin 2 items\n"
              "TIQUE Nro 0001-00000001 fin 1 items");

    const QJsonObject state = epsonPrinter->state();
    EXPECT_EQ(last(state, "a"), 3);
    EXPECT_EQ(last(state, "b"), 1);
    EXPECT_EQ(day(state, "fiscal"), 3);
    EXPECT_EQ(day(state, "cancelled"), 1);
    EXPECT_TRUE(nothingOpen(state));
}

}  // namespace
