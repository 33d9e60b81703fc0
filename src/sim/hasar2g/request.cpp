#include "request.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace sim::hasar2g {

namespace {

// A name of letters and digits, as every command is written; anything else is not echoed back.
bool plainName(const QString& name) {
    if (name.isEmpty() || name.size() > kMaxCommandName || !name[0].isLetter()) return false;
    for (QChar c : name)
        if (c.unicode() > 0x7F || !c.isLetterOrNumber()) return false;
    return true;
}

}  // namespace

std::variant<Request, Malformed> decodeRequest(QByteArrayView body) {
    if (body.size() > kMaxRequestBytes)
        return Malformed{QStringLiteral("el pedido tiene más de %1 bytes").arg(kMaxRequestBytes)};
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(body.toByteArray(), &parse);
    if (parse.error != QJsonParseError::NoError)
        return Malformed{QStringLiteral("JSON inválido en el byte %1: %2").arg(parse.offset).arg(parse.errorString())};
    if (!doc.isObject()) return Malformed{QStringLiteral("el pedido no es un objeto JSON")};
    const QJsonObject top = doc.object();
    if (top.size() != 1) return Malformed{QStringLiteral("el pedido debe llevar exactamente un comando, lleva %1").arg(top.size())};
    const QString name = top.begin().key();
    if (!plainName(name)) return Malformed{QStringLiteral("el nombre del comando no es un identificador")};
    if (!top.begin().value().isObject())
        return Malformed{QStringLiteral("los parámetros de %1 no son un objeto JSON").arg(name)};
    return Request{name, top.begin().value().toObject()};
}

}  // namespace sim::hasar2g
