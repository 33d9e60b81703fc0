#include "fiscal_data.h"

void wireFiscalData(FrmOrbelo&) {}
