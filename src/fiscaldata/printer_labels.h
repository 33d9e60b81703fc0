#pragma once

#include <QString>

class QLabel;

// The fiscal page's labels that show what the printer itself holds (its business name, its
// number): the printout sends such a text back as the printer's own bytes, however the brand
// treats a typed one, unless the label was changed since.
namespace printer_labels {

void show(QLabel* label, const QString& fromPrinter);

// What the printout sends for the label: the printer's own text carried as its bytes, or the
// label's text when it came from elsewhere.
QString printed(const QLabel* label);

}  // namespace printer_labels
