#pragma once

class FrmOrbelo;

// Connects the six document buttons, the item-count frame and its "Aceptar" and "Cancelar".
void wireDocuments(FrmOrbelo& w);
