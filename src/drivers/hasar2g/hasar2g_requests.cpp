#include "hasar2g_requests.h"

#include "drivers/error_numbers.h"
#include "drivers/operation_error.h"
#include "drivers/unprintable_character.h"
#include "hasar2g_protocol.h"

#include <QRegularExpression>
#include <cmath>

using namespace hasar2g::command;

namespace hasar2g_request {

namespace {

// Longer than any text field a 2G printer prints on a line; a longer one is a mistake.
constexpr qsizetype kMaxText = 200;
// Amounts of up to 11 whole digits, as the printer totals them.
constexpr double kMaxAmount = 99'999'999'999.0;
// The printer has no dates before the century's: two-digit years are read as 20yy.
const QDate kFirstDate(2000, 1, 1);

DriverError bad(const QString& what) {
    return DriverError(error_number::kBadArgument, QStringLiteral("Valor que el Hasar 2G no acepta: %1").arg(what));
}

// Latin-1 without its control characters: what the printer's character set holds.
QString text(const QString& value, bool required = false) {
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u > 0xFF) throw unprintableCharacter(QStringLiteral("El Hasar 2G"), u, value);
    }
    if (value.size() > kMaxText) throw bad(QStringLiteral("un texto de %1 caracteres (hasta %2)").arg(value.size()).arg(kMaxText));
    if (required && value.trimmed().isEmpty()) throw bad(QStringLiteral("un texto vacío"));
    return value;
}

// "1.00", "0.0100": the decimals the value needs, at least two and at most `decimals`.
QString amount(double value, int decimals, const QString& what, bool allowNegative = false) {
    if (!std::isfinite(value) || std::fabs(value) > kMaxAmount || (!allowNegative && value < 0))
        throw bad(QStringLiteral("%1 %2").arg(what).arg(value));
    QString s = QString::number(value, 'f', decimals);
    while (s.size() > 1 && s.endsWith(QLatin1Char('0')) && s.indexOf(QLatin1Char('.')) < s.size() - 3) s.chop(1);
    return s;
}

QString code(int c) { return QString::number(c); }

QString responsibilityName(int letter) {
    switch (letter) {
    case 'I': return QStringLiteral("ResponsableInscripto");
    case 'C': return QStringLiteral("ConsumidorFinal");
    case 'M': return QStringLiteral("Monotributo");
    }
    throw bad(QStringLiteral("la responsabilidad ante el IVA '%1' (el Hasar 2G toma I, C o M)").arg(QChar(letter)));
}

QString documentTypeName(int letter) {
    switch (letter) {
    case 'C': return QStringLiteral("TipoCUIT");
    case 'L': return QStringLiteral("TipoCUIL");
    case '2': return QStringLiteral("TipoDNI");
    }
    throw bad(QStringLiteral("el tipo de documento '%1' (el Hasar 2G toma C, L o 2)").arg(QChar(letter)));
}

QString date(const QDate& d) { return std::max(d, kFirstDate).toString(QStringLiteral("yyMMdd")); }

}  // namespace

Request customerData(const QString& name, const QString& id, int docType, int responsibility,
                     const std::optional<QString>& address) {
    return {kCargarDatosCliente,
            {{"RazonSocial", text(name, true)},
             {"NumeroDocumento", text(id.trimmed(), true)},
             {"ResponsabilidadIVA", responsibilityName(responsibility)},
             {"TipoDocumento", documentTypeName(docType)},
             {"Domicilio", text(address.value_or(QString()))}}};
}

Request openDocument(int c) { return {kAbrirDocumento, {{"CodigoComprobante", code(c)}}}; }

