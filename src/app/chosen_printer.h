#pragma once

#include "operation_steps.h"

#include <functional>

class FrmOrbelo;

// Runs one operation on the chosen printer with the controls locked, through the error path:
// the Epson configured first, or a Hasar session begun (the model written when asked) and
// finished after.
void onChosenPrinter(FrmOrbelo& w, WriteModel writeModel, const std::function<void()>& epson,
                     const std::function<void()>& hasar);
