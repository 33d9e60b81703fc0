#pragma once

#include <sim/brand.h>

#include <cstddef>
#include <cstdint>

// Feeds one virtual printer arbitrary frames; after each one its fiscal memory must survive a
// save and a reload unchanged. Aborts on the first state that does not.
int fuzzVirtualPrinter(sim::Brand brand, const uint8_t* data, size_t size);
