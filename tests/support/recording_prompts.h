#pragma once

#include "app/clock.h"
#include "app/prompts.h"
#include "trace.h"

// Prompts that record each message and dialog in the trace instead of showing them. The file
// dialog answers with the path a test chose (empty: cancelled).
class RecordingPrompts : public Prompts {
public:
    explicit RecordingPrompts(Trace& trace) : trace_(trace) {}

    void chooseFile(const QString& path) { chosenFile_ = path; }
    // What the technician answers to each question from now on.
    void answerQuestions(bool yes) { yes_ = yes; }

    void message(int style, const QString& text) override;
    bool ask(const QString& text) override;
    QString openFile() override;

private:
    Trace& trace_;
    bool yes_ = false;
    QString chosenFile_;
};

// A clock that stands still where a test put it.
class FixedClock : public Clock {
public:
    QDateTime now() const override { return now_; }
    void set(const QDateTime& now) { now_ = now; }

private:
    QDateTime now_{QDate(2026, 12, 8), QTime(10, 30, 0)};
};
