#include "options.h"

#include <drivers/link/line_speeds.h>

#include <algorithm>

namespace {

std::optional<int> number(const QString& text, int min, int max) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= min && n <= max ? std::optional<int>(n) : std::nullopt;
}

// The options that take no value, each setting its flag.
struct FlagOption {
    const char* name;
    bool Options::*flag;
};

constexpr FlagOption kFlagOptions[] = {
    {"--help", &Options::help},
    {"-h", &Options::help},
    {"--not-initialised", &Options::notInitialised},
    {"--module-closed", &Options::moduleClosed},
    {"--battery-low", &Options::batteryLow},
    {"--z-due", &Options::zDue},
    {"--blocked", &Options::blocked},
};

bool Options::*flagOption(const QString& a) {
    for (const FlagOption& f : kFlagOptions)
        if (a == QLatin1String(f.name)) return f.flag;
    return nullptr;
}

// An option that takes a whole number in a range.
struct WholeOption {
    const char* name;
    int min;
    int max;
    void (*set)(Options& o, int n);
};

constexpr WholeOption kWholeOptions[] = {
    {"--model", 1, 9, [](Options& o, int n) { o.model = n; }},
    {"--resend-ms", 10, 60000, [](Options& o, int n) { o.resendMs = n; }},
    {"--z-capacity", 1, 10000, [](Options& o, int n) { o.zCapacity = n; }},
};

const WholeOption* wholeOption(const QString& a) {
    for (const WholeOption& w : kWholeOptions)
        if (a == QLatin1String(w.name)) return &w;
    return nullptr;
}

// Why the printer chosen cannot be in a condition asked for, or nothing.
QString conditionRefusal(const Options& o) {
    const bool hasar = o.brand == sim::Brand::Hasar;
    if (hasar && o.batteryLow)
        return QStringLiteral("--battery-low es sólo del Epson: en el Hasar el bit 2 del estado fiscal vale siempre 0");
    if (hasar && o.zDue)
        return QStringLiteral("--z-due es sólo del Epson: el manual del Hasar no pide un cierre Z antes de vender");
    if (o.blocked && !(hasar && (o.model == 7 || o.model == 8)))
        return QStringLiteral("--blocked es sólo del Hasar de hoja (--brand hasar --model 7 u 8)");
    return {};
}

const QString kSecondGeneration = QStringLiteral("hasar-2g");

// HOST:PORT with an IP address, the port 0 (any free one) to 65535.
bool parseListen(const QString& text, Options& o) {
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0) return false;
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) host = host.mid(1, host.size() - 2);
    const auto port = number(text.mid(colon + 1), 0, 65535);
    if (!port || !o.listenAddress.setAddress(host)) return false;
    o.listenPort = *port;
    return true;
}

// Options that only a printer on a pseudo-terminal takes.
bool serialOnly(const QString& a) {
    for (const char* name : {"--model", "--link", "--baud", "--resend-ms", "--not-initialised", "--module-closed",
                             "--battery-low", "--z-due", "--blocked"})
        if (a == QLatin1String(name)) return true;
    return false;
}

bool networkOnly(const QString& a) {
    return a == QLatin1String("--listen") || a == QLatin1String("--user") || a == QLatin1String("--password");
}

}  // namespace

