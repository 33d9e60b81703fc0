#pragma once

class FrmOrbelo;

// How many items each document carries: the number with which the item-count field begins.
double itemCount(const FrmOrbelo& w);
