#pragma once

#include <algorithm>
#include <array>

// The speed printers come set to, and every port's unless it is given another.
inline constexpr int kDefaultBaud = 9600;

// The speeds a port may be set to: the usual ones of a serial line, as the printers offer them.
inline constexpr std::array<int, 8> kLineSpeeds{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

constexpr bool isLineSpeed(int baud) { return std::find(kLineSpeeds.begin(), kLineSpeeds.end(), baud) != kLineSpeeds.end(); }
