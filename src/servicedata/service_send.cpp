#include "service_send.h"

#include "app/chosen_printer.h"
#include "app/frm_orbelo.h"
#include "app/prompts.h"
#include "drivers/epson_printer.h"
#include "drivers/hasar_printer.h"
#include "drivers/hasar_answer.h"

#include <QLineEdit>
#include <QList>

using namespace service_page;

namespace {


struct Change {
    int line;
    QString text;
};

// The lines of the frame the technician changed since the page was read, among those the
// printer keeps (a box that says why it is not kept is left out).
QList<Change> changes(FrmOrbelo& w, const Frame& frame) {
    QList<Change> out;
    for (int line = frame.first; line <= frame.last; ++line) {
        if (!isKept(lineBox(w, frame.kind, line))) continue;
        const QString text = lineText(w, frame.kind, line);
        if (text != lastRead(w, frame.kind, line)) out << Change{line, text};
    }
    return out;
}

QString question(const Frame& frame, const QList<Change>& changed) {
    QStringList lines{QStringLiteral("Estas líneas cambiarán en el impresor fiscal:")};
    for (const Change& c : changed) {
        const QString shown = c.text.startsWith(QChar(0xF4)) ? c.text.mid(1) + QStringLiteral(" (doble ancho)") : c.text;
        lines << QStringLiteral("  %1: %2").arg(serviceLineName(frame.kind, c.line),
                                                c.text.isEmpty() ? QStringLiteral("se borra") : QStringLiteral("«%1»").arg(shown));
    }
    lines << QStringLiteral("¿Enviarlas?");
    return lines.join(QLatin1Char('\n'));
}

// Checks every change on the printer's rules, then asks; true when the technician says Sí.
template <typename Printer>
bool confirmed(FrmOrbelo& w, Printer& printer, const Frame& frame, const QList<Change>& changed) {
    for (const Change& c : changed) printer.CheckServiceText(frame.kind, c.line, c.text);
    return w.prompts().ask(question(frame, changed));
}

void sendToHasar(FrmOrbelo& w, const Frame& frame, const QList<Change>& changed) {
    HasarPrinter& h = w.hasar();
    if (!confirmed(w, h, frame, changed)) return;
    for (const Change& c : changed) h.SetServiceText(frame.kind, c.line, c.text);
    // What shows is what the printer holds now.
    for (const Change& c : changed) {
        h.QueryServiceText(frame.kind, c.line);
        const QString stored = h.Respuesta(0).size() >= hasar_answer::kUsableAnswerLength ? h.Respuesta(3) : QString();
        showLine(w, frame.kind, c.line, stored);
        rememberRead(w, frame.kind, c.line, stored);
    }
}

void sendToEpson(FrmOrbelo& w, const Frame& frame, const QList<Change>& changed) {
    EpsonPrinter& e = w.epson();
    if (!confirmed(w, e, frame, changed)) return;
    // The Epson tells no line back: what it took is what was sent.
    for (const Change& c : changed) {
        e.SetServiceText(frame.kind, c.line, c.text);
        rememberRead(w, frame.kind, c.line, c.text);
    }
}

}  // namespace

void sendServiceLines(FrmOrbelo& w, const Frame& frame) {
    const QList<Change> changed = changes(w, frame);
    if (changed.isEmpty()) {
        w.prompts().message(Prompts::kInformation, QStringLiteral("No hay líneas que cambien en el impresor fiscal"));
        return;
    }
    // The lines' lengths depend on the Hasar model, so it is written.
    onChosenPrinter(w, WriteModel::Yes, [&] { sendToEpson(w, frame, changed); }, [&] { sendToHasar(w, frame, changed); });
}
