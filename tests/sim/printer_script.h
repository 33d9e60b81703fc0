#pragma once

#include <sim/virtual_printer.h>

#include <drivers/link/frame.h>

#include <QList>

// One command of a script a test plays to a virtual printer.
struct ScriptCommand {
    quint8 code;
    QList<QByteArray> fields;
};

// Plays the commands in frames a minute apart, each acknowledged as a driver does: a Hasar takes
// nothing more until then.
inline void play(sim::VirtualPrinter& printer, const QList<ScriptCommand>& commands) {
    qint64 now = 1'780'000'000'000;
    quint8 seq = frame::kSeqFirst;
    for (const ScriptCommand& command : commands) {
        printer.receive(frame::encode(frame::make(seq, command.code, command.fields)), now);
        now += 60'000;
        printer.link().takeDue(now);
        printer.receive(QByteArray(1, frame::ACK), now);
        seq = frame::nextSeq(seq);
    }
}
