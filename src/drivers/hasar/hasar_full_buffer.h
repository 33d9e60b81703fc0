#pragma once

#include "drivers/link/frame.h"

#include <functional>

class Link;

// A Hasar whose print buffer is full (printer status bit 6) runs no command and expects the host
// to send it again: that is waiting, not a failure.
namespace hasar_full_buffer {

// Pause between status requests while the buffer empties.
constexpr int kPollMs = 100;

// The reply to the command that `send` sends once per call, each time with a new sequence
// number. While a reply reports the buffer full, the status is asked until the bit clears and
// the command goes again; past the link's command limit it fails without having run.
frame::Frame sendUntilTaken(Link& link, int comPort, quint8 command, const std::function<frame::Frame()>& send);

}  // namespace hasar_full_buffer
