#include "fiscal_printout.h"

#include "app/chosen_printer.h"
#include "app/field_texts.h"
#include "app/frm_orbelo.h"
#include "drivers/epson_printer.h"
#include "drivers/hasar_printer.h"
#include "printer_labels.h"

#include <QLabel>
#include <QLineEdit>

#include <array>

namespace {

// One line of the document: a fixed head, then the value it names (if any), read from the
// window only when the line is about to be sent.
struct PrintedLine {
    QString head;
    QString (*value)(FrmOrbelo&) = nullptr;
};

const std::array<PrintedLine, 18>& printedLines() {
    // The lines that must stand out start with the byte 0xF4; the printer decides how they show.
    static const QString F4(QChar(0xF4));
    static const QString rule = QStringLiteral("___________________");
    static const std::array<PrintedLine, 18> lines{{
        {F4 + QStringLiteral("Nro. Impresor:")},
        {F4, [](FrmOrbelo& w) { return printer_labels::printed(w.lblNroImpresor); }},
        {rule},
        {QStringLiteral("Razon Social:")},
        {QString(), [](FrmOrbelo& w) { return printer_labels::printed(w.lblRazSoc); }},
        {QStringLiteral("C.U.I.T.: "), [](FrmOrbelo& w) { return w.lblCUIT->text(); }},
        {rule},
        {F4 + QStringLiteral("Pto. de Venta: "), [](FrmOrbelo& w) { return w.lblPtoVta->text(); }},
        {rule},
        {F4 + QStringLiteral("Ultima Zeta: "), [](FrmOrbelo& w) { return w.lblUltimaZ->text(); }},
        {rule},
        {QStringLiteral("Ultimo Ticket/Fact. A....."), [](FrmOrbelo& w) { return w.lblUltimaFacA->text(); }},
        {QStringLiteral("Ultimo Ticket/Fact. B....."), [](FrmOrbelo& w) { return w.lblUltimaFacB->text(); }},
        {QStringLiteral("Ultima  N. de Cred. A....."), [](FrmOrbelo& w) { return w.lblUltimaNCA->text(); }},
        {QStringLiteral("Ultima  N. de Cred. B....."), [](FrmOrbelo& w) { return w.lblUltimaNCB->text(); }},
        {rule},
        {F4 + QStringLiteral("Nro. Precinto: ")},
        {F4, [](FrmOrbelo& w) { return trimBlanks(w.txtPrecinto->text()); }},
    }};
    return lines;
}

// Both drivers name the non-fiscal document operations alike.
template <typename Printer>
void printDocument(FrmOrbelo& w, Printer& printer) {
    printer.OpenNonFiscalDocument();
    for (const PrintedLine& line : printedLines())
        printer.PrintNonFiscalText(line.value ? line.head + line.value(w) : line.head);
    printer.CloseNonFiscalDocument();
}

}  // namespace

void printFiscalData(FrmOrbelo& w) {
    onChosenPrinter(w, WriteModel::No, [&] { printDocument(w, w.epson()); }, [&] { printDocument(w, w.hasar()); });
}
