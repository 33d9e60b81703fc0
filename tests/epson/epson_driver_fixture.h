#pragma once

#include "support/driver_error_of.h"
#include "drivers/epson/epson_driver.h"
#include "drivers/error_numbers.h"
#include "link/link_test_support.h"
#include "link/scripted_printer.h"

#include <gtest/gtest.h>

// An Epson driver on COM1 talking to a scripted printer, with time limits short enough for tests
// and the sequence numbers starting at 0x20 (the opening status request takes it).
class EpsonDriverTest : public ::testing::Test {
protected:
    static LinkOptions fastEpson() {
        LinkOptions o = epsonLinkOptions();
        const LinkOptions fast = fastLinkOptions(o.printerAcks);
        o.replyTimeoutMs = fast.replyTimeoutMs;
        o.firstSeq = fast.firstSeq;
        return o;
    }

    void SetUp() override { driver.PortNumber(1); }

    // Answers every command with these status words and data fields.
    void answerWith(QList<QByteArray> fields) {
        printer.answer = [fields](const frame::Frame&) { return fields; };
    }

    // The error number a call raises, 0 when it raises none; the description is kept.
    int errorOf(const std::function<void()>& call) {
        return driverErrorOf(call, &description);
    }

    ScriptedPrinter printer{false};
    EpsonDriver driver{printer, fastEpson()};
    QString description;
};
