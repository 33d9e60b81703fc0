// The virtual 2G Hasar in process: every refusal with its flag and error, and the books that the
// accepted commands keep, read back through the printer's own queries.

#include "support/named_case.h"

#include <sim/hasar2g/printer.h>
#include <sim/hasar2g/state_file.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using named_case::PrintTo;
using sim::hasar2g::Printer;

constexpr qint64 kNow = 1'767'225'600'000;  // 2026-01-01 00:00 UTC

QByteArray command(const char* name, const QJsonObject& parameters = {}) {
    return QJsonDocument(QJsonObject{{QLatin1String(name), parameters}}).toJson(QJsonDocument::Compact);
}

QJsonObject item(const QString& description, const QString& quantity, const QString& price,
                 const QString& operation = QStringLiteral("ModoSumaMonto")) {
    return {{"Descripcion", description},         {"Cantidad", quantity},
            {"PrecioUnitario", price},            {"CondicionIVA", "Gravado"},
            {"AlicuotaIVA", "21.00"},             {"OperacionMonto", operation},
            {"TipoImpuestoInterno", "IIVariableKIVA"}, {"MagnitudImpuestoInterno", "0.00"},
            {"ModoDisplay", "DisplayNo"},         {"ModoBaseTotal", "ModoPrecioTotal"},
            {"UnidadReferencia", ""},             {"CodigoProducto", ""},
            {"CodigoInterno", ""},                {"UnidadMedida", "Unidad"}};
}

QJsonObject without(QJsonObject o, const char* key) {
    o.remove(QLatin1String(key));
    return o;
}

QJsonObject with(QJsonObject o, const char* key, const QJsonValue& value) {
    o.insert(QLatin1String(key), value);
    return o;
}

const QJsonObject kRegisteredBuyer{{"RazonSocial", "Cliente de Prueba"},
                                   {"NumeroDocumento", "30712345671"},
                                   {"ResponsabilidadIVA", "ResponsableInscripto"},
                                   {"TipoDocumento", "TipoCUIT"},
                                   {"Domicilio", "Calle 1"}};
const QJsonObject kAssociated{{"NumeroLinea", "1"}, {"CodigoComprobante", "81"}, {"NumeroPos", "1"}, {"NumeroComprobante", "1"}};
const QJsonObject kPayTen{{"Descripcion", "Efectivo"}, {"Monto", "10.00"}, {"Operacion", "Pagar"}};

QByteArray open(const char* code) { return command("AbrirDocumento", {{"CodigoComprobante", code}}); }

struct Sent {
    int httpStatus;
    QString key;
    QJsonObject fields;
    QStringList fiscal;
};

Sent send(Printer& printer, const QByteArray& body) {
    const sim::hasar2g::Reply reply = printer.handle(body, kNow);
    const QJsonObject top = QJsonDocument::fromJson(reply.body).object();
    const QJsonObject fields = top.begin().value().toObject();
    QStringList fiscal;
    for (const QJsonValue& v : fields.value(QStringLiteral("Estado")).toObject().value(QStringLiteral("Fiscal")).toArray())
        fiscal.append(v.toString());
    return {reply.httpStatus, top.isEmpty() ? QString() : top.begin().key(), fields, fiscal};
}

QJsonObject lastError(Printer& printer) { return send(printer, command("ConsultarUltimoError")).fields; }

QJsonObject status(Printer& printer, const char* code) {
    return send(printer, command("ConsultarEstado", {{"CodigoComprobante", code}})).fields;
}

// Runs every step, each of which must be accepted.
void prepare(Printer& printer, const QList<QByteArray>& steps) {
    for (const QByteArray& step : steps) {
        const Sent s = send(printer, step);
        ASSERT_EQ(s.httpStatus, 200) << step.toStdString();
        for (const QString& flag : s.fiscal)
            ASSERT_FALSE(flag.startsWith(QStringLiteral("Error"))) << step.toStdString() << " "
                                                                    << lastError(printer).value("Contexto").toString().toStdString();
    }
}

