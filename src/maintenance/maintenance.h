#pragma once

class FrmOrbelo;

// Connects the report, drawer, cutter, cancel, date-and-time and logo buttons.
void wireMaintenance(FrmOrbelo& w);
