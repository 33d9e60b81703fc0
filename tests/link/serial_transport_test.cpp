#include "drivers/error_numbers.h"
#include "drivers/link/link.h"
#include "drivers/link/port_device.h"
#include "drivers/link/serial_transport.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// A pseudo-terminal whose master side plays a printer that ACKs and answers every frame.
class PtyPrinter {
public:
    PtyPrinter() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
        char name[128];
        if (ptsname_r(master_, name, sizeof name) != 0) return;
        path = QString::fromLocal8Bit(name);
        notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { onReadable(); });
    }
    ~PtyPrinter() { hangUp(); }

    // Closes the master: the port's end sees the device vanish.
    void hangUp() {
        notifier_.reset();
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

    QString path;
    bool hangUpOnFrame = false;
    int frames = 0;

private:
    void onReadable() {
        char buffer[256];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) return;
        decoder_.feed(QByteArrayView(buffer, n));
        while (auto item = decoder_.next()) {
            if (item->kind != frame::Received::Kind::Frame) continue;
            ++frames;
            if (hangUpOnFrame && frames > 1) return hangUp();
            const QByteArray reply =
                QByteArray(1, frame::ACK) + frame::encode(frame::make(item->frame.seq, item->frame.command, {"0080", "0600"}));
            if (::write(master_, reply.constData(), reply.size()) != reply.size()) return;
        }
    }

    int master_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    frame::Decoder decoder_;
};

int openError(SerialTransport& port, int com, QString* description = nullptr) {
    try {
        port.open(com);
    } catch (const DriverError& e) {
        if (description) *description = e.description();
        return e.number();
    }
    return 0;
}

class SerialPort : public ::testing::Test {
protected:
    void TearDown() override { qunsetenv("ORBELO_COM7"); }
    void useDevice(const QString& path) { qputenv("ORBELO_COM7", path.toLocal8Bit()); }
};

TEST_F(SerialPort, ComNumbersNameTheirDevice) {
    qunsetenv("ORBELO_COM3");
    EXPECT_EQ(deviceForCom(3), QStringLiteral("/dev/ttyS2"));
    EXPECT_EQ(deviceForCom(1), QStringLiteral("/dev/ttyS0"));
    useDevice(QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(deviceForCom(7), QStringLiteral("/dev/ttyUSB0"));
}

TEST_F(SerialPort, PortZeroIsRefused) {
    SerialTransport port;
    QString why;
    EXPECT_EQ(openError(port, 0, &why), error_number::kPortInvalid);
    EXPECT_EQ(why, QStringLiteral("No se pudo abrir el puerto COM0: número de puerto no válido"));
}

TEST_F(SerialPort, AMissingDeviceIsNamedInTheError) {
    useDevice(QStringLiteral("/nonexistent/ttyS2"));
    SerialTransport port;
    QString why;
    EXPECT_EQ(openError(port, 7, &why), error_number::kPortMissing);
    EXPECT_EQ(why, QStringLiteral("No se pudo abrir el puerto COM7 (/nonexistent/ttyS2): no existe"));
    EXPECT_FALSE(port.isOpen());
}

TEST_F(SerialPort, ADeviceInUseIsBusy) {
    PtyPrinter printer;
    ASSERT_FALSE(printer.path.isEmpty());
    useDevice(printer.path);
    SerialTransport first;
    SerialTransport second;
    ASSERT_EQ(openError(first, 7), 0);
    QString why;
    EXPECT_EQ(openError(second, 7, &why), error_number::kPortBusy);
    EXPECT_TRUE(why.contains(QStringLiteral("en uso"))) << why.toStdString();
    first.close();
    EXPECT_EQ(openError(second, 7), 0);
}

TEST_F(SerialPort, CarriesACommandAndItsReplyOverARealTerminal) {
    PtyPrinter printer;
    ASSERT_FALSE(printer.path.isEmpty());
    useDevice(printer.path);
    SerialTransport port;
    LinkOptions options;
    options.replyTimeoutMs = 500;
    Link link(port, options);
    link.open(7);
    const frame::Frame reply = link.exchange(0x39, {"X"});
    EXPECT_EQ(reply.command, 0x39);
    EXPECT_EQ(reply.fields, (QList<QByteArray>{"0080", "0600"}));
    EXPECT_EQ(printer.frames, 2);
    link.close();
    EXPECT_FALSE(port.isOpen());
    // The same port opens again for the next session.
    link.open(7);
    EXPECT_TRUE(port.isOpen());
}

TEST_F(SerialPort, ADeviceThatVanishesMidCommandIsReportedBeforeTheTimeLimit) {
    PtyPrinter printer;
    ASSERT_FALSE(printer.path.isEmpty());
    printer.hangUpOnFrame = true;
    useDevice(printer.path);
    SerialTransport port;
    Link link(port, LinkOptions{});
    link.open(7);
    QElapsedTimer clock;
    clock.start();
    try {
        link.exchange(0x39, {"Z"});
        FAIL() << "the command succeeded";
    } catch (const DriverError& e) {
        EXPECT_EQ(e.number(), error_number::kPortLost) << e.description().toStdString();
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("Se perdió la conexión con el puerto COM7 (")));
    }
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(port.isOpen());
}

}  // namespace
