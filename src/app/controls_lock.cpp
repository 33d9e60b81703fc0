#include "controls_lock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

bool isLockedKind(const QWidget& control) {
    // The line edit inside an editable drop-down list follows its list.
    if (qobject_cast<const QComboBox*>(control.parentWidget())) return false;
    return qobject_cast<const QPushButton*>(&control) || qobject_cast<const QCheckBox*>(&control) ||
           qobject_cast<const QLineEdit*>(&control) || qobject_cast<const QComboBox*>(&control);
}

namespace {

constexpr const char* kUnavailable = "orbeloUnavailable";

}  // namespace

void SetControlsEnabled(QWidget& window, bool enabled) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (isLockedKind(*control)) control->setEnabled(enabled && !control->property(kUnavailable).toBool());
    }
}

void setUnavailable(QWidget& control, const QString& why) {
    control.setProperty(kUnavailable, !why.isEmpty());
    control.setToolTip(why);
    if (!why.isEmpty()) control.setEnabled(false);
    else if (control.window() && control.window()->isEnabled()) control.setEnabled(true);
}
