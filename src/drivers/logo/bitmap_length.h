#pragma once

#include <QByteArray>

// Qt decodes a cut-short uncompressed BMP without complaint, padding the missing rows; this
// tells such a file apart. True when the data is a BMP whose header promises more pixel bytes
// than the file holds; false for a complete BMP, a compressed one, or anything else.
bool isCutShortBitmap(const QByteArray& data);
