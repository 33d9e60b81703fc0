#include "qt_prompts.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A dialog inside an operation shows the normal pointer over the operation's wait cursor.
class PointerCursor {
public:
    PointerCursor() { QGuiApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~PointerCursor() { QGuiApplication::restoreOverrideCursor(); }
    PointerCursor(const PointerCursor&) = delete;
    PointerCursor& operator=(const PointerCursor&) = delete;
};

}  // namespace

void QtPrompts::message(int style, const QString& text) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style) {
    case kCritical: icon = QMessageBox::Critical; break;
    case kExclamation: icon = QMessageBox::Warning; break;
    case kInformation: icon = QMessageBox::Information; break;
    }
    QMessageBox box(icon, QStringLiteral("Orbelo"), text, QMessageBox::Ok, parent_);
    const PointerCursor pointer;
    box.exec();
}

bool QtPrompts::ask(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Orbelo"), text, QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    const PointerCursor pointer;
    box.exec();
    return box.clickedButton() == yes;
}

QString QtPrompts::openFile() {
    const PointerCursor pointer;
    return QFileDialog::getOpenFileName(parent_);
}
