#pragma once

#include "drivers/epson_printer.h"
#include "trace.h"

#include <QMap>

#include <QHash>
#include <utility>

// An Epson driver that records each call in the trace. StatusRequest answers as a test set it
// up; a request nobody set up is refused (false) and leaves the answer properties as they were.
class RecordingEpson : public EpsonPrinter {
public:
    struct StatusAnswer {
        QString answer0B, answer0E, answer10, answer11;
    };

    explicit RecordingEpson(Trace& trace) : trace_(trace) {}

    void answer(const QString& letter, StatusAnswer answer) { answers_[letter] = std::move(answer); }
    void refuse(const QString& letter) { answers_.remove(letter); }
    // What a reading of the clock (SetDateTime "G") hands back: YYMMDD and HHMMSS.
    void clockShows(QString date, QString time) { clock_ = {std::move(date), std::move(time)}; }
    // What the next CancelAll reports it found open.
    void leaveOpen(LeftOpen found) { leftOpen_ = std::move(found); }
    // A test raises the printer's holds and conditions on it, as the real driver's link would.
    PrinterEvents& events() override { return events_; }

    void PortNumber(qint16 port) override;
    void DailyReport(const QString& kind, const QString& print) override;
    void GlobalReport(const QString& type, const QString& mode, const QString& first, const QString& last) override;
    void FeedPaper(const QString& station, const QString& lines) override;
    void CutPaper() override;
    void OpenDrawer(const QString& drawer) override;
    void SetDateTime(const QString& action, QString& date, QString& time) override;
    bool StatusRequest(const QString& letter) override;
    QString Answer0B() override;
    QString Answer0E() override;
    QString Answer10() override;
    QString Answer11() override;
    void OpenNonFiscalDocument() override;
    void PrintNonFiscalText(const QString& line) override;
    void CloseNonFiscalDocument() override;
    LeftOpen CancelAll() override;
    void OpenTicket() override;
    void TicketItem(const QStringList& fields) override;
    void TicketPayment(const QString& description, const QString& amount, const QString& qualifier) override;
    void CloseTicket() override;
    void OpenTicketInvoice(const QStringList& fields) override;
    void TicketInvoiceItem(const QStringList& fields) override;
    void TicketInvoicePayment(const QString& description, const QString& amount, const QString& qualifier) override;
    void CloseTicketInvoice(const QString& type, const QString& letter, const QString& text) override;

    void CheckServiceText(ServiceText kind, int line, const QString& text) override;
    void SetServiceText(ServiceText kind, int line, const QString& text) override;
    // The next checks of that line raise this refusal (8015), as a printer that takes less would.
    void refuseServiceLine(int line, QString why) { serviceRefusals_[line] = std::move(why); }

private:
    QMap<int, QString> serviceRefusals_;
    // Records the call and hands back what the held status answer says.
    QString recorded(const QString& call, const QString& value);

    Trace& trace_;
    QHash<QString, StatusAnswer> answers_;
    StatusAnswer held_;
    LeftOpen leftOpen_;
    std::pair<QString, QString> clock_;
    PrinterEvents events_;
};
