#pragma once

#include "drivers/status_bits.h"
#include "hasar_commands.h"

#include <array>

// The two Hasar status words bit by bit, in the maker's terms (manual of the 615 family,
// appendices 2 and 3), and how this program treats each bit. The paper bits (printer 4 and 5)
// are read by some drivers as "low" and by others as "out"; the printer sends DC4 while it
// waits for paper, so they are conditions here. A full print buffer (printer 6) runs nothing
// and is resent before any reply is judged.
namespace hasar_bits {

inline constexpr std::array<StatusBit, 9> kPrinter{{
    {1u << 2, "falla del mecanismo de impresión", BitKind::Error},
    {1u << 3, "impresora fuera de línea", BitKind::Error},
    {1u << 4, "falta papel del diario", BitKind::Condition},
    {1u << 5, "falta papel de tickets o comprobantes", BitKind::Condition},
    {1u << 6, "búfer de impresión lleno", BitKind::Error},
    {1u << 7, "búfer de impresión vacío", BitKind::Information},
    {1u << 8, "tapa abierta", BitKind::Error},
    {1u << 14, "cajón cerrado o ausente", BitKind::Information},
    {1u << 15, "suma de los bits 2 a 5, 8 y 14", BitKind::Information},
}};

inline constexpr std::array<StatusBit, 15> kFiscal{{
    {1u << 0, "error en la memoria fiscal", BitKind::Error},
    {1u << 1, "error en la memoria de trabajo", BitKind::Error},
    {1u << 3, "comando desconocido", BitKind::Error},
    {1u << 4, "dato no válido en un campo", BitKind::Error},
    {1u << 5, "comando no válido en el estado fiscal actual", BitKind::Error},
    {1u << 6, "desborde de totales", BitKind::Error},
    // "no se permite abrir un comprobante fiscal": everything else still runs.
    {1u << 7, "memoria fiscal llena, bloqueada o dada de baja", BitKind::Condition, nullptr,
     "no se pueden emitir comprobantes fiscales; revise la memoria fiscal del impresor"},
    {1u << 8, "memoria fiscal casi llena", BitKind::Condition, "memoria fiscal casi llena: quedan 30 cierres Z o menos"},
    {1u << 9, "terminal certificada", BitKind::Information},
    {1u << 10, "terminal fiscalizada", BitKind::Information},
    // It stays set until a valid date is entered; on the clock command it is that command's refusal.
    {1u << 11, "fecha no válida", BitKind::Condition, "fecha no válida: cámbiela con CAMBIO DE FECHA Y HORA", nullptr,
     hasar_command::kSetDateTime},
    {1u << 12, "documento fiscal abierto", BitKind::Information},
    {1u << 13, "documento abierto", BitKind::Information},
    {1u << 14, "documento abierto en hoja suelta, o STATPRN activo", BitKind::Information},
    {1u << 15, "suma de los bits 0 a 8", BitKind::Information},
}};

}  // namespace hasar_bits
