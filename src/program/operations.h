#pragma once

class FrmOrbelo;

// Connects every button of the window to its operation.
void wireOperations(FrmOrbelo& w);
