#include "logo_bitmap.h"

namespace sim {

bool LogoBitmap::isConsistent() const {
    return width >= 1 && width <= kMaxWidth && height >= 1 && height <= kMaxHeight &&
           bits.size() == bytesPerRow(width) * height;
}

QStringList LogoBitmap::render() const {
    QStringList rows;
    if (!isConsistent()) return rows;
    const int stride = bytesPerRow(width);
    for (int y = 0; y < height; ++y) {
        QString row(width, QLatin1Char(' '));
        for (int x = 0; x < width; ++x) {
            const auto byte = static_cast<quint8>(bits[y * stride + x / 8]);
            if (byte & (0x80 >> (x % 8))) row[x] = QLatin1Char('#');
        }
        rows.append(row);
    }
    return rows;
}

}  // namespace sim
