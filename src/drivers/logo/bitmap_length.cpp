#include "bitmap_length.h"

#include <QtEndian>

#include <cstdlib>

namespace {

constexpr qsizetype kFileHeaderBytes = 14;
constexpr quint32 kInfoHeaderBytes = 40;
constexpr quint32 kUncompressed = 0;
constexpr quint32 kBitFields = 3;
constexpr quint32 kAlphaBitFields = 6;

template <typename T>
T at(const QByteArray& data, qsizetype offset) {
    return qFromLittleEndian<T>(data.constData() + offset);
}

}  // namespace

bool isCutShortBitmap(const QByteArray& data) {
    if (data.size() < kFileHeaderBytes + kInfoHeaderBytes || !data.startsWith("BM")) return false;
    // Older OS/2 headers lay the fields out differently; Qt's own checks stand for those.
    if (at<quint32>(data, 14) < kInfoHeaderBytes) return false;
    const quint32 compression = at<quint32>(data, 30);
    if (compression != kUncompressed && compression != kBitFields && compression != kAlphaBitFields)
        return false;
    const qint64 pixelsAt = at<quint32>(data, 10);
    const qint64 width = at<qint32>(data, 18);
    const qint64 height = std::llabs(at<qint32>(data, 22));
    const qint64 bitsPerPixel = at<quint16>(data, 28);
    if (width <= 0 || height == 0 || bitsPerPixel == 0) return false;
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const qint64 available = data.size() - pixelsAt;
    // Divided rather than multiplied: a forged header must not overflow the product.
    return available < 0 || height > available / rowBytes;
}
