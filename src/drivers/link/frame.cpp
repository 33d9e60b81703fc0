#include "frame.h"

#include <algorithm>
#include <cctype>

namespace frame {

quint16 checksum(QByteArrayView bytes) {
    quint32 sum = 0;
    for (char c : bytes) sum += static_cast<quint8>(c);
    return static_cast<quint16>(sum & 0xFFFF);
}

QString fieldProblem(const Frame& f) {
    // STX SEQ CMD ... ETX, as the decoder counts it.
    qsizetype body = 4;
    for (const QByteArray& field : f.fields) body += 1 + field.size();
    if (body > kMaxFrameBytes)
        return QStringLiteral("la trama ocuparía %1 bytes y el máximo es %2").arg(body).arg(kMaxFrameBytes);
    for (int i = 0; i < f.fields.size(); ++i) {
        for (char c : f.fields[i]) {
            if (static_cast<quint8>(c) < 0x20)
                return QStringLiteral("el campo %1 contiene el carácter de control 0x%2")
                    .arg(i + 1)
                    .arg(static_cast<quint8>(c), 2, 16, QLatin1Char('0'));
        }
    }
    if (f.command < 0x20) return QStringLiteral("el código de comando 0x%1 no es válido").arg(f.command, 2, 16, QLatin1Char('0'));
    return {};
}

QByteArray encode(const Frame& f) {
    QByteArray out;
    out.reserve(8 + f.fields.size() * 8);
    out.append(STX);
    out.append(static_cast<char>(f.seq));
    out.append(static_cast<char>(f.command));
    for (const QByteArray& field : f.fields) {
        out.append(FS);
        out.append(field);
    }
    out.append(ETX);
    out.append(QByteArray::number(checksum(out), 16).toUpper().rightJustified(4, '0'));
    return out;
}

Frame make(quint8 seq, quint8 command, QList<QByteArray> fields) {
    return Frame{seq, command, std::move(fields)};
}

quint8 nextSeq(quint8 seq, int step) {
    // A number received from elsewhere may lie above the range; it wraps like any other.
    constexpr int span = kSeqLast - kSeqFirst + 1;
    const int offset = (std::clamp(int(seq), int(kSeqFirst), int(kSeqLast)) - kSeqFirst + step) % span;
    return static_cast<quint8>(kSeqFirst + (offset + span) % span);
}

QString hex(QByteArrayView bytes) {
    QString out;
    for (char c : bytes) {
        const auto b = static_cast<quint8>(c);
        if (b >= 0x20 && b < 0x7F)
            out.append(QLatin1Char(c));
        else
            out.append(QStringLiteral("<%1>").arg(b, 2, 16, QLatin1Char('0')).toUpper());
    }
    return out;
}

qsizetype Decoder::feed(QByteArrayView bytes) {
    qsizetype stray = 0;
    for (char c : bytes) {
        switch (state_) {
        case State::Idle:
            if (c == STX) {
                startFrame();
            } else if (c == ACK || c == NAK || c == DC2 || c == DC4 || c == DC1 || c == DC3) {
                Received r;
                r.kind = Received::Kind::Control;
                r.control = c;
                ready_.push_back(r);
            } else {
                ++stray;
            }
            break;
        case State::Body:
            if (c == STX) {
                reject(QStringLiteral("trama interrumpida por otro STX"));
                startFrame();
            } else if (c == ETX) {
                body_.append(c);
                sumDigits_.clear();
                state_ = State::Checksum;
            } else if (static_cast<quint8>(c) < 0x20 && c != FS) {
                reject(QStringLiteral("byte de control 0x%1 dentro de la trama").arg(static_cast<quint8>(c), 2, 16, QLatin1Char('0')));
            } else if (body_.size() >= kMaxFrameBytes) {
                reject(QStringLiteral("trama de más de %1 bytes").arg(kMaxFrameBytes));
            } else {
                body_.append(c);
            }
            break;
        case State::Checksum:
            // A frame cut short inside its checksum must not swallow the start of the next one.
            if (c == STX) {
                reject(QStringLiteral("suma de control incompleta"));
                startFrame();
                break;
            }
            sumDigits_.append(c);
            if (sumDigits_.size() == 4) finishFrame();
            break;
        }
    }
    return stray;
}

std::optional<Received> Decoder::next() {
    if (ready_.empty()) return std::nullopt;
    Received r = std::move(ready_.front());
    ready_.pop_front();
    return r;
}

void Decoder::reset() {
    state_ = State::Idle;
    body_.clear();
    sumDigits_.clear();
}

void Decoder::startFrame() {
    body_ = QByteArray(1, STX);
    state_ = State::Body;
}

void Decoder::reject(const QString& problem) {
    Received r;
    r.kind = Received::Kind::BadFrame;
    r.problem = problem;
    ready_.push_back(r);
    reset();
}

void Decoder::finishFrame() {
    // Exactly four hex digits, either case: no sign, blank or 0x prefix.
    uint sent = 0;
    for (char d : sumDigits_) {
        if (!std::isxdigit(static_cast<unsigned char>(d))) return reject(QStringLiteral("suma de control ilegible"));
        const int v = std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : std::toupper(static_cast<unsigned char>(d)) - 'A' + 10;
        sent = sent * 16 + static_cast<uint>(v);
    }
    if (sent != checksum(body_)) return reject(QStringLiteral("suma de control incorrecta"));
    // STX SEQ CMD ... ETX: at least four bytes.
    if (body_.size() < 4) return reject(QStringLiteral("trama demasiado corta"));
    const auto seq = static_cast<quint8>(body_[1]);
    if (seq < kSeqFirst || seq > kSeqReadLast) return reject(QStringLiteral("número de secuencia fuera de rango"));
    // FS is the only control byte that gets this far; as a command it could never be sent back.
    if (static_cast<quint8>(body_[2]) < 0x20) return reject(QStringLiteral("código de comando inválido"));

    Received r;
    r.kind = Received::Kind::Frame;
    r.frame.seq = seq;
    r.frame.command = static_cast<quint8>(body_[2]);
    const QByteArray data = body_.mid(3, body_.size() - 4);
    if (!data.isEmpty()) {
        if (data[0] != FS) return reject(QStringLiteral("falta el separador tras el comando"));
        r.frame.fields = data.mid(1).split(FS);
    }
    ready_.push_back(r);
    reset();
}

}  // namespace frame
