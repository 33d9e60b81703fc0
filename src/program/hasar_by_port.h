#pragma once

#include "drivers/hasar_printer.h"
#include "drivers/link/transport.h"

// The one Hasar the window talks to: the first generation's driver on a serial port, the second
// generation's on a COM number assigned a network address. ComPort picks the driver; every other
// call goes to the one it picked.
class HasarByPort : public HasarPrinter {
public:
    HasarByPort(HasarPrinter& serial, HasarPrinter& network, PortResolver devices);

    PrinterEvents& events() override { return events_; }

    void ComPort(int port) override;
    void Model(int model) override { active_->Model(model); }
    void BeginSession() override { active_->BeginSession(); }
    void Finalizar() override { active_->Finalizar(); }
    void SetPrinterSpeed(int fromBaud, int toBaud) override { active_->SetPrinterSpeed(fromBaud, toBaud); }

    void SendCommand(const QByteArray& raw) override { active_->SendCommand(raw); }

    void SetCustomerData(const QString& name, const QString& id, int docType, int responsibility,
                         const std::optional<QString>& address) override {
        active_->SetCustomerData(name, id, docType, responsibility, address);
    }
    void OpenFiscalReceipt(int documentCode) override { active_->OpenFiscalReceipt(documentCode); }
    void ImprimirItem(const QString& description, double quantity, double unitPrice, double vat,
                      double internalTaxes) override {
        active_->ImprimirItem(description, quantity, unitPrice, vat, internalTaxes);
    }
    void PrintPayment(const QString& text, double amount) override { active_->PrintPayment(text, amount); }
    void CloseFiscalReceipt() override { active_->CloseFiscalReceipt(); }

    void AssociatedDocument(int index, const QString& documentNumber) override { active_->AssociatedDocument(index, documentNumber); }
    void OpenHomologatedDocument(int documentCode, std::optional<qint16> copies) override {
        active_->OpenHomologatedDocument(documentCode, copies);
    }
    void PrintDeliveryItem(const QString& description, double quantity) override { active_->PrintDeliveryItem(description, quantity); }
    void PrintReceiptText(const QString& line) override { active_->PrintReceiptText(line); }
    void CloseHomologatedDocument() override { active_->CloseHomologatedDocument(); }

    void OpenNonFiscalDocument() override { active_->OpenNonFiscalDocument(); }
    void PrintNonFiscalText(const QString& line) override { active_->PrintNonFiscalText(line); }
    void CloseNonFiscalDocument() override { active_->CloseNonFiscalDocument(); }

    void PrintXReport() override { active_->PrintXReport(); }
    void PrintZReport() override { active_->PrintZReport(); }
    void GlobalReportByDate(const QDate& first, const QDate& last, bool global) override {
        active_->GlobalReportByDate(first, last, global);
    }
    void GlobalReportByNumber(int firstZ, int lastZ, bool global) override { active_->GlobalReportByNumber(firstZ, lastZ, global); }

    LeftOpen CancelAll() override { return active_->CancelAll(); }
    void OpenDrawer() override { active_->OpenDrawer(); }
    void CutPaper() override { active_->CutPaper(); }
    void LoadLogo(const QString& path) override { active_->LoadLogo(path); }

    void QueryInitData() override { active_->QueryInitData(); }
    void QueryDailyStatus() override { active_->QueryDailyStatus(); }
    bool TellsDailyStatus() override { return active_->TellsDailyStatus(); }
    void QueryStatus() override { active_->QueryStatus(); }
    void QueryDayActivity() override { active_->QueryDayActivity(); }
    void QueryConfiguration() override { active_->QueryConfiguration(); }
    void QueryServiceText(ServiceText kind, int line) override { active_->QueryServiceText(kind, line); }
    void CheckServiceText(ServiceText kind, int line, const QString& text) override { active_->CheckServiceText(kind, line, text); }
    void SetServiceText(ServiceText kind, int line, const QString& text) override { active_->SetServiceText(kind, line, text); }
    QString Respuesta(int field) override { return active_->Respuesta(field); }

private:
    HasarPrinter& serial_;
    HasarPrinter& network_;
    PortResolver devices_;
    HasarPrinter* active_;
    PrinterEvents events_;
};
