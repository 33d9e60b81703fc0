#include "drivers/error_numbers.h"
#include "drivers/logo/logo_image.h"
#include "drivers/operation_error.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LogoImageTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QString save(const QImage& image, const QString& name, const char* format) const {
        const QString file = path(name);
        EXPECT_TRUE(image.save(file, format));
        return file;
    }

    QString write(const QString& name, const QByteArray& data) const {
        const QString file = path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(data);
        return file;
    }

    // Expects readLogoImage to refuse the file with the logo error, naming the file and
    // saying the given words.
    void expectRefused(const QString& file, const QString& words) const {
        try {
            readLogoImage(file);
            ADD_FAILURE() << "accepted " << file.toStdString();
        } catch (const DriverError& error) {
            EXPECT_EQ(error.number(), error_number::kLogoFile);
            EXPECT_TRUE(error.description().contains(file)) << error.what();
            EXPECT_TRUE(error.description().contains(words)) << error.what();
        }
    }

    QTemporaryDir dir_;
};

// A 10 x 2 picture: row 0 black at x = 0, 7, 8, 9; row 1 black at x = 1 only.
QImage pattern() {
    QImage image(10, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x : {0, 7, 8, 9}) image.setPixel(x, 0, qRgb(0, 0, 0));
    image.setPixel(1, 1, qRgb(0, 0, 0));
    return image;
}

class LogoFormatTest : public LogoImageTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LogoFormatTest, PacksDotsMostSignificantBitFirstWithRowsPaddedToBytes) {
    const LogoImage logo = readLogoImage(save(pattern(), QStringLiteral("logo"), GetParam()));
    EXPECT_EQ(logo.width, 10);
    EXPECT_EQ(logo.height, 2);
    EXPECT_EQ(logo.bits.toHex(), "81c04000");
}

INSTANTIATE_TEST_SUITE_P(, LogoFormatTest, ::testing::Values("BMP", "PNG"),
                         [](const auto& info) { return std::string(info.param); });

struct ShadeCase {
    const char* name;
    QRgb pixel;
    bool black;
};

class LogoShadeTest : public LogoImageTest, public ::testing::WithParamInterface<ShadeCase> {};

TEST_P(LogoShadeTest, DarkOpaquePixelsPrintAndTransparentOnesDoNot) {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, GetParam().pixel);
    const LogoImage logo = readLogoImage(save(image, QStringLiteral("shade.png"), "PNG"));
    EXPECT_EQ(logo.bits, QByteArray(1, GetParam().black ? '\x80' : '\0'));
}

INSTANTIATE_TEST_SUITE_P(, LogoShadeTest,
    ::testing::Values(ShadeCase{"Black", qRgba(0, 0, 0, 255), true},
                      ShadeCase{"DarkBlue", qRgba(0, 0, 160, 255), true},
                      ShadeCase{"LightGray", qRgba(200, 200, 200, 255), false},
                      ShadeCase{"TransparentBlack", qRgba(0, 0, 0, 0), false},
                      ShadeCase{"FaintBlack", qRgba(0, 0, 0, 60), false},
                      ShadeCase{"MostlyOpaqueBlack", qRgba(0, 0, 0, 220), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LogoImageTest, WidePictureIsScaledToPaperKeepingItsShape) {
    QImage image(1152, 300, QImage::Format_RGB32);
    image.fill(Qt::black);
    const LogoImage logo = readLogoImage(save(image, QStringLiteral("wide.png"), "PNG"));
    EXPECT_EQ(logo.width, 576);
    EXPECT_EQ(logo.height, 150);
    EXPECT_EQ(logo.bits, QByteArray(72 * 150, '\xff'));
}

TEST_F(LogoImageTest, LargestAcceptedPictureIsRead) {
    QImage image(2000, 2000, QImage::Format_Mono);
    image.fill(1);
    const LogoImage logo = readLogoImage(save(image, QStringLiteral("largest.png"), "PNG"));
    EXPECT_EQ(logo.width, 576);
    EXPECT_EQ(logo.height, 576);
}

TEST_F(LogoImageTest, MissingFileOrFolderIsRefused) {
    expectRefused(path(QStringLiteral("nothing.bmp")), QStringLiteral("No se encuentra"));
    expectRefused(dir_.path(), QStringLiteral("No se encuentra"));
}

TEST_F(LogoImageTest, FileOverOneMebibyteIsRefused) {
    expectRefused(write(QStringLiteral("big.bmp"), QByteArray(1024 * 1024 + 1, 'x')),
                  QStringLiteral("más de 1 MiB"));
}

TEST_F(LogoImageTest, WhatIsNotAnImageIsRefused) {
    expectRefused(write(QStringLiteral("empty.bmp"), QByteArray()), QStringLiteral("no es una imagen"));
    expectRefused(write(QStringLiteral("text.png"), "no soy una imagen\n"), QStringLiteral("no es una imagen"));
}

struct OversizeCase {
    const char* name;
    int width, height;
};

class LogoOversizeTest : public LogoImageTest, public ::testing::WithParamInterface<OversizeCase> {};

TEST_P(LogoOversizeTest, PictureOverTwoThousandDotsIsRefused) {
    QImage image(GetParam().width, GetParam().height, QImage::Format_Mono);
    image.fill(0);
    expectRefused(save(image, QStringLiteral("oversize.png"), "PNG"), QStringLiteral("2000 x 2000"));
}

INSTANTIATE_TEST_SUITE_P(, LogoOversizeTest,
    ::testing::Values(OversizeCase{"TooWide", 2001, 1}, OversizeCase{"TooTall", 1, 2001}),
    [](const auto& info) { return std::string(info.param.name); });

// A bitmap header can claim any size; the claim alone must be refused, without decoding.
TEST_F(LogoImageTest, HugeSizeClaimedByTheHeaderIsRefused) {
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(pattern().save(&buffer, "BMP"));
    const qint32 side = 2500;
    bmp.replace(18, 4, reinterpret_cast<const char*>(&side), 4);
    bmp.replace(22, 4, reinterpret_cast<const char*>(&side), 4);
    expectRefused(write(QStringLiteral("claim.bmp"), bmp), QStringLiteral("2500 x 2500"));
}

class LogoTruncatedTest : public LogoImageTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LogoTruncatedTest, TruncatedFileIsRefused) {
    QImage image(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, GetParam()));
    expectRefused(write(QStringLiteral("cut"), data.left(data.size() / 2)), QStringLiteral("dañada"));
}

INSTANTIATE_TEST_SUITE_P(, LogoTruncatedTest, ::testing::Values("BMP", "PNG"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
