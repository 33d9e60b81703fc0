#include "epson_link.h"

#include "epson_protocol.h"
#include "epson_status.h"

LinkOptions epsonLinkOptions() {
    LinkOptions o;
    o.printerAcks = false;
    o.seqStep = 1;
    o.syncCommand = epson_code::kStatus;
    o.syncFields = {QByteArrayLiteral("N")};
    // No public source gives the Epson's speeds or a command that sets them: the usual line
    // speeds are tried, and only the port can follow the printer.
    o.searchSpeeds = {19200, 38400, 57600, 115200, 4800, 2400};
    o.brand = QStringLiteral("Epson");
    o.commandName = epson_code::name;
    o.statusWords = epsonStatusInWords;
    return o;
}
