#pragma once

#include "logo_bitmap.h"

#include <QByteArray>
#include <optional>

namespace sim {

// Assembles a logo from its records: the bytes of a monochrome BMP file, 64 per record as 128
// upper-case hex digits, "I" on the first, "C" on the middle ones and "F" on the last (a file of
// 64 bytes or less comes as one "F"). Any record out of place or malformed, or a file that is
// not a 1-bit BMP the paper can hold, ends the upload; the caller keeps its previous logo.
class LogoUpload {
public:
    enum class Result { Accepted, Complete, Refused };

    static constexpr int kRecordDigits = 128;
    // The widest, tallest logo as a BMP file, with room for a larger header.
    static constexpr qsizetype kMaxFileBytes = 1024 + LogoBitmap::kMaxWidth / 8 * LogoBitmap::kMaxHeight;

    void restart();
    Result record(QByteArrayView letter, QByteArrayView data);
    // The finished logo, after record() returned Complete.
    const LogoBitmap& logo() const { return logo_; }

private:
    Result refuse();

    bool started_ = false;
    QByteArray file_;
    LogoBitmap logo_;
};

}  // namespace sim
