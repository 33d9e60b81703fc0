#include "operations.h"

#include "app/frm_orbelo.h"
#include "documents/documents.h"
#include "fiscaldata/fiscal_data.h"
#include "maintenance/maintenance.h"

void wireOperations(FrmOrbelo& w) {
    wireDocuments(w);
    wireMaintenance(w);
    wireFiscalData(w);
}
