#include "hasar2g_raw.h"

#include "drivers/cp437.h"
#include "drivers/error_numbers.h"
#include "drivers/hasar/hasar_protocol.h"
#include "drivers/link/frame.h"
#include "drivers/operation_error.h"
#include "hasar2g_protocol.h"

using namespace hasar_command;

namespace hasar2g_raw {

namespace {

QString hex(quint8 code) { return QStringLiteral("0x") + QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0')); }

DriverError noTwin(quint8 code) {
    const char* words = hasar_command::name(code);
    return DriverError(error_number::kCommandNotInModel,
                       QStringLiteral("El Hasar 2G no tiene el comando %1 de la primera generación%2")
                           .arg(hex(code), words && *words ? QStringLiteral(" (%1)").arg(QString::fromUtf8(words)) : QString()));
}

DriverError badFields(quint8 code, const QString& why) {
    return DriverError(error_number::kBadArgument, QStringLiteral("El comando %1 no se puede pasar al Hasar 2G: %2").arg(hex(code), why));
}

// One character of a field, as the first generation's letters are written.
int letter(quint8 code, const QString& field, const QString& what) {
    if (field.size() != 1) throw badFields(code, QStringLiteral("%1 debe ser una letra").arg(what));
    return field[0].unicode();
}

}  // namespace

Translated translate(const QByteArray& raw) {
    if (raw.isEmpty()) throw DriverError(error_number::kBadArgument, QStringLiteral("comando vacío"));
    const auto code = static_cast<quint8>(raw[0]);
    if (raw.size() > 1 && raw[1] != frame::FS) throw badFields(code, QStringLiteral("cada campo debe ir precedido del carácter 28"));
    QStringList fields;
    if (raw.size() > 1)
        for (const QByteArray& f : raw.mid(2).split(frame::FS)) fields << cp437::decode(f);
    const auto needs = [&](qsizetype least, qsizetype most) {
        if (fields.size() < least || fields.size() > most)
            throw badFields(code, QStringLiteral("lleva %1 campos y se esperan de %2 a %3").arg(fields.size()).arg(least).arg(most));
    };

    switch (code) {
    case kSetDateTime: {
        needs(2, 2);
        const QDate date = fields[0].size() == 6 ? QDate::fromString(QStringLiteral("20") + fields[0], QStringLiteral("yyyyMMdd")) : QDate();
        const QTime time = fields[1].size() == 6 ? QTime::fromString(fields[1], QStringLiteral("HHmmss")) : QTime();
        if (!date.isValid() || !time.isValid()) throw badFields(code, QStringLiteral("la fecha va como AAMMDD y la hora como HHMMSS"));
        return {Translated::Role::Plain, hasar2g_request::setDateTime(date, time)};
    }
    case kSetEmbarkNumber: {
        needs(2, 2);
        bool ok = false;
        const int line = fields[0].toInt(&ok);
        if (!ok) throw badFields(code, QStringLiteral("la línea debe ser un número"));
        return {Translated::Role::Plain, hasar2g_request::associatedDocument(line, fields[1])};
    }
    case kSetCustomerData:
        needs(4, 5);
        return {Translated::Role::Plain,
                hasar2g_request::customerData(fields[0], fields[1], letter(code, fields[3], QStringLiteral("el tipo de documento")),
                                              letter(code, fields[2], QStringLiteral("la responsabilidad ante el IVA")),
                                              fields.size() > 4 ? std::optional<QString>(fields[4]) : std::nullopt)};
    case kOpenHomologated: {
        needs(1, 3);
        const auto c = hasar2g::codeOfLetter(static_cast<char>(letter(code, fields[0], QStringLiteral("el tipo de documento"))), true);
        if (!c) throw badFields(code, QStringLiteral("el Hasar 2G no emite el documento '%1'").arg(fields[0]));
        return {Translated::Role::Opens, {}, *c};
    }
    case kCloseHomologated:
    case kCloseFiscalReceipt:
        needs(0, 1);
        return {Translated::Role::Closes, {}, 0};
    }
    throw noTwin(code);
}

}  // namespace hasar2g_raw
