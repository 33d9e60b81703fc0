#pragma once

class FrmOrbelo;

// Connects "TRAER INFORMACIÓN" and "IMPRIMIR INFORMACIÓN".
void wireFiscalData(FrmOrbelo& w);
