#pragma once

#include "app/frm_orbelo.h"
#include "recording_epson.h"
#include "recording_hasar.h"
#include "recording_prompts.h"
#include "trace.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>

class QAbstractButton;

// The real window, shown offscreen, wired to recording fakes; tests click its real buttons.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    FrmOrbelo& w() { return *window_; }

    // A left click on the button, as a person would make it (a disabled button ignores it).
    void click(QAbstractButton* button);
    // Shows this text in the model list: a list entry by its text, or any other text typed in.
    void selectModel(const QString& entry);
    void selectPort(const QString& port);
    // Types into a numeric or text box, replacing what it held.
    void type(QWidget* edit, const QString& text);

    const QStringList& calls() const { return trace.lines(); }

    // Names of the input controls (buttons, check boxes, text and numeric boxes, lists) that
    // are disabled by their own state.
    QStringList disabledInputs();

    Trace trace;
    RecordingHasar hasar{trace};
    RecordingEpson epson{trace};
    RecordingPrompts prompts{trace};
    FixedClock clock;

private:
    std::unique_ptr<FrmOrbelo> window_;
};

// The trace lines of the Hasar preamble: ComPort, Model (when given) and BeginSession.
QStringList hasarPreamble(int port, std::optional<int> model);
