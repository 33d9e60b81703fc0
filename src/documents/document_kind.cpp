#include "document_kind.h"

TestDocument testDocument(const QString& code) {
    if (code == QLatin1String("FA")) return TestDocument::InvoiceA;
    if (code == QLatin1String("FB")) return TestDocument::InvoiceB;
    if (code == QLatin1String("NCA")) return TestDocument::CreditNoteA;
    if (code == QLatin1String("NCB")) return TestDocument::CreditNoteB;
    if (code == QLatin1String("R")) return TestDocument::DeliveryNote;
    if (code == QLatin1String("RB")) return TestDocument::Receipt;
    return TestDocument::Other;
}