Request item(const QString& description, double quantity, double unitPrice, double vat, double internalTaxes) {
    if (!(vat >= 0 && vat <= 100)) throw bad(QStringLiteral("la alícuota de IVA %1").arg(vat));
    // Every field goes, even empty: the printer takes the item only whole.
    return {kImprimirItem,
            {{"Descripcion", text(description, true)},
             {"Cantidad", amount(quantity, 4, QStringLiteral("la cantidad"))},
             {"PrecioUnitario", amount(unitPrice, 4, QStringLiteral("el precio"))},
             {"CondicionIVA", "Gravado"},
             {"AlicuotaIVA", amount(vat, 2, QStringLiteral("la alícuota de IVA"))},
             {"OperacionMonto", "ModoSumaMonto"},
             {"TipoImpuestoInterno", "IIVariableKIVA"},
             {"MagnitudImpuestoInterno", amount(internalTaxes, 4, QStringLiteral("el impuesto interno"))},
             {"ModoDisplay", "DisplayNo"},
             {"ModoBaseTotal", "ModoPrecioTotal"},
             {"UnidadReferencia", ""},
             {"CodigoProducto", ""},
             {"CodigoInterno", ""},
             {"UnidadMedida", "Unidad"}}};
}

Request deliveryItem(const QString& description, double quantity) { return item(description, quantity, 0.0, 0.0, 0.0); }

Request payment(const QString& description, double value) {
    // The first generation's empty payment text is the printer's own word for it here.
    const QString words = description.trimmed().isEmpty() ? QStringLiteral("Pago") : description;
    return {kImprimirPago,
            {{"Descripcion", text(words, true)}, {"Monto", amount(value, 2, QStringLiteral("el pago"))}, {"Operacion", "Pagar"}}};
}

Request closeDocument() { return {kCerrarDocumento, {{"Copias", "0"}, {"DireccionEMail", ""}}}; }

Request associatedDocument(int line, const QString& documentNumber) {
    if (line < 1 || line > 2) throw bad(QStringLiteral("la línea de documento asociado %1 (debe ser 1 o 2)").arg(line));
    static const QRegularExpression shape(QStringLiteral("^([ABC])-(\\d{1,5})-(\\d{1,8})$"));
    const QRegularExpressionMatch m = shape.match(documentNumber.trimmed());
    if (!m.hasMatch())
        throw bad(QStringLiteral("el documento asociado '%1' (se espera LETRA-PUNTO DE VENTA-NÚMERO, por ejemplo A-0001-00000001)")
                      .arg(text(documentNumber).left(30)));
    const int invoice = m.captured(1) == QLatin1String("A") ? hasar2g::kTicketInvoiceA
                        : m.captured(1) == QLatin1String("B") ? hasar2g::kTicketInvoiceB
                                                              : 111;
    return {kCargarDocumentoAsociado,
            {{"NumeroLinea", QString::number(line)},
             {"CodigoComprobante", code(invoice)},
             {"NumeroPos", QString::number(m.captured(2).toInt())},
             {"NumeroComprobante", QString::number(m.captured(3).toInt())}}};
}

Request dailyClose(bool z) { return {kCerrarJornadaFiscal, {{"Reporte", z ? "ReporteZ" : "ReporteX"}}}; }

Request reportByDate(const QDate& first, const QDate& last) {
    if (!first.isValid() || !last.isValid()) throw bad(QStringLiteral("una fecha no válida"));
    return {kReportarZetasPorFecha, {{"FechaInicial", date(first)}, {"FechaFinal", date(last)}}};
}

Request reportByNumber(int firstZ, int lastZ) {
    if (firstZ < 1 || lastZ < 1 || firstZ > 99999 || lastZ > 99999)
        throw bad(QStringLiteral("el rango de cierres Z %1 a %2 (de 1 a 99999)").arg(firstZ).arg(lastZ));
    return {kReportarZetasPorNumeroZeta, {{"ZetaInicial", QString::number(firstZ)}, {"ZetaFinal", QString::number(lastZ)}}};
}

Request setDateTime(const QDate& d, const QTime& t) {
    if (!d.isValid() || !t.isValid() || d < kFirstDate || d.year() > 2099)
        throw bad(QStringLiteral("la fecha y hora (de 2000 a 2099)"));
    return {kConfigurarFechaHora, {{"Fecha", d.toString(QStringLiteral("yyMMdd"))}, {"Hora", t.toString(QStringLiteral("HHmmss"))}}};
}

Request status(int c) { return {kConsultarEstado, {{"CodigoComprobante", code(c)}}}; }

}  // namespace hasar2g_request
