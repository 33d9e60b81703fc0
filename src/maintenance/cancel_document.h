#pragma once

class FrmOrbelo;

// "CANCELAR COMPROBANTE": on Hasar cancels whatever document is open; on Epson only advises
// the technician, since that printer has no such command.
void cancelOpenDocument(FrmOrbelo& w);

// Cancels on the Hasar whatever a run left open, before an operation starts; when a paid document
// could only be closed, tells the technician which one was issued.
void cancelLeftOpen(FrmOrbelo& w);
