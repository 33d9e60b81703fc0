// How the document and item counts bound the loops, on both brands.
#include "document_test.h"
#include "program/operations.h"
#include "support/named_case.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace line;
using Counts = DocumentTest;

struct CountCase {
    const char* text;
    int times;
    const char* name;
};

const CountCase kCounts[] = {{"3", 3, "Three"},       {"0", 0, "Zero"},          {"", 0, "Empty"},
                             {",5", 0, "NoNumber"},   {"2.7", 2, "PointFraction"}, {"2,7", 2, "CommaEndsNumber"}};

class DocumentCount : public DocumentTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(DocumentCount, PrintsTheWholePartOfTheCountAndAlwaysEndsTheSession) {
    print("2 - Hasar 615", w().btnFacA, QString::fromLatin1(GetParam().text), "1");
    EXPECT_EQ(calls(), hasarStart(2) + repeated({kCustomerNoAddress, kOpenInvoiceA, kItem, kCloseReceipt}, GetParam().times) +
                           QStringList{kFinalizar});
    EXPECT_EQ(w().txtCantItems->text(), "1");
    EXPECT_FALSE(w().fmeCantItems->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Counts, DocumentCount, ::testing::ValuesIn(kCounts), named_case::testName);

class ItemCount : public DocumentTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ItemCount, NumbersTheReceiptDetailLinesUpToTheWholePartOfTheCount) {
    print("7 - Hasar PJ20", w().btnRecibo, "1", QString::fromLatin1(GetParam().text));
    QStringList expected = hasarStart(7);
    expected << kCustomerA << "OpenHomologatedDocument(120,1)" << R"(ImprimirItem("Importe Pagado",1,0.01,0,0))";
    for (int n = 1; n <= GetParam().times; ++n) expected << QStringLiteral(R"(PrintReceiptText("Detalle Recibo Linea %1"))").arg(n);
    expected << "CloseHomologatedDocument()" << kFinalizar;
    EXPECT_EQ(calls(), expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, ItemCount, ::testing::ValuesIn(kCounts), named_case::testName);

struct NoItemsCase {
    const char* name;
    const char* entry;
    const char* button;
    QStringList body;
};

class NoItems : public DocumentTest, public ::testing::WithParamInterface<NoItemsCase> {};

TEST_P(NoItems, OpensAndClosesEachDocumentWithItsFixedLinesOnly) {
    const NoItemsCase& c = GetParam();
    print(QString::fromUtf8(c.entry), documentButton(c.button), "1", "0");
    EXPECT_EQ(calls(), c.body);
}

const char* const kModel8 = "8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008";

QStringList onModel8(const QStringList& body) { return hasarStart(8) + body + QStringList{kFinalizar}; }

INSTANTIATE_TEST_SUITE_P(
    Kinds, NoItems,
    ::testing::Values(
        NoItemsCase{"Model8_FA", kModel8, "btnFacA", onModel8({kCustomerA, "OpenFiscalReceipt(48)", R"(PrintPayment("",1))", kCloseReceipt})},
        NoItemsCase{"Model8_FB", kModel8, "btnFacB",
                    onModel8({R"(SetCustomerData("Cliente de Prueba"," ",32,67,"Direccion"))", "OpenFiscalReceipt(49)",
                              R"(PrintPayment("",1))", kCloseReceipt})},
        NoItemsCase{"General_FB", "3 - Hasar PR4", "btnFacB",
                    hasarStart(3) + QStringList{kCustomerNoAddress, kOpenTicket, kTicketItem, kCloseReceipt, kOpenInvoiceA,
                                                kCloseReceipt, kFinalizar}},
        NoItemsCase{"Epson_FA", "10 - Epson", "btnFacA",
                    {kEpsonPort, kEpsonCancel, kEpsonOpenInvoice, kEpsonInvoicePayment, kEpsonCloseInvoice}},
        NoItemsCase{"Epson_FB", "10 - Epson", "btnFacB", {kEpsonPort, kEpsonCancel, "OpenTicket()", kEpsonTicketPayment, "CloseTicket()"}}),
    named_case::testName);

TEST_F(Counts, GeneralCreditNoteAIsPrintedOnceWhateverTheDocumentCount) {
    print("4 - Hasar 950", w().btnNCA, "3", "1");
    QStringList expected = hasarStart(4);
    expected << kCustomerNoAddress << R"(SendCommand("\x93\x1c1\x1cA-0001-00000001"))"
             << R"(SendCommand("b\x1cCliente de Prueba\x1c99999999995\x1cI\x1cC\x1cDomicilio"))" << R"(SendCommand("\x80\x1cR\x1cT"))"
             << kItem << R"(SendCommand("\x81"))" << kFinalizar;
    EXPECT_EQ(calls(), expected);
}

TEST_F(Counts, GeneralInvoiceBPrintsAOneItemTicketThenAnInvoiceAWithTheItemsPerDocument) {
    print("9 - Hasar 715/PR5", w().btnFacB, "2", "3");
    const QStringList oneDocument = {kCustomerNoAddress, kOpenTicket, kTicketItem, kCloseReceipt, kOpenInvoiceA,
                                     kItem,              kItem,       kItem,       kCloseReceipt};
    EXPECT_EQ(calls(), hasarStart(2) + oneDocument + oneDocument + QStringList{kFinalizar});
}

TEST_F(Counts, EpsonCancelsOnceThenPrintsEachTicketInvoice) {
    print("10 - Epson", w().btnFacA, "2", "3");
    const QStringList invoice = {kEpsonOpenInvoice, kEpsonInvoiceItem, kEpsonInvoiceItem, kEpsonInvoiceItem, kEpsonInvoicePayment,
                                 kEpsonCloseInvoice};
    EXPECT_EQ(calls(), QStringList({kEpsonPort, kEpsonCancel}) + invoice + invoice);
    trace.clear();
    print("10 - Epson", w().btnFacA, "0", "3");
    EXPECT_EQ(calls(), QStringList({kEpsonPort, kEpsonCancel}));
}

TEST_F(Counts, EpsonPrintsOneTicketWhateverTheDocumentCount) {
    print("10 - Epson", w().btnFacB, "5", "2");
    EXPECT_EQ(calls(), QStringList({kEpsonPort, kEpsonCancel, "OpenTicket()", kEpsonTicketItem, kEpsonTicketItem,
                                    kEpsonTicketPayment, "CloseTicket()"}));
}

// Changes both counts while the first document closes, to see when each is read.
class CountChangingHasar : public RecordingHasar {
public:
    using RecordingHasar::RecordingHasar;
    FrmOrbelo* window = nullptr;
    void CloseFiscalReceipt() override {
        RecordingHasar::CloseFiscalReceipt();
        window->txtCant->setText("1");
        window->txtCantItems->setText("1");
    }
};

TEST_F(Counts, DocumentCountIsReadOnceAndItemCountBeforeEachDocument) {
    CountChangingHasar changing(trace);
    FrmOrbelo window(changing, epson, prompts, clock);
    wireOperations(window);
    changing.window = &window;
    window.show();
    window.cboListaImp->setCurrentIndex(1);
    window.txtCant->setText("2");
    click(window.btnFacA);
    window.txtCantItems->setText("3");
    click(window.btnAceptar);
    const QStringList expected = hasarStart(2) + QStringList{kCustomerNoAddress, kOpenInvoiceA, kItem, kItem, kItem, kCloseReceipt,
                                                             kCustomerNoAddress, kOpenInvoiceA, kItem, kCloseReceipt, kFinalizar};
    EXPECT_EQ(calls(), expected);
}

}  // namespace
