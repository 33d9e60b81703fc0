#pragma once

#include "drivers/link/link_request.h"

#include <QString>
#include <QStringList>

// One Epson command with its fields. Texts go in the printer's character set; a character it has
// not is a DriverError naming it.
using EpsonRequest = LinkRequest;

// The command and fields of each operation. Operations whose letters select the command raise
// DriverError for a letter they do not know, before anything is sent.
namespace epson_request {

EpsonRequest dailyReport(const QString& kind, const QString& print);
EpsonRequest globalReport(const QString& type, const QString& mode, const QString& first, const QString& last);
EpsonRequest feedPaper(const QString& station, const QString& lines);
EpsonRequest cutPaper();
EpsonRequest openDrawer(const QString& drawer);
// Sets the clock for the set action, else reads it (the answer holds date and time).
EpsonRequest dateTime(const QString& action, const QString& date, const QString& time);
bool setsClock(const QString& action);
EpsonRequest statusRequest(const QString& letter);

EpsonRequest openNonFiscal();
EpsonRequest nonFiscalText(const QString& line);
EpsonRequest closeNonFiscal();

EpsonRequest openTicket();
EpsonRequest ticketItem(const QStringList& fields);
EpsonRequest ticketPayment(const QString& description, const QString& amount, const QString& qualifier);
EpsonRequest closeTicket();

EpsonRequest openTicketInvoice(const QStringList& fields);
EpsonRequest ticketInvoiceItem(const QStringList& fields);
EpsonRequest ticketInvoicePayment(const QString& description, const QString& amount, const QString& qualifier);
EpsonRequest closeTicketInvoice(const QString& type, const QString& letter, const QString& text);

// True for the payment that cancels the whole open ticket.
bool isCancel(const EpsonRequest& r);

}  // namespace epson_request
