#pragma once

class FrmOrbelo;

// "PRUEBA DE ABERTURA DE CAJÓN": opens the drawer once. Only the Hasar path takes the busy
// lock; the Epson path leaves the controls as they are.
void testDrawer(FrmOrbelo& w);
// "PRUEBA DE CUCHILLA": cuts the paper as many times as the count field says.
void testCutter(FrmOrbelo& w);
