#pragma once

#include "document_kind.h"
#include "drivers/document_catalogue.h"

#include <QList>

class FrmOrbelo;
class IssuedSoFar;

enum class DocumentLoop { Continue, Leave };

// One document on models 2 to 5 and the 715/PR5. The credit note A goes by raw commands and
// is printed once whatever the count, so after it the document loop is left.
DocumentLoop printGeneralDocument(FrmOrbelo& w, TestDocument kind, IssuedSoFar& issued);
// What each round of that loop issues.
QList<DocumentId> generalDocuments(TestDocument kind);
