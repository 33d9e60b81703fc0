#pragma once

class FrmOrbelo;

// Service mode: page 3 reads the chosen printer ("Traer Datos") and sends it its fantasy name,
// header and trailer (each frame's "Enviar Datos"); the caption and the tooltips say so.
// Without it the page stays as it is, inert.
void startServiceMode(FrmOrbelo& w);
