#include "form_builders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace form {
namespace {

constexpr int kTwipsPerPixel = 15;
// Height of the tab strip, which the design's page coordinates include.
constexpr int kTabStripTwips = 360;
constexpr int kTextBoxMaxLength = 50;
constexpr int kNumericBoxMaxLength = 9;

int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

template <typename W>
W* named(W* widget, const QString& name, const QRect& at) {
    widget->setObjectName(name);
    widget->setGeometry(at);
    return widget;
}

}  // namespace

QRect twips(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

QRect onPage(int left, int top, int width, int height) { return twips(left, top - kTabStripTwips, width, height); }

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& at) {
    return named(new QPushButton(caption, parent), name, at);
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& at) {
    return named(new QLabel(caption, parent), name, at);
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, const QRect& at) {
    return named(new QCheckBox(caption, parent), name, at);
}

QGroupBox* groupFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& at) {
    return named(new QGroupBox(caption, parent), name, at);
}

QComboBox* dropDown(QWidget* parent, const QString& name, const QRect& at) {
    auto* combo = named(new QComboBox(parent), name, at);
    combo->setEditable(true);
    // The lists are fixed; typing a text selects nothing new and adds no entry.
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QLineEdit* textBox(QWidget* parent, const QString& name, const QRect& at) {
    auto* edit = named(new QLineEdit(parent), name, at);
    edit->setMaxLength(kTextBoxMaxLength);
    return edit;
}

QLineEdit* numericBox(QWidget* parent, const QString& name, const QString& text, const QRect& at) {
    auto* edit = named(new QLineEdit(text, parent), name, at);
    edit->setMaxLength(kNumericBoxMaxLength);
    static const QRegularExpression kDigitsPointComma(
        QStringLiteral(R"(^[0-9]*(?:\.[0-9]*(?:,[0-9]*)?|,[0-9]*(?:\.[0-9]*)?)?$)"));
    edit->setValidator(new QRegularExpressionValidator(kDigitsPointComma, edit));
    return edit;
}

namespace {
QString captionText(const QLabel* label) {
    QString name = label->text();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    return name;
}
}  // namespace

void caption(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    control->setAccessibleName(captionText(label));
}

void valueCaption(QLabel* label, QLabel* value) {
    label->setBuddy(value);
    value->setAccessibleDescription(captionText(label));
}

}  // namespace form
