#include "parent_console.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstdio>

namespace {

bool goesSomewhere(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

ParentConsole::ParentConsole() {
    const bool out = goesSomewhere(STD_OUTPUT_HANDLE);
    const bool err = goesSomewhere(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    attached_ = true;
    if (!out && std::freopen("CONOUT$", "w", stdout) == nullptr) return;
    if (!err && std::freopen("CONOUT$", "w", stderr) == nullptr) return;
    // The texts are UTF-8 (accents, arrows); the console's own code page comes back on the way out.
    codePage_ = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
}

ParentConsole::~ParentConsole() {
    if (!attached_) return;
    std::fflush(stdout);
    std::fflush(stderr);
    if (codePage_ != 0) SetConsoleOutputCP(codePage_);
    FreeConsole();
}

#else

ParentConsole::ParentConsole() = default;
ParentConsole::~ParentConsole() = default;

#endif
