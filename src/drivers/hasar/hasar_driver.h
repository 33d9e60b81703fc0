#pragma once

#include "drivers/hasar_printer.h"
#include "drivers/link/link.h"
#include "drivers/link/transport.h"
#include "drivers/printer_conditions.h"
#include "hasar_status.h"
#include "hasar_reconcile.h"
#include "hasar_requests.h"

#include <memory>

// Our own Hasar fiscal printer driver: each operation becomes one or a few protocol commands
// on the shared link. The port opens at BeginSession and closes at Finalizar.
class HasarDriver : public HasarPrinter {
public:
    // On the serial port, with the Hasar link settings; the resolvers name each COM number's
    // device and speed (9600 when none).
    explicit HasarDriver(PortResolver resolver, SpeedResolver speeds = {});
    // On any transport, for tests and the virtual printer.
    HasarDriver(std::unique_ptr<Transport> transport, LinkOptions options);
    ~HasarDriver() override;

    // Ends the current wait and every later one with a DriverError; nothing more is sent.
    void abort();
    // Fed by the link's holds and the conditions its replies report.
    PrinterEvents& events() override { return events_; }

    void ComPort(int port) override;
    void Model(int model) override;
    void BeginSession() override;
    void Finalizar() override;
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
    void QueryStatus() override;
    void QueryDayActivity() override;
    void QueryConfiguration() override;
    void QueryServiceText(ServiceText kind, int line) override;
    void CheckServiceText(ServiceText kind, int line, const QString& text) override;
    void SetServiceText(ServiceText kind, int line, const QString& text) override;
    QString Respuesta(int field) override;

private:
    // Sends a command and fails with the printer's refusal when its status words report one.
    void command(const HasarRequest& request);
    // Sends a query and keeps its answer as it came, a refusal included.
    void query(quint8 code, const QList<QByteArray>& fields = {});
    // The field a line of the shop's texts goes in, checked as this model takes it.
    QByteArray serviceField(ServiceText kind, int line, const QString& text) const;
    // The one way a command reaches the printer: a full print buffer waited out, and a command the
    // model lacks named unless its reply is asked for.
    frame::Frame send(quint8 code, const QList<QByteArray>& fields, HasarReconciler::IfUnknown ifUnknown);
    // A partly paid fiscal document cannot be cancelled: reads what was paid and pays it back
    // with a negative payment, which leaves the document cancellable.
    void undoPayments();
    // Closes the document a cancel could not undo; the number the close reports it issued.
    std::optional<quint32> issued(quint8 close);

    std::unique_ptr<Transport> transport_;
    Link link_;
    HasarReconciler reconciler_{link_, [this](quint8 code, const QList<QByteArray>& fields,
                                              HasarReconciler::IfUnknown ifUnknown) { return send(code, fields, ifUnknown); }};
    PrinterConditions conditions_{link_, hasarConditions};
    PrinterEvents events_{link_, conditions_};
    int comPort_ = 0;
    int model_ = 0;
    // The last query's answer from the printer status on: field 1 is answer_[0].
    QList<QByteArray> answer_;
};
