// Refused models and the error path of "Aceptar": what stays as it was and what the next press does.
#include "document_test.h"
#include "support/named_case.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace line;
using Errors = DocumentTest;

TEST_F(Errors, RefusedModelsLeaveThePromptAskingWithItsCount) {
    for (const char* entry : {"1 - Hasar 614", "6 - Hasar 262/272"}) {
        trace.clear();
        selectModel(entry);
        click(w().btnNCA);
        type(w().txtCantItems, "4");
        const QStringList asking = enabledInputs();
        click(w().btnAceptar);
        EXPECT_EQ(calls(), QStringList{kModelRefused}) << entry;
        EXPECT_EQ(enabledInputs(), asking) << entry;
        EXPECT_EQ(w().txtCantItems->text(), "4") << entry;
        EXPECT_TRUE(w().fmeCantItems->isEnabled()) << entry;
        EXPECT_FALSE(w().busy());
        click(w().btnCancelar);
    }
}

// The driver call armed to fail: its name, which of its calls, and the error number it raises.
struct FailingCall {
    const char* name;
    int occurrence;
    int number = 9001;
};

struct FailureCase {
    const char* name;
    const char* entry;
    const char* button;
    FailingCall fails;  // none when its name is empty
    QStringList expected;
};

class ErrorPath : public DocumentTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ErrorPath, UnlocksShowsTheErrorAndLeavesTheFrameOpenWithItsCount) {
    const FailureCase& c = GetParam();
    if (*c.fails.name) trace.failAt(c.fails.name, c.fails.occurrence);
    print(QString::fromUtf8(c.entry), documentButton(c.button), "2", "3");
    EXPECT_EQ(calls(), c.expected);
    EXPECT_TRUE(disabledInputs().isEmpty());
    EXPECT_TRUE(w().fmeCantItems->isEnabled());
    EXPECT_EQ(w().txtCantItems->text(), "3");
    EXPECT_FALSE(w().busy());
}

const QString kDriverFailure = error(9001, "Falla de prueba");

INSTANTIATE_TEST_SUITE_P(
    Failures, ErrorPath,
    ::testing::Values(
        FailureCase{"GeneralSecondItem", "2 - Hasar 615", "btnFacA", {"ImprimirItem", 2},
                    hasarStart(2) + QStringList{kCustomerNoAddress, kOpenInvoiceA, kItem, kItem, kDriverFailure}},
        FailureCase{"GeneralRawOpen", "5 - Hasar 951", "btnNCA", {"SendCommand", 3},
                    hasarStart(5) + QStringList{kCustomerNoAddress, R"(SendCommand("\x93\x1c1\x1cA-0001-00000001"))",
                                                R"(SendCommand("b\x1cCliente de Prueba\x1c99999999995\x1cI\x1cC\x1cDomicilio"))",
                                                R"(SendCommand("\x80\x1cR\x1cT"))", kDriverFailure}},
        FailureCase{"Model8Open", "8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008", "btnNCA",
                    {"OpenHomologatedDocument", 1},
                    hasarStart(8) + QStringList{R"(AssociatedDocument(1,"A-0001-00000001"))", kCustomerA,
                                                "OpenHomologatedDocument(82)", kDriverFailure}},
        FailureCase{"Finalizar", "7 - Hasar PJ20", "btnRemito", {"Finalizar", 1},
                    hasarStart(7) + repeated({kCustomerA, "OpenHomologatedDocument(114)", R"(PrintDeliveryItem("Remito de Prueba",1))",
                                              R"(PrintDeliveryItem("Remito de Prueba",1))", R"(PrintDeliveryItem("Remito de Prueba",1))",
                                              "CloseHomologatedDocument()"},
                                             2) +
                        QStringList{kFinalizar, kDriverFailure}},
        FailureCase{"NonDigitModelCharacter", "X - Hasar", "btnFacA", {"", 0}, {"ComPort(1)", error(13, "Type mismatch")}},
        FailureCase{"EpsonSecondInvoice", "10 - Epson", "btnFacA", {"OpenTicketInvoice", 2},
                    {kEpsonPort, kEpsonCancel, kEpsonOpenInvoice, kEpsonInvoiceItem, kEpsonInvoiceItem, kEpsonInvoiceItem,
                     kEpsonInvoicePayment, kEpsonCloseInvoice, kEpsonOpenInvoice,
                     error(9001, "Falla de prueba. Antes del error esta operación ya emitió TIQUE FACTURA A: si la "
                                 "repite, se emite otra vez.")}},
        FailureCase{"EpsonPort", "10 - Epson", "btnFacB", {"PortNumber", 1}, {kEpsonPort, kDriverFailure}}),
    named_case::testName);

