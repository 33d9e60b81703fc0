#pragma once

class EpsonDriver;
class FrmOrbelo;
class HasarDriver;

// What the printers report on the side, shown in the window's caption while it lasts: a command
// held (busy, out of paper) and a Hasar fiscal memory almost full, until another printer answers.
void connectPrinterNotices(FrmOrbelo& window, HasarDriver& hasar, EpsonDriver& epson);
