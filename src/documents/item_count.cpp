#include "document_counts.h"

#include "app/conversions.h"
#include "app/frm_orbelo.h"

#include <QLineEdit>

double documentCount(const FrmOrbelo& w) { return conv::leadingNumber(w.txtCant->text()); }

double itemCount(const FrmOrbelo& w) { return conv::leadingNumber(w.txtCantItems->text()); }
