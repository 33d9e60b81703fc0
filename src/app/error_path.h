#pragma once

#include <functional>

class FrmOrbelo;
class OperationError;
class QString;

// "El sistema detectó el error Nº <number> ''<description>''"
QString errorMessage(int number, const QString& description);

// Runs one printer operation. Any failure inside it ends it through the error path: the input
// controls are enabled again and the error is shown; nothing else is undone. While it runs,
// the window is busy and a second operation does not start. The window's notices at end are
// shown last, as information.
void runOperation(FrmOrbelo& w, const std::function<void()>& body);
