#include "hasar2g_http.h"

#include <QList>

namespace hasar2g_http {

namespace {

constexpr QByteArrayView kAuthorization = "Authorization: ";

Reading garbled(const QString& why) { return Reading{Reading::State::Garbled, {}, why}; }

bool digitsOnly(QByteArrayView text) {
    if (text.isEmpty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// A header line's bytes are printable ASCII or tabs: anything else is not HTTP.
bool plainLine(QByteArrayView line) {
    for (char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && u != '\t') || u >= 0x7F) return false;
    }
    return true;
}

}  // namespace

QByteArray request(const network_address::Address& to, const QByteArray& json) {
    QByteArray head = "POST " + to.path.toLatin1() + " HTTP/1.1\r\n";
    head += "Host: " + to.host.toLatin1() + ':' + QByteArray::number(to.port) + "\r\n";
    head += "Content-Type: application/json\r\n";
    head += "Content-Length: " + QByteArray::number(json.size()) + "\r\n";
    if (to.credentials.given())
        head += kAuthorization.toByteArray() + "Basic " +
                (to.credentials.user.toUtf8() + ':' + to.credentials.password.toUtf8()).toBase64() + "\r\n";
    // One command to a connection: the printer's close ends the reply that has no length.
    head += "Connection: close\r\n\r\n";
    return head + json;
}

QByteArray masked(QByteArrayView request) {
    QByteArray out = request.toByteArray();
    const qsizetype start = out.indexOf(kAuthorization);
    if (start < 0) return out;
    const qsizetype value = start + kAuthorization.size();
    const qsizetype end = out.indexOf("\r\n", value);
    return out.left(value) + "***" + (end < 0 ? QByteArray() : out.mid(end));
}

Reading read(QByteArrayView received, bool closed) {
    const qsizetype headEnd = received.indexOf(QByteArrayView("\r\n\r\n"));
    if (headEnd < 0) {
        if (received.size() > kMaxHeadBytes) return garbled(QStringLiteral("los encabezados HTTP superan %1 bytes").arg(kMaxHeadBytes));
        if (closed) return garbled(QStringLiteral("la respuesta HTTP llegó cortada, sin sus encabezados completos"));
        return {};
    }
    if (headEnd > kMaxHeadBytes) return garbled(QStringLiteral("los encabezados HTTP superan %1 bytes").arg(kMaxHeadBytes));

    // Every line of the head ends in CR LF, the last one's being the start of the blank line.
    QList<QByteArray> lines = received.first(headEnd + 2).toByteArray().split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) {
        if (!line.endsWith('\r')) return garbled(QStringLiteral("un encabezado HTTP no termina en CR LF"));
        line.chop(1);
    }
    const QByteArray& status = lines.first();
    // "HTTP/1.1 200 OK": the version, three digits, and a reason we do not need.
    if (!(status.startsWith("HTTP/1.1 ") || status.startsWith("HTTP/1.0 ")) || status.size() < 12 ||
        !digitsOnly(QByteArrayView(status).sliced(9, 3)) || (status.size() > 12 && status[12] != ' ') || !plainLine(status))
        return garbled(QStringLiteral("no es una respuesta HTTP: '%1'").arg(QString::fromLatin1(status.left(40))));

    Reading reading;
    reading.response.status = status.mid(9, 3).toInt();
    std::optional<qsizetype> length;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !plainLine(line)) return garbled(QStringLiteral("un encabezado HTTP no se puede leer"));
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "transfer-encoding" && value.toLower() != "identity")
            return garbled(QStringLiteral("la respuesta viene en partes (Transfer-Encoding %1), que este programa no lee")
                               .arg(QString::fromLatin1(value.left(20))));
        if (name != "content-length") continue;
        if (!digitsOnly(value) || value.size() > 9) return garbled(QStringLiteral("Content-Length no es un número"));
        const qsizetype n = value.toLongLong();
        if (length && *length != n) return garbled(QStringLiteral("la respuesta trae dos Content-Length distintos"));
        length = n;
    }
    if (length && *length > kMaxBodyBytes)
        return garbled(QStringLiteral("la respuesta anuncia %1 bytes, más que los %2 que se aceptan").arg(*length).arg(kMaxBodyBytes));

    const QByteArrayView body = received.sliced(headEnd + 4);
    if (body.size() > kMaxBodyBytes) return garbled(QStringLiteral("la respuesta supera %1 bytes").arg(kMaxBodyBytes));
    if (length) {
        if (body.size() < *length) {
            if (closed) return garbled(QStringLiteral("la respuesta llegó cortada: %1 de %2 bytes").arg(body.size()).arg(*length));
            return {};
        }
        if (body.size() > *length) return garbled(QStringLiteral("la respuesta trae más bytes que los que anuncia"));
    } else if (!closed) {
        // Without a length the reply ends when the printer closes the connection.
        return {};
    }
    reading.state = Reading::State::Complete;
    reading.response.body = body.toByteArray();
    return reading;
}

}  // namespace hasar2g_http
