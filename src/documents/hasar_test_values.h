#pragma once

#include <QString>

// The fixed customer and item of the Hasar test documents.
namespace hasar_test {

inline const QString kCustomer = QStringLiteral("Cliente de Prueba");
inline const QString kCustomerCuit = QStringLiteral("99999999995");
constexpr int kCuitDocument = 67;           // C
constexpr int kRegisteredResponsible = 73;  // I
inline const QString kAddress = QStringLiteral("Direccion");

inline const QString kItem = QStringLiteral("Item de Prueba");
inline const QString kItemWithBlank = QStringLiteral("Item de Prueba ");
constexpr double kQuantity = 1.0;
constexpr double kUnitPrice = 0.01;

inline const QString kInvoiceReferenceA = QStringLiteral("A-0001-00000001");

}  // namespace hasar_test