struct Refusal {
    const char* name;
    QList<QByteArray> setup;
    QByteArray request;
    int httpStatus;
    const char* symbol;
    const char* flag;       // the Error… flag of the reply; none for a body that is no command
    const char* parameter;  // NombreParametro, or empty
};

class RefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, FailsWithItsFlagAndErrorAndChangesNothing) {
    const Refusal& r = GetParam();
    Printer printer({});
    prepare(printer, r.setup);
    const sim::hasar2g::Memory before = printer.memory();
    printer.paper().take();

    const Sent reply = send(printer, r.request);
    EXPECT_EQ(reply.httpStatus, r.httpStatus);
    if (r.flag) {
        EXPECT_TRUE(reply.fiscal.contains(QLatin1String(r.flag))) << reply.fiscal.join(' ').toStdString();
        EXPECT_EQ(reply.fields.size(), 2) << "a refused command answers only Secuencia and Estado";
    }
    const QJsonObject error = lastError(printer);
    EXPECT_EQ(error.value("UltimoError").toString(), QLatin1String(r.symbol)) << error.value("Contexto").toString().toStdString();
    EXPECT_EQ(error.value("NombreParametro").toString(), QLatin1String(r.parameter));
    EXPECT_TRUE(printer.memory() == before);
    EXPECT_TRUE(printer.paper().take().isEmpty());
}

const QByteArray kTicket = open("83");
const QByteArray kCustomer = command("CargarDatosCliente", kRegisteredBuyer);
const QByteArray kItem = command("ImprimirItem", item("Producto", "1.00", "10.00"));
const QByteArray kPay = command("ImprimirPago", kPayTen);

