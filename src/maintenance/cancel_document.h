#pragma once

class FrmOrbelo;

// "CANCELAR COMPROBANTE": on Hasar cancels whatever document is open and says which; on Epson
// only advises the technician, since that printer has no such command.
void cancelOpenDocument(FrmOrbelo& w);

// Cancels on the chosen printer whatever an earlier run left open, before an operation starts;
// which document it was is told once the operation has ended.
void cancelLeftOpen(FrmOrbelo& w);
