#include "fiscal_query.h"

#include "app/chosen_printer.h"
#include "app/conversions.h"
#include "app/field_texts.h"
#include "app/frm_orbelo.h"
#include "app/printer_selection.h"
#include "counter_text.h"
#include "drivers/epson_printer.h"
#include "drivers/hasar_answer.h"
#include "drivers/hasar_printer.h"
#include "printer_labels.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int kShortCounter = 4;
constexpr int kLongCounter = 8;
const QString kNoCounter = QStringLiteral("00000000");

bool usableAnswer(HasarPrinter& hasar) { return hasar.Respuesta(0).size() >= hasar_answer::kUsableAnswerLength; }

// The 614 and the 262/272 keep neither initialisation data nor a ticket/invoice A counter.
bool isModelOneOrSix(FrmOrbelo& w) {
    const double model = printerModel(w.cboListaImp->currentText());
    return model == 1 || model == 6;
}

// Only the families of entries 7, 8 and 9 keep credit-note counters.
bool keepsCreditNotes(FrmOrbelo& w) { return conv::leadingNumber(w.cboListaImp->currentText().left(1)) > 6; }

void readHasarInitData(FrmOrbelo& w) {
    HasarPrinter& hasar = w.hasar();
    hasar.QueryInitData();
    if (!usableAnswer(hasar)) {
        w.lblRazSoc->setText(isModelOneOrSix(w) ? QStringLiteral("Este modelo no muestra datos de inicialización")
                                                : QStringLiteral("Impresor No Inicializado"));
        w.lblCUIT->setText(QStringLiteral("00-00000000-0"));
        w.lblPtoVta->setText(QStringLiteral("0000"));
        w.lblNroImpresor->clear();
        return;
    }
    printer_labels::show(w.lblNroImpresor, trimBlanks(hasar.Respuesta(hasar_answer::kPrinterNumber)));
    printer_labels::show(w.lblRazSoc, trimBlanks(hasar.Respuesta(hasar_answer::kOwnerName)));
    w.lblCUIT->setText(hasar.Respuesta(hasar_answer::kTaxId));
    w.lblPtoVta->setText(counterText(hasar.Respuesta(hasar_answer::kPointOfSale), kShortCounter));
}

void readHasarDailyStatus(FrmOrbelo& w) {
    HasarPrinter& hasar = w.hasar();
    hasar.QueryDailyStatus();
    if (!usableAnswer(hasar)) {
        w.lblUltimaZ->setText(QStringLiteral("----"));
        if (hasar.TellsDailyStatus()) w.lblPtoVta->setText(QStringLiteral("MÓDULO CERRADO"));
        return;
    }
    w.lblUltimaZ->setText(counterText(hasar.Respuesta(hasar_answer::kLastZ), kShortCounter));
}

void readHasarStatus(FrmOrbelo& w) {
    HasarPrinter& hasar = w.hasar();
    hasar.QueryStatus();
    w.lblUltimaFacB->setText(counterText(hasar.Respuesta(hasar_answer::kLastInvoiceBC), kLongCounter));
    w.lblUltimaFacA->setText(isModelOneOrSix(w) ? kNoCounter : counterText(hasar.Respuesta(hasar_answer::kLastInvoiceA), kLongCounter));
    if (keepsCreditNotes(w)) {
        w.lblUltimaNCA->setText(counterText(hasar.Respuesta(hasar_answer::kLastCreditNoteACopy), kLongCounter));
        w.lblUltimaNCB->setText(counterText(hasar.Respuesta(hasar_answer::kLastCreditNoteBCCopy), kLongCounter));
    } else {
        w.lblUltimaNCA->setText(kNoCounter);
        w.lblUltimaNCB->setText(kNoCounter);
    }
}

// A refused request leaves its labels as they were; the next request follows anyway.
void readEpsonData(FrmOrbelo& w) {
    EpsonPrinter& epson = w.epson();
    if (epson.StatusRequest(QStringLiteral("N"))) printer_labels::show(w.lblNroImpresor, trimBlanks(epson.Answer0B()));
    if (epson.StatusRequest(QStringLiteral("A"))) {
        w.lblUltimaFacA->setText(counterText(epson.Answer0E(), kLongCounter));
        w.lblUltimaFacB->setText(counterText(epson.Answer10(), kLongCounter));
        w.lblUltimaZ->setText(counterText(epson.Answer11(), kShortCounter));
    }
    // Epson printers report no credit-note counters.
    w.lblUltimaNCA->setText(kNoCounter);
    w.lblUltimaNCB->setText(kNoCounter);
    if (epson.StatusRequest(QStringLiteral("C"))) {
        printer_labels::show(w.lblRazSoc, trimBlanks(epson.Answer0B()));
        w.lblCUIT->setText(epsonTaxId([&epson] { return epson.Answer11(); }));
        w.lblPtoVta->setText(counterText(epson.Answer10(), kShortCounter));
    }
}

}  // namespace

void queryFiscalData(FrmOrbelo& w) {
    onChosenPrinter(w, WriteModel::No, [&] { readEpsonData(w); },
                    [&] {
                        readHasarInitData(w);
                        readHasarDailyStatus(w);
                        readHasarStatus(w);
                    });
}