INSTANTIATE_TEST_SUITE_P(
    Hasar2G, RefusalTest,
    ::testing::Values(
        Refusal{"NotJson", {}, "{\"ConsultarEstado\": ", 400, "CMD_MALFORMED", nullptr, ""},
        Refusal{"TwoCommands", {}, "{\"Cancelar\":{},\"ConsultarEstado\":{}}", 400, "CMD_MALFORMED", nullptr, ""},
        Refusal{"ParametersNotAnObject", {}, "{\"Cancelar\":[]}", 400, "CMD_MALFORMED", nullptr, ""},
        Refusal{"UnknownCommand", {}, command("ImprimirLogo"), 200, "CMD_UNKNOWN", "ErrorGeneral", ""},
        Refusal{"MissingCode", {}, command("AbrirDocumento"), 200, "CMD_PARAM_NOT_PRESENT", "ErrorParametro", "CodigoComprobante"},
        Refusal{"UnknownCode", {}, open("84"), 200, "CMD_PARAM_INVALID", "ErrorParametro", "CodigoComprobante"},
        Refusal{"CodeAsNumber", {}, command("AbrirDocumento", {{"CodigoComprobante", 83}}), 200, "CMD_PARAM_INVALID", "ErrorParametro", "CodigoComprobante"},
        Refusal{"UnknownParameter", {}, command("Cancelar", {{"Motivo", "x"}}), 200, "CMD_PARAM_UNKNOWN", "ErrorParametro", "Motivo"},
        Refusal{"ItemFieldLeftOut", {kTicket}, command("ImprimirItem", without(item("P", "1", "1.00"), "UnidadMedida")), 200,
                "CMD_PARAM_NOT_PRESENT", "ErrorParametro", "UnidadMedida"},
        Refusal{"ItemWithoutDescription", {kTicket}, command("ImprimirItem", item("", "1", "1.00")), 200, "CMD_PARAM_INVALID", "ErrorParametro", "Descripcion"},
        Refusal{"ItemZeroQuantity", {kTicket}, command("ImprimirItem", item("P", "0", "1.00")), 200, "CMD_PARAM_INVALID", "ErrorParametro", "Cantidad"},
        Refusal{"ItemTextOutsideLatin1", {kTicket}, command("ImprimirItem", item(QStringLiteral("Caf\u20ac"), "1", "1.00")), 200,
                "CMD_PARAM_INVALID", "ErrorParametro", "Descripcion"},
        Refusal{"ItemRateAbove100", {kTicket}, command("ImprimirItem", with(item("P", "1", "1.00"), "AlicuotaIVA", "121.00")), 200,
                "CMD_PARAM_INVALID", "ErrorParametro", "AlicuotaIVA"},
        Refusal{"ItemOverflow", {kTicket}, command("ImprimirItem", item("P", "999999", "99999999999")), 200,
                "CMD_ARITHMETIC_OVERFLOW", "ErrorAritmetico", ""},
        Refusal{"ItemWithNothingOpen", {}, kItem, 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"ItemInAGenericDocument", {open("910")}, kItem, 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"ItemAfterAPayment", {kTicket, kItem, command("ImprimirPago", with(kPayTen, "Monto", "5.00"))}, kItem, 200,
                "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"ItemTakingTheTotalBelowZero", {kTicket, kItem}, command("ImprimirItem", item("P", "2", "10.00", "ModoRestaMonto")), 200,
                "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"SecondDocument", {kTicket}, open("82"), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"InvoiceAWithoutBuyer", {}, open("81"), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"InvoiceBToARegisteredBuyer", {kCustomer}, open("TiqueFacturaB"), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"InvoiceCFromARegisteredIssuer", {}, open("111"), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"CreditNoteWithoutAssociatedDocument", {kCustomer}, open("112"), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"DeliveryNoteWithoutBuyer", {}, open("91"), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"CustomerWithABadCheckDigit", {}, command("CargarDatosCliente", with(kRegisteredBuyer, "NumeroDocumento", "30712345672")), 200,
                "CMD_PARAM_INVALID", "ErrorParametro", "NumeroDocumento"},
        Refusal{"CustomerInsideADocument", {kTicket}, kCustomer, 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"AssociatedLineThree", {}, command("CargarDocumentoAsociado", with(kAssociated, "NumeroLinea", "3")), 200,
                "CMD_PARAM_INVALID", "ErrorParametro", "NumeroLinea"},
        Refusal{"CloseWithNothingOpen", {}, command("CerrarDocumento"), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"CloseWithoutItems", {kTicket}, command("CerrarDocumento"), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"CloseWithABalanceDue", {kTicket, kItem, command("ImprimirPago", with(kPayTen, "Monto", "5.00"))}, command("CerrarDocumento"), 200,
                "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"DeliveryNoteWithoutItems", {kCustomer, open("91")}, command("CerrarDocumento"), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"PaymentWithNothingToPay", {kTicket}, kPay, 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"PaymentOnAPaidDocument", {kTicket, kItem, kPay}, kPay, 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"UndoingMoreThanWasPaid", {kTicket, kItem, command("ImprimirPago", with(kPayTen, "Monto", "5.00"))},
                command("ImprimirPago", with(kPayTen, "Operacion", "Anular")), 200, "CMD_PARAM_INVALID", "ErrorParametro", "Monto"},
        Refusal{"UnknownPaymentOperation", {kTicket, kItem}, command("ImprimirPago", with(kPayTen, "Operacion", "Devolver")), 200,
                "CMD_PARAM_INVALID", "ErrorParametro", "Operacion"},
        Refusal{"CancelWithNothingOpen", {}, command("Cancelar"), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"CancelAfterAPayment", {kTicket, kItem, command("ImprimirPago", with(kPayTen, "Monto", "5.00"))}, command("Cancelar"), 200,
                "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"ZWithADocumentOpen", {kTicket}, command("CerrarJornadaFiscal", {{"Reporte", "ReporteZ"}}), 200, "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"UnknownReport", {}, command("CerrarJornadaFiscal", {{"Reporte", "ReporteY"}}), 200, "CMD_PARAM_INVALID", "ErrorParametro", "Reporte"},
        Refusal{"ReportRangeBackwards", {}, command("ReportarZetasPorNumeroZeta", {{"ZetaInicial", "5"}, {"ZetaFinal", "2"}}), 200,
                "CMD_PARAM_INVALID", "ErrorParametro", "ZetaFinal"},
        Refusal{"ReportByImpossibleDate", {}, command("ReportarZetasPorFecha", {{"FechaInicial", "260230"}, {"FechaFinal", "260301"}}), 200,
                "CMD_PARAM_INVALID", "ErrorParametro", "FechaInicial"},
        Refusal{"ClockWithDocumentsInTheDay", {kTicket, command("Cancelar")}, command("ConfigurarFechaHora", {{"Fecha", "260102"}, {"Hora", "090000"}}), 200,
                "CMD_INVALID_STATE", "ErrorEstado", ""},
        Refusal{"ClockAtHour25", {}, command("ConfigurarFechaHora", {{"Fecha", "260102"}, {"Hora", "250000"}}), 200,
                "CMD_PARAM_INVALID", "ErrorParametro", "Hora"},
        Refusal{"ZoneLineFive", {}, command("ConfigurarZona", {{"NumeroLinea", "5"}, {"Descripcion", "x"}, {"IdentificadorZona", "Zona1Encabezado"}}), 200,
                "CMD_PARAM_INVALID", "ErrorParametro", "NumeroLinea"},
        Refusal{"ZoneTextTooLong", {}, command("ConfigurarZona", {{"NumeroLinea", "1"}, {"Descripcion", QString(41, 'x')}, {"IdentificadorZona", "Zona1Cola"}}), 200,
                "CMD_PARAM_INVALID", "ErrorParametro", "Descripcion"}),
    named_case::testName);

