#pragma once

class FrmOrbelo;

// "CAMBIO DE FECHA Y HORA": sets the printer's clock to the computer's. A Hasar printer is
// asked first and refused while documents were issued since the last Z.
void changeDateTime(FrmOrbelo& w);
