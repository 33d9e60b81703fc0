#include "counting_transport.h"

CountingTransport::CountingTransport(std::unique_ptr<Transport> inner) : inner_(std::move(inner)) {
    connect(inner_.get(), &Transport::received, this, [this](const QByteArray& bytes) {
        received_ += bytes.size();
        emit received(bytes);
    });
    connect(inner_.get(), &Transport::failed, this, &Transport::failed);
}

void CountingTransport::write(const QByteArray& bytes) {
    sent_ += bytes.size();
    inner_->write(bytes);
}
