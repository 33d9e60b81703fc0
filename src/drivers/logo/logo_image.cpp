#include "logo_image.h"

#include "bitmap_length.h"
#include "drivers/error_numbers.h"
#include "drivers/operation_error.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr qint64 kMaxFileBytes = 1024 * 1024;
constexpr int kMaxSourceSide = 2000;
constexpr qsizetype kFileBytesPerRecord = 64;
// 72 dots per inch, written in the header only for programs that show the file.
constexpr quint32 kDotsPerMetre = 2835;
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
    if (image.width() <= logo_limits::kMaxWidth) return image;
    const int height = std::max(1, qRound(double(image.height()) * logo_limits::kMaxWidth / image.width()));
    return image.scaled(logo_limits::kMaxWidth, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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

void put16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

}  // namespace

LogoImage readLogoImage(const QString& path) {
    return toDots(fitToPaper(decodeBounded(path, readBounded(path))));
}

QByteArray bmpFile(const LogoImage& image) {
    constexpr quint32 kFileHeader = 14, kInfoHeader = 40, kPalette = 8;
    const int sourceStride = (image.width + 7) / 8;
    // Rows in a BMP are padded to four bytes and stored from the bottom up.
    const int stride = (sourceStride + 3) / 4 * 4;
    const quint32 pixels = static_cast<quint32>(stride) * static_cast<quint32>(image.height);
    const quint32 offset = kFileHeader + kInfoHeader + kPalette;
    QByteArray out;
    out.reserve(static_cast<qsizetype>(offset + pixels));
    out.append("BM");
    put32(out, offset + pixels);
    put32(out, 0);
    put32(out, offset);
    put32(out, kInfoHeader);
    put32(out, static_cast<quint32>(image.width));
    put32(out, static_cast<quint32>(image.height));
    put16(out, 1);  // planes
    put16(out, 1);  // bits per pixel
    put32(out, 0);  // no compression
    put32(out, pixels);
    put32(out, kDotsPerMetre);
    put32(out, kDotsPerMetre);
    put32(out, 2);  // colours in the palette
    put32(out, 2);
    // Index 0 black, index 1 white, as monochrome bitmaps usually have it.
    out.append("\x00\x00\x00\x00\xFF\xFF\xFF\x00", 8);
    for (int y = image.height - 1; y >= 0; --y) {
        QByteArray row = image.bits.mid(static_cast<qsizetype>(y) * sourceStride, sourceStride);
        for (char& b : row) b = static_cast<char>(~b);
        // Dots past the width stay white, as does the padding.
        if (const int spare = sourceStride * 8 - image.width; spare > 0 && !row.isEmpty())
            row.back() = static_cast<char>(row.back() | ((1 << spare) - 1));
        row.append(QByteArray(stride - sourceStride, '\xFF'));
        out.append(row);
    }
    return out;
}

void checkFitsPrinter(const LogoImage& image, const QByteArray& file) {
    namespace limits = logo_limits;
    if (image.width < 1 || image.height < 1 || image.bits.size() != qsizetype{(image.width + 7) / 8} * image.height)
        fail(QStringLiteral("El logo no tiene puntos que imprimir"));
    if (image.width > limits::kMaxWidth)
        fail(QStringLiteral("El logo mide %1 puntos de ancho; el impresor acepta hasta %2").arg(image.width).arg(limits::kMaxWidth));
    if (image.height > limits::kMaxHeight)
        fail(QStringLiteral("El logo mide %1 puntos de alto; el impresor acepta hasta %2").arg(image.height).arg(limits::kMaxHeight));
    if (file.size() > limits::kMaxFileBytes)
        fail(QStringLiteral("El archivo del logo ocupa %1 bytes; el impresor acepta hasta %2").arg(file.size()).arg(limits::kMaxFileBytes));
    // Bits per pixel sit at byte 28 of a BMP file.
    constexpr qsizetype kBitsPerPixelAt = 28;
    if (file.size() < kBitsPerPixelAt + 2 || !file.startsWith("BM") ||
        qFromLittleEndian<quint16>(file.constData() + kBitsPerPixelAt) != 1)
        fail(QStringLiteral("El archivo del logo no es un BMP de 1 bit por punto, el único que el impresor acepta"));
}

QList<QByteArray> logoRecords(const QByteArray& file) {
    QList<QByteArray> records;
    for (qsizetype at = 0; at < file.size(); at += kFileBytesPerRecord) {
        const bool last = at + kFileBytesPerRecord >= file.size();
        const char marker = last ? 'F' : at == 0 ? 'I' : 'C';
        records.append(marker + file.mid(at, kFileBytesPerRecord).toHex().toUpper());
    }
    return records;
}
