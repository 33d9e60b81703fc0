#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A logo as the printer stores it: 1 bit per dot, each row padded to whole bytes, most
// significant bit first, 1 = black.
struct LogoImage {
    int width = 0;
    int height = 0;
    QByteArray bits;
};

// The largest logo the printer stores. The virtual printer writes the same numbers again
// (sim::LogoBitmap, sim::LogoUpload) because it keeps its own reading of the protocol; a test
// builds a logo at each limit and one dot over and checks both sides agree.
namespace logo_limits {
constexpr int kMaxWidth = 576;    // dots across the paper
constexpr int kMaxHeight = 2000;  // dot rows
// The widest, tallest logo as a BMP file, with room for a larger header.
constexpr qsizetype kMaxFileBytes = 1024 + kMaxWidth / 8 * kMaxHeight;
}  // namespace logo_limits

// Reads and checks an image file a user picked and reduces it to printer dots. Throws
// DriverError, naming the file, when it is missing, unreadable, not an image or too large.
LogoImage readLogoImage(const QString& path);

// The image as a monochrome BMP file (1 bit per dot, black first in the palette), the form the
// printer stores its logo in.
QByteArray bmpFile(const LogoImage& image);

// Checks a finished logo and its BMP file against what the printer stores: width, height, file
// size and 1 bit per dot. Throws DriverError naming the limit passed, before anything is sent.
void checkFitsPrinter(const LogoImage& image, const QByteArray& file);

// The StoreLogoData payloads for a file, in the order they are sent: 64 bytes of it per record
// as 128 upper-case hex characters after a marker, "I" on the first, "C" on the middle ones and
// "F" on the last (a file of 64 bytes or less is one "F" record).
QList<QByteArray> logoRecords(const QByteArray& file);
