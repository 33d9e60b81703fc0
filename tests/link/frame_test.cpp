#include "drivers/link/frame.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(const char* hexText) { return QByteArray::fromHex(QByteArray(hexText).replace(' ', "")); }

std::vector<frame::Received> decodeAll(const QByteArray& input) {
    frame::Decoder d;
    d.feed(input);
    std::vector<frame::Received> out;
    while (auto r = d.next()) out.push_back(*r);
    return out;
}

struct Vector {
    const char* name;
    const char* wire;
    quint16 sum;
    quint8 seq;
    quint8 command;
    QList<QByteArray> fields;
};

// Frames computed by hand from the checksum rule, shared with the virtual printers.
const Vector kVectors[] = {
    {"StatusRequest", "02 20 2A 03 30 30 34 46", 0x004F, 0x20, 0x2A, {}},
    {"DailyCloseZ", "02 21 39 1C 5A 03 30 30 44 35", 0x00D5, 0x21, 0x39, {"Z"}},
    {"GlobalByNumber", "02 22 3B 1C 30 30 30 31 1C 31 38 32 35 1C 54 03 30 32 39 42", 0x029B, 0x22, 0x3B,
     {"0001", "1825", "T"}},
    {"SetDateTime", "02 23 58 1C 32 35 30 31 33 31 1C 31 32 30 30 30 30 03 30 33 30 37", 0x0307, 0x23, 0x58,
     {"250131", "120000"}},
    {"OpenFiscalReceipt", "02 24 40 1C 42 1C 54 03 30 31 33 37", 0x0137, 0x24, 0x40, {"B", "T"}},
    {"GetDateTimeReply",
     "02 25 59 1C 30 30 38 30 1C 30 36 30 30 1C 32 35 30 31 33 31 1C 31 32 30 30 30 30 03 30 34 44 30", 0x04D0, 0x25,
     0x59, {"0080", "0600", "250131", "120000"}},
    {"HistoryCapacity", "02 26 37 03 30 30 36 32", 0x0062, 0x26, 0x37, {}},
    {"GetInitData", "02 27 73 03 30 30 39 46", 0x009F, 0x27, 0x73, {}},
    {"GetWorkingMemory", "02 28 67 03 30 30 39 34", 0x0094, 0x28, 0x67, {}},
    {"CancelAboveAscii", "02 29 98 03 30 30 43 36", 0x00C6, 0x29, 0x98, {}},
    {"TopOfSeqRange", "02 7F 2A 03 30 30 41 45", 0x00AE, 0x7F, 0x2A, {}},
};

class FrameVectors : public ::testing::TestWithParam<Vector> {};

TEST_P(FrameVectors, EncodeGivesTheWireBytesAndDecodeGivesTheFrameBack) {
    const Vector& v = GetParam();
    const frame::Frame f = frame::make(v.seq, v.command, v.fields);
    const QByteArray wire = bytes(v.wire);
    EXPECT_EQ(frame::encode(f), wire);
    EXPECT_EQ(frame::checksum(wire.left(wire.size() - 4)), v.sum);
    const auto got = decodeAll(wire);
    ASSERT_EQ(got.size(), 1u);
    ASSERT_EQ(got[0].kind, frame::Received::Kind::Frame) << got[0].problem.toStdString();
    EXPECT_EQ(got[0].frame, f);
}

TEST_P(FrameVectors, DecodesTheSameFrameFedOneByteAtATime) {
    const QByteArray wire = bytes(GetParam().wire);
    frame::Decoder d;
    for (char c : wire) d.feed(QByteArrayView(&c, 1));
    const auto got = d.next();
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->kind, frame::Received::Kind::Frame);
    EXPECT_FALSE(d.next().has_value());
}

INSTANTIATE_TEST_SUITE_P(Hasar, FrameVectors, ::testing::ValuesIn(kVectors), named_case::testName);

TEST(FrameChecksum, ExtendedProtocolVectorSumsEscToo) {
    const QByteArray wire = bytes("02 20 1B 2A 03 30 30 36 41");
    EXPECT_EQ(frame::checksum(wire.left(5)), 0x006A);
}

TEST(FrameChecksum, WrapsAtSixteenBits) {
    EXPECT_EQ(frame::checksum(QByteArray(300, char(0xFF))), quint16((300 * 0xFF) & 0xFFFF));
}

struct Malformed {
    const char* name;
    QByteArray wire;
};

