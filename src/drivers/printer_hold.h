#pragma once

// What keeps a printer from answering the current command: busy bytes (DC2) or no paper (DC4).
enum class PrinterHold { None, Busy, NoPaper };
