#include "printer.h"
#include "roll.h"

#include <sim/hasar_fields.h>
#include <sim/printout.h>

namespace sim::hasar2g {

namespace {

constexpr int kMaxName = 50;
constexpr int kMaxItemText = 200;  // cut to the paper when printed
constexpr int kMaxPaymentText = 80;

const QString kResponsableInscripto = QStringLiteral("ResponsableInscripto");

bool takesPayments(const OpenDocument& doc) {
    const DocumentClass c = documentCode(doc.code)->documentClass;
    return c == DocumentClass::Fiscal || c == DocumentClass::CreditNote;
}

bool takesItems(const OpenDocument& doc) {
    return takesPayments(doc) || documentCode(doc.code)->documentClass == DocumentClass::DeliveryNote;
}

// A buyer who is a registered taxpayer identified by CUIT: the one an A document is made out to.
bool registeredBuyer(const std::optional<Customer>& c) {
    return c && c->responsibility == kResponsableInscripto && c->idType == QLatin1String("TipoCUIT");
}

// Buyer and associated documents belong to the next invoice or note; a plain tique and a generic
// document name none, so they stay for the one that may follow.
void endDocument(Memory& m) {
    const int code = m.open->code;
    m.open.reset();
    ++m.auditIndex;
    if (code == 83 || documentCode(code)->documentClass == DocumentClass::Generic) return;
    m.customer.reset();
    for (QString& line : m.associated) line.clear();
}

}  // namespace

Printer::Outcome Printer::cargarDatosCliente(Parameters& p, qint64) {
    const auto name = p.text("RazonSocial", kMaxName, true);
    const auto id = p.text("NumeroDocumento", 20, true);
    const auto responsibility = p.choice("ResponsabilidadIVA", {"ResponsableInscripto", "ConsumidorFinal", "Monotributo"});
    const auto idType = p.choice("TipoDocumento", {"TipoCUIT", "TipoCUIL", "TipoDNI"});
    const auto address = p.text("Domicilio", kMaxName);
    if (!p.ok()) return {};
    const bool cuit = *idType != QLatin1String("TipoDNI");
    const QString number = id->trimmed();
    const bool dni = number.size() >= 7 && number.size() <= 8 && number.toUInt() > 0 &&
                     std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); });
    if (cuit ? !hasar::validCuit(number) : !dni) {
        p.fail(Error::ParameterInvalid, QStringLiteral("NumeroDocumento"),
               cuit ? QStringLiteral("CUIT/CUIL sin su dígito verificador") : QStringLiteral("DNI de 7 u 8 cifras"));
        return {};
    }
    if (memory_.open) return refuse(Error::InvalidState, QStringLiteral("hay un comprobante abierto"));
    memory_.customer = Customer{*name, number, *responsibility, *idType, *address};
    return {};
}

Printer::Outcome Printer::cargarDocumentoAsociado(Parameters& p, qint64) {
    const auto line = p.integer("NumeroLinea", 1, Memory::kAssociatedLines);
    const auto code = p.code("CodigoComprobante");
    const auto pos = p.integer("NumeroPos", 1, 99999);
    const auto number = p.integer("NumeroComprobante", 1, 99'999'999);
    if (!p.ok()) return {};
    if (memory_.open) return refuse(Error::InvalidState, QStringLiteral("hay un comprobante abierto"));
    memory_.associated[*line - 1] = QStringLiteral("%1 %2-%3")
                                        .arg(QLatin1String(code->title))
                                        .arg(*pos, 5, 10, QLatin1Char('0'))
                                        .arg(printout::number8(static_cast<quint32>(*number)));
    return {};
}

Printer::Outcome Printer::abrirDocumento(Parameters& p, qint64 nowMs) {
    const auto code = p.code("CodigoComprobante");
    if (!p.ok()) return {};
    if (memory_.open) return refuse(Error::InvalidState, QStringLiteral("ya hay un comprobante abierto"));
    if (code->documentClass != DocumentClass::Generic && memory_.lastZ() >= memory_.zCapacity)
        return refuse(Error::FiscalMemoryFull);
    // The issuer is a registered taxpayer: it makes out A and B documents, never C.
    if (code->letter == Letter::C) return refuse(Error::InvalidState, QStringLiteral("un responsable inscripto no emite comprobantes C"));
    if (code->letter == Letter::A && !registeredBuyer(memory_.customer))
        return refuse(Error::InvalidState, QStringLiteral("un comprobante A necesita CargarDatosCliente de un responsable inscripto con CUIT"));
    if (code->letter == Letter::B && memory_.customer && memory_.customer->responsibility == kResponsableInscripto)
        return refuse(Error::InvalidState, QStringLiteral("a un responsable inscripto se le emite un comprobante A"));
    if (code->documentClass == DocumentClass::CreditNote && memory_.associated[0].isEmpty())
        return refuse(Error::InvalidState, QStringLiteral("una nota de crédito necesita CargarDocumentoAsociado"));
    if (code->documentClass == DocumentClass::DeliveryNote && !memory_.customer)
        return refuse(Error::InvalidState, QStringLiteral("un remito necesita CargarDatosCliente"));

    OpenDocument doc;
    doc.code = code->code;
    // Numbers wrap after eight digits, as the printed field does.
    doc.number = memory_.counter(code->code).last % 99'999'999 + 1;
    memory_.open = doc;
    roll::documentHead(paper_, memory_, printerTime(nowMs));
    return Outcome{std::nullopt, {{QStringLiteral("NumeroComprobante"), QString::number(doc.number)}}};
}

