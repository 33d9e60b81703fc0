#include "state_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <cmath>

namespace sim::state_file {

namespace {

const QString kFormat = QStringLiteral("orbelo-virtual-printer-state");
constexpr int kVersion = 1;
constexpr int kMaxText = 120;
constexpr qint64 kMaxClockOffsetMs = 200LL * 365 * 24 * 3600 * 1000;

QJsonObject totalsToJson(const DayTotals& t) {
    return {{"cancelled", t.cancelled},       {"homologated", t.homologated},
            {"non_fiscal", t.nonFiscal},      {"fiscal", t.fiscal},
            {"sold", t.sold.plain()},         {"tax", t.tax.plain()},
            {"credited", t.credited.plain()}, {"credited_tax", t.creditedTax.plain()}};
}

QString dateText(QDate d) {
    return d.toString(Qt::ISODate);
}

// Reads typed values and remembers the first problem, so each caller reads straight through
// and checks once at the end.
class Reader {
public:
    explicit Reader(QString* error) : error_(error) {}

    bool ok() const { return error_->isEmpty(); }
    void fail(const QString& what) {
        if (ok()) *error_ = what;
    }

    QJsonValue value(const QJsonObject& o, const char* key) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined()) fail(QStringLiteral("falta '%1'").arg(QLatin1String(key)));
        return v;
    }
    QJsonObject object(const QJsonObject& o, const char* key) {
        const QJsonValue v = value(o, key);
        if (!v.isObject()) fail(QStringLiteral("'%1' no es un objeto").arg(QLatin1String(key)));
        return v.toObject();
    }
    // An object that may be null: none when null, and a failure when it is neither.
    std::optional<QJsonObject> objectOrNull(const QJsonValue& v, const char* key) {
        if (v.isNull()) return std::nullopt;
        if (!v.isObject()) {
            fail(QStringLiteral("'%1' no es un objeto").arg(QLatin1String(key)));
            return std::nullopt;
        }
        return v.toObject();
    }
    bool boolean(const QJsonObject& o, const char* key) {
        const QJsonValue v = value(o, key);
        if (!v.isBool()) fail(QStringLiteral("'%1' no es verdadero ni falso").arg(QLatin1String(key)));
        return v.toBool();
    }
    qint64 integer(const QJsonObject& o, const char* key, qint64 min, qint64 max) {
        const QJsonValue v = value(o, key);
        const double d = v.toDouble();
        // The range is checked before the cast: casting 1e300 or NaN to an integer is undefined.
        if (!v.isDouble() || !(d >= static_cast<double>(min) && d <= static_cast<double>(max)) || d != std::trunc(d)) {
            fail(QStringLiteral("'%1' no es un entero entre %2 y %3").arg(QLatin1String(key)).arg(min).arg(max));
            return min;
        }
        return static_cast<qint64>(d);
    }
    int count(const QJsonObject& o, const char* key) {
        return static_cast<int>(integer(o, key, 0, FiscalMemory::kMaxCount));
    }
    QString text(const QJsonObject& o, const char* key, int maxLength = kMaxText) {
        return text(value(o, key), key, maxLength);
    }
    QString text(const QJsonValue& v, const char* key, int maxLength) {
        const QString s = v.toString();
        bool printable = v.isString() && s.size() <= maxLength;
        // Any character but a control below the blank: the Hasar keeps its texts decoded from code
        // page 437, which reaches beyond Latin-1 (0x9F is U+0192), and DEL erases stored lines.
        for (QChar c : s) printable = printable && c.unicode() >= 0x20 && !c.isSurrogate();
        if (!printable) fail(QStringLiteral("'%1' no es un texto imprimible de hasta %2 caracteres").arg(QLatin1String(key)).arg(maxLength));
        return s;
    }
    // Lines kept in an array of exactly `count` texts; a file older than the key leaves them empty.
    void lines(const QJsonObject& o, const char* key, QString* out, int count, int maxLength) {
        if (!o.contains(QLatin1String(key))) return;
        const QJsonValue v = o.value(QLatin1String(key));
        const QJsonArray array = v.toArray();
        if (!v.isArray() || array.size() != count)
            fail(QStringLiteral("'%1' no tiene %2 líneas").arg(QLatin1String(key)).arg(count));
        for (int i = 0; i < count && i < array.size(); ++i) out[i] = text(array[i], key, maxLength);
    }
    QDate date(const QJsonObject& o, const char* key) {
        const QDate d = QDate::fromString(text(o, key), Qt::ISODate);
        if (!d.isValid()) fail(QStringLiteral("'%1' no es una fecha AAAA-MM-DD").arg(QLatin1String(key)));
        return d;
    }
    Amount amount(const QJsonObject& o, const char* key) {
        const auto a = Amount::parse(text(o, key).toLatin1());
        if (!a) fail(QStringLiteral("'%1' no es un importe").arg(QLatin1String(key)));
        return a.value_or(Amount{});
    }
    DayTotals totals(const QJsonObject& o) {
        DayTotals t;
        t.cancelled = count(o, "cancelled");
        t.homologated = count(o, "homologated");
        t.nonFiscal = count(o, "non_fiscal");
        t.fiscal = count(o, "fiscal");
        t.sold = amount(o, "sold");
        t.tax = amount(o, "tax");
        t.credited = amount(o, "credited");
        t.creditedTax = amount(o, "credited_tax");
        return t;
    }
    quint32 number(const QJsonObject& o, const char* key) {
        return static_cast<quint32>(integer(o, key, 0, 99'999'999));
    }

private:
    QString* error_;
};

