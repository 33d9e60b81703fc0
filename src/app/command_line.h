#pragma once

#include <QString>
#include <QStringList>

// What the program does once its arguments are read: open the window, or print a text and end
// without opening anything.
struct CommandLine {
    enum class Action { OpenWindow, Print, Refuse };
    Action action = Action::OpenWindow;
    // Print: the text for standard output; Refuse: the reason, for standard error.
    QString message;
    // OpenWindow: the file the wire trace is appended to, when asked for.
    QString traceFile = {};
    // OpenWindow: page 3 reads the printer and sends it the shop's texts.
    bool serviceMode = false;
    // Print: what the technician should know though nothing failed, for standard error.
    QString warnings = {};
};

// Exit status of a command line that cannot be obeyed.
inline constexpr int kUsageErrorStatus = 2;

// Reads the program's arguments (the first one is the program's name). Needs a
// QCoreApplication, not a display.
CommandLine parseCommandLine(const QStringList& arguments);

// Writes a Print's text to standard output or a Refuse's reason to standard error and returns
// the exit status.
int finishCommandLine(const CommandLine& command);
