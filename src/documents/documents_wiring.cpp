#include "documents.h"

void wireDocuments(FrmOrbelo&) {}