FiscalIdentity readIdentity(Reader& r, const QJsonObject& o) {
    FiscalIdentity id;
    id.cuit = r.text(o, "cuit", 20);
    id.businessName = r.text(o, "business_name", 50);
    id.registration = r.text(o, "registration", 20);
    id.pointOfSale = static_cast<int>(r.integer(o, "point_of_sale", 0, 9999));
    id.initialisedOn = r.date(o, "initialised_on");
    id.activitiesSince = r.date(o, "activities_since");
    id.grossIncome = r.text(o, "gross_income", 20);
    id.ivaResponsibility = r.text(o, "iva_responsibility", 1);
    return id;
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

std::optional<Customer> readCustomer(Reader& r, const QJsonValue& v) {
    const auto object = r.objectOrNull(v, "customer");
    if (!object) return std::nullopt;
    const QJsonObject& o = *object;
    constexpr int kLong = FiscalMemory::kMaxCustomerText;
    return Customer{r.text(o, "name", kLong), r.text(o, "id", kLong), r.text(o, "responsibility", 1),
                    r.text(o, "id_type", FiscalMemory::kMaxIdType), r.text(o, "address", kLong)};
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
    const FiscalIdentity& id = m.identity;
    QJsonArray records;
    for (const ZRecord& z : m.zRecords)
        records.append(QJsonObject{{"number", z.number}, {"date", dateText(z.date)}, {"totals", totalsToJson(z.totals)}});
    QJsonValue customer = QJsonValue::Null;
    if (const auto& c = m.customer)
        customer = QJsonObject{{"name", c->name}, {"id", c->id}, {"responsibility", c->responsibility},
                               {"id_type", c->idType}, {"address", c->address}};
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
        {"identity", QJsonObject{{"cuit", id.cuit},
                                 {"business_name", id.businessName},
                                 {"registration", id.registration},
                                 {"point_of_sale", id.pointOfSale},
                                 {"initialised_on", dateText(id.initialisedOn)},
                                 {"activities_since", dateText(id.activitiesSince)},
                                 {"gross_income", id.grossIncome},
                                 {"iva_responsibility", id.ivaResponsibility}}},
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
        {"day", totalsToJson(m.day)},
        {"customer", customer},
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
    error->clear();
    Reader r(error);
    if (json.value(QLatin1String("format")).toString() != kFormat)
        r.fail(QStringLiteral("no es un archivo de estado de impresor virtual"));
    if (r.ok() && r.integer(json, "version", 0, 1000) != kVersion) r.fail(QStringLiteral("versión de archivo desconocida"));
    if (!r.ok()) return std::nullopt;

    FiscalMemory m;
    m.initialised = r.boolean(json, "initialised");
    m.moduleOpen = r.boolean(json, "module_open");
    m.identity = readIdentity(r, r.object(json, "identity"));
    m.zCapacity = static_cast<int>(r.integer(json, "z_capacity", 1, 10000));
    m.lastZ = static_cast<int>(r.integer(json, "last_z", 0, 10000));
    m.lastX = static_cast<int>(r.integer(json, "last_x", 0, FiscalMemory::kMaxXNumber));
    const QJsonArray records = r.value(json, "z_records").toArray();
    for (const QJsonValue& v : records) {
        const QJsonObject o = v.toObject();
        m.zRecords.append(ZRecord{static_cast<int>(r.integer(o, "number", 1, 10000)), r.date(o, "date"),
                                  r.totals(r.object(o, "totals"))});
    }
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
    m.day = r.totals(r.object(json, "day"));
    m.customer = readCustomer(r, r.value(json, "customer"));
    const QJsonArray embark = r.value(json, "embark").toArray();
    if (embark.size() != FiscalMemory::kEmbarkLines) r.fail(QStringLiteral("'embark' no tiene dos líneas"));
    for (int i = 0; i < FiscalMemory::kEmbarkLines && i < embark.size(); ++i) {
        m.embark[i] = embark[i].toString();
        if (!embark[i].isString() || m.embark[i].size() > FiscalMemory::kMaxEmbarkText)
            r.fail(QStringLiteral("'embark' no es texto corto"));
    }
    r.lines(json, "fantasy_name", m.fantasyName, FiscalMemory::kFantasyLines, FiscalMemory::kMaxFantasyText);
    r.lines(json, "header_trailer", m.headerTrailer, FiscalMemory::kHeaderTrailerLines, FiscalMemory::kMaxHeaderText);
    m.configuration = readConfiguration(r, json);
    m.open = readOpenDocument(r, r.value(json, "open_document"));
    m.clockOffsetMs = r.integer(json, "clock_offset_ms", -kMaxClockOffsetMs, kMaxClockOffsetMs);
    m.logo = readLogo(r, r.value(json, "logo"));
    m.drawerOpenings = r.count(json, "drawer_openings");
    m.cuts = r.count(json, "cuts");

    // The records must be the Z reports 1..last, in order, within the capacity.
    if (r.ok() && (m.zRecords.size() != m.lastZ || m.lastZ > m.zCapacity))
        r.fail(QStringLiteral("los cierres Z guardados no coinciden con el último Z"));
    for (int i = 0; r.ok() && i < m.zRecords.size(); ++i)
        if (m.zRecords[i].number != i + 1) r.fail(QStringLiteral("los cierres Z no están numerados en orden"));
    if (!r.ok()) return std::nullopt;
    return m;
}

std::optional<FiscalMemory> load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("no se pudo leer %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > kMaxFileBytes) {
        *error = QStringLiteral("%1 es demasiado grande para ser un archivo de estado").arg(path);
        return std::nullopt;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(file.read(kMaxFileBytes), &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isObject()) {
        *error = QStringLiteral("%1 no es JSON válido: %2").arg(path, parse.errorString());
        return std::nullopt;
    }
    auto memory = fromJson(doc.object(), error);
    if (!memory) *error = QStringLiteral("%1 rechazado: %2").arg(path, *error);
    return memory;
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
