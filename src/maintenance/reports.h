#pragma once

class FrmOrbelo;

enum class DailyReport { X, Z };

// "IMPRIMIR X" / "IMPRIMIR Z": the report as many times as the count field says.
void printDailyReports(FrmOrbelo& w, DailyReport kind);
// "REPORTE GLOBAL": once; on Hasar by Z number or by date, as the printer's answer decides.
void printGlobalReport(FrmOrbelo& w);
