#pragma once

// On Windows the program is a window program, started without a console of its own: while this
// lives, what the command line prints goes to the console it was started from (unless it is
// already redirected to a file or a pipe), in UTF-8. Elsewhere it does nothing.
class ParentConsole {
public:
    ParentConsole();
    ~ParentConsole();
    ParentConsole(const ParentConsole&) = delete;
    ParentConsole& operator=(const ParentConsole&) = delete;

private:
    bool attached_ = false;
    unsigned codePage_ = 0;
};
