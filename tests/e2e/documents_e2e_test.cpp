#include "documents_e2e_fixture.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

using End = PrintedDocument::End;

TEST_F(DocumentsEndToEnd, HasarPj20PrintsTwoInvoicesAEachWithItsItemsAndPaymentNumberedInTurn) {
    startHasar(QStringLiteral("7"), kPj20);
    printCleanly(w().btnFacA, QStringLiteral("2"), QStringLiteral("3"));

    const QList<PrintedDocument> docs = printedDocuments(hasarPrinter->paper());
    ASSERT_EQ(docs.size(), 2) << describe(docs);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(docs[i].title, QStringLiteral("FACTURA A Nro 0001-0000000%1").arg(i + 1));
        EXPECT_EQ(docs[i].end, End::Completed);
        EXPECT_TRUE(docs[i].body.contains(QStringLiteral("CLIENTE Cliente de Prueba"))) << describe(docs);
        EXPECT_TRUE(docs[i].body.contains(QStringLiteral("DOMICILIO Direccion"))) << describe(docs);
        const QStringList items = docs[i].linesStartingWith(QStringLiteral("ITEM "));
        ASSERT_EQ(items.size(), 3) << describe(docs);
        for (const QString& item : items) EXPECT_TRUE(item.startsWith(QStringLiteral("ITEM Item de Prueba"))) << item.toStdString();
        EXPECT_EQ(docs[i].linesStartingWith(QStringLiteral("PAGO ")).size(), 1) << describe(docs);
        EXPECT_TRUE(docs[i].body.contains(QStringLiteral("TOTAL 0.03"))) << describe(docs);
    }

    expectMemory(hasarPrinter->state(), {{"a", 2}, {"b", 0}}, {{"fiscal", 2}, {"cancelled", 0}});
}

TEST_F(DocumentsEndToEnd, HasarInvoiceOfOverAHundredCommandsNeverNumbersOneAsAnAnomalyPacket) {
    // The link starts at a random number: 130 commands wrap past 0x7D whatever the start, and
    // the printer runs no frame numbered 0x7E or 0x7F.
    startHasar(QStringLiteral("3"), kPr4);
    printCleanly(w().btnFacA, QStringLiteral("1"), QStringLiteral("130"));

    const QList<PrintedDocument> docs = printedDocuments(hasarPrinter->paper());
    ASSERT_EQ(docs.size(), 1) << describe(docs);
    EXPECT_EQ(docs[0].end, End::Completed);
    EXPECT_EQ(docs[0].linesStartingWith(QStringLiteral("ITEM ")).size(), 130);
    expectMemory(hasarPrinter->state(), {{"a", 1}}, {});
}

TEST_F(DocumentsEndToEnd, Hasar715PrintsOneCreditNoteAFromItsRawCommandsWhateverTheDocumentCount) {
    startHasar(QStringLiteral("9"), k715);
    printCleanly(w().btnNCA, QStringLiteral("3"), QStringLiteral("2"));

    const QList<PrintedDocument> docs = printedDocuments(hasarPrinter->paper());
    ASSERT_EQ(docs.size(), 1) << describe(docs);
    EXPECT_EQ(docs[0].title, QStringLiteral("NOTA DE CREDITO A Nro 0001-00000001"));
    EXPECT_EQ(docs[0].end, End::Completed);
    // The fields of the raw customer and referenced-document commands arrived intact.
    EXPECT_TRUE(docs[0].body.contains(QStringLiteral("DOC ASOCIADO 1 A-0001-00000001"))) << describe(docs);
    EXPECT_TRUE(docs[0].body.contains(QStringLiteral("CLIENTE Cliente de Prueba"))) << describe(docs);
    EXPECT_TRUE(docs[0].body.contains(QStringLiteral("DOMICILIO Domicilio"))) << describe(docs);
    EXPECT_EQ(docs[0].linesStartingWith(QStringLiteral("ITEM Item de Prueba")).size(), 2) << describe(docs);

    expectMemory(hasarPrinter->state(), {{"credit_note_a", 1}, {"a", 0}}, {{"homologated", 1}});
}

