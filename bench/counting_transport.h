#pragma once

#include "drivers/link/transport.h"

#include <memory>

// A transport that passes everything to another one and counts the bytes each way, so a
// benchmark can say how long the same bytes would take on a real serial line.
class CountingTransport : public Transport {
public:
    explicit CountingTransport(std::unique_ptr<Transport> inner);

    void open(int comPort) override { inner_->open(comPort); }
    void close() override { inner_->close(); }
    bool isOpen() const override { return inner_->isOpen(); }
    void write(const QByteArray& bytes) override;
    QString label() const override { return inner_->label(); }

    qint64 bytes() const { return sent_ + received_; }
    void reset() { sent_ = received_ = 0; }

private:
    std::unique_ptr<Transport> inner_;
    qint64 sent_ = 0;
    qint64 received_ = 0;
};

// Seconds the bytes take on a 9600-baud line: 10 bits a byte (start, 8 data, stop).
constexpr double wireSecondsAt9600(double bytes) { return bytes * 10.0 / 9600.0; }
