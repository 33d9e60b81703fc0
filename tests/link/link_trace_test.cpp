#include "drivers/link/link_trace.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(LinkTrace, ShowsBytesInHexAndAsPrintableText) {
    const struct {
        bool sent;
        QByteArray bytes;
        const char* line;
    } rows[] = {
        {true, QByteArray("\x02\x20\x39\x1C" "X\x03" "00A9", 10), "COM1 (/dev/ttyUSB0) >> 02 20 39 1C 58 03 30 30 41 39 |. 9.X.00A9|"},
        {false, QByteArray("\x06", 1), "COM1 (/dev/ttyUSB0) << 06 |.|"},
        {false, QByteArray("\x7F\xE9~", 3), "COM1 (/dev/ttyUSB0) << 7F E9 7E |..~|"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(link_trace::bytesLine(QStringLiteral("COM1 (/dev/ttyUSB0)"), row.sent, row.bytes), QString::fromUtf8(row.line));
}

TEST(LinkTrace, IsSilentUnlessAFileOrTheCategoryAsksForIt) {
    EXPECT_FALSE(lcLink().isDebugEnabled());
    EXPECT_FALSE(link_trace::active());
    QTemporaryDir dir;
    ASSERT_TRUE(link_trace::setFile(dir.filePath(QStringLiteral("traza.txt"))));
    EXPECT_TRUE(link_trace::active());
    link_trace::setFile(QString());
    EXPECT_FALSE(link_trace::active());
}

// A long session never fills the disk: the file starts again at its limit and one old file is kept.
TEST(LinkTrace, StartsANewFileAtItsLimitAndKeepsOneOld) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("traza.txt"));
    constexpr qint64 kLimit = 400;
    ASSERT_TRUE(link_trace::setFile(path, kLimit));
    for (int i = 0; i < 40; ++i) link_trace::exchange(QStringLiteral("COM1 (/dev/ttyS0)"), 0x39, QStringLiteral("cierre"), 1, i);
    link_trace::setFile(QString());
    EXPECT_LE(QFile(path).size(), kLimit);
    EXPECT_GT(QFile(path).size(), 0);
    EXPECT_LE(QFile(path + QStringLiteral(".1")).size(), kLimit);
    EXPECT_GT(QFile(path + QStringLiteral(".1")).size(), kLimit / 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    QFile last(path);
    ASSERT_TRUE(last.open(QIODevice::ReadOnly));
    EXPECT_TRUE(last.readAll().endsWith("0x39 cierre: 1 envío, 39 ms\n"));
}

}  // namespace
