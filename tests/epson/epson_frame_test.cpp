#include "drivers/epson/epson_answer.h"
#include "drivers/epson/epson_status.h"
#include "drivers/link/frame.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(const char* hexText) { return QByteArray::fromHex(QByteArray(hexText).replace(' ', "")); }

std::optional<frame::Frame> decode(const QByteArray& wire) {
    frame::Decoder d;
    d.feed(wire);
    const auto r = d.next();
    if (!r || r->kind != frame::Received::Kind::Frame || d.next()) return std::nullopt;
    return r->frame;
}

struct Vector {
    const char* name;
    const char* wire;
    quint8 seq;
    quint8 command;
    QList<QByteArray> fields;
};

// Epson frames computed by hand from the checksum rule: commands, then two replies.
const Vector kVectors[] = {
    {"StatusN", "02 20 2A 1C 4E 03 30 30 42 39", 0x20, 0x2A, {"N"}},
    {"DailyCloseZ", "02 21 39 1C 5A 1C 50 03 30 31 34 31", 0x21, 0x39, {"Z", "P"}},
    {"DailyCloseXSameSum", "02 23 39 1C 58 1C 50 03 30 31 34 31", 0x23, 0x39, {"X", "P"}},
    {"TicketItem",
     "02 2C 42 1C 41 52 54 49 43 55 4C 4F 1C 31 30 30 30 1C 31 30 30 1C 32 31 30 30 1C 4D 1C 31 1C 30 03 30 36 35 44",
     0x2C, 0x42, {"ARTICULO", "1000", "100", "2100", "M", "1", "0"}},
    {"CutWithoutFields", "02 26 4B 03 30 30 37 36", 0x26, 0x4B, {}},
    {"SetDateTime", "02 24 58 1C 32 34 30 31 31 35 1C 30 39 33 30 30 30 03 30 33 31 32", 0x24, 0x58,
     {"240115", "093000"}},
    {"CloseTicketInvoiceEmptyLast", "02 32 65 1C 54 1C 41 1C 03 30 31 38 35", 0x32, 0x65, {"T", "A", ""}},
    {"CloseTicketInvoiceDel", "02 32 65 1C 54 1C 41 1C 7F 03 30 32 30 34", 0x32, 0x65, {"T", "A", "\x7F"}},
    {"StatusNReply",
     "02 20 2A 1C 30 30 38 30 1C 30 36 30 30 1C 30 30 30 30 30 31 32 33 1C 32 34 30 31 31 35 1C 30 39 33 30 30 30 1C "
     "30 30 30 34 32 1C 30 30 30 30 31 32 33 34 1C 30 30 30 30 35 36 37 38 1C 45 50 53 4F 4E 41 52 30 30 31 1C 41 42 "
     "03 30 45 31 41",
     0x20, 0x2A,
     {"0080", "0600", "00000123", "240115", "093000", "00042", "00001234", "00005678", "EPSONAR001", "AB"}},
    {"CloseTicketReply", "02 2E 45 1C 30 30 38 30 1C 30 36 30 30 1C 30 30 30 30 30 31 32 34 03 30 33 45 31", 0x2E,
     0x45, {"0080", "0600", "00000124"}},
};

class EpsonFrames : public ::testing::TestWithParam<Vector> {};

TEST_P(EpsonFrames, EncodeToTheWireAndDecodeBack) {
    const Vector& v = GetParam();
    const frame::Frame f = frame::make(v.seq, v.command, v.fields);
    EXPECT_EQ(frame::hex(frame::encode(f)), frame::hex(bytes(v.wire)));
    EXPECT_EQ(decode(bytes(v.wire)), f);
}

INSTANTIATE_TEST_SUITE_P(Vectors, EpsonFrames, ::testing::ValuesIn(kVectors), named_case::testName);

TEST(EpsonReplies, TheStatusNReplyReadsAsTheWindowExpects) {
    const frame::Frame reply = *decode(bytes(kVectors[8].wire));
    EXPECT_EQ(readStatus(reply.fields), (EpsonStatus{0x0080, 0x0600}));
    const EpsonAnswer answer('N', reply.fields);
    EXPECT_EQ(answer.answer0B(), QStringLiteral("EPSONAR001"));
    EXPECT_EQ(answer.answer11(), QStringLiteral("00000123"));
}

}  // namespace
