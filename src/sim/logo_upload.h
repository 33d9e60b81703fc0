#pragma once

#include "logo_bitmap.h"

#include <QByteArray>
#include <optional>

namespace sim {

// Assembles a logo from its records: "I" with width and height as four hex digits each, then
// data records "C" and a last "F", each with up to 128 upper-case hex digits. Any record out of
// place or malformed ends the upload; the caller keeps its previous logo.
class LogoUpload {
public:
    enum class Result { Accepted, Complete, Refused };

    static constexpr int kMaxRecordDigits = 128;

    void restart();
    Result record(QByteArrayView letter, QByteArrayView data);
    // The finished logo, after record() returned Complete.
    const LogoBitmap& logo() const { return logo_; }

private:
    Result refuse();

    bool started_ = false;
    LogoBitmap logo_;
    int expectedBytes_ = 0;
};

}  // namespace sim
