#include "printer_host.h"

#include <QDateTime>
#include <QTextStream>

#include <cerrno>
#include <unistd.h>

namespace {

qint64 now() {
    return QDateTime::currentMSecsSinceEpoch();
}

constexpr int kSaveDelayMs = 500;  // state is saved shortly after the last command, not per byte
// Replies for a client that never reads are dropped past this, as on a line nobody listens to.
constexpr qsizetype kMaxUnsentBytes = 64 * 1024;

}  // namespace

PrinterHost::PrinterHost(sim::VirtualPrinter& printer, PseudoTerminal& pty, int baud, Files files)
    : printer_(printer), pty_(pty), pacer_(baud), files_(std::move(files)) {
    dueTimer_.setSingleShot(true);
    dueTimer_.setTimerType(Qt::PreciseTimer);
    connect(&dueTimer_, &QTimer::timeout, this, &PrinterHost::pump);
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(kSaveDelayMs);
    connect(&saveTimer_, &QTimer::timeout, this, &PrinterHost::saveState);
}

bool PrinterHost::start(QString* error) {
    if (!files_.paper.isEmpty()) {
        paperFile_.setFileName(files_.paper);
        if (!paperFile_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            *error = QStringLiteral("no se pudo abrir %1: %2").arg(files_.paper, paperFile_.errorString());
            return false;
        }
    }
    reader_ = std::make_unique<QSocketNotifier>(pty_.master(), QSocketNotifier::Read);
    connect(reader_.get(), &QSocketNotifier::activated, this, &PrinterHost::readLine);
    writer_ = std::make_unique<QSocketNotifier>(pty_.master(), QSocketNotifier::Write);
    writer_->setEnabled(false);
    connect(writer_.get(), &QSocketNotifier::activated, this, &PrinterHost::writePending);
    return true;
}

bool PrinterHost::saveState() {
    if (!files_.state) return true;
    QString error;
    if (files_.state->save(printer_.memory(), &error)) return true;
    QTextStream(stderr) << error << Qt::endl;
    return false;
}

void PrinterHost::readLine() {
    char buffer[4096];
    const ssize_t n = ::read(pty_.master(), buffer, sizeof buffer);
    if (n <= 0) return;  // EAGAIN, or nothing: we hold a slave open, so the line never hangs up
    printer_.receive(QByteArrayView(buffer, n), now());
    keepPaper();
    saveTimer_.start();
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
    unwritten_.append(pacer_.release(t));
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

void PrinterHost::keepPaper() {
    const QStringList lines = printer_.paper().take();
    if (lines.isEmpty() || !paperFile_.isOpen()) return;
    QTextStream out(&paperFile_);
    out.setEncoding(QStringConverter::Utf8);
    for (const QString& line : lines) out << line << '\n';
    out.flush();
    paperFile_.flush();
}

void PrinterHost::schedule() {
    std::optional<qint64> next = printer_.link().nextDue();
    if (const auto paced = pacer_.nextRelease()) next = next ? std::min(*next, *paced) : *paced;
    if (!next) return;
    dueTimer_.start(static_cast<int>(std::clamp<qint64>(*next - now(), 0, 60'000)));
}
