#pragma once

class QString;
class QWidget;

// The busy lock: sets the enabled state of every command button, check box, text box, numeric
// edit box and drop-down list of the window. Labels, frames, tabs and the title-bar buttons are
// left alone, so a locked window can still be moved, minimised, closed and paged.
void SetControlsEnabled(QWidget& window, bool enabled);

// True for the kinds of control the busy lock switches.
bool isLockedKind(const QWidget& control);

// A control the printer gives no use to (a style its maker does not document): disabled with
// the reason as its tooltip, and left disabled when the lock lifts. `why` empty makes it usable.
void setUnavailable(QWidget& control, const QString& why);
