#include "drivers/error_numbers.h"
#include "drivers/link/link.h"
#include "drivers/link/serial_transport.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <fcntl.h>
#include <poll.h>
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

    // Reads, without the event loop, what the port's side has handed to the terminal by now,
    // waiting up to `ms` for its first byte.
    QByteArray readNow(int ms) {
        QByteArray out;
        pollfd ready{master_, POLLIN, 0};
        char buffer[256];
        while (master_ >= 0 && ::poll(&ready, 1, ms) > 0 && (ready.revents & POLLIN)) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) break;
            out.append(buffer, n);
            ms = 20;
        }
        return out;
    }

    QString path;
    bool hangUpOnFrame = false;
    bool silent = false;
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
            if (silent) continue;
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
    // COM7 opens whatever this names.
    QString device;
    PortResolver resolver = [this](int) { return device; };
};

// A link opened on COM7 over a real port.
struct OpenLink {
    OpenLink(const PortResolver& resolver, LinkOptions options) : port(resolver), link(port, options) { link.open(7); }
    SerialTransport port;
    Link link;
};

// A virtual printer on a terminal, reached as COM7.
class SerialPortWithPrinter : public SerialPort {
protected:
    void SetUp() override {
        ASSERT_FALSE(printer.path.isEmpty());
        device = printer.path;
    }
    PtyPrinter printer;
};

LinkOptions shortReplyLimit() {
    LinkOptions options;
    options.replyTimeoutMs = 500;
    return options;
}

TEST_F(SerialPort, PortZeroIsRefused) {
    SerialTransport port(resolver);
    QString why;
    EXPECT_EQ(openError(port, 0, &why), error_number::kPortInvalid);
    EXPECT_EQ(why, QStringLiteral("No se pudo abrir el puerto COM0: número de puerto no válido"));
}

TEST_F(SerialPort, TheResolverNamesTheDeviceEachComNumberOpens) {
    QList<int> asked;
    SerialTransport port([&](int com) {
        asked << com;
        return QStringLiteral("/nonexistent/ttyUSB%1").arg(com);
    });
    QString why;
    EXPECT_EQ(openError(port, 3, &why), error_number::kPortMissing);
    EXPECT_EQ(asked, QList<int>{3});
    EXPECT_EQ(port.label(), QStringLiteral("COM3 (/nonexistent/ttyUSB3)"));
}

// Every way a real port fails names its device and what happened; the program adds what to do
// (the port advice tests), and the cases a root test cannot meet are rows there.
TEST_F(SerialPort, EachPortErrorNamesTheDeviceAndWhatHappened) {
    PtyPrinter printer;
    ASSERT_FALSE(printer.path.isEmpty());
    struct Case {
        const char* name;
        std::function<DriverError()> raise;
        int number;
        QString device;
        QStringList fix;
    };
    auto openFailure = [this](const QString& path) {
        device = path;
        SerialTransport port(resolver);
        try {
            port.open(7);
        } catch (const DriverError& e) {
            EXPECT_FALSE(port.isOpen());
            return e;
        }
        return DriverError(0, QStringLiteral("se abrió"));
    };
    const Case cases[] = {
        {"missing", [&] { return openFailure(QStringLiteral("/nonexistent/ttyUSB9")); }, error_number::kPortMissing,
         QStringLiteral("/nonexistent/ttyUSB9"), {QStringLiteral("No existe el dispositivo"), QStringLiteral("COM7")}},
        {"in use",
         [&] {
             device = printer.path;
             SerialTransport first(resolver);
             first.open(7);
             return openFailure(printer.path);
         },
         error_number::kPortBusy, printer.path, {QStringLiteral("en uso por otro programa")}},
        {"vanished",
         [&] {
             device = printer.path;
             printer.hangUpOnFrame = true;
             SerialTransport port(resolver);
             Link link(port, LinkOptions{});
             try {
                 link.open(7);
                 link.exchange(0x39, {"Z"});
             } catch (const DriverError& e) {
                 return e;
             }
             return DriverError(0, QStringLiteral("respondió"));
         },
         error_number::kPortLost, printer.path, {QStringLiteral("Revise el cable, el adaptador")}},
        {"no answer",
         [&] {
             PtyPrinter mute;
             mute.silent = true;
             device = mute.path;
             SerialTransport port(resolver);
             LinkOptions quick;
             quick.replyTimeoutMs = 50;
             Link link(port, quick);
             try {
                 link.open(7);
             } catch (const DriverError& e) {
                 return e;
             }
             return DriverError(0, QStringLiteral("respondió"));
         },
         error_number::kNoAnswer, QStringLiteral("COM7 (/dev/pts/"),
         {QStringLiteral("9600 baudios, 8N1"), QStringLiteral("revise que esté encendido, el cable y el adaptador"),
          QStringLiteral("el modelo y el puerto")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DriverError e = c.raise();
        EXPECT_EQ(e.number(), c.number) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(c.device)) << e.description().toStdString();
        for (const QString& words : c.fix) EXPECT_TRUE(e.description().contains(words)) << e.description().toStdString();
    }
}

TEST_F(SerialPortWithPrinter, AFreedDeviceOpensAgain) {
    SerialTransport first(resolver);
    SerialTransport second(resolver);
    ASSERT_EQ(openError(first, 7), 0);
    EXPECT_EQ(openError(second, 7), error_number::kPortBusy);
    first.close();
    EXPECT_EQ(openError(second, 7), 0);
}

TEST_F(SerialPortWithPrinter, CarriesACommandAndItsReplyOverARealTerminal) {
    OpenLink open(resolver, shortReplyLimit());
    Link& link = open.link;
    const frame::Frame reply = link.exchange(0x39, {"X"});
    EXPECT_EQ(reply.command, 0x39);
    EXPECT_EQ(reply.fields, (QList<QByteArray>{"0080", "0600"}));
    EXPECT_EQ(printer.frames, 2);
    link.close();
    EXPECT_FALSE(open.port.isOpen());
    // The same port opens again for the next session.
    link.open(7);
    EXPECT_TRUE(open.port.isOpen());
}

// The printer takes no command until its reply is acknowledged: the ACK must reach the line
// before the call returns, not with the next command, and the last one before the port closes.
TEST_F(SerialPortWithPrinter, EachReplyIsAcknowledgedOnTheLineBeforeTheCallReturnsAndBeforeTheClose) {
    OpenLink open(resolver, shortReplyLimit());
    Link& link = open.link;
    EXPECT_EQ(printer.readNow(300), QByteArray(1, frame::ACK));
    link.exchange(0x39, {"X"});
    link.close();
    EXPECT_EQ(printer.readNow(300), QByteArray(1, frame::ACK));
    EXPECT_EQ(printer.frames, 2);
}

TEST_F(SerialPortWithPrinter, ADeviceThatVanishesMidCommandIsReportedBeforeTheTimeLimit) {
    printer.hangUpOnFrame = true;
    OpenLink open(resolver, LinkOptions{});
    Link& link = open.link;
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
    EXPECT_FALSE(open.port.isOpen());
}

}  // namespace