TEST(Hasar2GMemoryFull, RefusesTheZAndFiscalDocumentsButNotAGenericOne) {
    sim::hasar2g::Memory memory;
    memory.zCapacity = 1;
    Printer printer(memory);
    prepare(printer, {command("CerrarJornadaFiscal", {{"Reporte", "ReporteZ"}})});
    EXPECT_TRUE(send(printer, command("ConsultarEstado")).fiscal.contains(QStringLiteral("MemoriaFiscalLlena")));
    for (const QByteArray& refused : {command("CerrarJornadaFiscal", {{"Reporte", "ReporteZ"}}), kTicket}) {
        EXPECT_TRUE(send(printer, refused).fiscal.contains(QStringLiteral("ErrorMemoriaFiscal")));
        EXPECT_EQ(lastError(printer).value("UltimoError").toString(), QStringLiteral("FISCAL_MEMORY_FULL"));
    }
    prepare(printer, {open("910"), command("CerrarDocumento"), command("CerrarJornadaFiscal", {{"Reporte", "ReporteX"}})});
}

// Documents of each kind, numbered per code, counted in the day, closed into a Z and read back.
TEST(Hasar2GBooks, NumbersPerCodeCountsTheDayAndClosesItIntoAZ) {
    Printer printer({});
    const QByteArray close = command("CerrarDocumento", {{"Copias", "0"}, {"DireccionEMail", ""}});
    // An invoice A of three items, the second paid in two payments.
    prepare(printer, {kCustomer, open("TiqueFacturaA"), command("ImprimirItem", item("Uno", "1", "121.00")),
                      command("ImprimirItem", item("Dos", "2", "60.50")), command("ImprimirItem", item("Tres", "0.5", "10.00"))});
    EXPECT_EQ(send(printer, command("ImprimirPago", with(kPayTen, "Monto", "200.00"))).fields.value("Saldo").toString(), QStringLiteral("47.00"));
    EXPECT_EQ(send(printer, command("ImprimirPago", with(kPayTen, "Monto", "50.00"))).fields.value("Saldo").toString(), QStringLiteral("0.00"));
    EXPECT_EQ(send(printer, close).fields.value("NumeroComprobante").toString(), QStringLiteral("1"));
    // The buyer went with the invoice: the next A is refused until one is loaded again.
    EXPECT_TRUE(send(printer, open("81")).fiscal.contains(QStringLiteral("ErrorEstado")));
    // A credit note against it, two tiques (one cancelled), a delivery note and a generic document.
    prepare(printer, {kCustomer, command("CargarDocumentoAsociado", kAssociated), open("112"), command("ImprimirItem", item("Uno", "1", "121.00")), close,
                      kTicket, kItem, close, kTicket, command("Cancelar"), kTicket, kItem, close,
                      command("CargarDatosCliente", {{"RazonSocial", "Consumidor"}, {"NumeroDocumento", "20123456"},
                                                     {"ResponsabilidadIVA", "ConsumidorFinal"}, {"TipoDocumento", "TipoDNI"}, {"Domicilio", ""}}),
                      open("91"), command("ImprimirItem", item("Caja", "3", "0.00")), close, open("910"), close});

    const QJsonObject ticket = status(printer, "83");
    EXPECT_EQ(ticket.value("NumeroUltimoComprobante").toString(), QStringLiteral("3"));
    EXPECT_EQ(ticket.value("CantidadEmitidos").toString(), QStringLiteral("2"));
    EXPECT_EQ(ticket.value("CantidadCancelados").toString(), QStringLiteral("1"));
    EXPECT_EQ(status(printer, "TiqueFacturaA").value("NumeroUltimoComprobante").toString(), QStringLiteral("1"));
    EXPECT_EQ(status(printer, "112").value("NumeroUltimoComprobante").toString(), QStringLiteral("1"));
    EXPECT_EQ(status(printer, "82").value("NumeroUltimoComprobante").toString(), QStringLiteral("0"));

    const QJsonObject z = send(printer, command("CerrarJornadaFiscal", {{"Reporte", "ReporteZ"}})).fields;
    EXPECT_EQ(z.value("Numero").toString(), QStringLiteral("1"));
    EXPECT_EQ(z.value("Fecha").toString(), QStringLiteral("260101"));
    EXPECT_EQ(z.value("DF_CantidadEmitidos").toString(), QStringLiteral("3"));
    EXPECT_EQ(z.value("DF_CantidadCancelados").toString(), QStringLiteral("1"));
    EXPECT_EQ(z.value("DF_Total").toString(), QStringLiteral("267.00"));  // 121 + 121 + 5 + 10 + 10
    EXPECT_EQ(z.value("NC_CantidadEmitidos").toString(), QStringLiteral("1"));
    EXPECT_EQ(z.value("NC_Total").toString(), QStringLiteral("121.00"));
    EXPECT_EQ(z.value("NC_TotalIVA").toString(), QStringLiteral("21.00"));
    EXPECT_EQ(z.value("DNFH_Total").toString(), QStringLiteral("1"));
    // A new day: counts start again, numbers go on.
    EXPECT_EQ(status(printer, "83").value("CantidadEmitidos").toString(), QStringLiteral("0"));
    prepare(printer, {kTicket, kItem, close});
    EXPECT_EQ(status(printer, "83").value("NumeroUltimoComprobante").toString(), QStringLiteral("4"));
    EXPECT_EQ(send(printer, command("CerrarJornadaFiscal", {{"Reporte", "ReporteX"}})).fields.value("Numero").toString(), QStringLiteral("1"));
    EXPECT_EQ(printer.memory().lastZ(), 1);

    QString error;
    const auto reloaded = sim::hasar2g::state_file::fromJson(sim::hasar2g::state_file::toJson(printer.memory()), &error);
    ASSERT_TRUE(reloaded) << error.toStdString();
    EXPECT_TRUE(*reloaded == printer.memory());
}

