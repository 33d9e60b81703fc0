#include "logo_image.h"

#include "bitmap_length.h"
#include "drivers/error_numbers.h"
#include "drivers/operation_error.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace {

constexpr qint64 kMaxFileBytes = 1024 * 1024;
constexpr int kMaxSourceSide = 2000;
constexpr int kMaxDotsWide = 576;
constexpr int kHexPerRecord = 128;
// Luminance below this (0..255, after laying the image on white paper) prints as a black dot.
constexpr int kBlackBelow = 128;

[[noreturn]] void fail(const QString& text) {
    throw DriverError(error_number::kLogoFile, text);
}

QString quoted(const QString& path) {
    return QStringLiteral("\"%1\"").arg(path);
}

// Reads at most one byte past the limit, so a file that grew after it was measured is still
// refused without reading it whole.
QByteArray readBounded(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) fail(QStringLiteral("No se encuentra el archivo de logo %1").arg(quoted(path)));
    // A folder, a device or a pipe could not be measured, and a pipe could block the read.
    if (!info.isFile()) fail(QStringLiteral("El logo %1 no es un archivo").arg(quoted(path)));
    if (info.size() > kMaxFileBytes)
        fail(QStringLiteral("El archivo de logo %1 ocupa más de 1 MiB").arg(quoted(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("No se puede leer el archivo de logo %1").arg(quoted(path)));
    const QByteArray data = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("No se puede leer el archivo de logo %1").arg(quoted(path)));
    if (data.size() > kMaxFileBytes)
        fail(QStringLiteral("El archivo de logo %1 ocupa más de 1 MiB").arg(quoted(path)));
    return data;
}

// The pixel size is taken from the header so that a huge picture is refused before decoding.
QImage decodeBounded(const QString& path, QByteArray data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QString notImage = QStringLiteral("El archivo de logo %1 no es una imagen").arg(quoted(path));
    if (!reader.canRead()) fail(notImage);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) fail(notImage);
    if (size.width() > kMaxSourceSide || size.height() > kMaxSourceSide)
        // One pass, so a "%2" in the file's name is not taken for a place marker.
        fail(QStringLiteral("La imagen del archivo de logo %1 mide %2 x %3 puntos; el máximo es %4 x %4")
                 .arg(quoted(path), QString::number(size.width()), QString::number(size.height()),
                      QString::number(kMaxSourceSide)));
    QImage image = reader.read();
    if (image.isNull() || image.size() != size || isCutShortBitmap(data))
        fail(QStringLiteral("La imagen del archivo de logo %1 está dañada o incompleta").arg(quoted(path)));
    return image;
}

QImage fitToPaper(const QImage& image) {
    if (image.width() <= kMaxDotsWide) return image;
    const int height = std::max(1, qRound(double(image.height()) * kMaxDotsWide / image.width()));
    return image.scaled(kMaxDotsWide, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool isBlack(QRgb pixel) {
    const int alpha = qAlpha(pixel);
    const int onWhite = (qGray(pixel) * alpha + 255 * (255 - alpha)) / 255;
    return onWhite < kBlackBelow;
}

LogoImage toDots(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    LogoImage logo;
    logo.width = argb.width();
    logo.height = argb.height();
    const int rowBytes = (logo.width + 7) / 8;
    logo.bits = QByteArray(rowBytes * logo.height, '\0');
    for (int y = 0; y < logo.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        char* row = logo.bits.data() + y * rowBytes;
        for (int x = 0; x < logo.width; ++x)
            if (isBlack(line[x])) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    }
    return logo;
}

QByteArray hex4(int value) {
    return QByteArray::number(value, 16).toUpper().rightJustified(4, '0');
}

}  // namespace

LogoImage readLogoImage(const QString& path) {
    return toDots(fitToPaper(decodeBounded(path, readBounded(path))));
}

QList<QByteArray> logoRecords(const LogoImage& image) {
    QList<QByteArray> records{"I" + hex4(image.width) + hex4(image.height)};
    const QByteArray hex = image.bits.toHex().toUpper();
    qsizetype at = 0;
    do {
        const QByteArray chunk = hex.mid(at, kHexPerRecord);
        at += kHexPerRecord;
        records.append((at >= hex.size() ? "F" : "C") + chunk);
    } while (at < hex.size());
    return records;
}
