#pragma once

class FrmOrbelo;

// "CARGAR LOGO": lets the technician pick an image file and has a Hasar printer store it as
// its logo. The driver reads and checks the file.
void loadLogo(FrmOrbelo& w);
