#include "hasar_models_7_8_sequence.h"

#include "app/conversions.h"
#include "app/frm_orbelo.h"
#include "drivers/hasar_printer.h"
#include "hasar_test_values.h"
#include "item_count.h"

#include <functional>

using namespace hasar_test;

namespace {

// Fiscal receipts.
constexpr int kTicketInvoiceA = 48;  // '0'
constexpr int kTicketInvoiceB = 49;  // '1'
// Homologated documents.
constexpr int kCreditNoteA = 82;    // R
constexpr int kCreditNoteB = 83;    // S
constexpr int kDeliveryNote = 114;  // r
constexpr int kReceipt = 120;       // x
constexpr qint16 kReceiptCopies = 1;

// Final consumer: no identity number.
const QString kNoId = QStringLiteral(" ");
constexpr int kNoIdDocument = 32;
constexpr int kFinalConsumer = 67;

const QString kInvoiceReferenceB = QStringLiteral("B-0001-00000001");

void customerA(HasarPrinter& h) {
    h.SetCustomerData(kCustomer, kCustomerCuit, kCuitDocument, kRegisteredResponsible, kAddress);
}

void forEachItem(FrmOrbelo& w, const std::function<void(qint64)>& body) { conv::forEachCount(itemCount(w), body); }

void printItem(HasarPrinter& h, const QString& description) { h.ImprimirItem(description, kQuantity, kUnitPrice, 0.0, 0.0); }

void printFiscalReceipt(FrmOrbelo& w, int documentCode, const QString& itemDescription) {
    HasarPrinter& h = w.hasar();
    h.OpenFiscalReceipt(documentCode);
    forEachItem(w, [&](qint64) { printItem(h, itemDescription); });
    h.PrintPayment(QString(), 1.0);
    h.CloseFiscalReceipt();
}

void printCreditNote(FrmOrbelo& w, int documentCode) {
    HasarPrinter& h = w.hasar();
    h.OpenHomologatedDocument(documentCode);
    forEachItem(w, [&](qint64) { printItem(h, kItemWithBlank); });
    h.CloseHomologatedDocument();
}

}  // namespace

void printModel7And8Document(FrmOrbelo& w, TestDocument kind) {
    HasarPrinter& h = w.hasar();
    switch (kind) {
    case TestDocument::InvoiceA:
        customerA(h);
        printFiscalReceipt(w, kTicketInvoiceA, kItemWithBlank);
        break;
    case TestDocument::InvoiceB:
        h.SetCustomerData(kCustomer, kNoId, kNoIdDocument, kFinalConsumer, kAddress);
        printFiscalReceipt(w, kTicketInvoiceB, kItem);
        break;
    case TestDocument::CreditNoteA:
        h.AssociatedDocument(1, kInvoiceReferenceA);
        customerA(h);
        printCreditNote(w, kCreditNoteA);
        break;
    case TestDocument::CreditNoteB:
        h.AssociatedDocument(1, kInvoiceReferenceB);
        h.SetCustomerData(kCustomer, kNoId, kNoIdDocument, kFinalConsumer, QStringLiteral("."));
        printCreditNote(w, kCreditNoteB);
        break;
    case TestDocument::DeliveryNote:
        customerA(h);
        h.OpenHomologatedDocument(kDeliveryNote);
        forEachItem(w, [&](qint64) { h.PrintDeliveryItem(QStringLiteral("Remito de Prueba"), 1.0); });
        h.CloseHomologatedDocument();
        break;
    case TestDocument::Receipt:
        customerA(h);
        h.OpenHomologatedDocument(kReceipt, kReceiptCopies);
        printItem(h, QStringLiteral("Importe Pagado"));
        forEachItem(w, [&](qint64 line) { h.PrintReceiptText(QStringLiteral("Detalle Recibo Linea %1").arg(line)); });
        h.CloseHomologatedDocument();
        break;
    case TestDocument::Other:
        break;
    }
}

QList<DocumentId> model7And8Documents(TestDocument kind) {
    switch (kind) {
    case TestDocument::InvoiceA: return {DocumentId::TicketInvoiceA};
    case TestDocument::InvoiceB: return {DocumentId::TicketInvoiceBC};
    case TestDocument::CreditNoteA: return {DocumentId::CreditNoteA};
    case TestDocument::CreditNoteB: return {DocumentId::CreditNoteBC};
    case TestDocument::DeliveryNote: return {DocumentId::DeliveryNote};
    case TestDocument::Receipt: return {DocumentId::ReceiptX};
    case TestDocument::Other: break;
    }
    return {};
}
