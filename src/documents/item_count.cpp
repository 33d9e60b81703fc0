#include "item_count.h"

#include "app/conversions.h"
#include "app/frm_orbelo.h"

#include <QLineEdit>

double itemCount(const FrmOrbelo& w) { return conv::leadingNumber(w.txtCantItems->text()); }
