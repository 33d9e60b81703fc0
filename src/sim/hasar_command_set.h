#pragma once

#include "conditions.h"
#include "fiscal_memory.h"
#include "ledger.h"
#include "link_session.h"
#include "logo_upload.h"
#include "paper_roll.h"
#include "z_range.h"

namespace sim {

// The Hasar first-generation command set over the shared fiscal memory and paper roll.
class HasarCommandSet : public CommandSet {
public:
    HasarCommandSet(FiscalMemory& memory, PaperRoll& paper, int model = 9, Conditions conditions = {})
        : memory_(memory), paper_(paper), model_(model), ticketFamily_(isTicketFamily(model)),
          blocked_(conditions.blocked) {}

    QList<QByteArray> execute(const frame::Frame& request, qint64 nowMs) override;
    std::optional<QList<QByteArray>> bufferFull(const frame::Frame& request) override;
    // Cancels the open document and, as the power returns, restores it under the next number.
    void cutPower(qint64 nowMs) override;

    // Columns of the paper for a model of the window's list: the slip models print wider.
    static int columnsForModel(int model);
    // The ticket printers of the window's list (614, 615, PR4, 950, 951, 262): no Cancel command,
    // and a StatusRequest of three data fields.
    static bool isTicketFamily(int model) { return model >= 1 && model <= 6; }
    // The slip printers (PJ20, P320 and their kin): logo, and an auxiliary state of two digits.
    static bool isSlipFamily(int model) { return model == 7 || model == 8; }
    // Whether the model knows the command: a printer answers any other as unknown.
    static bool knows(int model, quint8 command);

private:
    // What a command produced: refusal bits (nothing else happened) or its data fields.
    struct Answer {
        quint16 refusal = 0;
        QList<QByteArray> data;
    };
    using Fields = QList<QByteArray>;
    using Handler = Answer (HasarCommandSet::*)(const Fields&, qint64);
    static Answer refuse(quint16 bits) { return Answer{bits, {}}; }
    static Handler handlerFor(quint8 command);
    quint16 fiscalStatus() const;
    // A printer whose fiscal memory is not initialised works in training mode: it prints
    // documents and Z reports that are not fiscal, and its numbers do not move.
    bool training() const { return !memory_.initialised; }
    Numbering numbering() const { return training() ? Numbering::Keep : Numbering::UseUp; }
    // Refusal bits for opening a fiscal or homologated document now, or 0.
    quint16 fiscalGate() const;
    // The parser state of the auxiliary status, in the reading of this model's family.
    int parserState() const;
    // How many times TotalTender may pay this document (3.5.9: four on a ticket, six on a
    // ticket-invoice).
    int maxPayments(const OpenDocument& doc) const;

    // Queries.
    Answer statusRequest(const Fields&, qint64);
    Answer initData(const Fields&, qint64);
    Answer historyCapacity(const Fields&, qint64);
    Answer workingMemory(const Fields&, qint64);
    Answer dateTime(const Fields&, qint64);

    // Reports.
    Answer dailyClose(const Fields&, qint64);
    Answer globalByDate(const Fields&, qint64);
    Answer globalByNumber(const Fields&, qint64);
    // Both global reports once their range is read: none when it is malformed.
    Answer globalReport(const Fields&, qint64, const std::optional<ZRange>&);

    // Documents.
    Answer customerData(const Fields&, qint64);
    Answer embarkNumber(const Fields&, qint64);
    Answer openFiscal(const Fields&, qint64);
    Answer fiscalText(const Fields&, qint64);
    Answer lineItem(const Fields&, qint64);
    Answer subtotal(const Fields&, qint64);
    Answer totalTender(const Fields&, qint64);
    Answer closeFiscal(const Fields&, qint64);
    Answer openHomologated(const Fields&, qint64);
    Answer embarkItem(const Fields&, qint64);
    Answer receiptText(const Fields&, qint64);
    Answer closeHomologated(const Fields&, qint64);
    Answer openNonFiscal(const Fields&, qint64);
    Answer nonFiscalText(const Fields&, qint64);
    Answer closeNonFiscal(const Fields&, qint64);
    Answer cancel(const Fields&, qint64);

    // Devices, clock and logo.
    Answer openDrawer(const Fields&, qint64);
    Answer cutPaper(const Fields&, qint64);
    Answer setDateTime(const Fields&, qint64);
    Answer resetLogo(const Fields&, qint64);
    Answer storeLogo(const Fields&, qint64);

    // The owner's lines: fantasy name, header and trailer, and the controller's configuration.
    Answer setHeaderTrailer(const Fields&, qint64);
    Answer getHeaderTrailer(const Fields&, qint64);
    Answer setFantasyName(const Fields&, qint64);
    Answer getFantasyName(const Fields&, qint64);
    Answer configurationData(const Fields&, qint64);
    // Line field 1 of `lines` (1..count) set to text field 2, of up to `columns` characters.
    Answer storeLine(QString* lines, int count, int columns, const Fields& f);
    Answer readLine(const QString* lines, int count, const Fields& f);

    void printHead(qint64 nowMs);

    // Refusal bits when a field holds a byte this printer cannot print, or a number out of its
    // form; 0 when every field is well written.
    static quint16 textRefusal(const frame::Frame& request);
    static quint16 numberRefusal(const frame::Frame& request);

    FiscalMemory& memory_;
    PaperRoll& paper_;
    int model_;
    bool ticketFamily_;
    bool blocked_;
    LogoUpload logoUpload_;
};

}  // namespace sim
