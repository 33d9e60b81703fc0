#include "reply_fields.h"

#include <cctype>

namespace reply_field {

namespace {

std::optional<quint16> hexWord(const QByteArray& field) {
    if (field.size() != 4) return std::nullopt;
    quint16 value = 0;
    for (const char c : field) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = static_cast<quint16>(value << 4 | QByteArray(1, c).toUShort(nullptr, 16));
    }
    return value;
}

}  // namespace

std::optional<StatusWords> statusWords(const QList<QByteArray>& fields) {
    if (fields.size() < 2) return std::nullopt;
    const auto printer = hexWord(fields[0]);
    const auto fiscal = hexWord(fields[1]);
    if (!printer || !fiscal) return std::nullopt;
    return StatusWords{*printer, *fiscal};
}

std::optional<quint32> number(const QList<QByteArray>& fields, int field) {
    if (field < 1 || field > fields.size()) return std::nullopt;
    bool ok = false;
    const quint32 value = fields[field - 1].trimmed().toUInt(&ok);
    return ok ? std::optional<quint32>(value) : std::nullopt;
}

}  // namespace reply_field
