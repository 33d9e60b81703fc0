#pragma once

#include "document_kind.h"
#include "drivers/document_catalogue.h"

#include <QList>

class FrmOrbelo;

// One document on models 7 and 8, which print every kind as its own fiscal or homologated
// document. An unknown kind prints nothing.
void printModel7And8Document(FrmOrbelo& w, TestDocument kind);
// The document that prints: none for an unknown kind.
QList<DocumentId> model7And8Documents(TestDocument kind);