std::optional<Options> parseOptions(const QStringList& arguments, QString* error) {
    Options o;
    QStringList faultTexts;
    QString serialOption, networkOption;  // the first of each given, for the refusal
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (serialOnly(a) && serialOption.isEmpty()) serialOption = a;
        if (networkOnly(a) && networkOption.isEmpty()) networkOption = a;
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("falta el valor de %1").arg(a);
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (bool Options::*flag = flagOption(a)) {
            o.*flag = true;
        } else if (a == QLatin1String("--brand")) {
            const auto v = value();
            if (!v) return std::nullopt;
            o.secondGeneration = *v == kSecondGeneration;
            const auto brand = o.secondGeneration ? std::optional(sim::Brand::Hasar) : sim::brandFromName(*v);
            if (!brand) {
                *error = QStringLiteral("marca desconocida '%1' (una de: %2, %3)").arg(*v, sim::brandNames().join(QStringLiteral(", ")), kSecondGeneration);
                return std::nullopt;
            }
            o.brand = *brand;
        } else if (a == QLatin1String("--baud")) {
            const auto v = value();
            if (!v) return std::nullopt;
            const auto n = number(*v, 1200, 115200);
            if (!n || !isLineSpeed(*n)) {
                *error = QStringLiteral("--baud debe ser 1200, 2400, 4800, 9600, 19200, 38400, 57600 o 115200, no '%1'").arg(*v);
                return std::nullopt;
            }
            o.baud = *n;
        } else if (const WholeOption* whole = wholeOption(a)) {
            const auto v = value();
            if (!v) return std::nullopt;
            const auto n = number(*v, whole->min, whole->max);
            if (!n) {
                *error = QStringLiteral("%1 debe estar entre %2 y %3, no '%4'").arg(a).arg(whole->min).arg(whole->max).arg(*v);
                return std::nullopt;
            }
            whole->set(o, *n);
        } else if (a == QLatin1String("--link") || a == QLatin1String("--paper") || a == QLatin1String("--state")) {
            const auto v = value();
            if (!v) return std::nullopt;
            if (v->isEmpty()) {
                *error = QStringLiteral("%1 necesita una ruta").arg(a);
                return std::nullopt;
            }
            (a == QLatin1String("--link") ? o.link : a == QLatin1String("--paper") ? o.paper : o.state) = *v;
        } else if (a == QLatin1String("--fault")) {
            const auto v = value();
            if (!v) return std::nullopt;
            faultTexts.append(*v);
        } else if (a == QLatin1String("--listen")) {
            const auto v = value();
            if (!v) return std::nullopt;
            if (!parseListen(*v, o)) {
                *error = QStringLiteral("--listen debe ser DIRECCION_IP:PUERTO (puerto 0 a 65535), no '%1'").arg(*v);
                return std::nullopt;
            }
        } else if (a == QLatin1String("--user")) {
            const auto v = value();
            if (!v) return std::nullopt;
            if (v->isEmpty() || v->contains(QLatin1Char(':'))) {
                *error = QStringLiteral("--user necesita un nombre sin ':'");
                return std::nullopt;
            }
            o.user = *v;
        } else if (a == QLatin1String("--password")) {
            const auto v = value();
            if (!v) return std::nullopt;
            o.password = *v;
        } else {
            *error = QStringLiteral("opción desconocida '%1' (pruebe --help)").arg(a);
            return std::nullopt;
        }
    }
    if (o.secondGeneration) {
        if (!serialOption.isEmpty()) {
            *error = QStringLiteral("%1 no se aplica al Hasar 2G, que atiende por la red").arg(serialOption);
            return std::nullopt;
        }
        if (o.listenPort < 0) {
            *error = QStringLiteral("--brand hasar-2g necesita --listen DIRECCION_IP:PUERTO");
            return std::nullopt;
        }
        if (!o.password.isNull() && !o.user) {
            *error = QStringLiteral("--password necesita --user");
            return std::nullopt;
        }
        for (const QString& text : faultTexts) {
            const auto fault = sim::hasar2g::Fault::parse(text, error);
            if (!fault) return std::nullopt;
            o.networkFaults.append(*fault);
        }
        return o;
    }
    if (!networkOption.isEmpty()) {
        *error = QStringLiteral("%1 es sólo del Hasar 2G (--brand hasar-2g)").arg(networkOption);
        return std::nullopt;
    }
    for (const QString& text : faultTexts) {
        const auto fault = sim::Fault::parse(text, error);
        if (!fault) return std::nullopt;
        o.faults.append(*fault);
    }
    if (o.brand != sim::Brand::Hasar) {
        const bool bufferFull = std::any_of(o.faults.begin(), o.faults.end(),
                                            [](const sim::Fault& f) { return f.kind == sim::Fault::Kind::BufferFull; });
        if (bufferFull || o.resendMs) {
            *error = QStringLiteral("%1 es sólo del Hasar").arg(bufferFull ? QStringLiteral("la falla buffer-full")
                                                                           : QStringLiteral("--resend-ms"));
            return std::nullopt;
        }
    }
    if (const QString refusal = conditionRefusal(o); !refusal.isEmpty()) {
        *error = refusal;
        return std::nullopt;
    }
    return o;
}

