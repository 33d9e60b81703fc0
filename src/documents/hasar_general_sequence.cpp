#include "hasar_general_sequence.h"

#include "app/conversions.h"
#include "app/frm_orbelo.h"
#include "drivers/hasar_printer.h"
#include "hasar_test_values.h"
#include "issued_so_far.h"
#include "item_count.h"
#include "raw_command.h"

using namespace hasar_test;

namespace {

constexpr int kTicket = 84;    // T
constexpr int kInvoiceA = 65;  // A

constexpr char kReferencedDocument = static_cast<char>(147);
constexpr char kRawCustomerData = static_cast<char>(98);
constexpr char kOpenCreditNote = static_cast<char>(128);
constexpr char kCloseCreditNote = static_cast<char>(129);

void printItem(HasarPrinter& h, const QString& description) { h.ImprimirItem(description, kQuantity, kUnitPrice, 0.0, 0.0); }

void printItems(FrmOrbelo& w) {
    conv::forEachCount(itemCount(w), [&](qint64) { printItem(w.hasar(), kItemWithBlank); });
}

// These models take the credit note A only as raw commands around ordinary items.
void printRawCreditNoteA(FrmOrbelo& w, IssuedSoFar& issued) {
    const QByteArray FieldSeparator(1, '\x1C');
    HasarPrinter& h = w.hasar();
    h.SendCommand(rawCommand(kReferencedDocument, FieldSeparator, {"1", kInvoiceReferenceA.toLatin1()}));
    h.SendCommand(rawCommand(kRawCustomerData, FieldSeparator,
                             {kCustomer.toLatin1(), kCustomerCuit.toLatin1(), "I", "C", "Domicilio"}));
    h.SendCommand(rawCommand(kOpenCreditNote, FieldSeparator, {"R", "T"}));
    printItems(w);
    h.SendCommand(rawCommand(kCloseCreditNote, FieldSeparator));
    issued.closed();
}

}  // namespace

DocumentLoop printGeneralDocument(FrmOrbelo& w, TestDocument kind, IssuedSoFar& issued) {
    HasarPrinter& h = w.hasar();
    h.SetCustomerData(kCustomer, kCustomerCuit, kCuitDocument, kRegisteredResponsible);
    if (kind == TestDocument::InvoiceB) {
        // The ticket carries one item whatever the item count; an invoice A with the items follows.
        h.OpenFiscalReceipt(kTicket);
        printItem(h, kItem);
        h.CloseFiscalReceipt();
        issued.closed();
    }
    if (kind == TestDocument::CreditNoteA) {
        printRawCreditNoteA(w, issued);
        return DocumentLoop::Leave;
    }
    h.OpenFiscalReceipt(kInvoiceA);
    printItems(w);
    h.CloseFiscalReceipt();
    issued.closed();
    return DocumentLoop::Continue;
}

QList<DocumentId> generalDocuments(TestDocument kind) {
    if (kind == TestDocument::InvoiceB) return {DocumentId::Ticket, DocumentId::InvoiceA};
    if (kind == TestDocument::CreditNoteA) return {DocumentId::CreditNoteA};
    return {DocumentId::InvoiceA};
}