Printer::Outcome Printer::imprimirItem(Parameters& p, qint64) {
    const auto description = p.text("Descripcion", kMaxItemText, true);
    const auto quantity = p.amount("Cantidad", Amount{1});
    const auto price = p.amount("PrecioUnitario", Amount{0});
    const auto condition = p.choice("CondicionIVA", {"Gravado", "Exento", "NoGravado"});
    const auto rate = p.amount("AlicuotaIVA", Amount{0});
    const auto operation = p.choice("OperacionMonto", {"ModoSumaMonto", "ModoRestaMonto"});
    p.choice("TipoImpuestoInterno", {"IIVariableKIVA", "IIVariablePorcentual", "IIFijoKIVA", "IIFijoMonto"});
    p.amount("MagnitudImpuestoInterno", Amount{0});
    p.choice("ModoDisplay", {"DisplayNo", "DisplaySi"});
    const auto base = p.choice("ModoBaseTotal", {"ModoPrecioTotal", "ModoPrecioBase"});
    p.text("UnidadReferencia", 20);
    p.text("CodigoProducto", kMaxName);
    p.text("CodigoInterno", kMaxName);
    p.text("UnidadMedida", 30, true);
    if (!p.ok()) return {};
    if (*rate > Amount{100 * Amount::kScale}) {
        p.fail(Error::ParameterInvalid, QStringLiteral("AlicuotaIVA"), QStringLiteral("una alícuota va de 0 a 100"));
        return {};
    }
    OpenDocument* doc = memory_.open ? &*memory_.open : nullptr;
    if (!doc || !takesItems(*doc)) return refuse(Error::InvalidState, QStringLiteral("no hay un comprobante que lleve ítems abierto"));
    if (doc->payments > 0) return refuse(Error::InvalidState, QStringLiteral("ya se registraron pagos"));

    const Amount taxRate = *condition == QLatin1String("Gravado") ? *rate : Amount{};
    const bool priceIncludesTax = *base == QLatin1String("ModoPrecioTotal");
    const auto amount = Amount::product(*quantity, *price);
    if (!amount) return refuse(Error::Overflow);
    const Amount tax = Amount::percentOf(*amount, taxRate, priceIncludesTax);
    const auto lineTotal = priceIncludesTax ? amount : add(*amount, tax);
    if (!lineTotal) return refuse(Error::Overflow);
    const bool subtract = *operation == QLatin1String("ModoRestaMonto");
    const auto total = add(doc->total, subtract ? Amount{-lineTotal->units} : *lineTotal);
    const auto taxTotal = add(doc->tax, subtract ? Amount{-tax.units} : tax);
    if (!total || !taxTotal) return refuse(Error::Overflow);
    if (total->units < 0) return refuse(Error::InvalidState, QStringLiteral("el comprobante no puede quedar negativo"));

    doc->total = *total;
    doc->tax = *taxTotal;
    FiscalMemory::countUp(doc->items);
    printout::item(paper_, *description, *quantity, subtract ? Amount{-price->units} : *price, taxRate,
                   subtract ? Amount{-lineTotal->units} : *lineTotal);
    return {};
}

