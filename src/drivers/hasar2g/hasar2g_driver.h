#pragma once

#include "drivers/hasar_printer.h"
#include "drivers/link/transport.h"
#include "drivers/network_address.h"
#include "hasar2g_answer.h"
#include "hasar2g_reconcile.h"
#include "hasar2g_requests.h"
#include "hasar2g_transport.h"

// Our own driver for the second-generation Hasar on the network, behind the same interface as the
// first generation: each operation becomes one or a few JSON commands, one HTTP POST each. The
// session opens at BeginSession (the printer must answer ConsultarEstado) and ends at Finalizar.
class Hasar2gDriver : public HasarPrinter {
public:
    // The user and password stored for a COM number; empty when none.
    using CredentialResolver = std::function<network_address::Credentials(int comPort)>;

    // `addresses` gives each COM number's address ("http://192.168.0.50").
    Hasar2gDriver(PortResolver addresses, CredentialResolver credentials, Hasar2gLimits limits = {});

    // Ends the current wait and every later one with a DriverError; nothing more is sent.
    void abort() { transport_.abort(); }
    PrinterEvents& events() override { return events_; }

    void ComPort(int port) override { comPort_ = port; }
    void Model(int model) override;
    void BeginSession() override;
    void Finalizar() override { session_ = false; }
    void SetPrinterSpeed(int fromBaud, int toBaud) override;

    void SendCommand(const QByteArray& raw) override;

    void SetCustomerData(const QString& name, const QString& id, int docType, int responsibility,
                         const std::optional<QString>& address) override;
    void OpenFiscalReceipt(int documentCode) override;
    void ImprimirItem(const QString& description, double quantity, double unitPrice, double vat,
                      double internalTaxes) override;
    void PrintPayment(const QString& text, double amount) override;
    void CloseFiscalReceipt() override;

    void AssociatedDocument(int index, const QString& documentNumber) override;
    void OpenHomologatedDocument(int documentCode, std::optional<qint16> copies) override;
    void PrintDeliveryItem(const QString& description, double quantity) override;
    void PrintReceiptText(const QString& line) override;
    void CloseHomologatedDocument() override;

    void OpenNonFiscalDocument() override;
    void PrintNonFiscalText(const QString& line) override;
    void CloseNonFiscalDocument() override;

    void PrintXReport() override;
    void PrintZReport() override;
    void GlobalReportByDate(const QDate& first, const QDate& last, bool global) override;
    void GlobalReportByNumber(int firstZ, int lastZ, bool global) override;

    LeftOpen CancelAll() override;
    void OpenDrawer() override;
    void CutPaper() override;
    void LoadLogo(const QString& path) override;

    void QueryInitData() override;
    void QueryDailyStatus() override;
    bool TellsDailyStatus() override { return false; }
    void QueryStatus() override;
    void QueryDayActivity() override;
    void QueryConfiguration() override;
    void QueryServiceText(ServiceText kind, int line) override;
    void CheckServiceText(ServiceText kind, int line, const QString& text) override;
    void SetServiceText(ServiceText kind, int line, const QString& text) override;
    QString Respuesta(int field) override;

private:
    // One command out and its reply back, ControladorOcupado waited out; a refusal is returned.
    hasar2g_answer::Answer exchange(const hasar2g_request::Request& request);
    // As exchange, and a refusal raised with the printer's own description of it.
    hasar2g_answer::Answer command(const hasar2g_request::Request& request);
    hasar2g_answer::Answer readReply(const QByteArray& body, const QString& command, const QString& alsoAccepted = {});
    hasar2g_answer::Answer waitWhileBusy(const QString& command);
    DriverError refusal(const QString& command, const hasar2g_answer::Answer& reply);
    // Waits until the printer answers ConsultarEstado again, within the limit for a re-read.
    void reachAgain();
    void tellConditions(const hasar2g_answer::Answer& reply);
    // The operation the 2G printer has no command for.
    [[noreturn]] void lacks(const QString& what) const;
    // Leaves the answer Respuesta reads: fields 1 and 2 the reply's flags, then `fields` from 3.
    void keepAnswer(const hasar2g_answer::Answer& reply, const QStringList& fields);
    // The last number of a code's series, as ConsultarEstado tells it; empty text when it does not.
    QString lastNumber(int code);

    PortResolver addresses_;
    CredentialResolver credentials_;
    Hasar2gTransport transport_;
    Hasar2gReconciler reconciler_;
    PrinterEvents events_;
    QStringList conditions_;
    int comPort_ = 0;
    bool session_ = false;
    QStringList answer_;
};
