#pragma once

class FrmOrbelo;

// "TRAER INFORMACIÓN": reads the printer's identity and counters through the driver of the
// chosen brand and writes them into the value labels of the fiscal page. Labels the printer
// gives no data for keep their text.
void queryFiscalData(FrmOrbelo& w);
