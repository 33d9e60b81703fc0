#include "hasar_command_set.h"

#include "hasar_fields.h"
#include "hasar_status.h"
#include "hasar_text.h"
#include "ledger.h"
#include "printout.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace sim {

using namespace hasar;

namespace {

constexpr quint8 kLastCommandSeq = 0x7D;

QByteArray hex4(quint16 word) {
    return QByteArray::number(word, 16).toUpper().rightJustified(4, '0');
}

QByteArray n8(quint32 n) {
    return printout::number8(n).toLatin1();
}

QByteArray count(int n) {
    return QByteArray::number(n);
}

QByteArray money(Amount a) {
    return a.money().toLatin1();
}

// Where the commands carry numbers, and in which form: each field by its position, 1 being the
// first after the command.
struct NumberFields {
    quint8 command;
    std::initializer_list<std::pair<int, NumberForm>> fields;
};
using F = NumberForm;
const NumberFields kNumberFields[] = {
    {0x41, {{2, F::Display}}},
    {0x42, {{2, F::Quantity}, {3, F::Amount}, {4, F::TaxRate}, {6, F::TaxCoefficient}, {7, F::Display}}},
    {0x43, {{3, F::Display}}},
    {0x44, {{2, F::Payment}, {4, F::Display}}},
    {0x49, {{2, F::Display}}},
    {0x82, {{2, F::DeliveryQuantity}, {3, F::Display}}},
};

// The 615 family's manual (615, PR4, 930F and 951; entries 2, 3 and 5, with the 614 and 950
// before them) lists neither the non-fiscal homologated documents, the logo, the associated
// document, the receipt text, the read of the fantasy name nor Cancel.
constexpr quint8 kMissingFrom615Family[] = {0x80, 0x81, 0x82, 0x90, 0x91, 0x92, 0x93, 0x97, 0x98};
constexpr quint8 kCancel = 0x98;
constexpr quint8 kInitData = 0x73;
constexpr quint8 kDailyClose = 0x39;
constexpr quint8 kStoreLogo = 0x90;
constexpr quint8 kResetLogo = 0x91;

// Commands that only read: they leave a Z "immediately before" the date change (3.9.1 does not
// say; the window asks the status and the day's counts before it sets the clock).
constexpr quint8 kQueries[] = {0x2A, 0x59, 0x67, 0x37, 0x73, 0x5E, 0x92, 0x66};

bool isQuery(quint8 command) {
    return std::find(std::begin(kQueries), std::end(kQueries), command) != std::end(kQueries);
}

// Document status of the status reply: the open document's code (00 when none) and, in the
// fourth character, 1 when the last document ended cancelled.
QByteArray documentStatus(const FiscalMemory& memory) {
    QByteArray code = "00";
    if (const auto& open = memory.open) {
        switch (open->kind) {
        case DocumentKind::InvoiceA: code = "01"; break;
        case DocumentKind::InvoiceB: code = "02"; break;
        case DocumentKind::DebitNoteA: code = "04"; break;
        case DocumentKind::DebitNoteB: code = "05"; break;
        case DocumentKind::Ticket: code = "0A"; break;
        case DocumentKind::NonFiscal: code = "20"; break;
        case DocumentKind::CreditNoteA: code = "40"; break;
        case DocumentKind::CreditNoteB: code = "41"; break;
        default: code = "30"; break;
        }
    }
    return code + (memory.lastCancelled ? "01" : "00");
}

}  // namespace

bool HasarCommandSet::knows(int model, quint8 command) {
    // Only the slip printers store a logo.
    if ((command == kStoreLogo || command == kResetLogo) && !isSlipFamily(model)) return false;
    // The 614 and the 950 keep no initialisation data to show.
    if (command == kInitData && (model == 1 || model == 4)) return false;
    if (model >= 1 && model <= 5)
        return std::find(std::begin(kMissingFrom615Family), std::end(kMissingFrom615Family), command) ==
               std::end(kMissingFrom615Family);
    // The 262/272 has no Cancel either.
    return !(isTicketFamily(model) && command == kCancel);
}

int HasarCommandSet::columnsForModel(int model) {
    return model == 7 || model == 8 ? 120 : 40;
}

