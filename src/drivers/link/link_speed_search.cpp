#include "link.h"

#include "link_errors.h"
#include "link_trace.h"
#include "transport.h"

#include "drivers/error_numbers.h"

#include <QElapsedTimer>
#include <algorithm>

namespace {

// At a foreign speed a printer's bytes arrive mangled: noise or damaged frames mean "not here".
bool notHere(const DriverError& e) {
    return e.number() == error_number::kNoAnswer || e.number() == error_number::kNotAFiscalPrinter ||
           e.number() == error_number::kGarbledLink;
}

}  // namespace

void Link::searchSpeeds(int portSpeed) {
    QList<int> speeds;
    for (const int speed : options_.searchSpeeds)
        if (speed != portSpeed && !speeds.contains(speed)) speeds << speed;
    QList<int> tried;
    QElapsedTimer clock;
    clock.start();
    struct Restore {
        Link& link;
        ~Restore() {
            link.maxSends_ = link.options_.maxSends;
            link.replyLimitMs_ = link.options_.replyTimeoutMs;
        }
    } restore{*this};
    for (qsizetype i = 0; i < speeds.size(); ++i) {
        // What is left of the time is shared among the speeds still to try.
        const qint64 left = options_.speedSearchMs - clock.elapsed();
        const int wait = int(std::min<qint64>(options_.probeReplyTimeoutMs, left / (speeds.size() - i)));
        if (wait <= 0) break;
        transport_.open(comPort_);
        if (!transport_.setSpeed(speeds[i])) break;
        tried << speeds[i];
        decoder_.reset();
        maxSends_ = 1;
        replyLimitMs_ = wait;
        try {
            exchange(options_.syncCommand, options_.syncFields);
        } catch (const DriverError& e) {
            if (!notHere(e)) {
                transport_.close();
                throw;
            }
            continue;
        }
        const QString port = transport_.label();
        transport_.close();
        // No second request at a foreign speed: an answer in the other brand's way is told as such.
        if (command_.ackSeen != options_.printerAcks)
            throw link_error::otherProtocol(QStringLiteral("%1 a %2 baudios").arg(port).arg(speeds[i]), options_.brand, command_.ackSeen);
        link_trace::note(port, QStringLiteral("responde a %1 baudios, no a %2").arg(speeds[i]).arg(portSpeed));
        throw link_error::OtherSpeed(comPort_, port, speeds[i], portSpeed, options_.speedCommand != 0);
    }
    transport_.close();
    throw link_error::noAnswer(transport_.label(), portSpeed, tried);
}

void Link::openAt(int comPort, int baud) {
    openPort(comPort);
    if (transport_.speed() != baud && !transport_.setSpeed(baud)) {
        transport_.close();
        throw link_error::speedRefused(transport_.label(), baud);
    }
}
