#include "document_test.h"

#include "app/controls_lock.h"

#include <QLineEdit>
#include <QPushButton>

void DocumentTest::print(const QString& entry, QPushButton* button, const QString& documents, const QString& items) {
    selectModel(entry);
    type(w().txtCant, documents);
    click(button);
    type(w().txtCantItems, items);
    click(w().btnAceptar);
}

QPushButton* DocumentTest::documentButton(const QString& name) { return w().findChild<QPushButton*>(name); }

QStringList DocumentTest::enabledInputs() {
    QStringList names;
    for (QWidget* control : w().findChildren<QWidget*>()) {
        if (isLockedKind(*control) && !control->testAttribute(Qt::WA_ForceDisabled)) names << control->objectName();
    }
    names.sort();
    return names;
}

namespace line {

QStringList hasarStart(int model) { return hasarPreamble(1, model) << QStringLiteral("CancelAll()"); }

QStringList repeated(const QStringList& lines, int times) {
    QStringList out;
    for (int i = 0; i < times; ++i) out += lines;
    return out;
}

QString error(int number, const QString& description) {
    return QStringLiteral("Msg(16,\"El sistema detectó el error Nº %1 ''%2''\")").arg(number).arg(description);
}

}  // namespace line
