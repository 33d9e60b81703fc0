// The driver and the virtual printer each keep the printer's logo limits; a logo at each limit
// and one step past it must be taken, or refused, by both alike.

#include "drivers/error_numbers.h"
#include "drivers/logo/logo_image.h"
#include "drivers/operation_error.h"

#include <sim/logo_upload.h>

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

using named_case::PrintTo;

struct LimitCase {
    const char* name;
    int width;
    int height;
    qsizetype fileBytes;  // the BMP padded to this size; 0 leaves it as made
    int bitsPerDot;
    const char* limitNamed;  // in the driver's message, when it refuses
};

QByteArray bmpFor(const LimitCase& c) {
    const LogoImage image{c.width, c.height, QByteArray((c.width + 7) / 8 * c.height, '\x55')};
    QByteArray file = bmpFile(image);
    if (c.fileBytes) file = file.leftJustified(c.fileBytes, '\0');
    file[28] = static_cast<char>(c.bitsPerDot);
    return file;
}

bool virtualPrinterTakes(const QByteArray& file) {
    sim::LogoUpload upload;
    sim::LogoUpload::Result result = sim::LogoUpload::Result::Refused;
    for (const QByteArray& record : logoRecords(file)) {
        result = upload.record(QByteArrayView(record).first(1), QByteArrayView(record).sliced(1));
        if (result == sim::LogoUpload::Result::Refused) return false;
    }
    return result == sim::LogoUpload::Result::Complete;
}

class LogoLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LogoLimits, AreTheSameForTheDriverAndTheVirtualPrinter) {
    const LimitCase& c = GetParam();
    const QByteArray file = bmpFor(c);
    const LogoImage image{c.width, c.height, QByteArray((c.width + 7) / 8 * c.height, '\x55')};
    const bool fits = c.limitNamed == nullptr;
    EXPECT_EQ(virtualPrinterTakes(file), fits);
    try {
        checkFitsPrinter(image, file);
        EXPECT_TRUE(fits) << "the driver let it through";
    } catch (const DriverError& error) {
        EXPECT_FALSE(fits) << error.what();
        EXPECT_EQ(error.number(), error_number::kLogoFile);
        EXPECT_TRUE(error.description().contains(QLatin1String(c.limitNamed))) << error.what();
    }
}

constexpr int kWide = logo_limits::kMaxWidth;
constexpr int kTall = logo_limits::kMaxHeight;
constexpr qsizetype kBytes = logo_limits::kMaxFileBytes;

INSTANTIATE_TEST_SUITE_P(
    , LogoLimits,
    ::testing::Values(LimitCase{"WidestAndTallest", kWide, kTall, 0, 1, nullptr},
                      LimitCase{"OneDotWider", kWide + 1, 8, 0, 1, "577 puntos de ancho"},
                      LimitCase{"OneDotTaller", 8, kTall + 1, 0, 1, "2001 puntos de alto"},
                      LimitCase{"LargestFile", kWide, kTall, kBytes, 1, nullptr},
                      LimitCase{"OneByteLarger", kWide, kTall, kBytes + 1, 1, "145025 bytes"},
                      LimitCase{"TwoBitsPerDot", 8, 8, 0, 2, "1 bit por punto"}),
    named_case::testName);

}  // namespace
