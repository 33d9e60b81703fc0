#include "support/driver_error_of.h"
#include "epson_printer_fixture.h"

InProcessPrinter::InProcessPrinter(sim::FiscalMemory memory) : printer(sim::Brand::Epson, 0, std::move(memory)) {
    clock_.start();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &InProcessPrinter::deliver);
    paper += printer.paper().take();
}

void InProcessPrinter::open(int comPort) {
    comPort_ = comPort;
    open_ = true;
}

void InProcessPrinter::write(const QByteArray& bytes) {
    printer.receive(bytes, now());
    scheduleDelivery();
}

void InProcessPrinter::scheduleDelivery() {
    if (const auto due = printer.link().nextDue()) timer_.start(static_cast<int>(std::max<qint64>(0, *due - now())));
}

void InProcessPrinter::deliver() {
    for (const sim::Output& out : printer.link().takeDue(now())) {
        if (out.hangUp) {
            open_ = false;
            emit failed(QStringLiteral("el impresor virtual colgó la línea"));
            return;
        }
        if (open_) emit received(out.bytes);
    }
    paper += printer.paper().take();
    scheduleDelivery();
}

LinkOptions VirtualEpsonTest::fastEpson() {
    LinkOptions o = epsonLinkOptions();
    o.replyTimeoutMs = 200;
    return o;
}

QStringList VirtualEpsonTest::newPaper() {
    line.paper += line.printer.paper().take();
    const QStringList fresh = line.paper.mid(taken_);
    taken_ = line.paper.size();
    return fresh;
}

QStringList VirtualEpsonTest::titles() {
    line.paper += line.printer.paper().take();
    QStringList out;
    for (const QString& l : line.paper)
        if (l.startsWith(QLatin1String("== ")) && !l.startsWith(QLatin1String("== FIN "))) out << l;
    return out;
}

int VirtualEpsonTest::errorOf(const std::function<void()>& call) { return driverErrorOf(call, &description); }
