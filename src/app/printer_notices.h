#pragma once

class EpsonDriver;
class FrmOrbelo;
class HasarDriver;

// What the printers report on the side, shown in the window's caption while it lasts: a command
// held (busy, out of paper) and the conditions that last in the printer (a fiscal memory almost
// full, a weak battery, a Z due), until a reply no longer reports them.
void connectPrinterNotices(FrmOrbelo& window, HasarDriver& hasar, EpsonDriver& epson);
