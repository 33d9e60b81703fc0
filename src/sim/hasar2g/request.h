#pragma once

#include <QByteArrayView>
#include <QJsonObject>
#include <QString>
#include <variant>

// One request body as a client sends it: {"<Command>": {<parameters>}}.
namespace sim::hasar2g {

// Bodies beyond this are refused unread: no command needs more than a few hundred bytes.
constexpr qsizetype kMaxRequestBytes = 16 * 1024;
constexpr qsizetype kMaxCommandName = 64;

struct Request {
    QString command;
    QJsonObject parameters;
};

// Why a body is no request, in a line for ConsultarUltimoError's Contexto.
struct Malformed {
    QString reason;
};

// Checks the body's size and shape only; the command and its parameters are the printer's to judge.
std::variant<Request, Malformed> decodeRequest(QByteArrayView body);

}  // namespace sim::hasar2g
