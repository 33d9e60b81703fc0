#pragma once

#include <sim/virtual_printer.h>

#include <QStringList>
#include <optional>

// Talks to a virtual Hasar printer frame by frame, the way a driver would, and keeps what it
// printed. Time only moves when a test moves it.
struct HasarHarness {
    struct Reply {
        bool acknowledged = false;
        std::optional<frame::Frame> frame;  // the reply, if one came back well formed

        // Field n as the drivers number them: 1 = printer status, 2 = fiscal status, 3 = first data.
        QByteArray field(int n) const;
        quint16 fiscalStatus() const;
        bool refused(quint16 bits) const { return (fiscalStatus() & bits) == bits; }
        bool accepted() const;
    };

    // Model 9 (715/PR5) knows every command; the ticket models lack a few.
    explicit HasarHarness(sim::FiscalMemory memory = {}, int model = 9, sim::Conditions conditions = {})
        : printer(sim::Brand::Hasar, model, std::move(memory), conditions) {}

    // Sends one command with a new SEQ and collects everything due within `waitMs`.
    Reply send(quint8 command, QList<QByteArray> fields = {}, qint64 waitMs = 0);
    // Sends a raw window-style command: the command byte, then each field after an FS.
    Reply sendRaw(const QByteArray& raw);
    Reply resend(quint8 command, QList<QByteArray> fields = {});

    // Paper printed so far (all of it) and the lines printed since the last call.
    QStringList newPaper();

    sim::FiscalMemory& memory() { return printer.memory(); }

    sim::VirtualPrinter printer;
    quint8 seq = 0x20;
    qint64 nowMs = 1'780'000'000'000;  // a fixed day, so printed dates are stable
    QStringList paper;

private:
    Reply exchange(const frame::Frame& request, qint64 waitMs);
    int taken_ = 0;
};
