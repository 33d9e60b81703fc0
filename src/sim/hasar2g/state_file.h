#pragma once

#include "memory.h"

#include <QJsonObject>
#include <optional>

// The 2G Hasar's memory on disk, as JSON. A file that is damaged, inconsistent or out of range is
// refused whole with a reason; it is never loaded in part. Saving goes through the first-generation
// printers' atomic save (sim::state_file::saveContents).
namespace sim::hasar2g::state_file {

QJsonObject toJson(const Memory& memory);
std::optional<Memory> fromJson(const QJsonObject& json, QString* error);
std::optional<Memory> load(const QString& path, QString* error);
QByteArray contents(const Memory& memory);

}  // namespace sim::hasar2g::state_file
