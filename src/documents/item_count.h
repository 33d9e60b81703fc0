#pragma once

class FrmOrbelo;

// How many documents to print: the number with which "Cantidad de Tickets/Facturas:" begins.
double documentCount(const FrmOrbelo& w);
// How many items each document carries: the number with which the item-count field begins.
double itemCount(const FrmOrbelo& w);
