#pragma once

#include "support/window_fixture.h"

#include <QString>
#include <QStringList>

class QPushButton;

// The real window with a document chosen and its "Aceptar" pressed, as a technician does it.
class DocumentTest : public WindowTest {
protected:
    // Selects the model, types both counts, presses the document button, then "Aceptar".
    void print(const QString& entry, QPushButton* documentButton, const QString& documents, const QString& items);
    // The document button by its object name ("btnFacA", ...).
    QPushButton* documentButton(const QString& name);
    // Names of the input controls that are enabled by their own state.
    QStringList enabledInputs();
};

// Trace lines shared by the document tests.
namespace line {

QStringList hasarStart(int model);
QStringList repeated(const QStringList& lines, int times);
QString error(int number, const QString& description);

inline const QString kFinalizar = QStringLiteral("Finalizar()");
inline const QString kCustomerNoAddress = QStringLiteral(R"(SetCustomerData("Cliente de Prueba","99999999995",67,73))");
inline const QString kCustomerA = QStringLiteral(R"(SetCustomerData("Cliente de Prueba","99999999995",67,73,"Direccion"))");
inline const QString kItem = QStringLiteral(R"(ImprimirItem("Item de Prueba ",1,0.01,0,0))");
inline const QString kTicketItem = QStringLiteral(R"(ImprimirItem("Item de Prueba",1,0.01,0,0))");
inline const QString kOpenInvoiceA = QStringLiteral("OpenFiscalReceipt(65)");
inline const QString kOpenTicket = QStringLiteral("OpenFiscalReceipt(84)");
inline const QString kCloseReceipt = QStringLiteral("CloseFiscalReceipt()");
inline const QString kEpsonPort = QStringLiteral("PortNumber(1)");
inline const QString kEpsonCancel = QStringLiteral("CancelAll()");
inline const QString kEpsonInvoiceItem =
    QStringLiteral(R"(TicketInvoiceItem("Item de Prueba","1000","1","0000","M","0","0","","","","0"))");
inline const QString kEpsonTicketItem = QStringLiteral(R"(TicketItem("Item de Prueba","1000","1","0000","M","0","0"))");
inline const QString kEpsonOpenInvoice = QStringLiteral(
    R"(OpenTicketInvoice("T","C","A","1","P","10","I","I","CLIENTE DE PRUEBA","\x7f","CUIT","99999999995","N","Direccion","\x7f","\x7f","\x7f","\x7f","C"))");
inline const QString kEpsonCloseInvoice = QStringLiteral(R"(CloseTicketInvoice("T","A",""))");
inline const QString kEpsonInvoicePayment = QStringLiteral(R"(TicketInvoicePayment("EFECTIVO","1","T"))");
inline const QString kEpsonTicketPayment = QStringLiteral(R"(TicketPayment("EFECTIVO","1","T"))");
inline const QString kModelRefused = QStringLiteral(R"(Msg(48,"Este modelo no emite Ticket Facturas"))");
inline const QString kEpsonRefused = QStringLiteral(R"(Msg(48,"Este impresor sólo emite Ticket/Ticket Factura A/B"))");

}  // namespace line
