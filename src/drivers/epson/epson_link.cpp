#include "epson_link.h"

#include "epson_codes.h"
#include "epson_status.h"

LinkOptions epsonLinkOptions() {
    LinkOptions o;
    o.printerAcks = false;
    o.seqStep = 1;
    o.syncCommand = epson_code::kStatus;
    o.syncFields = {QByteArrayLiteral("N")};
    o.brand = QStringLiteral("Epson");
    o.commandName = epson_code::name;
    o.statusWords = epsonStatusInWords;
    return o;
}