TEST_F(DocumentsEndToEnd, HasarPr4HasNoCreditNoteCommandsAndTheWindowSaysSoWithNothingLeftOpen) {
    // The PR4's manual has no associated document nor homologated documents: the printer answers
    // the first raw command of the credit note as unknown.
    startHasar(QStringLiteral("3"), kPr4);
    print(w().btnNCA, QStringLiteral("1"), QStringLiteral("2"));
    ASSERT_EQ(trace.lines().size(), 1);
    EXPECT_TRUE(trace.lines()[0].contains(
        QStringLiteral("Nº 8052 ''El modelo Hasar PR4 no tiene el comando DOCUMENTO ASOCIADO (0x93)''")))
        << trace.lines()[0].toStdString();
    expectOneDriverError();

    EXPECT_TRUE(printedDocuments(hasarPrinter->paper()).isEmpty()) << describe(printedDocuments(hasarPrinter->paper()));
    expectMemory(hasarPrinter->state(), {{"credit_note_a", 0}}, {{"cancelled", 0}});
}

TEST_F(DocumentsEndToEnd, HasarP320PrintsTheReceiptWithOneDetailLinePerItem) {
    startHasar(QStringLiteral("8"), kP320);
    printCleanly(w().btnRecibo, QStringLiteral("1"), QStringLiteral("2"));

    const QList<PrintedDocument> docs = printedDocuments(hasarPrinter->paper());
    ASSERT_EQ(docs.size(), 1) << describe(docs);
    EXPECT_TRUE(docs[0].title.startsWith(QStringLiteral("RECIBO X "))) << docs[0].title.toStdString();
    EXPECT_EQ(docs[0].end, End::Completed);
    EXPECT_EQ(docs[0].linesStartingWith(QStringLiteral("Detalle Recibo")),
              (QStringList{QStringLiteral("Detalle Recibo Linea 1"), QStringLiteral("Detalle Recibo Linea 2")}))
        << describe(docs);
    // The "Importe Pagado" amount is what the receipt totals.
    EXPECT_TRUE(docs[0].body.contains(QStringLiteral("TOTAL 0.01"))) << describe(docs);

    expectMemory(hasarPrinter->state(), {}, {{"homologated", 1}, {"fiscal", 0}});
}

TEST_F(DocumentsEndToEnd, EpsonPrintsTicketInvoicesAThenOneTicketAndEachSeriesAdvancesByItsDocuments) {
    start();
    selectEpson();
    printCleanly(w().btnFacA, QStringLiteral("2"), QStringLiteral("3"));
    // The ticket ignores the document count: one per click.
    printCleanly(w().btnFacB, QStringLiteral("5"), QStringLiteral("2"));

    const QList<PrintedDocument> docs = printedDocuments(epsonPrinter->paper());
    ASSERT_EQ(outline(docs),
              "FACTURA A Nro 0001-00000001 fin 3 items\n"
              "FACTURA A Nro 0001-00000002 fin 3 items\n"
              "TIQUE Nro 0001-00000001 fin 2 items");
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_TRUE(docs[i].body.contains(QStringLiteral("CLIENTE CLIENTE DE PRUEBA"))) << describe(docs);
        EXPECT_EQ(docs[i].linesStartingWith(QStringLiteral("ITEM Item de Prueba")).size(), 3) << describe(docs);
    }
    for (const PrintedDocument& d : docs) EXPECT_EQ(d.linesStartingWith(QStringLiteral("PAGO EFECTIVO")).size(), 1) << describe(docs);

    expectMemory(epsonPrinter->state(), {{"a", 2}, {"b", 1}}, {{"fiscal", 3}, {"cancelled", 0}});
}

}  // namespace
