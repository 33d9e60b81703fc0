#include "system_text.h"

#include <cerrno>

namespace {

struct Said {
    int code;
    const char* spanish;
};

// The reasons a port or a file meets on a bench.
constexpr Said kTexts[] = {
    {EACCES, "permiso denegado"},
    {EPERM, "operación no permitida"},
    {ENOENT, "no existe el archivo o el dispositivo"},
    {ENODEV, "no existe el dispositivo"},
    {ENXIO, "el dispositivo no responde o no existe"},
    {EBUSY, "el dispositivo está ocupado"},
    {ENOTTY, "no es una terminal serie"},
    {EIO, "error de entrada o salida"},
    {EINVAL, "valor no válido para el dispositivo"},
    {EISDIR, "es una carpeta"},
    {ENOTDIR, "una parte de la ruta no es una carpeta"},
    {EROFS, "el sistema de archivos es de solo lectura"},
    {ENOSPC, "no queda espacio en el disco"},
    {ENAMETOOLONG, "el nombre es demasiado largo"},
    {ELOOP, "demasiados enlaces simbólicos"},
    {EMFILE, "hay demasiados archivos abiertos"},
};

}  // namespace

QString systemTextInSpanish(const QString& systemText, Platform platform) {
    if (platform == Platform::Windows) return systemText;
    // Qt words errno in the process's locale; compared that way, the table holds for any language.
    for (const Said& said : kTexts)
        if (systemText == qt_error_string(said.code)) return QString::fromUtf8(said.spanish);
    return QStringLiteral("error del sistema");
}
