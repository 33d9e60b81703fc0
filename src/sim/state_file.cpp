#include "state_file.h"

#include "state_json.h"

#include <QJsonDocument>
#include <QSaveFile>

namespace sim::state_file {

namespace {

const QString kFormat = QStringLiteral("orbelo-virtual-printer-state");
constexpr int kVersion = 1;
constexpr char kHomologated[] = "homologated";

constexpr state_json::Bounds kBounds{20, 0, 9999,
                                     {FiscalMemory::kMaxCustomerText, FiscalMemory::kMaxCustomerText, 1,
                                      FiscalMemory::kMaxIdType, FiscalMemory::kMaxCustomerText}};

using state_json::Reader;

// Lines kept in an array of exactly `count` texts; a file older than the key leaves them empty.
void readLines(Reader& r, const QJsonObject& o, const char* key, QString* out, int count, int maxLength) {
    if (!o.contains(QLatin1String(key))) return;
    const QJsonValue v = o.value(QLatin1String(key));
    const QJsonArray array = v.toArray();
    if (!v.isArray() || array.size() != count)
        r.fail(QStringLiteral("'%1' no tiene %2 líneas").arg(QLatin1String(key)).arg(count));
    for (int i = 0; i < count && i < array.size(); ++i) out[i] = r.text(array[i], key, maxLength);
}

std::optional<OpenDocument> readOpenDocument(Reader& r, const QJsonValue& v) {
    const auto object = r.objectOrNull(v, "open_document");
    if (!object) return std::nullopt;
    const QJsonObject& o = *object;
    OpenDocument doc;
    const auto kind = kindFromKey(r.text(o, "kind", 30));
    if (!kind) r.fail(QStringLiteral("'open_document.kind' no es un tipo de documento"));
    doc.kind = kind.value_or(DocumentKind::Ticket);
    doc.number = r.number(o, "number");
    doc.reference = r.text(o, "reference", FiscalMemory::kMaxReference);
    doc.total = r.amount(o, "total");
    doc.tax = r.amount(o, "tax");
    doc.paid = r.amount(o, "paid");
    doc.items = r.count(o, "items");
    doc.payments = static_cast<int>(r.integer(o, "payments", 0, FiscalMemory::kMaxPayments));
    doc.textsInRow = static_cast<int>(r.integer(o, "texts_in_row", 0, 4));
    doc.receiptLines = static_cast<int>(r.integer(o, "receipt_lines", 0, 9));
    return doc;
}

// A file older than the configuration keeps the factory's.
Configuration readConfiguration(Reader& r, const QJsonObject& json) {
    Configuration c;
    if (!json.contains(QLatin1String("configuration"))) return c;
    const QJsonObject o = r.object(json, "configuration");
    // As GetConfigurationData answers them: limits of nine whole digits, a rate of two.
    const auto bounded = [&](const char* key, qint64 maxWhole) {
        const Amount a = r.amount(o, key);
        if (a.units < 0 || a.units >= maxWhole * Amount::kScale)
            r.fail(QStringLiteral("'%1' no es un importe entre 0 y %2").arg(QLatin1String(key)).arg(maxWhole - 1));
        return a;
    };
    c.finalConsumerLimit = bounded("final_consumer_limit", 1'000'000'000);
    c.ticketInvoiceLimit = bounded("ticket_invoice_limit", 1'000'000'000);
    c.unregisteredTaxRate = bounded("unregistered_tax_rate", 100);
    c.printChange = r.boolean(o, "print_change");
    c.printLegends = r.boolean(o, "print_legends");
    const QString cut = r.text(o, "cut_type", 1);
    if (cut.size() != 1 || !QStringLiteral("FPN").contains(cut)) r.fail(QStringLiteral("'cut_type' no es F, P ni N"));
    c.cutType = cut.isEmpty() ? 'F' : cut[0].toLatin1();
    return c;
}

std::optional<LogoBitmap> readLogo(Reader& r, const QJsonValue& v) {
    if (v.isNull()) return std::nullopt;
    const QJsonObject o = v.toObject();
    LogoBitmap logo;
    logo.width = static_cast<int>(r.integer(o, "width", 1, LogoBitmap::kMaxWidth));
    logo.height = static_cast<int>(r.integer(o, "height", 1, LogoBitmap::kMaxHeight));
    const QJsonValue bits = r.value(o, "bits");
    logo.bits = QByteArray::fromHex(bits.toString().toLatin1());
    if (!v.isObject() || !bits.isString() || !logo.isConsistent() ||
        bits.toString().size() != logo.bits.size() * 2)
        r.fail(QStringLiteral("'logo' no coincide con su ancho y alto"));
    return logo;
}

}  // namespace

QJsonObject toJson(const FiscalMemory& m) {
    QJsonArray records;
    for (const ZRecord& z : m.zRecords) records.append(state_json::toJson(z, kHomologated));
    QJsonValue open = QJsonValue::Null;
    if (const auto& d = m.open)
        open = QJsonObject{{"kind", QLatin1String(info(d->kind).key)},
                           {"number", static_cast<qint64>(d->number)},
                           {"reference", d->reference},
                           {"total", d->total.plain()},
                           {"tax", d->tax.plain()},
                           {"paid", d->paid.plain()},
                           {"items", d->items},
                           {"payments", d->payments},
                           {"texts_in_row", d->textsInRow},
                           {"receipt_lines", d->receiptLines}};
    QJsonArray fantasy, headerTrailer;
    for (const QString& line : m.fantasyName) fantasy.append(line);
    for (const QString& line : m.headerTrailer) headerTrailer.append(line);
    const Configuration& c = m.configuration;
    QJsonValue logo = QJsonValue::Null;
    if (const auto& l = m.logo)
        logo = QJsonObject{{"width", l->width}, {"height", l->height}, {"bits", QString::fromLatin1(l->bits.toHex().toUpper())}};
    return QJsonObject{
        {"format", kFormat},
        {"version", kVersion},
        {"initialised", m.initialised},
        {"module_open", m.moduleOpen},
        {"identity", state_json::toJson(m.identity)},
        {"z_capacity", m.zCapacity},
        {"last_z", m.lastZ},
        {"last_x", m.lastX},
        {"z_records", records},
        {"last_numbers", QJsonObject{{"a", static_cast<qint64>(m.last.a)},
                                     {"b", static_cast<qint64>(m.last.b)},
                                     {"credit_note_a", static_cast<qint64>(m.last.creditNoteA)},
                                     {"credit_note_b", static_cast<qint64>(m.last.creditNoteB)},
                                     {"delivery_note", static_cast<qint64>(m.last.deliveryNote)},
                                     {"non_fiscal", static_cast<qint64>(m.last.nonFiscal)},
                                     {"issued_a", static_cast<qint64>(m.last.issuedA)},
                                     {"issued_b", static_cast<qint64>(m.last.issuedB)}}},
        {"last_cancelled", m.lastCancelled},
        {"right_after_z", m.rightAfterZ},
        {"z_due", m.zDue},
        {"day", state_json::toJson(m.day, kHomologated)},
        {"customer", state_json::toJson(m.customer)},
        {"embark", QJsonArray{m.embark[0], m.embark[1]}},
        {"fantasy_name", fantasy},
        {"header_trailer", headerTrailer},
        {"configuration", QJsonObject{{"final_consumer_limit", c.finalConsumerLimit.plain()},
                                      {"ticket_invoice_limit", c.ticketInvoiceLimit.plain()},
                                      {"unregistered_tax_rate", c.unregisteredTaxRate.plain()},
                                      {"print_change", c.printChange},
                                      {"print_legends", c.printLegends},
                                      {"cut_type", QString(QLatin1Char(c.cutType))}}},
        {"open_document", open},
        {"clock_offset_ms", static_cast<double>(m.clockOffsetMs)},
        {"logo", logo},
        {"drawer_openings", m.drawerOpenings},
        {"cuts", m.cuts},
    };
}

std::optional<FiscalMemory> fromJson(const QJsonObject& json, QString* error) {
    // Any character but a control below the blank: the Hasar keeps its texts decoded from code
    // page 437, which reaches beyond Latin-1 (0x9F is U+0192).
    Reader r(error);
    if (json.value(QLatin1String("format")).toString() != kFormat)
        r.fail(QStringLiteral("no es un archivo de estado de impresor virtual"));
    if (r.ok() && r.integer(json, "version", 0, 1000) != kVersion) r.fail(QStringLiteral("versión de archivo desconocida"));
    if (!r.ok()) return std::nullopt;

    FiscalMemory m;
    m.initialised = r.boolean(json, "initialised");
    m.moduleOpen = r.boolean(json, "module_open");
    m.identity = r.identity(r.object(json, "identity"), kBounds);
    m.zCapacity = static_cast<int>(r.integer(json, "z_capacity", 1, 10000));
    m.lastZ = static_cast<int>(r.integer(json, "last_z", 0, 10000));
    m.lastX = static_cast<int>(r.integer(json, "last_x", 0, FiscalMemory::kMaxXNumber));
    for (const QJsonValue& v : r.value(json, "z_records").toArray()) m.zRecords.append(r.zRecord(v, kHomologated));
    const QJsonObject last = r.object(json, "last_numbers");
    m.last = LastNumbers{r.number(last, "a"),           r.number(last, "b"),
                         r.number(last, "credit_note_a"), r.number(last, "credit_note_b"),
                         r.number(last, "delivery_note"), r.number(last, "non_fiscal")};
    // Files written before these were kept: nothing cancelled, every printed number issued.
    m.last.issuedA = last.contains(QLatin1String("issued_a")) ? r.number(last, "issued_a") : m.last.a;
    m.last.issuedB = last.contains(QLatin1String("issued_b")) ? r.number(last, "issued_b") : m.last.b;
    m.lastCancelled = json.contains(QLatin1String("last_cancelled")) && r.boolean(json, "last_cancelled");
    // Older files knew neither: not right after a Z, and no Z due.
    m.rightAfterZ = json.contains(QLatin1String("right_after_z")) && r.boolean(json, "right_after_z");
    m.zDue = json.contains(QLatin1String("z_due")) && r.boolean(json, "z_due");
    m.day = r.totals(r.object(json, "day"), kHomologated);
    m.customer = r.customer(r.value(json, "customer"), kBounds);
    const QJsonArray embark = r.value(json, "embark").toArray();
    if (embark.size() != FiscalMemory::kEmbarkLines) r.fail(QStringLiteral("'embark' no tiene dos líneas"));
    for (int i = 0; i < FiscalMemory::kEmbarkLines && i < embark.size(); ++i) {
        m.embark[i] = embark[i].toString();
        if (!embark[i].isString() || m.embark[i].size() > FiscalMemory::kMaxEmbarkText)
            r.fail(QStringLiteral("'embark' no es texto corto"));
    }
    readLines(r, json, "fantasy_name", m.fantasyName, FiscalMemory::kFantasyLines, FiscalMemory::kMaxFantasyText);
    readLines(r, json, "header_trailer", m.headerTrailer, FiscalMemory::kHeaderTrailerLines, FiscalMemory::kMaxHeaderText);
    m.configuration = readConfiguration(r, json);
    m.open = readOpenDocument(r, r.value(json, "open_document"));
    m.clockOffsetMs = r.integer(json, "clock_offset_ms", -state_json::kMaxClockOffsetMs, state_json::kMaxClockOffsetMs);
    m.logo = readLogo(r, r.value(json, "logo"));
    m.drawerOpenings = r.count(json, "drawer_openings");
    m.cuts = r.count(json, "cuts");

    // The records must be the Z reports 1..last, within the capacity.
    if (r.ok() && (m.zRecords.size() != m.lastZ || m.lastZ > m.zCapacity))
        r.fail(QStringLiteral("los cierres Z guardados no coinciden con el último Z"));
    r.numberedInOrder(m.zRecords);
    if (!r.ok()) return std::nullopt;
    return m;
}

std::optional<FiscalMemory> load(const QString& path, QString* error) {
    return state_json::load(path, error, fromJson);
}

bool save(const FiscalMemory& memory, const QString& path, QString* error,
          const std::function<bool(int handle)>& beforeReplace) {
    return saveContents(QJsonDocument(toJson(memory)).toJson(), path, error, beforeReplace);
}

bool saveContents(const QByteArray& contents, const QString& path, QString* error,
                  const std::function<bool(int handle)>& beforeReplace) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) < 0) {
        *error = QStringLiteral("no se pudo guardar %1: %2").arg(path, file.errorString());
        return false;
    }
    if (beforeReplace && !(file.flush() && beforeReplace(file.handle()))) {
        file.cancelWriting();
        file.commit();
        *error = QStringLiteral("no se pudo guardar %1: no se pudo reservar el archivo nuevo").arg(path);
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("no se pudo guardar %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace sim::state_file
