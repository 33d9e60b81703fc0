#pragma once

#include "document_kind.h"

class FrmOrbelo;

// The test documents on an Epson printer: the ticket-invoice A and the ticket; any other kind
// is refused with a message and nothing is sent.
void printEpsonDocuments(FrmOrbelo& w, TestDocument kind);
