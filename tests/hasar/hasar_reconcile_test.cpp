#include "drivers/error_numbers.h"
#include "drivers/hasar/hasar_protocol.h"
#include "hasar/hasar_fixture.h"
#include "support/named_case.h"

#include <ostream>
#include <string>

namespace {

using Fault = ScriptedPrinter::Fault;

// A printer whose counters advance as documents close: the last B/C, A, credit notes B/C and A,
// and Z, in the fields StatusRequest, HistoryCapacity and GetInitData put them.
struct Counters {
    quint32 b = 7, a = 12, creditB = 5, creditA = 3, z = 41;
    char opened = 0;
    bool cancels = false;          // the close ends in a cancel that uses up the number
    QByteArray documentStatus = "0000";

    QList<QByteArray> answer(const frame::Frame& f) {
        const auto n = [](quint32 v) { return QByteArray::number(v).rightJustified(8, '0'); };
        switch (f.command) {
        case 0x2A: return {"0080", "0600", n(b), "0002", n(a), documentStatus, n(creditB), n(creditA)};
        case 0x37: return {"0080", "0600", "1825", QByteArray::number(z)};
        case 0x73: return {"0080", "0600", "30712345671", "ORBELO", "OVH1", "240102", "0003"};
        case 0x40:
        case 0x80: opened = f.fields.value(0).isEmpty() ? 0 : f.fields[0][0]; break;
        case 0x45:
            ++(opened == 'A' ? a : b);
            if (cancels) documentStatus = "0001";
            break;
        case 0x81:
            if (opened == 'R') ++creditA;
            if (opened == 'S') ++creditB;
            break;
        case 0x39: ++z; break;
        default: break;
        }
        return {"0080", "0600"};
    }
};

struct Case {
    const char* name;
    std::function<void(HasarPrinter&)> open;
    std::function<void(HasarPrinter&)> close;
    int number;
    const char* text;
    int readsBeforeClose = 0;  // queries the close itself is preceded by (a report has no opening)
    bool cancels = false;
};

const Case kCases[] = {
    {"InvoiceA", [](HasarPrinter& p) { p.OpenFiscalReceipt(65); }, [](HasarPrinter& p) { p.CloseFiscalReceipt(); },
     error_number::kIssuedReplyLost, "Se emitió FACTURA A Nº 0003-00000013, pero su respuesta se perdió"},
    {"Ticket", [](HasarPrinter& p) { p.OpenFiscalReceipt(84); }, [](HasarPrinter& p) { p.CloseFiscalReceipt(); },
     error_number::kIssuedReplyLost, "Se emitió TIQUE Nº 0003-00000008,"},
    {"CreditNoteA", [](HasarPrinter& p) { p.OpenHomologatedDocument(82); },
     [](HasarPrinter& p) { p.CloseHomologatedDocument(); }, error_number::kIssuedReplyLost,
     "Se emitió NOTA DE CRÉDITO A Nº 0003-00000004,"},
    {"CreditNoteB", [](HasarPrinter& p) { p.OpenHomologatedDocument(83); },
     [](HasarPrinter& p) { p.CloseHomologatedDocument(); }, error_number::kIssuedReplyLost,
     "Se emitió NOTA DE CRÉDITO B/C Nº 0003-00000006,"},
    {"Z", [](HasarPrinter&) {}, [](HasarPrinter& p) { p.PrintZReport(); }, error_number::kIssuedReplyLost,
     "Se emitió el CIERRE Z Nº 42,", 2},
    // The number moved, but the printer marks its last document cancelled.
    {"InvoiceACancelled", [](HasarPrinter& p) { p.OpenFiscalReceipt(65); }, [](HasarPrinter& p) { p.CloseFiscalReceipt(); },
     error_number::kCancelledByPrinter, "No se emitió FACTURA A: el impresor lo canceló y usó el Nº 0003-00000013", 0,
     true},
    // A report without a number of its own: printed or not, only the paper can tell.
    {"GlobalReportByNumber", [](HasarPrinter&) {}, [](HasarPrinter& p) { p.GlobalReportByNumber(1, 41, true); },
     error_number::kIssueUnknown, "No se sabe si se emitió el INFORME GLOBAL"},
    {"GlobalReportByDate", [](HasarPrinter&) {},
     [](HasarPrinter& p) { p.GlobalReportByDate(QDate(1997, 1, 1), QDate(2026, 1, 2), true); }, error_number::kIssueUnknown,
     "No se sabe si se emitió el INFORME GLOBAL"},
    {"DeliveryNoteHasNoCounter", [](HasarPrinter& p) { p.OpenHomologatedDocument(114); },
     [](HasarPrinter& p) { p.CloseHomologatedDocument(); }, error_number::kIssueUnknown,
     "No se sabe si se emitió REMITO"},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class HasarLostClose : public HasarTest, public ::testing::WithParamInterface<Case> {};

TEST_P(HasarLostClose, NamesTheDocumentByTheCounterItAdvanced) {
    const Case& c = GetParam();
    auto counters = std::make_shared<Counters>();
    counters->cancels = c.cancels;
    printer->answer = [counters](const frame::Frame& f) { return counters->answer(f); };
    begin(8);
    c.open(*driver);
    // The record was read before the document opened (a report reads it before its close); the
    // close is executed and every reply to it is lost.
    for (int i = 0; i < c.readsBeforeClose; ++i) printer->inject(Fault::None);
    for (int i = 0; i < 3; ++i) printer->inject(Fault::DropReply);
    EXPECT_EQ(errorOf([&] { c.close(*driver); }), c.number) << lastError.toStdString();
    EXPECT_TRUE(lastError.contains(QString::fromUtf8(c.text))) << lastError.toStdString();
    EXPECT_FALSE(printer->isOpen());
}

INSTANTIATE_TEST_SUITE_P(Documents, HasarLostClose, ::testing::ValuesIn(kCases), named_case::testName);

TEST_F(HasarLostClose, ACloseThatNeverArrivedIsSentOnceMoreWhileTheDocumentIsOpen) {
    auto counters = std::make_shared<Counters>();
    printer->answer = [counters](const frame::Frame& f) {
        QList<QByteArray> reply = counters->answer(f);
        // The fiscal document stays open until the close is executed.
        if (f.command == 0x2A && counters->opened) reply[1] = "1600";
        if (f.command == 0x45) counters->opened = 0;
        return reply;
    };
    begin(8);
    driver->OpenFiscalReceipt(65);
    for (int i = 0; i < 3; ++i) printer->inject(Fault::Nak);
    EXPECT_EQ(errorOf([&] { driver->CloseFiscalReceipt(); }), 0) << lastError.toStdString();
    EXPECT_EQ(counters->a, 13u);
    int closes = 0;
    for (const frame::Frame& f : printer->executed) closes += f.command == 0x45;
    EXPECT_EQ(closes, 1);
}


// Every document code the printer names, whether the document status of a cancel reads it or a
// lost close is settled from the opening's type: the technician reads one name for it.
class HasarDocumentNames : public HasarTest, public ::testing::WithParamInterface<hasar_document::Code> {};

TEST_P(HasarDocumentNames, TheStatusAndTheOpeningNameTheDocumentAlike) {
    const hasar_document::Code& code = GetParam();
    const QString name = Document::of(code.id).title;
    const bool homologated = code.opening == hasar_command::kOpenHomologated;

    begin(8);
    printer->answer = [&code](const frame::Frame& f) -> QList<QByteArray> {
        if (f.command == 0x2A)
            return {"0080", "3600", "00000011", "0003", "00000020", QByteArray(code.statusKind) + "00", "1", "2"};
        return {"0080", "0600"};
    };
    EXPECT_EQ(driver->CancelAll().document, name);

    auto counters = std::make_shared<Counters>();
    printer->answer = [counters](const frame::Frame& f) { return counters->answer(f); };
    if (homologated) driver->OpenHomologatedDocument(int(code.type), std::nullopt);
    else driver->OpenFiscalReceipt(int(code.type));
    for (int i = 0; i < 3; ++i) printer->inject(Fault::DropReply);
    errorOf([&] { homologated ? driver->CloseHomologatedDocument() : driver->CloseFiscalReceipt(); });
    EXPECT_TRUE(lastError.contains(name)) << lastError.toStdString();
}

std::vector<hasar_document::Code> namedByBoth() {
    std::vector<hasar_document::Code> out;
    for (const hasar_document::Code& c : hasar_document::kCodes)
        if (*c.statusKind && c.type) out.push_back(c);
    return out;
}

INSTANTIATE_TEST_SUITE_P(Codes, HasarDocumentNames, ::testing::ValuesIn(namedByBoth()),
                         [](const auto& info) { return std::string(info.param.statusKind); });

}  // namespace
