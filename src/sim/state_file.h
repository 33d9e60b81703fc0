#pragma once

#include "fiscal_memory.h"

#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>

// The fiscal memory on disk, as a small JSON document. A file that is damaged, inconsistent
// or out of range is refused whole with a reason; it is never loaded in part.
namespace sim::state_file {

QJsonObject toJson(const FiscalMemory& memory);
std::optional<FiscalMemory> fromJson(const QJsonObject& json, QString* error);

std::optional<FiscalMemory> load(const QString& path, QString* error);
// Writes a temporary file beside the target and renames it over, so a crash leaves either
// the old state or the new one. `beforeReplace`, when given, sees the new file's descriptor
// before the rename (a printer locks it there) and may refuse it, leaving the old file in place.
bool save(const FiscalMemory& memory, const QString& path, QString* error,
          const std::function<bool(int handle)>& beforeReplace = {});
// The same for any contents: what another printer's state file holds.
bool saveContents(const QByteArray& contents, const QString& path, QString* error,
                  const std::function<bool(int handle)>& beforeReplace = {});

}  // namespace sim::state_file
