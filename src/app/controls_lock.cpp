#include "controls_lock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

bool isLockedKind(const QWidget& control) {
    // The line edit inside an editable drop-down list follows its list.
    if (qobject_cast<const QComboBox*>(control.parentWidget())) return false;
    return qobject_cast<const QPushButton*>(&control) || qobject_cast<const QCheckBox*>(&control) ||
           qobject_cast<const QLineEdit*>(&control) || qobject_cast<const QComboBox*>(&control);
}

void SetControlsEnabled(QWidget& window, bool enabled) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (isLockedKind(*control)) control->setEnabled(enabled);
    }
}
