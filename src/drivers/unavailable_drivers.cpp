#include "unavailable_drivers.h"

#include "error_numbers.h"
#include "operation_error.h"

void UnavailableHasar::fail() {
    throw DriverError(error_number::kDriverUnavailable, QStringLiteral("El controlador de impresores Hasar no está disponible todavía"));
}

void UnavailableEpson::fail() {
    throw DriverError(error_number::kDriverUnavailable, QStringLiteral("El controlador de impresores Epson no está disponible todavía"));
}