TEST(Hasar2GReplies, EchoTheCommandCarryTheStateAndKeepTheLastErrorUntilTheNextCommand) {
    Printer printer({});
    const Sent opened = send(printer, kTicket);
    EXPECT_EQ(opened.key, QStringLiteral("AbrirDocumento"));
    EXPECT_EQ(opened.fields.value("NumeroComprobante").toString(), QStringLiteral("1"));
    EXPECT_TRUE(opened.fiscal.contains(QStringLiteral("DocumentoFiscalAbierto")));
    EXPECT_TRUE(opened.fiscal.contains(QStringLiteral("DocumentoAbierto")));
    const QString first = opened.fields.value("Secuencia").toString();
    const Sent refused = send(printer, kTicket);
    EXPECT_NE(refused.fields.value("Secuencia").toString(), first);
    EXPECT_EQ(lastError(printer).value("NumeroParametro").toString(), QStringLiteral("0"));
    EXPECT_EQ(lastError(printer).value("UltimoError").toString(), QStringLiteral("CMD_INVALID_STATE")) << "asking twice keeps it";
    EXPECT_EQ(status(printer, "83").value("ComprobanteEnCurso").toString(), QStringLiteral("83"));
    EXPECT_EQ(lastError(printer).value("UltimoError").toString(), QStringLiteral("NO_CURRENT_ERROR"));
    EXPECT_FALSE(send(printer, command("Cancelar")).fiscal.contains(QStringLiteral("DocumentoAbierto")));
}

