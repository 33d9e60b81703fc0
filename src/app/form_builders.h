#pragma once

#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small factories for the window's controls. Positions are given in twips (15 to a pixel), as
// the window's design is written, so the code can be read against it.
namespace form {

QRect twips(int left, int top, int width, int height);
// On a tab page the design counts from the top of the tab control, strip included.
QRect onPage(int left, int top, int width, int height);

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& at);
QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& at);
QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, const QRect& at);
QGroupBox* groupFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& at);
QComboBox* dropDown(QWidget* parent, const QString& name, const QRect& at);
// A single-line text box of at most 50 characters.
QLineEdit* textBox(QWidget* parent, const QString& name, const QRect& at);
// A numeric edit box: digits, one point and one comma, at most 9 characters.
QLineEdit* numericBox(QWidget* parent, const QString& name, const QString& text, const QRect& at);

// Ties an input control to the caption a person reads beside it, for keyboard mnemonics,
// screen readers and UI automation alike.
void caption(QLabel* label, QWidget* control);
// Ties a value label to its caption. The value stays the label's accessible name, so a screen
// reader reads the number it shows; the caption is its description and its buddy.
void valueCaption(QLabel* label, QLabel* value);

}  // namespace form
