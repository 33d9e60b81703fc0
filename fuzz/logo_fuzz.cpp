// The logo loader on an arbitrary image file: every record it makes from a file it accepts is
// taken by the virtual printer's upload, which ends with the same dots.

#include "fuzz_input.h"

#include <drivers/logo/logo_image.h>
#include <drivers/operation_error.h>
#include <sim/logo_upload.h>

#include <QGuiApplication>
#include <QTemporaryFile>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "logo_fuzz";
    static char* argv[] = {name, nullptr};
    static const QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;

    QTemporaryFile file;
    if (!file.open()) std::abort();
    file.write(fuzz_input::bytes(data, size));
    file.close();
    LogoImage image;
    try {
        image = readLogoImage(file.fileName());
    } catch (const DriverError&) {
        return 0;
    }
    sim::LogoUpload upload;
    const QList<QByteArray> records = logoRecords(image);
    for (int i = 0; i < records.size(); ++i) {
        const QByteArray& r = records[i];
        const auto result = upload.record(r.left(1), r.mid(1));
        const auto expected = i + 1 < records.size() ? sim::LogoUpload::Result::Accepted : sim::LogoUpload::Result::Complete;
        if (result != expected) std::abort();
    }
    const sim::LogoBitmap& logo = upload.logo();
    if (logo.width != image.width || logo.height != image.height || logo.bits != image.bits) std::abort();
    return 0;
}
