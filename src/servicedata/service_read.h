#pragma once

class FrmOrbelo;

// "Traer Datos": reads what the chosen printer tells of itself into page 3; a field the model
// does not keep is left empty, with a tooltip that says so.
void readServiceData(FrmOrbelo& w);
