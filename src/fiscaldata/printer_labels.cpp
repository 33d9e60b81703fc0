#include "printer_labels.h"

#include "drivers/printer_text.h"

#include <QLabel>

namespace printer_labels {
namespace {

constexpr const char* kFromPrinter = "orbeloFromPrinter";

}  // namespace

void show(QLabel* label, const QString& fromPrinter) {
    label->setText(fromPrinter);
    label->setProperty(kFromPrinter, fromPrinter);
}

QString printed(const QLabel* label) {
    const QString text = label->text();
    return label->property(kFromPrinter).toString() == text ? printer_text::carried(text) : text;
}

}  // namespace printer_labels