QString helpText() {
    return QStringLiteral(
               "Uso: orbelo-virtual-printer [opciones]\n"
               "\n"
               "Simula un impresor fiscal en un pseudoterminal nuevo. Escribe la ruta del\n"
               "dispositivo (por ejemplo /dev/pts/7) en una línea de la salida estándar y atiende\n"
               "el protocolo del impresor hasta recibir SIGTERM o SIGINT (Ctrl+C), momento en que\n"
               "guarda la memoria fiscal y termina. Con --brand hasar-2g simula en cambio un\n"
               "Hasar de segunda generación que atiende comandos JSON por HTTP (--listen).\n"
               "\n"
               "Opciones:\n"
               "  --brand MARCA        marca del impresor: %1 (por defecto hasar)\n"
               "  --model N            modelo de la lista de Orbelo, 1 a 9 (por defecto 2); los\n"
               "                       modelos 7 y 8 imprimen en hoja de 120 columnas, el resto en\n"
               "                       rollo de 40\n"
               "  --link RUTA          mantiene RUTA como enlace simbólico al dispositivo (se\n"
               "                       reemplaza un enlace viejo, nunca un archivo común)\n"
               "  --paper ARCHIVO      agrega a ARCHIVO, en UTF-8, cada línea que el impresor imprime\n"
               "  --state ARCHIVO      carga la memoria fiscal de ARCHIVO (si existe) y la guarda\n"
               "                       ahí durante la marcha y al terminar; un archivo dañado se\n"
               "                       rechaza y el programa no arranca\n"
               "  --not-initialised    impresor sin inicializar: el Hasar trabaja en modo\n"
               "                       entrenamiento (sus números no avanzan y la Z no se graba),\n"
               "                       el Epson no emite documentos fiscales ni Z; ambos responden\n"
               "                       a los datos de inicialización sólo con el estado\n"
               "  --module-closed      módulo fiscal cerrado: rechaza documentos fiscales y Z y\n"
               "                       responde a la capacidad de la memoria sólo con el estado\n"
               "  --battery-low        Epson: batería baja; cada respuesta lleva el bit 2 del estado\n"
               "                       fiscal y todo comando se ejecuta igual\n"
               "  --z-due              Epson: hace falta un cierre Z; cada respuesta lleva el bit 11\n"
               "                       del estado fiscal y no abre tiques ni tiques-factura (sólo con\n"
               "                       el bit 11) hasta que se saque una Z; se guarda en el estado\n"
               "  --blocked            Hasar de hoja (modelos 7 y 8) bloqueado: cada respuesta lleva\n"
               "                       el bit 7 del estado fiscal y el estado auxiliar 22; rechaza\n"
               "                       documentos fiscales y homologados y la Z; consultas, X y\n"
               "                       documentos no fiscales andan\n"
               "  --resend-ms MS       Hasar: reenvía cada MS milisegundos la respuesta que el\n"
               "                       cliente no contestó con ACK ni NAK, y mientras tanto no\n"
               "                       acepta otro comando, como un Hasar real (por defecto 500)\n"
               "  --z-capacity N       cierres Z que caben en la memoria fiscal (por defecto 1825);\n"
               "                       con 30 libres o menos el Hasar avisa memoria casi llena\n"
               "  --baud N             escucha a N baudios y envía los bytes a ese ritmo (10 bits\n"
               "                       por byte); lo que el cliente envía o lee a otra velocidad\n"
               "                       llega como basura, como en una línea real. Sin esta opción\n"
               "                       oye a cualquier velocidad y no demora nada. El Hasar pasa a la\n"
               "                       velocidad que pide el comando 0xA0 cuando el cliente\n"
               "                       contesta su respuesta con ACK\n"
               "  --fault FALLA        inyecta una falla (se puede repetir); ver Fallas\n"
               "  --listen IP:PUERTO   Hasar 2G: atiende POST /fiscal.json en esa dirección; con el\n"
               "                       puerto 0 toma uno libre. Escribe en la salida estándar la\n"
               "                       dirección completa, por ejemplo http://127.0.0.1:8080/fiscal.json\n"
               "  --user NOMBRE        Hasar 2G: pide autenticación HTTP Basic con ese usuario\n"
               "  --password CLAVE     Hasar 2G: la clave de --user (por defecto vacía)\n"
               "  --help               muestra esta ayuda\n"
               "\n"
               "Fallas:\n"
               "FALLA es un tipo (%2) y ajustes opcionales separados por comas,\n"
               "por ejemplo --fault busy,cmd=39,seconds=5 --fault drop-reply,after=2.\n"
               "  drop-reply           ejecuta y no responde\n"
               "  corrupt-reply        responde con suma de control errónea\n"
               "  nak-request          contesta NAK sin ejecutar\n"
               "  silent               no contesta nada\n"
               "  busy                 envía DC2 cada 0,5 s antes de responder\n"
               "  paper-out            envía DC4 cada 0,5 s y luego responde\n"
               "  disconnect           corta la línea, guarda el estado y termina\n"
               "  garbage              ejecuta y rodea la respuesta de bytes ajenos al protocolo\n"
               "  chatty               no es un impresor: contesta como una balanza, con líneas de peso\n"
               "  buffer-full          Hasar: búfer de impresión lleno; responde con el bit 6 del\n"
               "                       estado del impresor y no ejecuta (el cliente debe reenviar)\n"
               "  power-cut            corte de energía antes de ejecutar: cancela el documento abierto\n"
               "                       (un Hasar lo restaura al volver la energía) y no oye nada un rato\n"
               "  cmd=HH               sólo tramas con ese comando (hexadecimal)\n"
               "  after=N              deja pasar primero N tramas que coinciden\n"
               "  times=N              cuántas tramas afecta (0 = todas; por defecto 1)\n"
               "  seconds=S            duración de busy, paper-out, chatty y power-cut (por defecto 3)\n"
               "\n"
               "Fallas del Hasar 2G (%3),\n"
               "con cmd=NOMBRE del comando JSON (por ejemplo --fault drop-reply,cmd=CerrarDocumento):\n"
               "  drop-reply           ejecuta y cierra la conexión sin responder\n"
               "  reset                corta la conexión sin ejecutar\n"
               "  slow                 ejecuta y responde después de seconds=S\n"
               "  busy                 ejecuta y responde ControladorOcupado; polls=N (por defecto 2)\n"
               "                       ConsultarEstadoEspera más reciben lo mismo, el siguiente la\n"
               "                       respuesta del comando\n"
               "  power-cut            sin ejecutar: cancela el documento abierto, guarda el estado,\n"
               "                       no atiende durante seconds=S y vuelve desde el archivo de estado\n"
               "\n"
               "Ejemplo (COM1 de Orbelo contra un Hasar virtual):\n"
               "  orbelo-virtual-printer --brand hasar --link /tmp/orbelo-com1 \\\n"
               "      --paper /tmp/orbelo-papel.txt --state /tmp/orbelo-estado.json &\n"
               "  orbelo --asignar 1=/tmp/orbelo-com1 && orbelo\n"
               "\n"
               "Ejemplo (un Hasar 2G en la red local):\n"
               "  orbelo-virtual-printer --brand hasar-2g --listen 127.0.0.1:8080 \\\n"
               "      --paper /tmp/orbelo-2g-papel.txt --state /tmp/orbelo-2g-estado.json\n")
        .arg(sim::brandNames().join(QStringLiteral(", ")) + QStringLiteral(", ") + kSecondGeneration,
             sim::Fault::kindsHelp(), sim::hasar2g::Fault::kindsHelp());
}
