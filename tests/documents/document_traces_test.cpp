// Every model entry with every document kind: one document of two items, the whole trace.
#include "document_test.h"

#include <QGroupBox>
#include <QLineEdit>

namespace {

using namespace line;

const QStringList kKinds = {"FA", "FB", "NCA", "NCB", "R", "RB"};
const QHash<QString, QString> kButtonOf = {{"FA", "btnFacA"}, {"FB", "btnFacB"}, {"NCA", "btnNCA"},
                                           {"NCB", "btnNCB"}, {"R", "btnRemito"}, {"RB", "btnRecibo"}};

const QStringList kGeneralInvoiceA = {kCustomerNoAddress, kOpenInvoiceA, kItem, kItem, kCloseReceipt};

const QHash<QString, QStringList> kGeneral = {
    {"FA", kGeneralInvoiceA},
    {"FB", {kCustomerNoAddress, kOpenTicket, kTicketItem, kCloseReceipt, kOpenInvoiceA, kItem, kItem, kCloseReceipt}},
    {"NCA",
     {kCustomerNoAddress, R"(SendCommand("\x93\x1c1\x1cA-0001-00000001"))",
      R"(SendCommand("b\x1cCliente de Prueba\x1c99999999995\x1cI\x1cC\x1cDomicilio"))",
      R"(SendCommand("\x80\x1cR\x1cT"))", kItem, kItem, R"(SendCommand("\x81"))"}},
    {"NCB", kGeneralInvoiceA},
    {"R", kGeneralInvoiceA},
    {"RB", kGeneralInvoiceA},
};

const QHash<QString, QStringList> kModels7And8 = {
    {"FA", {kCustomerA, "OpenFiscalReceipt(48)", kItem, kItem, R"(PrintPayment("",1))", kCloseReceipt}},
    {"FB",
     {R"(SetCustomerData("Cliente de Prueba"," ",32,67,"Direccion"))", "OpenFiscalReceipt(49)", kTicketItem, kTicketItem,
      R"(PrintPayment("",1))", kCloseReceipt}},
    {"NCA",
     {R"(AssociatedDocument(1,"A-0001-00000001"))", kCustomerA, "OpenHomologatedDocument(82)", kItem, kItem,
      "CloseHomologatedDocument()"}},
    {"NCB",
     {R"(AssociatedDocument(1,"B-0001-00000001"))", R"(SetCustomerData("Cliente de Prueba"," ",32,67,"."))",
      "OpenHomologatedDocument(83)", kItem, kItem, "CloseHomologatedDocument()"}},
    {"R",
     {kCustomerA, "OpenHomologatedDocument(114)", R"(PrintDeliveryItem("Remito de Prueba",1))",
      R"(PrintDeliveryItem("Remito de Prueba",1))", "CloseHomologatedDocument()"}},
    {"RB",
     {kCustomerA, "OpenHomologatedDocument(120,1)", R"(ImprimirItem("Importe Pagado",1,0.01,0,0))",
      R"(PrintReceiptText("Detalle Recibo Linea 1"))", R"(PrintReceiptText("Detalle Recibo Linea 2"))",
      "CloseHomologatedDocument()"}},
};

const QHash<QString, QStringList> kEpson = {
    {"FA",
     {kEpsonPort, kEpsonCancel, kEpsonOpenInvoice, kEpsonInvoiceItem, kEpsonInvoiceItem, kEpsonInvoicePayment,
      kEpsonCloseInvoice}},
    {"FB", {kEpsonPort, kEpsonCancel, "OpenTicket()", kEpsonTicketItem, kEpsonTicketItem, kEpsonTicketPayment, "CloseTicket()"}},
    {"NCA", {kEpsonRefused}},
    {"NCB", {kEpsonRefused}},
    {"R", {kEpsonRefused}},
    {"RB", {kEpsonRefused}},
};

enum class Family { Refused, General, Models7And8, Epson };

struct Entry {
    int number;
    const char* text;
    Family family;
    int modelWritten;
};

const Entry kEntries[] = {
    {1, "1 - Hasar 614", Family::Refused, 0},
    {2, "2 - Hasar 615", Family::General, 2},
    {3, "3 - Hasar PR4", Family::General, 3},
    {4, "4 - Hasar 950", Family::General, 4},
    {5, "5 - Hasar 951", Family::General, 5},
    {6, "6 - Hasar 262/272", Family::Refused, 0},
    {7, "7 - Hasar PJ20", Family::Models7And8, 7},
    {8, "8 - Hasar P320/PL-8/PL-9/PL-23/P321/P322/P330/320/P425/2008", Family::Models7And8, 8},
    {9, "9 - Hasar 715/PR5", Family::General, 2},
    {10, "10 - Epson", Family::Epson, 0},
};

struct TraceCase {
    Entry entry;
    QString kind;
    QStringList expected;
};

QStringList expectedTrace(const Entry& entry, const QString& kind) {
    switch (entry.family) {
    case Family::Refused:
        return {kModelRefused};
    case Family::Epson:
        return kEpson[kind];
    case Family::General:
        return hasarStart(entry.modelWritten) + kGeneral[kind] + QStringList{kFinalizar};
    case Family::Models7And8:
        return hasarStart(entry.modelWritten) + kModels7And8[kind] + QStringList{kFinalizar};
    }
    return {};
}

std::vector<TraceCase> allCases() {
    std::vector<TraceCase> cases;
    for (const Entry& entry : kEntries)
        for (const QString& kind : kKinds) cases.push_back({entry, kind, expectedTrace(entry, kind)});
    return cases;
}

class DocumentTraces : public DocumentTest, public ::testing::WithParamInterface<TraceCase> {};

TEST_P(DocumentTraces, OneDocumentOfTwoItems) {
    const TraceCase& c = GetParam();
    print(QString::fromUtf8(c.entry.text), documentButton(kButtonOf[c.kind]), "1", "2");
    EXPECT_EQ(calls(), c.expected);
    const bool refused = c.entry.family == Family::Refused;
    // A refused model leaves the prompt asking with its count; every other end closes it.
    EXPECT_EQ(w().fmeCantItems->isEnabled(), refused);
    EXPECT_EQ(w().txtCantItems->text(), refused ? "2" : "1");
    EXPECT_EQ(disabledInputs().isEmpty(), !refused);
    EXPECT_EQ(w().DocumentKind, c.kind);
}

INSTANTIATE_TEST_SUITE_P(EveryEntryAndKind, DocumentTraces, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<TraceCase>& info) {
                             return "Entry" + std::to_string(info.param.entry.number) + "_" + info.param.kind.toStdString();
                         });

}  // namespace
