#include "qt_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

void QtPrompts::message(int style, const QString& text) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style) {
    case kCritical: icon = QMessageBox::Critical; break;
    case kExclamation: icon = QMessageBox::Warning; break;
    case kInformation: icon = QMessageBox::Information; break;
    }
    QMessageBox box(icon, QStringLiteral("Orbelo"), text, QMessageBox::Ok, parent_);
    box.exec();
}

QString QtPrompts::openFile() { return QFileDialog::getOpenFileName(parent_); }
