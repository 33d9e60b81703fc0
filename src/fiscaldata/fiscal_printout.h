#pragma once

class FrmOrbelo;

// "IMPRIMIR INFORMACIÓN": prints what the fiscal page shows now, and the seal number typed in,
// as a non-fiscal document of 18 lines on the chosen printer. It does not query the printer.
void printFiscalData(FrmOrbelo& w);
