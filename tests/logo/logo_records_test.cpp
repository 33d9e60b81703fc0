#include "drivers/logo/logo_image.h"

#include <gtest/gtest.h>

namespace {

LogoImage imageOf(int width, int height, int bytes) {
    LogoImage image{width, height, QByteArray(bytes, '\0')};
    for (int i = 0; i < bytes; ++i) image.bits[i] = char(0xA0 + i % 16);
    return image;
}

struct RecordsCase {
    const char* name;
    int bytes;
    QList<int> hexPerRecord;  // after the "I" record
};

void PrintTo(const RecordsCase& row, std::ostream* out) { *out << row.name; }

class LogoRecordsTest : public ::testing::TestWithParam<RecordsCase> {};

TEST_P(LogoRecordsTest, SplitsIntoContinuedRecordsEndingInAFinalOne) {
    const RecordsCase& row = GetParam();
    const LogoImage image = imageOf(8, row.bytes, row.bytes);
    const QList<QByteArray> records = logoRecords(image);

    ASSERT_EQ(records.size(), row.hexPerRecord.size() + 1);
    QByteArray joined;
    for (int i = 0; i < row.hexPerRecord.size(); ++i) {
        const QByteArray& record = records[i + 1];
        const bool last = i + 1 == row.hexPerRecord.size();
        EXPECT_EQ(record.left(1), last ? "F" : "C") << "record " << i;
        EXPECT_EQ(record.size() - 1, row.hexPerRecord[i]) << "record " << i;
        joined += record.mid(1);
    }
    EXPECT_EQ(joined, image.bits.toHex().toUpper());
}

INSTANTIATE_TEST_SUITE_P(, LogoRecordsTest,
    ::testing::Values(RecordsCase{"NoDots", 0, {0}},
                      RecordsCase{"OneByte", 1, {2}},
                      RecordsCase{"ExactlyOneRecord", 64, {128}},
                      RecordsCase{"OneByteOver", 65, {128, 2}},
                      RecordsCase{"ExactlyTwoRecords", 128, {128, 128}},
                      RecordsCase{"SeveralRecords", 300, {128, 128, 128, 128, 88}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogoRecords, HeaderCarriesWidthAndHeightAsUpperCaseHex) {
    EXPECT_EQ(logoRecords(LogoImage{576, 10, QByteArray(720, '\0')}).first(), "I0240000A");
    EXPECT_EQ(logoRecords(LogoImage{1, 2000, QByteArray(2000, '\0')}).first(), "I000107D0");
}

TEST(LogoRecords, DataIsUpperCaseHexMostSignificantNibbleFirst) {
    const QList<QByteArray> records = logoRecords(LogoImage{16, 1, QByteArray("\xab\x0f", 2)});
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[1], "FAB0F");
}

}  // namespace
