#include "logo_upload.h"

namespace sim {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;  // lower case is refused: the records carry upper-case digits only
}

std::optional<QByteArray> decodeHex(QByteArrayView digits) {
    if (digits.size() % 2 != 0) return std::nullopt;
    QByteArray out;
    out.reserve(digits.size() / 2);
    for (int i = 0; i < digits.size(); i += 2) {
        const int hi = hexValue(digits[i]);
        const int lo = hexValue(digits[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out.append(static_cast<char>(hi * 16 + lo));
    }
    return out;
}

}  // namespace

void LogoUpload::restart() {
    started_ = false;
    file_.clear();
    logo_ = {};
}

LogoUpload::Result LogoUpload::refuse() {
    restart();
    return Result::Refused;
}

LogoUpload::Result LogoUpload::record(QByteArrayView letter, QByteArrayView data) {
    if (letter.size() != 1) return refuse();
    const char marker = letter[0];
    if (marker != 'I' && marker != 'C' && marker != 'F') return refuse();
    // Every record but the last carries a full 64 bytes; the last one 1 to 64.
    const bool fullRecord = marker != 'F';
    if (data.isEmpty() || data.size() > kRecordDigits || (fullRecord && data.size() != kRecordDigits))
        return refuse();
    if (marker == 'C' && !started_) return refuse();
    if (marker == 'I') restart();
    const auto bytes = decodeHex(data);
    if (!bytes || file_.size() + bytes->size() > kMaxFileBytes) return refuse();
    file_.append(*bytes);
    if (fullRecord) {
        started_ = true;
        return Result::Accepted;
    }
    const auto logo = LogoBitmap::fromBmp(file_);
    if (!logo) return refuse();
    restart();
    logo_ = *logo;
    return Result::Complete;
}

}  // namespace sim
