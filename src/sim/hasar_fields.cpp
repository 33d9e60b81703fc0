#include "hasar_fields.h"

#include "hasar_text.h"

#include <cstring>

namespace sim::hasar {

namespace {

std::optional<int> digits(QByteArrayView field, int from, int count) {
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        if (field[i] < '0' || field[i] > '9') return std::nullopt;
        value = value * 10 + (field[i] - '0');
    }
    return value;
}

// A decimal form: the sign it takes, how many whole digits and decimals.
struct Decimal {
    const char* signs;  // the sign characters allowed in front
    int maxWhole;       // 0: the whole part is a lone 0
    int minDecimals;
    int maxDecimals;
};

bool inDecimal(const Decimal& form, QByteArrayView field) {
    qsizetype i = 0;
    if (i < field.size() && field[i] != '\0' && std::strchr(form.signs, field[i])) ++i;
    const qsizetype wholeStart = i;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') ++i;
    const QByteArrayView whole = field.sliced(wholeStart, i - wholeStart);
    if (whole.isEmpty() || i == field.size() || field[i] != '.') return false;
    if (form.maxWhole == 0 ? whole != "0" : whole.size() > form.maxWhole) return false;
    const qsizetype decimalsStart = ++i;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') ++i;
    const qsizetype decimals = i - decimalsStart;
    return i == field.size() && decimals >= form.minDecimals && decimals <= form.maxDecimals;
}

}  // namespace

bool inForm(NumberForm form, QByteArrayView field) {
    switch (form) {
    case NumberForm::Quantity: return inDecimal({"+-", 3, 1, 10}, field);
    case NumberForm::Amount: return inDecimal({"+-", 6, 2, 2}, field);
    case NumberForm::Payment: return inDecimal({"+-", 9, 2, 2}, field);
    case NumberForm::TaxRate: return field == "**.**" || inDecimal({"", 2, 2, 2}, field);
    case NumberForm::TaxCoefficient: return inDecimal({"+", 0, 8, 8}, field);
    case NumberForm::DeliveryQuantity: return inDecimal({"", 3, 1, 4}, field);
    case NumberForm::Display: return field == "0" || field == "1" || field == "2";
    }
    return false;
}

QString text(const QList<QByteArray>& fields, int n) {
    return n >= 1 && n <= fields.size() ? decodeText(fields[n - 1]) : QString();
}

std::optional<char> letter(const QList<QByteArray>& fields, int n, const char* allowed) {
    if (n < 1 || n > fields.size() || fields[n - 1].size() != 1) return std::nullopt;
    const char c = fields[n - 1][0];
    if (c == '\0' || !std::strchr(allowed, c)) return std::nullopt;
    return c;
}

std::optional<int> lineNumber(const QList<QByteArray>& fields, int n, int last) {
    if (n < 1 || n > fields.size()) return std::nullopt;
    const QByteArray& field = fields[n - 1];
    if (field.isEmpty() || field.size() > 5) return std::nullopt;
    const auto line = digits(field, 0, static_cast<int>(field.size()));
    return line && *line >= 1 && *line <= last ? line : std::nullopt;
}

std::optional<QDate> date(QByteArrayView field) {
    if (field.size() != 6) return std::nullopt;
    const auto yy = digits(field, 0, 2), mm = digits(field, 2, 2), dd = digits(field, 4, 2);
    if (!yy || !mm || !dd) return std::nullopt;
    const QDate d(*yy >= 97 ? 1900 + *yy : 2000 + *yy, *mm, *dd);
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

std::optional<QTime> time(QByteArrayView field) {
    if (field.size() != 6) return std::nullopt;
    const auto hh = digits(field, 0, 2), mm = digits(field, 2, 2), ss = digits(field, 4, 2);
    if (!hh || !mm || !ss) return std::nullopt;
    const QTime t(*hh, *mm, *ss);
    return t.isValid() ? std::optional<QTime>(t) : std::nullopt;
}

QByteArray dateField(QDate d) {
    return d.toString(QStringLiteral("yyMMdd")).toLatin1();
}

bool validCuit(const QString& id) {
    static constexpr int kWeights[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    if (id.size() != 11) return false;
    int sum = 0;
    for (int i = 0; i < 11; ++i)
        if (!id[i].isDigit()) return false;
    for (int i = 0; i < 10; ++i) sum += kWeights[i] * id[i].digitValue();
    const int check = (11 - sum % 11) % 11;
    return check != 10 && check == id[10].digitValue();
}

}  // namespace sim::hasar
