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
    logo_ = {};
    expectedBytes_ = 0;
}

LogoUpload::Result LogoUpload::refuse() {
    restart();
    return Result::Refused;
}

LogoUpload::Result LogoUpload::record(QByteArrayView letter, QByteArrayView data) {
    if (letter.size() != 1) return refuse();
    if (letter[0] == 'I') {
        if (data.size() != 8) return refuse();
        const auto size = decodeHex(data);
        if (!size) return refuse();
        const auto byteAt = [&](int i) { return static_cast<quint8>((*size)[i]); };
        LogoBitmap header;
        header.width = byteAt(0) << 8 | byteAt(1);
        header.height = byteAt(2) << 8 | byteAt(3);
        if (header.width < 1 || header.width > LogoBitmap::kMaxWidth || header.height < 1 ||
            header.height > LogoBitmap::kMaxHeight)
            return refuse();
        restart();
        logo_ = header;
        expectedBytes_ = LogoBitmap::bytesPerRow(header.width) * header.height;
        started_ = true;
        return Result::Accepted;
    }
    if (letter[0] != 'C' && letter[0] != 'F') return refuse();
    if (!started_ || data.size() > kMaxRecordDigits) return refuse();
    const auto bytes = decodeHex(data);
    if (!bytes || logo_.bits.size() + bytes->size() > expectedBytes_) return refuse();
    if (letter[0] == 'C' && bytes->isEmpty()) return refuse();
    logo_.bits.append(*bytes);
    if (letter[0] == 'C') return Result::Accepted;
    if (logo_.bits.size() != expectedBytes_) return refuse();
    started_ = false;
    return Result::Complete;
}

}  // namespace sim
