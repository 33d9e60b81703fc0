#pragma once

#include "fiscal_printer.h"

#include <QString>
#include <QStringList>

// What the window needs of an Epson fiscal printer driver besides what both brands share. There
// is no session: the port is written, then operations are called.
class EpsonPrinter : public FiscalPrinter {
public:
    virtual void PortNumber(qint16 port) = 0;

    virtual void DailyReport(const QString& kind, const QString& print) = 0;
    virtual void GlobalReport(const QString& type, const QString& mode, const QString& first,
                              const QString& last) = 0;
    virtual void FeedPaper(const QString& station, const QString& lines) = 0;
    virtual void OpenDrawer(const QString& drawer) = 0;
    // The date and time are passed by reference: an action other than "S" reads them back.
    virtual void SetDateTime(const QString& action, QString& date, QString& time) = 0;

    // True when the answer properties below hold the answer to this request.
    virtual bool StatusRequest(const QString& letter) = 0;
    virtual QString Answer0B() = 0;
    virtual QString Answer0E() = 0;
    virtual QString Answer10() = 0;
    virtual QString Answer11() = 0;

    virtual void OpenTicket() = 0;
    virtual void TicketItem(const QStringList& fields) = 0;
    virtual void TicketPayment(const QString& description, const QString& amount, const QString& qualifier) = 0;
    virtual void CloseTicket() = 0;

    virtual void OpenTicketInvoice(const QStringList& fields) = 0;
    virtual void TicketInvoiceItem(const QStringList& fields) = 0;
    virtual void TicketInvoicePayment(const QString& description, const QString& amount,
                                      const QString& qualifier) = 0;
    virtual void CloseTicketInvoice(const QString& type, const QString& letter, const QString& text) = 0;
};
