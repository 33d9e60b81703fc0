#include "hasar_speed.h"

#include "hasar_status.h"

#include <algorithm>
#include <array>

namespace sim {

namespace {

constexpr quint8 kSetComSpeed = 0xA0;
constexpr quint8 kStatusRequest = 0x2A;
// SetComSpeed takes 2400 to 115200 baud: the usual line speeds in that range.
constexpr std::array<int, 7> kSpeeds{2400, 4800, 9600, 19200, 38400, 57600, 115200};

std::optional<int> speedOf(const QList<QByteArray>& fields) {
    if (fields.size() != 1 || fields[0].isEmpty() || fields[0].size() > 6) return std::nullopt;
    for (const char c : fields[0])
        if (c < '0' || c > '9') return std::nullopt;
    const int baud = fields[0].toInt();
    return std::find(kSpeeds.begin(), kSpeeds.end(), baud) != kSpeeds.end() ? std::optional<int>(baud) : std::nullopt;
}

}  // namespace

QList<QByteArray> HasarSpeedCommand::execute(const frame::Frame& request, qint64 nowMs) {
    if (request.command != kSetComSpeed) return commands_->execute(request, nowMs);
    // The reply carries only the status words, as a status request reports them now.
    QList<QByteArray> words = commands_->execute(frame::make(request.seq, kStatusRequest, {}), nowMs).mid(0, 2);
    const std::optional<int> baud = speedOf(request.fields);
    if (baud) {
        requested_ = baud;
    } else if (words.size() == 2) {
        const quint16 fiscal = words[1].toUShort(nullptr, 16) | hasar::kInvalidField | hasar::kErrorSummary;
        words[1] = QByteArray::number(fiscal, 16).toUpper().rightJustified(4, '0');
    }
    return words;
}

}  // namespace sim
