#include "printer_conditions.h"

#include "drivers/link/link.h"

PrinterConditions::PrinterConditions(Link& link, Reader read) : read_(read) {
    connect(&link, &Link::replied, this, &PrinterConditions::onReply);
}

void PrinterConditions::onReply(const frame::Frame& reply) {
    // Two readable words are needed to say anything, even that nothing lasts.
    if (reply.fields.size() < 2 || reply.fields[0].size() != 4 || reply.fields[1].size() != 4) return;
    current_ = read_(reply.fields);
    emit reported(current_);
}
