#pragma once

#include <functional>

class FrmOrbelo;

// Runs one fiscal-data operation on the chosen printer with the controls locked: the Epson
// configured first, or a Hasar session begun (the model left as it is) and finished after.
void onChosenPrinter(FrmOrbelo& w, const std::function<void()>& epson, const std::function<void()>& hasar);
