#pragma once

class FrmOrbelo;

// Connects every button of the window to its operation; the window itself knows none of them.
void wireOperations(FrmOrbelo& w);
