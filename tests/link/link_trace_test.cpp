#include "drivers/epson/epson_status.h"
#include "drivers/hasar/hasar_status.h"
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

// Each brand's reply status words with every bit set in its own terms; failing bits and the rest
// from the same tables, and a reply without status words adds nothing.
TEST(LinkTrace, StatusWordsInEachBrandsWords) {
    using Words = QString (*)(const QList<QByteArray>&);
    const struct {
        const char* name;
        Words words;
        QList<QByteArray> fields;
        const char* line;
    } rows[] = {
        {"hasar idle", hasarStatusInWords, {"0080", "0600"},
         "impresor 0080 (búfer de impresión vacío), fiscal 0600 (terminal certificada, terminal fiscalizada)"},
        {"hasar refused and cover open", hasarStatusInWords, {"C100", "B028"},
         "impresor C100 (tapa abierta, cajón cerrado o ausente, suma de los bits 2 a 5, 8 y 14), fiscal B028 "
         "(comando desconocido, comando no válido en el estado fiscal actual, documento fiscal abierto, documento "
         "abierto, suma de los bits 0 a 8)"},
        {"hasar unnamed bits", hasarStatusInWords, {"0003", "0000"}, "impresor 0003 (bit 0, bit 1), fiscal 0000 (ningún bit)"},
        {"hasar field extra", hasarStatusInWords, {"0080", "0600", "123"},
         "impresor 0080 (búfer de impresión vacío), fiscal 0600 (terminal certificada, terminal fiscalizada)"},
        {"epson out of paper with a Z due", epsonStatusInWords, {"4080", "0E00"},
         "impresor 4080 (búfer de impresión vacío, falta papel), fiscal 0E00 (impresor certificado, impresor "
         "fiscalizado, es necesario hacer un cierre Z)"},
        {"epson ticket open", epsonStatusInWords, {"1000", "3600"},
         "impresor 1000 (cajón abierto), fiscal 3600 (impresor certificado, impresor fiscalizado, documento fiscal "
         "abierto, documento abierto en el rollo)"},
        {"no status words", hasarStatusInWords, {"00G0", "0600"}, ""},
        {"epson too short", epsonStatusInWords, {"0080"}, ""},
    };
    for (const auto& row : rows) EXPECT_EQ(row.words(row.fields), QString::fromUtf8(row.line)) << row.name;
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
