#pragma once

#include "epson_printer.h"
#include "hasar_printer.h"

// Drivers for a brand whose protocol driver is not built in: every call fails with a clear
// error, so the window and its error path still behave.
class UnavailableHasar : public HasarPrinter {
public:
    void ComPort(int) override { fail(); }
    void Model(int) override { fail(); }
    void BeginSession() override { fail(); }
    void Finalizar() override { fail(); }
    void SendCommand(const QByteArray&) override { fail(); }
    void SetCustomerData(const QString&, const QString&, int, int, const std::optional<QString>&) override { fail(); }
    void OpenFiscalReceipt(int) override { fail(); }
    void ImprimirItem(const QString&, double, double, double, double) override { fail(); }
    void PrintPayment(const QString&, double) override { fail(); }
    void CloseFiscalReceipt() override { fail(); }
    void AssociatedDocument(int, const QString&) override { fail(); }
    void OpenHomologatedDocument(int, std::optional<qint16>) override { fail(); }
    void PrintDeliveryItem(const QString&, double) override { fail(); }
    void PrintReceiptText(const QString&) override { fail(); }
    void CloseHomologatedDocument() override { fail(); }
    void OpenNonFiscalDocument() override { fail(); }
    void PrintNonFiscalText(const QString&) override { fail(); }
    void CloseNonFiscalDocument() override { fail(); }
    void PrintXReport() override { fail(); }
    void PrintZReport() override { fail(); }
    void GlobalReportByDate(const QDate&, const QDate&, bool) override { fail(); }
    void GlobalReportByNumber(int, int, bool) override { fail(); }
    void CancelAll() override { fail(); }
    void OpenDrawer() override { fail(); }
    void CutPaper() override { fail(); }
    void LoadLogo(const QString&) override { fail(); }
    void QueryInitData() override { fail(); }
    void QueryDailyStatus() override { fail(); }
    void QueryStatus() override { fail(); }
    void QueryDayActivity() override { fail(); }
    QString Respuesta(int) override { fail(); }

private:
    [[noreturn]] static void fail();
};

class UnavailableEpson : public EpsonPrinter {
public:
    void PortNumber(qint16) override { fail(); }
    void DailyReport(const QString&, const QString&) override { fail(); }
    void GlobalReport(const QString&, const QString&, const QString&, const QString&) override { fail(); }
    void FeedPaper(const QString&, const QString&) override { fail(); }
    void CutPaper() override { fail(); }
    void OpenDrawer(const QString&) override { fail(); }
    void SetDateTime(const QString&, QString&, QString&) override { fail(); }
    bool StatusRequest(const QString&) override { fail(); }
    QString Answer0B() override { fail(); }
    QString Answer0E() override { fail(); }
    QString Answer10() override { fail(); }
    QString Answer11() override { fail(); }
    void OpenNonFiscalDocument() override { fail(); }
    void PrintNonFiscalText(const QString&) override { fail(); }
    void CloseNonFiscalDocument() override { fail(); }
    void OpenTicket() override { fail(); }
    void TicketItem(const QStringList&) override { fail(); }
    void TicketPayment(const QString&, const QString&, const QString&) override { fail(); }
    void CloseTicket() override { fail(); }
    void OpenTicketInvoice(const QStringList&) override { fail(); }
    void TicketInvoiceItem(const QStringList&) override { fail(); }
    void TicketInvoicePayment(const QString&, const QString&, const QString&) override { fail(); }
    void CloseTicketInvoice(const QString&, const QString&, const QString&) override { fail(); }

private:
    [[noreturn]] static void fail();
};
