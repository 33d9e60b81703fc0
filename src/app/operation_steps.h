#pragma once

class FrmOrbelo;

// The steps the printer operations share, each reading the window's lists and boxes afresh, as
// they show now.

// True when the model list shows an Epson entry.
bool epsonSelected(FrmOrbelo& w);
// Writes PortNumber.
void configureEpson(FrmOrbelo& w);
// Writes ComPort, then Model when asked (the entry's model number), then calls BeginSession.
enum class WriteModel { Yes, No };
void beginHasarSession(FrmOrbelo& w, WriteModel writeModel);
// The same, writing the model `modelFor` makes of the entry's number, which it returns. The entry
// is read after ComPort, as above, so a model text that is no number fails at the same point.
int beginHasarSession(FrmOrbelo& w, int (*modelFor)(int entryModel));

// Cancels on the chosen printer whatever an earlier run left open, before an operation starts;
// which document it was is told once the operation has ended.
void cancelLeftOpen(FrmOrbelo& w);

// How many documents, reports, drawer openings or cuts to make: the number with which
// "Cantidad de Tickets/Facturas:" begins.
double howMany(const FrmOrbelo& w);