Printer::Outcome Printer::imprimirPago(Parameters& p, qint64) {
    const auto description = p.text("Descripcion", kMaxPaymentText, true);
    const auto amount = p.amount("Monto", Amount{1});
    const auto operation = p.choice("Operacion", {"Pagar", "Anular"});
    if (p.has("ModoDisplay")) p.choice("ModoDisplay", {"DisplayNo", "DisplaySi"});
    for (const char* name : {"DescripcionAdicional", "CodigoFormaPago", "Cuotas", "Cupones", "Referencia"})
        if (p.has(name)) p.text(name, kMaxPaymentText);
    if (!p.ok()) return {};
    OpenDocument* doc = memory_.open ? &*memory_.open : nullptr;
    if (!doc || !takesPayments(*doc) || doc->total.units == 0)
        return refuse(Error::InvalidState, QStringLiteral("no hay un comprobante con importe abierto"));
    const bool undo = *operation == QLatin1String("Anular");
    if (undo && *amount > doc->paid) {
        p.fail(Error::ParameterInvalid, QStringLiteral("Monto"), QStringLiteral("se anula más de lo pagado"));
        return {};
    }
    if (!undo && (doc->paid >= doc->total || doc->payments >= Memory::kMaxPayments))
        return refuse(Error::InvalidState, QStringLiteral("el comprobante ya está pagado"));
    const auto paid = add(doc->paid, undo ? Amount{-amount->units} : *amount);
    if (!paid) return refuse(Error::Overflow);
    doc->paid = *paid;
    // Undoing every payment leaves the document as before them: it may be cancelled again.
    doc->payments = paid->units == 0 ? 0 : doc->payments + 1;
    printout::payment(paper_, *description, undo ? Amount{-amount->units} : *amount);
    const Amount balance{std::max<qint64>(0, doc->total.units - doc->paid.units)};
    return Outcome{std::nullopt, {{QStringLiteral("Saldo"), balance.money()}}};
}

Printer::Outcome Printer::cerrarDocumento(Parameters& p, qint64) {
    if (p.has("Copias")) p.integer("Copias", 0, 9);
    if (p.has("DireccionEMail")) p.text("DireccionEMail", 100);
    if (!p.ok()) return {};
    if (!memory_.open) return refuse(Error::InvalidState, QStringLiteral("no hay un comprobante abierto"));
    OpenDocument& doc = *memory_.open;
    const DocumentCode code = *documentCode(doc.code);
    if (takesPayments(doc)) {
        if (doc.items == 0 || doc.total.units == 0) return refuse(Error::InvalidState, QStringLiteral("el comprobante no tiene importe"));
        if (doc.payments > 0 && doc.paid < doc.total) return refuse(Error::InvalidState, QStringLiteral("falta pagar el saldo"));
        // With no payment at all the close pays the total itself.
        if (doc.payments == 0) doc.paid = doc.total;
    } else if (code.documentClass == DocumentClass::DeliveryNote && doc.items == 0) {
        return refuse(Error::InvalidState, QStringLiteral("el remito no tiene ítems"));
    }

    const OpenDocument closed = doc;
    Counter& counter = memory_.counters[closed.code];
    counter.last = closed.number;
    FiscalMemory::countUp(counter.issued);
    DayTotals& day = memory_.day;
    switch (code.documentClass) {
    case DocumentClass::Fiscal:
        FiscalMemory::countUp(day.fiscal);
        day.sold = add(day.sold, closed.total).value_or(day.sold);
        day.tax = add(day.tax, closed.tax).value_or(day.tax);
        break;
    case DocumentClass::CreditNote:
        FiscalMemory::countUp(day.homologated);
        day.credited = add(day.credited, closed.total).value_or(day.credited);
        day.creditedTax = add(day.creditedTax, closed.tax).value_or(day.creditedTax);
        break;
    case DocumentClass::DeliveryNote:
    case DocumentClass::Generic: FiscalMemory::countUp(day.nonFiscal); break;
    }
    endDocument(memory_);
    roll::documentEnd(paper_, memory_, closed);
    return Outcome{std::nullopt,
                   {{QStringLiteral("NumeroComprobante"), QString::number(closed.number)},
                    {QStringLiteral("CantidadDePaginas"), QStringLiteral("1")},
                    {QStringLiteral("IndiceAuditoria"), QString::number(memory_.auditIndex)}}};
}

void Printer::cancelOpen(bool powerCut) {
    const OpenDocument cancelled = *memory_.open;
    Counter& counter = memory_.counters[cancelled.code];
    counter.last = cancelled.number;
    FiscalMemory::countUp(counter.cancelled);
    FiscalMemory::countUp(memory_.day.cancelled);
    endDocument(memory_);
    roll::documentCancelled(paper_, memory_, cancelled, powerCut);
}

Printer::Outcome Printer::cancelar(Parameters&, qint64) {
    if (!memory_.open) return refuse(Error::InvalidState, QStringLiteral("no hay un comprobante abierto"));
    if (memory_.open->payments > 0) return refuse(Error::InvalidState, QStringLiteral("anule los pagos antes de cancelar"));
    cancelOpen(false);
    return {};
}

void Printer::cutPower() {
    held_.reset();
    holdPolls_ = -1;
    // Payments or not, the power takes the document: its number is used up and it counts cancelled.
    if (memory_.open) cancelOpen(true);
}

}  // namespace sim::hasar2g