struct PartCase {
    const char* name;
    const char* entry;
    const char* button;
    const char* documents;
    FailingCall fails;
    const char* words;  // after the failure's own description
};

class PartIssued : public DocumentTest, public ::testing::WithParamInterface<PartCase> {};

// A click of several documents that fails part way tells what it had issued, and after a failure
// that settles the document in course, what it did not reach.
TEST_P(PartIssued, TheErrorTellsWhatTheClickIssuedAndWhatItDidNotReach) {
    const PartCase& c = GetParam();
    trace.failAt(c.fails.name, c.fails.occurrence, c.fails.number);
    print(QString::fromUtf8(c.entry), documentButton(c.button), c.documents, "1");
    const QString words = QString::fromUtf8(c.words);
    const QString description = words.isEmpty() ? QStringLiteral("Falla de prueba") : QStringLiteral("Falla de prueba. ") + words;
    EXPECT_EQ(calls().value(calls().size() - 1).toStdString(), error(c.fails.number, description).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Parts, PartIssued,
    ::testing::Values(
        PartCase{"TicketOfAnInvoiceB", "2 - Hasar 615", "btnFacB", "1", {"OpenFiscalReceipt", 2, 8005},
                 "Antes del error esta operación ya emitió TIQUE: si la repite, se emite otra vez."},
        PartCase{"LostReplyMidCount", "5 - Hasar 951", "btnFacB", "2", {"CloseFiscalReceipt", 3, 8018},
                 "Antes del error esta operación ya emitió 2 comprobantes (TIQUE, FACTURA A): si la repite, se emiten "
                 "otra vez. No llegó a emitir lo que seguía: FACTURA A."},
        PartCase{"DoubtOnTheFirst", "3 - Hasar PR4", "btnFacB", "3", {"CloseFiscalReceipt", 1, 8020},
                 "No llegó a emitir lo que seguía: 5 comprobantes (FACTURA A: 3, TIQUE: 2)."},
        PartCase{"NotIssuedNamesNoneAhead", "7 - Hasar PJ20", "btnFacA", "3", {"CloseFiscalReceipt", 3, 8019},
                 "Antes del error esta operación ya emitió 2 comprobantes (TIQUE FACTURA A: 2): si la repite, se "
                 "emiten otra vez."},
        PartCase{"EpsonOpenWithPayment", "10 - Epson", "btnFacA", "2", {"CloseTicketInvoice", 1, 8021},
                 "No llegó a emitir lo que seguía: TIQUE FACTURA A."},
        PartCase{"CountPastAnyBench", "2 - Hasar 615", "btnFacA", "99999999", {"CloseFiscalReceipt", 2, 8018},
                 "Antes del error esta operación ya emitió FACTURA A: si la repite, se emite otra vez. No llegó a emitir "
                 "lo que seguía: 99999997 comprobantes (FACTURA A: 99999997)."},
        PartCase{"CreditNoteAPrintsOnceWhateverTheCount", "5 - Hasar 951", "btnNCA", "3", {"SendCommand", 4, 8018}, ""}),
    named_case::testName);

TEST_F(Errors, AfterAnErrorADocumentButtonKeepsTheCountAndTheNextPrintStartsAfresh) {
    trace.failAt("CloseFiscalReceipt");
    print("7 - Hasar PJ20", w().btnFacA, "1", "2");
    click(w().btnFacB);
    EXPECT_EQ(w().txtCantItems->text(), "2");
    EXPECT_EQ(enabledInputs(), QStringList({"btnAceptar", "btnCancelar", "txtCantItems"}));
    trace.clear();
    click(w().btnAceptar);
    const QStringList expected = hasarStart(7) + QStringList{R"(SetCustomerData("Cliente de Prueba"," ",32,67,"Direccion"))",
                                                             "OpenFiscalReceipt(49)", kTicketItem, kTicketItem,
                                                             R"(PrintPayment("",1))", kCloseReceipt, kFinalizar};
    EXPECT_EQ(calls(), expected);
    EXPECT_EQ(w().txtCantItems->text(), "1");
    EXPECT_FALSE(w().fmeCantItems->isEnabled());
}

}  // namespace
