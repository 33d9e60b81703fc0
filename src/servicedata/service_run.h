#pragma once

#include <functional>

class FrmOrbelo;

// A page-3 operation on the chosen printer, as every other: lock, the Epson's port or a Hasar
// session on the model written (its lines' lengths depend on it), the body, the session ended,
// unlock; any failure takes the error path.
void onServicePrinter(FrmOrbelo& w, const std::function<void()>& epson, const std::function<void(int model)>& hasar);
