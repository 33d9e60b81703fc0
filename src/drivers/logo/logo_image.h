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

// Reads and checks an image file a user picked and reduces it to printer dots. Throws
// DriverError, naming the file, when it is missing, unreadable, not an image or too large.
LogoImage readLogoImage(const QString& path);

// The image as a monochrome BMP file (1 bit per dot, black first in the palette), the form the
// printer stores its logo in.
QByteArray bmpFile(const LogoImage& image);

// The StoreLogoData payloads for a file, in the order they are sent: 64 bytes of it per record
// as 128 upper-case hex characters after a marker, "I" on the first, "C" on the middle ones and
// "F" on the last (a file of 64 bytes or less is one "F" record).
QList<QByteArray> logoRecords(const QByteArray& file);
