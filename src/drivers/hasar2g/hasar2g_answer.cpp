#include "hasar2g_answer.h"

#include "hasar2g_protocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

namespace hasar2g_answer {

namespace {

// A field's value as text: strings as they are, whole numbers in digits. Anything else (a
// nested object, a list, a fraction written as a JSON number) is not a field this driver reads.
std::optional<QString> text(const QJsonValue& v) {
    if (v.isString()) return v.toString();
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15) return QString::number(static_cast<qint64>(d));
    }
    return std::nullopt;
}

std::optional<QStringList> flags(const QJsonValue& v) {
    if (v.isUndefined() || v.isNull()) return QStringList();
    if (!v.isArray() || v.toArray().size() > kMaxFlags) return std::nullopt;
    QStringList out;
    for (const QJsonValue& f : v.toArray()) {
        if (!f.isString() || f.toString().size() > kMaxText) return std::nullopt;
        out << f.toString();
    }
    return out;
}

QString shortened(const QString& s) { return s.size() > 60 ? s.left(60) + QStringLiteral("…") : s; }

}  // namespace

std::variant<Answer, QString> read(QByteArrayView body, const QString& command, const QString& alsoAccepted) {
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(body.toByteArray(), &parse);
    if (parse.error != QJsonParseError::NoError)
        return QStringLiteral("la respuesta no es JSON válido (byte %1: %2)").arg(parse.offset).arg(parse.errorString());
    if (!doc.isObject() || doc.object().size() != 1) return QStringLiteral("la respuesta no es un objeto JSON con un solo comando");
    const QJsonObject top = doc.object();
    Answer answer;
    answer.command = top.begin().key();
    if (answer.command == QLatin1String(hasar2g::kBusyReply)) {
        answer.busy = true;
        return answer;
    }
    if (answer.command == QLatin1String("Error")) {
        const QString why = top.begin().value().toObject().value(QLatin1String("Descripcion")).toString();
        return QStringLiteral("el impresor no aceptó el pedido: %1").arg(shortened(why));
    }
    if (answer.command != command && (alsoAccepted.isEmpty() || answer.command != alsoAccepted))
        return QStringLiteral("la respuesta es de otro comando (%1, se esperaba %2)").arg(shortened(answer.command), command);
    if (!top.begin().value().isObject()) return QStringLiteral("la respuesta a %1 no trae sus campos").arg(command);

    const QJsonObject fields = top.begin().value().toObject();
    if (fields.size() > kMaxFields) return QStringLiteral("la respuesta a %1 trae demasiados campos").arg(command);
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        if (it.key().size() > kMaxText) return QStringLiteral("la respuesta a %1 trae un nombre de campo demasiado largo").arg(command);
        if (it.key() == QLatin1String("Estado")) {
            if (!it.value().isObject()) return QStringLiteral("el Estado de la respuesta a %1 no se puede leer").arg(command);
            const QJsonObject state = it.value().toObject();
            const auto printer = flags(state.value(QLatin1String("Impresora")));
            const auto fiscal = flags(state.value(QLatin1String("Fiscal")));
            if (!printer || !fiscal) return QStringLiteral("el Estado de la respuesta a %1 no se puede leer").arg(command);
            answer.printerFlags = *printer;
            answer.fiscalFlags = *fiscal;
            continue;
        }
        if (it.value().isString() && it.value().toString().size() > kMaxText)
            return QStringLiteral("la respuesta a %1 trae un campo demasiado largo (%2)").arg(command, shortened(it.key()));
        if (const auto value = text(it.value())) answer.fields.insert(it.key(), *value);
    }
    if (!fields.contains(QLatin1String("Estado"))) return QStringLiteral("la respuesta a %1 no trae su Estado").arg(command);
    return answer;
}

}  // namespace hasar2g_answer
