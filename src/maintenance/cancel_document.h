#pragma once

class FrmOrbelo;

// "CANCELAR COMPROBANTE": on Hasar cancels whatever document is open and says which; on Epson
// only advises the technician, since that printer has no such command.
void cancelOpenDocument(FrmOrbelo& w);