TEST(Hasar2GBusy, RunsTheCommandOnceAndHandsItsReplyToTheLastPoll) {
    Printer printer({});
    printer.holdNextReply(2);
    EXPECT_EQ(send(printer, kTicket).key, QStringLiteral("ControladorOcupado"));
    EXPECT_EQ(send(printer, kItem).key, QStringLiteral("ControladorOcupado")) << "nothing else runs meanwhile";
    EXPECT_EQ(send(printer, command("ConsultarEstadoEspera")).key, QStringLiteral("ControladorOcupado"));
    EXPECT_EQ(send(printer, command("ConsultarEstadoEspera")).key, QStringLiteral("ControladorOcupado"));
    const Sent released = send(printer, command("ConsultarEstadoEspera"));
    EXPECT_EQ(released.key, QStringLiteral("AbrirDocumento"));
    EXPECT_EQ(released.fields.value("NumeroComprobante").toString(), QStringLiteral("1"));
    EXPECT_EQ(printer.memory().open->items, 0);
    EXPECT_EQ(send(printer, command("ConsultarEstadoEspera")).key, QStringLiteral("ConsultarEstadoEspera"));
}

TEST(Hasar2GRoll, PrintsZonesAroundADocumentAndTheCancelOfAPowerCut) {
    Printer printer({});
    prepare(printer, {command("ConfigurarZona", {{"NumeroLinea", "1"}, {"Descripcion", "MI NEGOCIO"}, {"IdentificadorZona", "ZonaFantasia"}, {"Estacion", "EstacionPorDefecto"}}),
                      command("ConfigurarZona", {{"NumeroLinea", "2"}, {"Descripcion", "GRACIAS"}, {"IdentificadorZona", "Zona2Cola"}}),
                      kTicket, kItem, command("CerrarDocumento"), kTicket, kItem});
    EXPECT_EQ(send(printer, command("ConsultarZona", {{"NumeroLinea", "2"}, {"IdentificadorZona", "Zona2Cola"}})).fields.value("Descripcion").toString(),
              QStringLiteral("GRACIAS"));
    printer.cutPower();
    const QStringList roll = printer.paper().take();
    const QStringList expected{QStringLiteral("== TIQUE Nro 00001-00000001 =="),
                               QStringLiteral("MI NEGOCIO"),
                               QStringLiteral("FECHA 01/01/26 HORA 00:00:00"),
                               QStringLiteral("ITEM Producto | 1 x 10 | IVA 21.00% | 10.00"),
                               QStringLiteral("TOTAL 10.00"),
                               QStringLiteral("IVA 1.74"),
                               QStringLiteral("GRACIAS"),
                               QStringLiteral("== FIN TIQUE Nro 00001-00000001 =="),
                               QStringLiteral("== TIQUE Nro 00001-00000002 =="),
                               QStringLiteral("MI NEGOCIO"),
                               QStringLiteral("FECHA 01/01/26 HORA 00:00:00"),
                               QStringLiteral("ITEM Producto | 1 x 10 | IVA 21.00% | 10.00"),
                               QStringLiteral("CORTE DE CORRIENTE"),
                               QStringLiteral("== CANCELADO TIQUE Nro 00001-00000002 ==")};
    EXPECT_EQ(roll, expected);
    EXPECT_EQ(printer.memory().counter(83).cancelled, 1);
    EXPECT_FALSE(printer.memory().open);
}

}  // namespace
