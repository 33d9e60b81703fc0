#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <deque>
#include <optional>

// The frame shared by the Hasar and Epson fiscal protocols:
//   STX SEQ CMD {FS field} ETX C1 C2 C3 C4
// where C1..C4 are the 16-bit sum of every byte from STX to ETX in upper-case hex.
namespace frame {

constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr char ACK = 0x06;
constexpr char DC1 = 0x11;  // resume sending (Xon)
constexpr char DC2 = 0x12;  // printer still working
constexpr char DC3 = 0x13;  // from a Hasar: the command was too long for its buffer
constexpr char DC4 = 0x14;  // printer out of paper, waiting
constexpr char NAK = 0x15;
constexpr char FS = 0x1C;

// Numbers this side sends: 0x7E and 0x7F are left out, since 0x7F numbers the extended
// protocol's "communications anomaly" packet and the makers' own software never sends either.
constexpr quint8 kSeqFirst = 0x20;
constexpr quint8 kSeqLast = 0x7D;
// Numbers accepted on receipt: a reply only needs to echo its request, so the whole range is read.
constexpr quint8 kSeqReadLast = 0x7F;
// A frame larger than this is noise: no command or reply of either protocol comes close. It
// bounds what is sent as well, so a request never exceeds what a decoder would accept.
constexpr int kMaxFrameBytes = 4096;

struct Frame {
    quint8 seq = kSeqFirst;
    quint8 command = 0;
    QList<QByteArray> fields;

    bool operator==(const Frame&) const = default;
};

// The 16-bit sum of the bytes, as the protocol counts it.
quint16 checksum(QByteArrayView bytes);

// Empty when every field can travel; otherwise why not (a control byte inside a field would
// end or corrupt the frame, and the protocols have no escape; a frame beyond kMaxFrameBytes
// would be refused by the other end's decoder).
QString fieldProblem(const Frame& f);

// The bytes on the wire. The fields must have passed fieldProblem().
QByteArray encode(const Frame& f);

// What arrives on a line, one item at a time.
struct Received {
    enum class Kind { Frame, BadFrame, Control };
    Kind kind = Kind::Control;
    Frame frame;         // Kind::Frame
    char control = 0;    // Kind::Control: ACK, NAK, DC2, DC4, DC1 or DC3
    QString problem;     // Kind::BadFrame: what was wrong, for logs and errors
};

// Splits a byte stream into frames and lone control bytes. Bytes outside a frame that mean
// nothing are dropped; a damaged frame is reported once and the decoder resynchronises on the
// next STX.
class Decoder {
public:
    // Returns how many of the bytes were stray: outside any frame and no control byte of the
    // protocol, so they say nothing about a printer being there.
    qsizetype feed(QByteArrayView bytes);
    std::optional<Received> next();
    // Drops a partly received frame, for example after a time-out.
    void reset();

private:
    // An STX was read: a new frame begins, whatever came before.
    void startFrame();
    void finishFrame();
    void reject(const QString& problem);

    enum class State { Idle, Body, Checksum };
    State state_ = State::Idle;
    QByteArray body_;      // STX..ETX inclusive
    QByteArray sumDigits_;
    std::deque<Received> ready_;
};

// Builds the frame for one command with the given fields.
Frame make(quint8 seq, quint8 command, QList<QByteArray> fields = {});

// Next sequence number in kSeqFirst..kSeqLast, wrapping.
quint8 nextSeq(quint8 seq, int step = 1);

// Readable rendering of raw bytes for logs and failure messages: printable ASCII as is,
// anything else as <XX>.
QString hex(QByteArrayView bytes);

}  // namespace frame
