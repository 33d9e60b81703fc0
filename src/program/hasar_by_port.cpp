#include "hasar_by_port.h"

#include "drivers/network_address.h"

HasarByPort::HasarByPort(HasarPrinter& serial, HasarPrinter& network, PortResolver devices)
    : serial_(serial), network_(network), devices_(std::move(devices)), active_(&serial) {
    for (HasarPrinter* driver : {&serial_, &network_}) {
        QObject::connect(&driver->events(), &PrinterEvents::held, &events_, &PrinterEvents::held);
        QObject::connect(&driver->events(), &PrinterEvents::conditionsReported, &events_, &PrinterEvents::conditionsReported);
    }
}

void HasarByPort::ComPort(int port) {
    active_ = network_address::isNetworkAddress(devices_(port)) ? &network_ : &serial_;
    active_->ComPort(port);
}
