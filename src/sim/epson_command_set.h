#pragma once

#include "conditions.h"
#include "fiscal_memory.h"
#include "link_session.h"
#include "paper_roll.h"
#include "z_range.h"

namespace sim {

// The classic Epson Argentina command set over the shared fiscal memory and paper roll.
class EpsonCommandSet : public CommandSet {
public:
    static constexpr int kColumns = 40;

    // Power-up: a document left open is cancelled, as switching a real printer off and on does.
    EpsonCommandSet(FiscalMemory& memory, PaperRoll& paper, Conditions conditions = {});

    QList<QByteArray> execute(const frame::Frame& request, qint64 nowMs) override;
    // Cancels the open document, as a power cut does.
    void cutPower(qint64 nowMs) override;

private:
    // What a command produced: refusal bits (nothing else happened) or its data fields.
    struct Answer {
        quint16 refusal = 0;
        QList<QByteArray> data;
    };
    using Fields = QList<QByteArray>;
    using Handler = Answer (EpsonCommandSet::*)(const Fields&, qint64);
    static Answer refuse(quint16 bits) { return Answer{bits, {}}; }
    static Handler handlerFor(quint8 command);
    quint16 fiscalStatus() const;
    // Refusal bits for opening a fiscal document now, or 0.
    quint16 fiscalGate() const;
    // The open document when it is a fiscal one of the ticket family (0x4x) or the
    // ticket-invoice family (0x6x); null otherwise.
    OpenDocument* openTicket();
    OpenDocument* openTicketInvoice();

    // Queries.
    Answer statusRequest(const Fields&, qint64);
    Answer getDateTime(const Fields&, qint64);

    // Reports.
    Answer dailyClose(const Fields&, qint64);
    Answer globalByDate(const Fields&, qint64);
    Answer globalByNumber(const Fields&, qint64);
    // Both global reports once their range is read: none when it is malformed.
    Answer globalReport(const Fields&, qint64, const std::optional<ZRange>&);

    // Tickets and ticket-invoices.
    Answer openTicket(const Fields&, qint64);
    Answer ticketItem(const Fields&, qint64);
    Answer ticketPayment(const Fields&, qint64);
    Answer closeTicket(const Fields&, qint64);
    Answer openTicketInvoice(const Fields&, qint64);
    Answer ticketInvoiceItem(const Fields&, qint64);
    Answer ticketInvoicePayment(const Fields&, qint64);
    Answer closeTicketInvoice(const Fields&, qint64);
    // What items and payments do on either family.
    Answer item(OpenDocument* doc, const Fields& f, bool priceIncludesTax);
    Answer payment(OpenDocument* doc, const Fields& f);
    Answer close(OpenDocument* doc);

    // Non-fiscal documents.
    Answer openNonFiscal(const Fields&, qint64);
    Answer nonFiscalText(const Fields&, qint64);
    Answer closeNonFiscal(const Fields&, qint64);

    // Devices and clock.
    Answer openDrawer(const Fields&, qint64);
    Answer cutPaper(const Fields&, qint64);
    Answer feedRoll(const Fields&, qint64);
    Answer feedElsewhere(const Fields&, qint64);
    Answer setDateTime(const Fields&, qint64);

    // The header and trailer lines every document carries.
    Answer setHeaderTrailer(const Fields&, qint64);

    FiscalMemory& memory_;
    PaperRoll& paper_;
    bool batteryLow_;
};

}  // namespace sim
