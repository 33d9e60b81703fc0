#include "logo_bitmap.h"

#include <QtEndian>

#include <cstdlib>

namespace sim {

namespace {

constexpr qsizetype kFileHeader = 14;
constexpr quint32 kInfoHeader = 40;

template <typename T>
T at(QByteArrayView file, qsizetype offset) {
    return qFromLittleEndian<T>(file.constData() + offset);
}

}  // namespace

std::optional<LogoBitmap> LogoBitmap::fromBmp(QByteArrayView file) {
    if (file.size() < kFileHeader + kInfoHeader + 8 || !file.startsWith("BM")) return std::nullopt;
    const quint32 headerSize = at<quint32>(file, 14);
    const qint32 width = at<qint32>(file, 18);
    const qint32 signedHeight = at<qint32>(file, 22);
    if (headerSize < kInfoHeader || at<quint16>(file, 26) != 1 || at<quint16>(file, 28) != 1 || at<quint32>(file, 30) != 0)
        return std::nullopt;
    // Height: positive rows go bottom up, negative top down.
    const qint64 height = std::llabs(qint64(signedHeight));
    if (width < 1 || width > kMaxWidth || height < 1 || height > kMaxHeight) return std::nullopt;
    const quint32 pixelsAt = at<quint32>(file, 10);
    const qint64 paletteAt = kFileHeader + headerSize;
    const qint64 stride = (qint64(width) + 31) / 32 * 4;
    if (paletteAt + 8 > pixelsAt || qint64(pixelsAt) + stride * height > file.size()) return std::nullopt;
    // Which palette entry is the darker one decides which bit value prints a dot.
    const auto grey = [&](qint64 entry) {
        const auto b = [&](int i) { return int(quint8(file[entry + i])); };
        return b(0) * 11 + b(1) * 59 + b(2) * 30;
    };
    const bool blackIsOne = grey(paletteAt + 4) < grey(paletteAt);

    LogoBitmap logo;
    logo.width = width;
    logo.height = static_cast<int>(height);
    const int rowBytes = bytesPerRow(width);
    logo.bits = QByteArray(rowBytes * logo.height, '\0');
    for (int y = 0; y < logo.height; ++y) {
        const qint64 stored = signedHeight > 0 ? height - 1 - y : y;
        const char* source = file.constData() + pixelsAt + stored * stride;
        for (int x = 0; x < width; ++x) {
            const bool set = quint8(source[x / 8]) & (0x80 >> (x % 8));
            if (set == blackIsOne) logo.bits[y * rowBytes + x / 8] = char(logo.bits[y * rowBytes + x / 8] | (0x80 >> (x % 8)));
        }
    }
    return logo;
}

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
