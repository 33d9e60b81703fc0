#pragma once

#include "drivers/link/link_options.h"

// How an Epson printer behaves on the shared link: no ACK either way (the reply is the
// acknowledgement), sequence numbers step by one, and the port is synchronised with a status "N".
LinkOptions epsonLinkOptions();
