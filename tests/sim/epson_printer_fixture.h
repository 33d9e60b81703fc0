#pragma once

#include "drivers/epson/epson_driver.h"
#include "drivers/error_numbers.h"
#include "drivers/link/transport.h"

#include <sim/virtual_printer.h>

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

// The virtual Epson printer in this process, behind the Transport the driver talks to: bytes
// written reach the printer at once, and what it sends arrives through the event loop when due.
class InProcessPrinter : public Transport {
    Q_OBJECT

public:
    explicit InProcessPrinter(sim::FiscalMemory memory);

    void open(int comPort) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void write(const QByteArray& bytes) override;
    QString label() const override { return QStringLiteral("COM%1 (virtual)").arg(comPort_); }

    sim::VirtualPrinter printer;
    QStringList paper;  // everything printed so far

private:
    qint64 now() const { return kStartMs + clock_.elapsed(); }
    void deliver();
    void scheduleDelivery();

    // A fixed day, so the printed dates are stable.
    static constexpr qint64 kStartMs = 1'780'000'000'000;
    QElapsedTimer clock_;
    QTimer timer_;
    bool open_ = false;
    int comPort_ = 0;
};

// The real Epson driver on COM2 against a fresh virtual Epson printer.
class VirtualEpsonTest : public ::testing::Test {
protected:
    explicit VirtualEpsonTest(sim::FiscalMemory memory = {}) : line(std::move(memory)) { driver.PortNumber(2); }

    static LinkOptions fastEpson();

    sim::FiscalMemory& memory() { return line.printer.memory(); }
    // Lines printed since the last call.
    QStringList newPaper();
    // Titles of the documents and reports printed so far ("== ... ==" lines that open one).
    QStringList titles();
    // The error number a call raises, 0 when none.
    int errorOf(const std::function<void()>& call);

    InProcessPrinter line;
    EpsonDriver driver{line, fastEpson()};
    QString description;

private:
    int taken_ = 0;
};
