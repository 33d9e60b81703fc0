#pragma once

class FrmOrbelo;

// "Aceptar" of the item-count frame: prints the chosen test document on the chosen printer.
// Entries 1 and 6 are refused before anything changes.
void printTestDocument(FrmOrbelo& w);
