#include "printer_port.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace printer_port {
namespace {

bool lpName(const QString& path) {
    static const QRegularExpression lp(QStringLiteral("^lp[0-9]+$"));
    return lp.match(QFileInfo(path).fileName()).hasMatch();
}

}  // namespace

bool isPrinterPort(const QString& device) {
    return lpName(device) || lpName(QFileInfo(device).canonicalFilePath());
}

QStringList printerPorts() {
    QStringList out;
    for (const QString& folder : {QStringLiteral("/dev/usb"), QStringLiteral("/dev")})
        for (const QString& name : QDir(folder).entryList({QStringLiteral("lp*")}, QDir::System | QDir::Files))
            if (lpName(name)) out << folder + QLatin1Char('/') + name;
    return out;
}

}  // namespace printer_port

namespace {

// What one read takes; a printer's reply is a few hundred bytes.
constexpr int kReadChunk = 4096;

}  // namespace

PrinterPort::~PrinterPort() { close(); }

int PrinterPort::open(const QString& device) {
    close();
    fd_ = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return errno;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PrinterPort::onReadable);
    return 0;
}

void PrinterPort::close() {
    if (fd_ < 0) return;
    delete notifier_;
    notifier_ = nullptr;
    ::close(fd_);
    fd_ = -1;
}

bool PrinterPort::write(const QByteArray& bytes, int ms) {
    QElapsedTimer clock;
    clock.start();
    qsizetype sent = 0;
    while (fd_ >= 0 && sent < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) break;
        // The device's buffer is full: wait for room, within what is left of the bound.
        const qint64 left = ms - clock.elapsed();
        if (left <= 0) break;
        pollfd room{fd_, POLLOUT, 0};
        ::poll(&room, 1, int(left));
    }
    if (sent == bytes.size()) return true;
    close();
    return false;
}

void PrinterPort::onReadable() {
    char buffer[kReadChunk];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n > 0) {
        emit received(QByteArray(buffer, int(n)));
        return;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    // End of file or an error: the printer went away.
    close();
    emit failed();
}
