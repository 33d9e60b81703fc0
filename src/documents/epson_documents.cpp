#include "epson_documents.h"

#include "app/conversions.h"
#include "app/frm_orbelo.h"
#include "app/operation_steps.h"
#include "app/prompts.h"
#include "drivers/epson_printer.h"
#include "issued_so_far.h"
#include "item_count.h"

#include <QStringList>

namespace {

// Character 127 marks a field left without a value.
const QString kUnset = QString(QChar(127));

const QStringList kTicketInvoiceHeader = {
    QStringLiteral("T"), QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("1"),
    QStringLiteral("P"), QStringLiteral("10"), QStringLiteral("I"), QStringLiteral("I"),
    QStringLiteral("CLIENTE DE PRUEBA"), kUnset, QStringLiteral("CUIT"), QStringLiteral("99999999995"),
    QStringLiteral("N"), QStringLiteral("Direccion"), kUnset, kUnset,
    kUnset, kUnset, QStringLiteral("C"),
};

const QStringList kTicketItem = {
    QStringLiteral("Item de Prueba"), QStringLiteral("1000"), QStringLiteral("1"), QStringLiteral("0000"),
    QStringLiteral("M"), QStringLiteral("0"), QStringLiteral("0"),
};

const QStringList kTicketInvoiceItem =
    kTicketItem + QStringList{QString(), QString(), QString(), QStringLiteral("0")};

const QString kCash = QStringLiteral("EFECTIVO");
const QString kPaidAmount = QStringLiteral("1");
const QString kTotal = QStringLiteral("T");

void printTicketInvoices(FrmOrbelo& w) {
    EpsonPrinter& e = w.epson();
    configureEpson(w);
    cancelLeftOpen(w);
    const double documents = howMany(w);
    IssuedSoFar issued({DocumentId::TicketInvoiceA}, conv::runsFor(documents));
    issued.run([&] {
        conv::forEachCount(documents, [&](qint64) {
            e.OpenTicketInvoice(kTicketInvoiceHeader);
            conv::forEachCount(itemCount(w), [&](qint64) { e.TicketInvoiceItem(kTicketInvoiceItem); });
            e.TicketInvoicePayment(kCash, kPaidAmount, kTotal);
            e.CloseTicketInvoice(QStringLiteral("T"), QStringLiteral("A"), QString());
            issued.closed();
        });
    });
}

// One ticket per click: the document count does not apply to it.
void printTicket(FrmOrbelo& w) {
    EpsonPrinter& e = w.epson();
    configureEpson(w);
    cancelLeftOpen(w);
    e.OpenTicket();
    conv::forEachCount(itemCount(w), [&](qint64) { e.TicketItem(kTicketItem); });
    e.TicketPayment(kCash, kPaidAmount, kTotal);
    e.CloseTicket();
}

}  // namespace

void printEpsonDocuments(FrmOrbelo& w, TestDocument kind) {
    if (kind == TestDocument::InvoiceA)
        printTicketInvoices(w);
    else if (kind == TestDocument::InvoiceB)
        printTicket(w);
    else
        w.prompts().message(Prompts::kExclamation, QStringLiteral("Este impresor sólo emite Ticket/Ticket Factura A/B"));
}
