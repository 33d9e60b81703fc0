#include "operation_steps.h"

#include "conversions.h"
#include "drivers/epson_printer.h"
#include "drivers/hasar_printer.h"
#include "frm_orbelo.h"
#include "printer_selection.h"

#include <QComboBox>
#include <QLineEdit>

bool epsonSelected(FrmOrbelo& w) { return isEpsonEntry(w.cboListaImp->currentText()); }

void configureEpson(FrmOrbelo& w) { w.epson().PortNumber(conv::toInt16(portValue(w.cboPuerto->currentText()))); }

namespace {

int asEntered(int entryModel) { return entryModel; }

// ComPort, then the model when there is a way to make it (the entry read after the port), then
// BeginSession; 0 when no model was written.
int beginSession(FrmOrbelo& w, int (*modelFor)(int entryModel)) {
    w.hasar().ComPort(conv::toInt32(portValue(w.cboPuerto->currentText())));
    int model = 0;
    if (modelFor) {
        model = modelFor(hasarModelNumber(w.cboListaImp->currentText()));
        w.hasar().Model(model);
    }
    w.hasar().BeginSession();
    return model;
}

}  // namespace

void beginHasarSession(FrmOrbelo& w, WriteModel writeModel) {
    beginSession(w, writeModel == WriteModel::Yes ? asEntered : nullptr);
}

int beginHasarSession(FrmOrbelo& w, int (*modelFor)(int entryModel)) { return beginSession(w, modelFor); }

void cancelLeftOpen(FrmOrbelo& w) {
    const LeftOpen found = epsonSelected(w) ? w.epson().CancelAll() : w.hasar().CancelAll();
    if (found.found()) w.noticesAtEnd() << leftOpenNotice(found, LeftOpenFoundBy::Operation);
}

double howMany(const FrmOrbelo& w) { return conv::leadingNumber(w.txtCant->text()); }