HasarCommandSet::Handler HasarCommandSet::handlerFor(quint8 command) {
    switch (command) {
    case 0x2A: return &HasarCommandSet::statusRequest;
    case 0x73: return &HasarCommandSet::initData;
    case 0x37: return &HasarCommandSet::historyCapacity;
    case 0x67: return &HasarCommandSet::workingMemory;
    case 0x59: return &HasarCommandSet::dateTime;
    case 0x39: return &HasarCommandSet::dailyClose;
    case 0x3A: return &HasarCommandSet::globalByDate;
    case 0x3B: return &HasarCommandSet::globalByNumber;
    case 0x62: return &HasarCommandSet::customerData;
    case 0x93: return &HasarCommandSet::embarkNumber;
    case 0x40: return &HasarCommandSet::openFiscal;
    case 0x41: return &HasarCommandSet::fiscalText;
    case 0x42: return &HasarCommandSet::lineItem;
    case 0x43: return &HasarCommandSet::subtotal;
    case 0x44: return &HasarCommandSet::totalTender;
    case 0x45: return &HasarCommandSet::closeFiscal;
    case 0x80: return &HasarCommandSet::openHomologated;
    case 0x82: return &HasarCommandSet::embarkItem;
    case 0x97: return &HasarCommandSet::receiptText;
    case 0x81: return &HasarCommandSet::closeHomologated;
    case 0x48: return &HasarCommandSet::openNonFiscal;
    case 0x49: return &HasarCommandSet::nonFiscalText;
    case 0x4A: return &HasarCommandSet::closeNonFiscal;
    case 0x98: return &HasarCommandSet::cancel;
    case 0x7B: return &HasarCommandSet::openDrawer;
    case 0x4B: return &HasarCommandSet::cutPaper;
    case 0x58: return &HasarCommandSet::setDateTime;
    case 0x5D: return &HasarCommandSet::setHeaderTrailer;
    case 0x5E: return &HasarCommandSet::getHeaderTrailer;
    case 0x5F: return &HasarCommandSet::setFantasyName;
    case 0x92: return &HasarCommandSet::getFantasyName;
    case 0x66: return &HasarCommandSet::configurationData;
    case 0x91: return &HasarCommandSet::resetLogo;
    case 0x90: return &HasarCommandSet::storeLogo;
    default: return nullptr;
    }
}

QList<QByteArray> HasarCommandSet::execute(const frame::Frame& request, qint64 nowMs) {
    Handler handler = knows(model_, request.command) ? handlerFor(request.command) : nullptr;
    // 0x7E and 0x7F number the extended protocol's anomaly packets, never a command of the host's.
    if (request.seq > kLastCommandSeq) handler = nullptr;
    const quint16 badField = textRefusal(request) | numberRefusal(request);
    const Answer answer = !handler ? refuse(kUnknownCommand)
                          : badField ? refuse(badField)
                                     : (this->*handler)(request.fields, nowMs);
    // A refused command did nothing, so it leaves "immediately after a Z" as it was.
    if (!answer.refusal && !isQuery(request.command))
        memory_.rightAfterZ = request.command == kDailyClose && request.fields.value(0) == "Z";
    quint16 fiscal = fiscalStatus() | answer.refusal;
    if (fiscal & kSummarised) fiscal |= kErrorSummary;
    QList<QByteArray> reply{hex4(kPrinterIdle), hex4(fiscal)};
    if (!answer.refusal) reply += answer.data;
    return reply;
}

std::optional<QList<QByteArray>> HasarCommandSet::bufferFull(const frame::Frame&) {
    quint16 fiscal = fiscalStatus();
    if (fiscal & kSummarised) fiscal |= kErrorSummary;
    return QList<QByteArray>{hex4(kPrinterBufferFull), hex4(fiscal)};
}

quint16 HasarCommandSet::textRefusal(const frame::Frame& request) {
    // Only these commands take the double-width byte, at the very start of their text: the first
    // field of the texts, the second after the line number of the stored lines.
    struct Styled {
        quint8 command;
        qsizetype field;  // 0 = the first after the command
    };
    constexpr Styled kStyled[] = {{0x41, 0}, {0x49, 0}, {0x5D, 1}, {0x5F, 1}};
    const auto styled = std::find_if(std::begin(kStyled), std::end(kStyled),
                                     [&](const Styled& s) { return s.command == request.command; });
    for (qsizetype f = 0; f < request.fields.size(); ++f) {
        const QByteArray& field = request.fields[f];
        for (qsizetype i = 0; i < field.size(); ++i) {
            const int byte = static_cast<quint8>(field[i]);
            if (byte == kDoubleWidth && styled != std::end(kStyled) && f == styled->field && i == 0) continue;
            if (!printable(byte)) return kInvalidField;
        }
    }
    return 0;
}

quint16 HasarCommandSet::numberRefusal(const frame::Frame& request) {
    for (const NumberFields& numbers : kNumberFields) {
        if (numbers.command != request.command) continue;
        for (const auto& [position, form] : numbers.fields) {
            // An empty field may be left out; whether the command needs it is its own business.
            if (position > request.fields.size()) continue;
            const QByteArray& field = request.fields[position - 1];
            if (!field.isEmpty() && !inForm(form, field)) return kInvalidField;
        }
    }
    return 0;
}

