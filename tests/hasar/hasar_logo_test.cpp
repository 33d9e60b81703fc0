#include "drivers/error_numbers.h"
#include "hasar/hasar_fixture.h"
#include "drivers/logo/logo_image.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

class HasarLogo : public HasarTest {
protected:
    QString writeImage(int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int x = 0; x < width; x += 2) image.setPixelColor(x, 0, Qt::black);
        const QString path = dir.filePath(QStringLiteral("logo.png"));
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(HasarLogo, ResetsTheLogoThenStoresEachRecordAsLetterAndData) {
    const QString path = writeImage(300, 20);
    begin(8);
    driver->LoadLogo(path);
    const QList<QByteArray> records = logoRecords(bmpFile(readLogoImage(path)));
    ASSERT_GE(records.size(), 3);
    ASSERT_EQ(printer->seen.size(), records.size() + 1);
    EXPECT_EQ(printer->seen[0], frame::make(printer->seen[0].seq, 0x91));
    for (int i = 0; i < records.size(); ++i) {
        const frame::Frame& f = printer->seen[i + 1];
        EXPECT_EQ(f.command, 0x90);
        EXPECT_EQ(f.fields, (QList<QByteArray>{records[i].left(1), records[i].mid(1)}));
    }
    EXPECT_EQ(printer->seen[1].fields[0], "I");
    // The file itself travels: its first bytes are the BMP signature "BM".
    EXPECT_TRUE(printer->seen[1].fields[1].startsWith("424D"));
    EXPECT_EQ(printer->seen.last().fields[0], "F");
}

TEST_F(HasarLogo, AFileThatCannotBeReadSendsNothing) {
    begin(8);
    EXPECT_NE(errorOf([&] { driver->LoadLogo(dir.filePath(QStringLiteral("falta.bmp"))); }), 0);
    QFile notAnImage(dir.filePath(QStringLiteral("texto.bmp")));
    ASSERT_TRUE(notAnImage.open(QIODevice::WriteOnly));
    notAnImage.write("esto no es una imagen");
    notAnImage.close();
    EXPECT_NE(errorOf([&] { driver->LoadLogo(notAnImage.fileName()); }), 0);
    EXPECT_TRUE(printer->written.isEmpty());
}

TEST_F(HasarLogo, ARefusedRecordStopsTheLoad) {
    const QString path = writeImage(64, 4);
    begin(8);
    printer->answer = [](const frame::Frame& f) -> QList<QByteArray> {
        if (f.command == 0x90) return {"0080", "0610"};
        return {"0080", "0600"};
    };
    EXPECT_EQ(errorOf([&] { driver->LoadLogo(path); }), error_number::kPrinterRefused);
    EXPECT_EQ(commandsSent(), (QList<quint8>{0x91, 0x90}));
    EXPECT_TRUE(lastError.endsWith(QStringLiteral("El logo anterior ya se había borrado: el impresor queda sin logo "
                                                  "hasta que se cargue uno completo")))
        << lastError.toStdString();
}

// The ticket families store no logo: the old one is not erased for nothing.
TEST_F(HasarLogo, AModelWithoutALogoIsToldBeforeAnythingIsSent) {
    const QString path = writeImage(64, 4);
    begin(9);
    EXPECT_EQ(errorOf([&] { driver->LoadLogo(path); }), error_number::kCommandNotInModel);
    EXPECT_EQ(lastError, QStringLiteral("El modelo Hasar 715/PR5 no tiene el comando BORRAR LOGO (0x91)"));
    EXPECT_TRUE(printer->written.isEmpty());
}

}  // namespace
