#pragma once

#include "drivers/hasar_printer.h"
#include "trace.h"

#include <QHash>
#include <QMap>

// A Hasar driver that records each call in the trace and answers queries with the fields a
// test gave it.
class RecordingHasar : public HasarPrinter {
public:
    explicit RecordingHasar(Trace& trace) : trace_(trace) {}

    // The fields Respuesta returns after the named query ("QueryDailyStatus", ...); a field
    // not given reads as an empty text.
    void answer(const QString& query, QMap<int, QString> fields) { answers_[query] = std::move(fields); }
    // What the next CancelAll reports it found open.
    void leaveOpen(LeftOpen found) { leftOpen_ = std::move(found); }
    // A test raises the printer's holds and conditions on it, as the real driver's link would.
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
    void ImprimirItem(const QString& description, double quantity, double unitPrice, double vat, double internalTaxes) override;
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
    QString Respuesta(int field) override;

    void QueryConfiguration() override;
    void QueryServiceText(ServiceText kind, int line) override;
    void CheckServiceText(ServiceText kind, int line, const QString& text) override;
    void SetServiceText(ServiceText kind, int line, const QString& text) override;
    // The next checks of that line raise this refusal (8015), as a printer that takes less would.
    void refuseServiceLine(int line, QString why) { serviceRefusals_[line] = std::move(why); }

private:
    QMap<int, QString> serviceRefusals_;
    void query(const QString& name);

    Trace& trace_;
    QHash<QString, QMap<int, QString>> answers_;
    QMap<int, QString> last_;
    LeftOpen leftOpen_;
    PrinterEvents events_;
};
