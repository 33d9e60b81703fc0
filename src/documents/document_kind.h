#pragma once

#include <QString>

// The test documents, as the document buttons store them in DocumentKind.
enum class TestDocument { InvoiceA, InvoiceB, CreditNoteA, CreditNoteB, DeliveryNote, Receipt, Other };

// "FA", "FB", "NCA", "NCB", "R", "RB"; any other text is Other.
TestDocument testDocument(const QString& code);
