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

// The StoreLogoData payloads for the image, in the order they are sent: an "I" record with the
// width and height as 4 upper-case hex digits each, then the bits as upper-case hex in records
// of at most 128 hex characters, each "C" but the last, which is "F".
QList<QByteArray> logoRecords(const LogoImage& image);
