#include "hasar_command_set.h"
#include "hasar_fields.h"
#include "hasar_status.h"
#include "ledger.h"
#include "printout.h"

namespace sim {

using namespace hasar;

HasarCommandSet::Answer HasarCommandSet::openDrawer(const Fields&, qint64) {
    FiscalMemory::countUp(memory_.drawerOpenings);
    printout::drawerOpened(paper_);
    return {};
}

HasarCommandSet::Answer HasarCommandSet::cutPaper(const Fields&, qint64) {
    // 3.6.5: "Este comando es rechazado si no se encuentra abierto un comprobante no-fiscal";
    // the document stays open.
    if (!memory_.open || memory_.open->kind != DocumentKind::NonFiscal) return refuse(kInvalidInState);
    FiscalMemory::countUp(memory_.cuts);
    printout::paperCut(paper_);
    return {};
}

HasarCommandSet::Answer HasarCommandSet::setDateTime(const Fields& f, qint64 nowMs) {
    if (f.size() < 2) return refuse(kInvalidField);
    const auto d = date(f[0]);
    const auto t = time(f[1]);
    if (!d || !t) return refuse(kInvalidField);
    // 3.9.1: refused if "Inmediatamente antes no se ha realizado un cierre de jornada fiscal".
    // A Z leaves the day empty and any document since breaks "immediately", so that is all.
    if (!memory_.rightAfterZ) return refuse(kInvalidInState);
    memory_.clockOffsetMs = QDateTime(*d, *t, Qt::UTC).toMSecsSinceEpoch() - nowMs;
    return {};
}

HasarCommandSet::Answer HasarCommandSet::resetLogo(const Fields&, qint64) {
    if (memory_.open) return refuse(kInvalidInState);
    logoUpload_.restart();
    return {};
}

HasarCommandSet::Answer HasarCommandSet::storeLogo(const Fields& f, qint64) {
    if (memory_.open) return refuse(kInvalidInState);
    if (f.isEmpty()) {
        logoUpload_.restart();
        return refuse(kInvalidField);
    }
    switch (logoUpload_.record(f[0], f.size() >= 2 ? QByteArrayView(f[1]) : QByteArrayView())) {
    case LogoUpload::Result::Refused: return refuse(kInvalidField);
    case LogoUpload::Result::Complete: memory_.logo = logoUpload_.logo(); break;
    case LogoUpload::Result::Accepted: break;
    }
    return {};
}

}  // namespace sim
