#include "drivers/logo/logo_image.h"
#include "support/named_case.h"

#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray fileOf(int bytes) {
    QByteArray file(bytes, '\0');
    for (int i = 0; i < bytes; ++i) file[i] = char(0xA0 + i % 16);
    return file;
}

struct RecordsCase {
    const char* name;
    int bytes;
    QByteArray markers;
    QList<int> hexPerRecord;
};

void PrintTo(const RecordsCase& row, std::ostream* out) { *out << row.name; }

class LogoRecordsTest : public ::testing::TestWithParam<RecordsCase> {};

TEST_P(LogoRecordsTest, CarrySixtyFourFileBytesEachBetweenAFirstAndALastMarker) {
    const RecordsCase& row = GetParam();
    const QByteArray file = fileOf(row.bytes);
    const QList<QByteArray> records = logoRecords(file);

    ASSERT_EQ(records.size(), row.hexPerRecord.size());
    QByteArray joined, markers;
    for (int i = 0; i < records.size(); ++i) {
        markers += records[i].left(1);
        EXPECT_EQ(records[i].size() - 1, row.hexPerRecord[i]) << "record " << i;
        joined += records[i].mid(1);
    }
    EXPECT_EQ(markers, row.markers);
    EXPECT_EQ(joined, file.toHex().toUpper());
}

INSTANTIATE_TEST_SUITE_P(, LogoRecordsTest,
    ::testing::Values(RecordsCase{"OneByte", 1, "F", {2}},
                      RecordsCase{"ExactlyOneRecord", 64, "F", {128}},
                      RecordsCase{"OneByteOver", 65, "IF", {128, 2}},
                      RecordsCase{"ExactlyTwoRecords", 128, "IF", {128, 128}},
                      RecordsCase{"ThreeRecords", 129, "ICF", {128, 128, 2}},
                      RecordsCase{"SeveralRecords", 300, "ICCCF", {128, 128, 128, 128, 88}}),
    named_case::testName);

quint32 at32(const QByteArray& file, int offset) { return qFromLittleEndian<quint32>(file.constData() + offset); }
quint16 at16(const QByteArray& file, int offset) { return qFromLittleEndian<quint16>(file.constData() + offset); }

struct SizeCase {
    int width, height;
};

class BmpFileTest : public ::testing::TestWithParam<SizeCase> {};

// Every width around a byte and a four-byte row boundary: the file must read back, in any BMP
// reader, as exactly the dots it was made from.
TEST_P(BmpFileTest, IsAMonochromeBitmapThatReadsBackAsTheSameDots) {
    const auto [width, height] = GetParam();
    const int stride = (width + 7) / 8;
    LogoImage image{width, height, QByteArray(stride * height, '\0')};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x * 7 + y * 3) % 5 == 0) image.bits[y * stride + x / 8] = char(image.bits[y * stride + x / 8] | (0x80 >> (x % 8)));

    const QByteArray file = bmpFile(image);
    ASSERT_TRUE(file.startsWith("BM"));
    EXPECT_EQ(at32(file, 2), quint32(file.size()));
    EXPECT_EQ(at32(file, 10), 62u);
    EXPECT_EQ(at16(file, 28), 1u);  // one bit per dot
    EXPECT_EQ(at32(file, 30), 0u);  // uncompressed
    EXPECT_EQ(file.size(), 62 + (stride + 3) / 4 * 4 * height);

    const QImage read = QImage::fromData(file, "BMP");
    ASSERT_FALSE(read.isNull());
    ASSERT_EQ(read.size(), QSize(width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool black = image.bits[y * stride + x / 8] & (0x80 >> (x % 8));
            ASSERT_EQ(qGray(read.pixel(x, y)) < 128, black) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(, BmpFileTest,
    ::testing::Values(SizeCase{1, 1}, SizeCase{7, 3}, SizeCase{8, 2}, SizeCase{9, 5}, SizeCase{31, 4},
                      SizeCase{32, 4}, SizeCase{33, 2}, SizeCase{576, 3}));

}  // namespace
