#include "service_read.h"

#include "app/chosen_printer.h"
#include "app/conversions.h"
#include "app/field_texts.h"
#include "app/frm_orbelo.h"
#include "app/printer_selection.h"
#include "drivers/epson_printer.h"
#include "drivers/hasar_printer.h"
#include "service_page.h"
#include "drivers/hasar_answer.h"

#include <QComboBox>
#include <QLineEdit>

using namespace service_page;

namespace {


const QString kNotInitialised = QStringLiteral("El impresor no informa sus datos de inicialización (sin inicializar o "
                                               "modelo que no los guarda)");
const QString kEpsonTellsNot = QStringLiteral("El impresor Epson no informa este dato");
const QString kEpsonLinesUnread =
    QStringLiteral("El impresor Epson no informa sus líneas: aquí se ve solo lo que se escribe para enviarle");

bool usable(HasarPrinter& h) { return h.Respuesta(0).size() >= hasar_answer::kUsableAnswerLength; }

// Fills the box with the field, or says the printer does not keep it.
void fill(QLineEdit* box, HasarPrinter& h, int field, bool kept, const QString& why) {
    if (!kept) return notKept(box, why);
    notKept(box, {});
    box->setText(trimBlanks(h.Respuesta(field)));
}

void readHasarIdentity(FrmOrbelo& w, int model) {
    HasarPrinter& h = w.hasar();
    h.QueryInitData();
    const bool kept = usable(h);
    // The slip models give the start of activities before the gross-income number.
    const bool slip = model == 7 || model == 8;
    fill(box(w, "txtNroImp"), h, 5, kept, kNotInitialised);
    fill(box(w, "txtRazonSocial"), h, 4, kept, kNotInitialised);
    fill(box(w, "txtCUIT"), h, 3, kept, kNotInitialised);
    fill(box(w, "txtFecIni"), h, 6, kept, kNotInitialised);
    fill(box(w, "txtPuntoVenta"), h, 7, kept, kNotInitialised);
    fill(box(w, "txtIngBrutos"), h, slip ? 9 : 8, kept, kNotInitialised);
    fill(box(w, "txtFecIniActiv"), h, slip ? 8 : 9, kept, kNotInitialised);
}

void readHasarCounters(FrmOrbelo& w, int model) {
    HasarPrinter& h = w.hasar();
    h.QueryDailyStatus();
    const bool capacity = usable(h);
    // Only a printer that has the query and leaves it unanswered has its fiscal module closed.
    const QString noCapacity = h.TellsDailyStatus() ? QStringLiteral("El impresor no informa su capacidad (módulo cerrado)")
                                                    : QStringLiteral("El impresor no informa su capacidad");
    fill(box(w, "txtCapacidad"), h, hasar_answer::kZCapacity, capacity, noCapacity);
    fill(box(w, "txtZeta"), h, hasar_answer::kLastZ, capacity, QStringLiteral("El impresor no informa su último cierre Z"));
    notKept(box(w, "txtZetasRest"), capacity ? QString() : QStringLiteral("El impresor no informa su capacidad"));
    if (capacity)
        box(w, "txtZetasRest")->setText(QString::number(conv::leadingNumber(h.Respuesta(hasar_answer::kZCapacity)) - conv::leadingNumber(h.Respuesta(hasar_answer::kLastZ))));

    h.QueryStatus();
    // The 614 and the 262/272 keep no invoice A; only the slip models and the 715/PR5 keep credit
    // notes and delivery notes.
    const bool invoiceA = model != 1 && model != 6;
    const bool homologated = model >= 7;
    fill(box(w, "txtNroFacB"), h, 3, true, {});
    fill(box(w, "txtNroFacA"), h, 5, invoiceA, QStringLiteral("Este modelo no emite Ticket Facturas A"));
    const QString noHomologated = QStringLiteral("Este modelo no emite notas de crédito ni remitos");
    fill(box(w, "txtNroNCA"), h, 14, homologated, noHomologated);
    fill(box(w, "txtNroNCB"), h, 13, homologated, noHomologated);
    fill(box(w, "txtNroRemito"), h, 9, homologated, noHomologated);

    h.QueryConfiguration();
    fill(box(w, "txtLimiteCF"), h, 3, usable(h), QStringLiteral("Este modelo no informa su configuración"));
}

void readHasarLines(FrmOrbelo& w) {
    HasarPrinter& h = w.hasar();
    for (const Frame& frame : {kFantasy, kHeader, kTrailer}) {
        for (int line = frame.first; line <= frame.last; ++line) {
            QLineEdit* text = lineBox(w, frame.kind, line);
            // The Hasar keeps two lines of fantasy name.
            if (frame.kind == ServiceText::FantasyName && line > 2) {
                notKept(text, QStringLiteral("El impresor Hasar guarda 2 líneas de nombre de fantasía"));
                rememberRead(w, frame.kind, line, {});
                continue;
            }
            h.QueryServiceText(frame.kind, line);
            if (!usable(h)) {
                // It may still take the line: sending it is up to the printer.
                unread(text, QStringLiteral("Este modelo no informa esta línea"));
                rememberRead(w, frame.kind, line, {});
                continue;
            }
            notKept(text, {});
            const QString stored = h.Respuesta(3);
            showLine(w, frame.kind, line, stored);
            rememberRead(w, frame.kind, line, stored);
        }
    }
}

void readEpson(FrmOrbelo& w) {
    EpsonPrinter& e = w.epson();
    for (const char* name : {"txtNroImp", "txtRazonSocial", "txtCUIT", "txtPuntoVenta", "txtZeta", "txtNroFacA", "txtNroFacB"})
        notKept(box(w, name), {});
    for (const char* name : {"txtIngBrutos", "txtFecIniActiv", "txtFecIni", "txtCapacidad", "txtZetasRest", "txtNroNCA",
                             "txtNroNCB", "txtNroRemito", "txtLimiteCF"})
        notKept(box(w, name), kEpsonTellsNot);
    if (e.StatusRequest(QStringLiteral("N"))) box(w, "txtNroImp")->setText(trimBlanks(e.Answer0B()));
    if (e.StatusRequest(QStringLiteral("A"))) {
        box(w, "txtZeta")->setText(e.Answer11());
        box(w, "txtNroFacA")->setText(e.Answer0E());
        box(w, "txtNroFacB")->setText(e.Answer10());
    }
    if (e.StatusRequest(QStringLiteral("C"))) {
        box(w, "txtRazonSocial")->setText(trimBlanks(e.Answer0B()));
        box(w, "txtCUIT")->setText(epsonTaxId([&e] { return e.Answer11(); }));
        box(w, "txtPuntoVenta")->setText(e.Answer10());
    }
    for (const Frame& frame : {kFantasy, kHeader, kTrailer})
        for (int line = frame.first; line <= frame.last; ++line) {
            if (frame.kind == ServiceText::FantasyName)
                notKept(lineBox(w, frame.kind, line), QStringLiteral("El impresor Epson no guarda nombre de fantasía"));
            else
                unread(lineBox(w, frame.kind, line), kEpsonLinesUnread);
            // What it holds is not known: every line typed counts as a change.
            rememberRead(w, frame.kind, line, {});
        }
}

}  // namespace

void readServiceData(FrmOrbelo& w) {
    onChosenPrinter(w, WriteModel::Yes, [&] { readEpson(w); }, [&] {
        const int model = hasarModelNumber(w.cboListaImp->currentText());
        readHasarIdentity(w, model);
        readHasarCounters(w, model);
        readHasarLines(w);
    });
    box(w, "txtNroPrecinto")->setText(w.txtPrecinto->text());
}
