#include "network_address.h"

#include <QUrl>

namespace network_address {

namespace {

// Longer than any host name; a longer text is a mistake.
constexpr int kMaxAddressLength = 255;
const QString kDefaultPath = QStringLiteral("/fiscal.json");

bool plainHostCharacter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char('-') ||
           c == QLatin1Char(':') || c == QLatin1Char('[') || c == QLatin1Char(']');
}

}  // namespace

QString Address::shown() const {
    const QString h = host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
    return QStringLiteral("http://%1:%2%3").arg(h).arg(port).arg(path);
}

bool isNetworkAddress(const QString& device) {
    return device.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           device.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

std::optional<Address> parse(const QString& text, QString* problem) {
    const auto fail = [&](const QString& why) {
        *problem = why;
        return std::nullopt;
    };
    if (text.size() > kMaxAddressLength) return fail(QStringLiteral("la dirección de red es demasiado larga"));
    if (text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return fail(QStringLiteral("el impresor 2G atiende por http://, no por https://"));
    if (!text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        return fail(QStringLiteral("'%1' no es una dirección http://").arg(withoutCredentials(text)));
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return fail(QStringLiteral("'%1' no es una dirección de red válida (por ejemplo http://192.168.0.50)")
                        .arg(withoutCredentials(text)));
    for (const QChar c : url.host())
        if (!plainHostCharacter(c)) return fail(QStringLiteral("el nombre del impresor en la red lleva caracteres no válidos"));
    if (url.hasQuery() || url.hasFragment())
        return fail(QStringLiteral("la dirección del impresor no lleva '?' ni '#'"));
    Address a;
    a.host = url.host();
    const int port = url.port(80);
    if (port < 1 || port > 65535) return fail(QStringLiteral("el puerto de red debe ser de 1 a 65535"));
    a.port = static_cast<quint16>(port);
    const QString path = url.path(QUrl::FullyEncoded);
    if (path.isEmpty() || path == QLatin1String("/")) a.path = kDefaultPath;
    else if (path == kDefaultPath) a.path = path;
    else return fail(QStringLiteral("el impresor 2G atiende en %1, no en %2").arg(kDefaultPath, path));
    a.credentials = {url.userName(QUrl::FullyDecoded), url.password(QUrl::FullyDecoded)};
    return a;
}

QString withoutCredentials(const QString& device) {
    if (!isNetworkAddress(device)) return device;
    const qsizetype start = device.indexOf(QLatin1String("//")) + 2;
    const qsizetype hostEnd = device.indexOf(QLatin1Char('/'), start);
    const qsizetype at = device.lastIndexOf(QLatin1Char('@'), hostEnd < 0 ? -1 : hostEnd);
    if (at < start) return device;
    return device.left(start) + device.mid(at + 1);
}

}  // namespace network_address