class MalformedFrames : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedFrames, AreReportedOnceAndTheNextFrameStillDecodes) {
    const QByteArray good = bytes("02 20 2A 03 30 30 34 46");
    const auto got = decodeAll(GetParam().wire + good);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].kind, frame::Received::Kind::BadFrame);
    EXPECT_FALSE(got[0].problem.isEmpty());
    EXPECT_EQ(got[1].kind, frame::Received::Kind::Frame);
    EXPECT_EQ(got[1].frame.command, 0x2A);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, MalformedFrames,
    ::testing::Values(Malformed{"TooShort", bytes("02 20 03 30 30 32 35")},
                      Malformed{"BadChecksum", bytes("02 20 2A 03 30 30 34 45")},
                      Malformed{"ChecksumNotHex", bytes("02 20 2A 03 30 30 34 47")},
                      Malformed{"ChecksumWithPrefix", bytes("02 20 2A 03 30 78 34 46")},
                      Malformed{"MissingEtx", bytes("02 20 2A 1C 41 42")},
                      Malformed{"CutInsideChecksum", bytes("02 20 2A 03 30 30")},
                      Malformed{"ControlByteInField", bytes("02 20 49 1C 41 0A 42 03 30 30 42 33")},
                      Malformed{"NoSeparatorAfterCommand", bytes("02 20 2A 41 03 30 30 39 30")},
                      Malformed{"SeqBelowRange", bytes("02 1F 2A 03 30 30 34 45")},
                      Malformed{"SeparatorAsCommand", bytes("02 20 1C 03 30 30 34 31")},
                      Malformed{"Oversized", QByteArray(1, frame::STX) + QByteArray(frame::kMaxFrameBytes + 10, 'A')}),
    named_case::testName);

TEST(FrameDecoder, AcceptsALowerCaseChecksum) {
    const auto ok = decodeAll(bytes("02 22 3B 1C 30 30 30 31 1C 31 38 32 35 1C 54 03") + "029b");
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_EQ(ok[0].kind, frame::Received::Kind::Frame);
}

TEST(FrameDecoder, KeepsEmptyFieldsAndBytesAboveAscii) {
    const frame::Frame f = frame::make(0x30, 0x44, {"", QByteArray("\xF4\xD1", 2), ""});
    const auto got = decodeAll(frame::encode(f));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].frame, f);
}

TEST(FrameDecoder, PassesControlBytesBetweenFramesAndDropsNoise) {
    const auto got = decodeAll(bytes("06 41 12 14 15 11 13 00"));
    std::vector<char> controls;
    for (const auto& r : got) {
        ASSERT_EQ(r.kind, frame::Received::Kind::Control);
        controls.push_back(r.control);
    }
    EXPECT_EQ(controls, (std::vector<char>{frame::ACK, frame::DC2, frame::DC4, frame::NAK, 0x11, 0x13}));
}

TEST(FrameEncoder, RefusesControlBytesInAFieldAndALowCommand) {
    EXPECT_TRUE(frame::fieldProblem(frame::make(0x20, 0x42, {"ok", "\xF4ok"})).isEmpty());
    EXPECT_FALSE(frame::fieldProblem(frame::make(0x20, 0x42, {"ok", "a\x1C" "b"})).isEmpty());
    EXPECT_FALSE(frame::fieldProblem(frame::make(0x20, 0x42, {QByteArray("a\0b", 3)})).isEmpty());
    EXPECT_FALSE(frame::fieldProblem(frame::make(0x20, 0x03)).isEmpty());
}

TEST(FrameSequence, AdvancesAndWrapsBeforeTheAnomalyNumbers) {
    struct Step { quint8 from; int step; quint8 to; };
    for (const Step& s : {Step{0x20, 1, 0x21}, Step{0x7C, 1, 0x7D}, Step{0x7D, 1, 0x20}, Step{0x7C, 2, 0x20},
                          Step{0x7D, 2, 0x21}, Step{0x7E, 1, 0x20}, Step{0x7F, 1, 0x20}})
        EXPECT_EQ(frame::nextSeq(s.from, s.step), s.to) << int(s.from) << "+" << s.step;
    // Every start, every step the link uses: three full turns never reach 0x7E or 0x7F.
    for (int step : {1, 2})
        for (int start = frame::kSeqFirst; start <= frame::kSeqLast; ++start) {
            quint8 seq = static_cast<quint8>(start);
            for (int i = 0; i < 300; ++i) {
                seq = frame::nextSeq(seq, step);
                ASSERT_GE(seq, 0x20);
                ASSERT_LE(seq, 0x7D);
            }
        }
}

}  // namespace
