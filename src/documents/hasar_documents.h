#pragma once

#include "document_kind.h"

class FrmOrbelo;

// The test documents on a Hasar printer: session, cancel of anything left open, the documents
// as many times as the count says, and the end of the session.
void printHasarDocuments(FrmOrbelo& w, TestDocument kind);
