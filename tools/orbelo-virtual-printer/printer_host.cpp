#include "printer_host.h"

#include <QDateTime>
#include <QTextStream>

#include <cerrno>
#include <termios.h>
#include <unistd.h>

namespace {

qint64 now() {
    return QDateTime::currentMSecsSinceEpoch();
}

// Replies for a client that never reads are dropped past this, as on a line nobody listens to.
constexpr qsizetype kMaxUnsentBytes = 64 * 1024;

speed_t lineConstant(int baud) {
    switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    }
    return B0;
}

// What a UART set to another speed makes of bytes: never a protocol byte, often none at all in
// a real one; here each byte with its top bit set, so the noise is visible in a trace.
QByteArray garbled(QByteArray bytes) {
    for (char& c : bytes) c = static_cast<char>(static_cast<quint8>(c) | 0x80);
    return bytes;
}

}  // namespace

PrinterHost::PrinterHost(sim::VirtualPrinter& printer, PseudoTerminal& pty, int baud, bool paced, Files files)
    : printer_(printer),
      pty_(pty),
      speed_(baud > 0 ? std::optional<int>(baud) : std::nullopt),
      paced_(paced),
      pacer_(paced ? baud : 0),
      files_(std::move(files)) {
    dueTimer_.setSingleShot(true);
    dueTimer_.setTimerType(Qt::PreciseTimer);
    connect(&dueTimer_, &QTimer::timeout, this, &PrinterHost::pump);
}

bool PrinterHost::start(QString* error) {
    if (!paperFile_.open(files_.paper, error)) return false;
    reader_ = std::make_unique<QSocketNotifier>(pty_.master(), QSocketNotifier::Read);
    connect(reader_.get(), &QSocketNotifier::activated, this, &PrinterHost::readLine);
    writer_ = std::make_unique<QSocketNotifier>(pty_.master(), QSocketNotifier::Write);
    writer_->setEnabled(false);
    connect(writer_.get(), &QSocketNotifier::activated, this, &PrinterHost::writePending);
    return true;
}

bool PrinterHost::saveState() {
    // The paper first: what the printer printed as its power returned, or since the last command,
    // is on the roll before the memory that counts it, and before the program ends.
    keepPaper();
    if (!files_.state) return true;
    QString error;
    if (files_.state->save(printer_.memory(), &error)) {
        saved_ = printer_.memory();
        return true;
    }
    QTextStream(stderr) << error << Qt::endl;
    return false;
}

void PrinterHost::readLine() {
    char buffer[4096];
    const ssize_t n = ::read(pty_.master(), buffer, sizeof buffer);
    if (n <= 0) return;  // EAGAIN, or nothing: we hold a slave open, so the line never hangs up
    const QByteArray bytes(buffer, n);
    printer_.receive(sameSpeed() ? bytes : garbled(bytes), now());
    if (const std::optional<int> speed = printer_.takeNewSpeed()) {
        speed_ = *speed;
        if (paced_) pacer_.setBaud(*speed);
        QTextStream(stderr) << "orbelo-virtual-printer: ahora a " << *speed << " baudios" << Qt::endl;
    }
    keepPaper();
    keepMemory();
    pump();
}

void PrinterHost::pump() {
    const qint64 t = now();
    for (const sim::Output& out : printer_.link().takeDue(t)) {
        if (out.hangUp) {
            reader_.reset();
            writer_.reset();
            dueTimer_.stop();
            keepPaper();
            saveState();
            pty_.close();
            emit hungUp();
            return;
        }
        if (pacer_.queued() + unwritten_.size() < kMaxUnsentBytes) pacer_.push(out.bytes, t);
    }
    keepPaper();  // frames that waited for a busy printer may have printed just now
    keepMemory();
    const QByteArray released = pacer_.release(t);
    unwritten_.append(sameSpeed() ? released : garbled(released));
    writePending();
    schedule();
}

void PrinterHost::writePending() {
    while (!unwritten_.isEmpty()) {
        const ssize_t n = ::write(pty_.master(), unwritten_.constData(), unwritten_.size());
        if (n < 0) {
            // A full pty (no reader yet) takes the rest when it has room again.
            if (errno == EINTR) continue;
            break;
        }
        unwritten_.remove(0, n);
    }
    if (writer_) writer_->setEnabled(!unwritten_.isEmpty());
}

bool PrinterHost::sameSpeed() const {
    if (!speed_) return true;
    termios line{};
    // The master reports the settings the client gave the slave; unreadable, the line is taken as set.
    if (tcgetattr(pty_.master(), &line) != 0) return true;
    return cfgetospeed(&line) == lineConstant(*speed_);
}

void PrinterHost::keepPaper() {
    paperFile_.append(printer_.paper().take());
}

void PrinterHost::schedule() {
    std::optional<qint64> next = printer_.link().nextDue();
    if (const auto paced = pacer_.nextRelease()) next = next ? std::min(*next, *paced) : *paced;
    if (!next) return;
    dueTimer_.start(static_cast<int>(std::clamp<qint64>(*next - now(), 0, 60'000)));
}

void PrinterHost::keepMemory() {
    // Kept as soon as it changes, after the paper that shows the change and before any reply: a
    // printer switched off never forgets what it printed, as a real fiscal memory does not.
    if (!saved_ || !(*saved_ == printer_.memory())) saveState();
}
