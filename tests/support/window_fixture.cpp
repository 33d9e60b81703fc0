#include "window_fixture.h"

#include "app/controls_lock.h"
#include "program/operations.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

void WindowTest::SetUp() {
    window_ = std::make_unique<FrmOrbelo>(hasar, epson, prompts, clock);
    wireOperations(*window_);
    window_->show();
}

void WindowTest::TearDown() { window_.reset(); }

void WindowTest::click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

namespace {

// Picks the entry when the list has it, otherwise types it, as a technician would.
void choose(QComboBox* box, const QString& entry) {
    const int index = box->findText(entry);
    if (index >= 0)
        box->setCurrentIndex(index);
    else
        box->setEditText(entry);
}

}  // namespace

void WindowTest::selectModel(const QString& entry) { choose(w().cboListaImp, entry); }

void WindowTest::selectPort(const QString& port) { choose(w().cboPuerto, port); }

void WindowTest::type(QWidget* edit, const QString& text) {
    auto* line = qobject_cast<QLineEdit*>(edit);
    ASSERT_NE(line, nullptr);
    line->setText(text);
}

QStringList WindowTest::disabledInputs() {
    QStringList names;
    for (QWidget* control : window_->findChildren<QWidget*>()) {
        if (isLockedKind(*control) && control->testAttribute(Qt::WA_ForceDisabled)) names << control->objectName();
    }
    return names;
}

QStringList hasarPreamble(int port, std::optional<int> model) {
    QStringList lines{QStringLiteral("ComPort(%1)").arg(port)};
    if (model) lines << QStringLiteral("Model(%1)").arg(*model);
    lines << QStringLiteral("BeginSession()");
    return lines;
}