quint16 HasarCommandSet::fiscalStatus() const {
    quint16 bits = memory_.initialised ? (kCertified | kFiscalised) : 0;
    if (memory_.zCapacity - memory_.lastZ <= kAlmostFullRecords) bits |= kMemoryAlmostFull;
    if (blocked_) bits |= kMemoryFullOrClosed;
    if (memory_.open) {
        bits |= kDocumentOpen;
        const DocumentKindInfo& kind = info(memory_.open->kind);
        if (kind.documentClass == DocumentClass::Fiscal || kind.series == Series::CreditNoteA ||
            kind.series == Series::CreditNoteB)
            bits |= kFiscalDocumentOpen;
    }
    return bits;
}

quint16 HasarCommandSet::fiscalGate() const {
    if (memory_.open) return kInvalidInState;
    if (!memory_.moduleOpen || memoryFull(memory_) || blocked_) return kMemoryFullOrClosed | kInvalidInState;
    return 0;
}

int HasarCommandSet::parserState() const {
    using namespace state;
    if (blocked_) return kBlocked;
    if (!memory_.open) return memory_.initialised ? kIdle : kNotInitialised;
    const OpenDocument& doc = *memory_.open;
    const DocumentKindInfo& kind = info(doc.kind);
    if (kind.documentClass == DocumentClass::NonFiscal) return kNonFiscalOpen;
    if (isSlipFamily(model_) && kind.documentClass == DocumentClass::Homologated) {
        if (kind.series == Series::CreditNoteA || kind.series == Series::CreditNoteB)
            return doc.payments > 0 ? kCreditNotePaid : kCreditNoteOpen;
        return kHomologatedOpen;
    }
    if (doc.payments > 0) return doc.paid >= doc.total ? kPaidInFull : kPaidInPart;
    return kFiscalOpen;
}

int HasarCommandSet::maxPayments(const OpenDocument& doc) const {
    // The ticket-invoices: any document but the ticket on the slip printers and the 715/PR5.
    const bool ticketInvoice = doc.kind != DocumentKind::Ticket && (isSlipFamily(model_) || model_ == 9);
    return ticketInvoice ? 6 : 4;
}

void HasarCommandSet::printHead(qint64 nowMs) {
    printout::documentHead(paper_, memory_, printerTime(memory_, nowMs));
    // A non-fiscal document says so already.
    if (training() && info(memory_.open->kind).documentClass != DocumentClass::NonFiscal) printout::trainingMode(paper_);
}

HasarCommandSet::Answer HasarCommandSet::statusRequest(const Fields&, qint64) {
    const LastNumbers& last = memory_.last;
    // The parser state in the low digits; the first digit flags training mode with 8.
    const QByteArray auxiliary = hex4(static_cast<quint16>((training() ? kTrainingFlag : 0) | parserState()));
    if (ticketFamily_) return Answer{0, {n8(last.b), auxiliary, n8(last.a)}};
    return Answer{0, {n8(last.b), auxiliary, n8(last.a), documentStatus(memory_), n8(last.creditNoteB),
                      n8(last.creditNoteA), n8(last.deliveryNote)}};
}

HasarCommandSet::Answer HasarCommandSet::initData(const Fields&, qint64) {
    if (!memory_.initialised) return {};
    const FiscalIdentity& id = memory_.identity;
    QList<QByteArray> data{id.cuit.toLatin1(), encodeText(id.businessName), encodeText(id.registration),
                           dateField(id.initialisedOn), printout::number4(id.pointOfSale).toLatin1(),
                           dateField(id.activitiesSince), encodeText(id.grossIncome), id.ivaResponsibility.toLatin1()};
    // The ticket models give the gross-income number before the start of activities.
    if (ticketFamily_) data.swapItemsAt(5, 6);
    return Answer{0, data};
}

HasarCommandSet::Answer HasarCommandSet::historyCapacity(const Fields&, qint64) {
    if (!memory_.moduleOpen) return {};
    return Answer{0, {printout::number4(memory_.zCapacity).toLatin1(), printout::number4(memory_.lastZ).toLatin1()}};
}

HasarCommandSet::Answer HasarCommandSet::workingMemory(const Fields&, qint64) {
    const DayTotals& d = memory_.day;
    const LastNumbers& last = memory_.last;
    // Field 4 counts the non-fiscal documents only (3.4.6); the homologated ones are not in it.
    return Answer{0,
                  {count(d.cancelled), count(d.nonFiscal), count(d.fiscal), n8(last.b), n8(last.a),
                   money(d.sold), money(d.tax), "0.00", "0.00", "0.00", n8(last.creditNoteB), n8(last.creditNoteA),
                   money(d.credited), money(d.creditedTax), "0.00", "0.00", "0.00", n8(last.deliveryNote)}};
}

HasarCommandSet::Answer HasarCommandSet::dateTime(const Fields&, qint64 nowMs) {
    const QDateTime now = printerTime(memory_, nowMs);
    return Answer{0, {dateField(now.date()), now.time().toString(QStringLiteral("HHmmss")).toLatin1()}};
}

}  // namespace sim
