#pragma once

#include "service_page.h"

// A frame's "Enviar Datos": the lines that differ from what the printer held are checked as it
// takes them (a line too long or a character it lacks is refused, naming the line, before
// anything is sent), shown to the technician, and sent only on Sí; then the frame is read back.
void sendServiceLines(FrmOrbelo& w, const service_page::Frame& frame);
