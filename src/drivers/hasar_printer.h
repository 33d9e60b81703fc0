#pragma once

#include "fiscal_printer.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

// What the window needs of a Hasar fiscal printer driver besides what both brands share. Every
// call blocks until the printer has answered; results other than Respuesta are not used.
class HasarPrinter : public FiscalPrinter {
public:
    // Configuration and session.
    virtual void ComPort(int port) = 0;
    virtual void Model(int model) = 0;
    virtual void BeginSession() = 0;
    virtual void Finalizar() = 0;
    // Sets the printer found answering at `fromBaud` to `toBaud` (SetComSpeed) and checks that
    // it answers there; the port stays open at `toBaud`.
    virtual void SetPrinterSpeed(int fromBaud, int toBaud) = 0;

    // One raw protocol command: the command byte followed by its fields, each after a 0x1C.
    virtual void SendCommand(const QByteArray& raw) = 0;

    // Fiscal receipts.
    virtual void SetCustomerData(const QString& name, const QString& id, int docType, int responsibility,
                                 const std::optional<QString>& address = std::nullopt) = 0;
    virtual void OpenFiscalReceipt(int documentCode) = 0;
    virtual void ImprimirItem(const QString& description, double quantity, double unitPrice, double vat,
                              double internalTaxes) = 0;
    virtual void PrintPayment(const QString& text, double amount) = 0;
    virtual void CloseFiscalReceipt() = 0;

    // Non-fiscal homologated documents (credit notes, delivery notes, receipts).
    virtual void AssociatedDocument(int index, const QString& documentNumber) = 0;
    virtual void OpenHomologatedDocument(int documentCode, std::optional<qint16> copies = std::nullopt) = 0;
    virtual void PrintDeliveryItem(const QString& description, double quantity) = 0;
    virtual void PrintReceiptText(const QString& line) = 0;
    virtual void CloseHomologatedDocument() = 0;

    // Reports.
    virtual void PrintXReport() = 0;
    virtual void PrintZReport() = 0;
    virtual void GlobalReportByDate(const QDate& first, const QDate& last, bool global) = 0;
    virtual void GlobalReportByNumber(int firstZ, int lastZ, bool global) = 0;

    // Devices.
    virtual void OpenDrawer() = 0;
    virtual void LoadLogo(const QString& path) = 0;

    // Queries: each leaves an answer that Respuesta reads field by field.
    virtual void QueryInitData() = 0;
    virtual void QueryDailyStatus() = 0;
    // False where the printer has no such query (the 2G Hasar): an empty daily status then says
    // nothing of its fiscal module, and its Z history is simply not told.
    virtual bool TellsDailyStatus() { return true; }
    virtual void QueryStatus() = 0;
    virtual void QueryDayActivity() = 0;
    // The configuration (GetConfigurationData): field 3 is the final-consumer limit.
    virtual void QueryConfiguration() = 0;
    // One stored line of the shop's texts: field 3 is its text as the printer keeps it.
    virtual void QueryServiceText(ServiceText kind, int line) = 0;

    virtual QString Respuesta(int field) = 0;
};
