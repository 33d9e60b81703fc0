#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace sim {

// A stored logo: one dot per bit, each row padded to whole bytes, most significant bit
// first, 1 = black.
struct LogoBitmap {
    static constexpr int kMaxWidth = 576;
    static constexpr int kMaxHeight = 2000;

    int width = 0;
    int height = 0;
    QByteArray bits;

    static int bytesPerRow(int width) { return (width + 7) / 8; }
    // The dots of a monochrome BMP file (uncompressed, 1 bit per pixel, two colours), or nothing
    // when the file is not one or does not fit the paper.
    static std::optional<LogoBitmap> fromBmp(QByteArrayView file);
    bool isConsistent() const;
    // One text row per dot row: '#' for black, ' ' for white, exactly `width` characters.
    QStringList render() const;

    bool operator==(const LogoBitmap&) const = default;
};

}  // namespace sim
