#pragma once

class FrmOrbelo;

namespace link_error {
class OtherSpeed;
}

// A printer found at another speed than its port's: for a Hasar, asks whether to set it back to
// the port's speed and does so; for a printer that cannot be told (Epson), asks whether the port
// should work at the printer's speed from now on. Every outcome is told in a message.
void answerOtherSpeed(FrmOrbelo& w, const link_error::OtherSpeed& found);
