#pragma once

#include "soak_case.h"

#include <functional>

// The shortest case that still fails: each step dropped in turn, then each fault or condition of
// the steps left, kept out whenever `fails` still says the case fails; at most `tries` runs.
SoakCase shrinkCase(SoakCase failing, const std::function<bool(const SoakCase&)>& fails, int tries);
