#pragma once

#include "document_kind.h"

class FrmOrbelo;

enum class DocumentLoop { Continue, Leave };

// One document on models 2 to 5 and the 715/PR5. The credit note A goes by raw commands and
// is printed once whatever the count, so after it the document loop is left.
DocumentLoop printGeneralDocument(FrmOrbelo& w, TestDocument kind);
