#include "drivers/error_numbers.h"
#include "drivers/logo/logo_image.h"
#include "drivers/operation_error.h"
#include "support/named_case.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kMebibyte = 1024 * 1024;

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return data;
}

// A 10 x 2 picture: row 0 black at x = 0, 7, 8, 9; row 1 black at x = 1 only.
QImage pattern() {
    QImage image(10, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x : {0, 7, 8, 9}) image.setPixel(x, 0, qRgb(0, 0, 0));
    image.setPixel(1, 1, qRgb(0, 0, 0));
    return image;
}

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_Mono);
    image.fill(1);
    return image;
}

QImage noise() {
    QImage image(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    return image;
}

// A PNG reader stops at the image's end, so trailing bytes make a valid file of any size.
QByteArray pngOfSize(qsizetype size) {
    return encoded(pattern(), "PNG").leftJustified(size, '\0');
}

// A bitmap whose header claims 2500 x 2500 dots over the pixels of a tiny one.
QByteArray bitmapClaimingHugeSize() {
    QByteArray bmp = encoded(pattern(), "BMP");
    const qint32 side = 2500;
    bmp.replace(18, 4, reinterpret_cast<const char*>(&side), 4);
    bmp.replace(22, 4, reinterpret_cast<const char*>(&side), 4);
    return bmp;
}

class LogoImageTest : public ::testing::Test {
protected:
    // The name holds place markers, which no message may take for its own.
    QString write(const QByteArray& data) const {
        const QString file = dir_.filePath(QStringLiteral("logo %1 %2"));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(data);
        return file;
    }

    QTemporaryDir dir_;
};

class LogoFormatTest : public LogoImageTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LogoFormatTest, PacksDotsMostSignificantBitFirstWithRowsPaddedToBytes) {
    const LogoImage logo = readLogoImage(write(encoded(pattern(), GetParam())));
    EXPECT_EQ(logo.width, 10);
    EXPECT_EQ(logo.height, 2);
    EXPECT_EQ(logo.bits.toHex(), "81c04000");
}

INSTANTIATE_TEST_SUITE_P(, LogoFormatTest, ::testing::Values("BMP", "PNG"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(LogoImageTest, DarkOpaquePixelsPrintAndTransparentOnesDoNot) {
    // Black, dark blue and mostly opaque black print; light gray, transparent and faint black do not.
    const QList<QRgb> dark{qRgba(0, 0, 0, 255), qRgba(0, 0, 160, 255), qRgba(0, 0, 0, 220)};
    const QList<QRgb> light{qRgba(200, 200, 200, 255), qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 60)};
    for (const QRgb pixel : dark + light) {
        SCOPED_TRACE(QStringLiteral("ARGB %1").arg(pixel, 8, 16, QLatin1Char('0')).toStdString());
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, pixel);
        const LogoImage logo = readLogoImage(write(encoded(image, "PNG")));
        EXPECT_EQ(logo.bits, QByteArray(1, dark.contains(pixel) ? '\x80' : '\0'));
    }
}

TEST_F(LogoImageTest, WidePictureIsScaledToPaperKeepingItsShape) {
    QImage image(1152, 300, QImage::Format_RGB32);
    image.fill(Qt::black);
    const LogoImage logo = readLogoImage(write(encoded(image, "PNG")));
    EXPECT_EQ(logo.width, 576);
    EXPECT_EQ(logo.height, 150);
    EXPECT_EQ(logo.bits, QByteArray(72 * 150, '\xff'));
}

TEST_F(LogoImageTest, LargestAcceptedFileAndPictureAreRead) {
    EXPECT_EQ(readLogoImage(write(pngOfSize(kMebibyte))).width, 10);
    const LogoImage logo = readLogoImage(write(encoded(blank(2000, 2000), "PNG")));
    EXPECT_EQ(logo.width, 576);
    EXPECT_EQ(logo.height, 576);
}

struct RefusalCase {
    const char* name;
    QByteArray (*contents)();  // null: no file at all
    const char* words;
};

void PrintTo(const RefusalCase& row, std::ostream* out) { *out << row.name; }

class LogoRefusalTest : public LogoImageTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LogoRefusalTest, IsALogoErrorNamingTheFile) {
    const RefusalCase& row = GetParam();
    const QString file = row.contents ? write(row.contents()) : dir_.filePath(QStringLiteral("nada.bmp"));
    try {
        readLogoImage(file);
        ADD_FAILURE() << "accepted";
    } catch (const DriverError& error) {
        EXPECT_EQ(error.number(), error_number::kLogoFile);
        EXPECT_TRUE(error.description().contains(QStringLiteral("\"%1\"").arg(file))) << error.what();
        EXPECT_TRUE(error.description().contains(QString::fromUtf8(row.words))) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(, LogoRefusalTest,
    ::testing::Values(
        RefusalCase{"Missing", nullptr, "No se encuentra"},
        RefusalCase{"OverOneMebibyte", [] { return pngOfSize(kMebibyte + 1); }, "más de 1 MiB"},
        RefusalCase{"Empty", [] { return QByteArray(); }, "no es una imagen"},
        RefusalCase{"Text", [] { return QByteArray("no soy una imagen\n"); }, "no es una imagen"},
        RefusalCase{"TooWide", [] { return encoded(blank(2001, 1), "PNG"); }, "mide 2001 x 1"},
        RefusalCase{"TooTall", [] { return encoded(blank(1, 2001), "PNG"); }, "mide 1 x 2001"},
        RefusalCase{"HugeSizeInTheHeader", bitmapClaimingHugeSize, "mide 2500 x 2500"},
        RefusalCase{"CutShortBitmap", [] { return encoded(noise(), "BMP").chopped(600); }, "dañada"},
        RefusalCase{"CutShortPng", [] { QByteArray png = encoded(noise(), "PNG"); return png.left(png.size() / 2); },
                    "dañada"}),
    named_case::testName);

TEST_F(LogoImageTest, AFolderIsRefused) {
    try {
        readLogoImage(dir_.path());
        ADD_FAILURE() << "accepted";
    } catch (const DriverError& error) {
        EXPECT_EQ(error.number(), error_number::kLogoFile);
        EXPECT_TRUE(error.description().contains(QStringLiteral("no es un archivo"))) << error.what();
    }
}

}  // namespace
