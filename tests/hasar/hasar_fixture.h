#pragma once

#include "support/driver_error_of.h"
#include "drivers/hasar/hasar_driver.h"
#include "link/link_test_support.h"
#include "link/scripted_printer.h"

#include <gtest/gtest.h>
#include <memory>

// A Hasar driver wired to a scripted Hasar printer with fast time limits; sequence numbers
// start at 0x20, which the session's status request takes.
class HasarTest : public ::testing::Test {
protected:
    HasarTest() {
        auto printerOwned = std::make_unique<ScriptedPrinter>(true);
        printer = printerOwned.get();
        driver = std::make_unique<HasarDriver>(std::move(printerOwned), fastLinkOptions(true));
    }

    // ComPort 1, the model, BeginSession; then forgets what the session's start sent.
    void begin(int model = 2) {
        driver->ComPort(1);
        driver->Model(model);
        driver->BeginSession();
        printer->seen.clear();
        printer->executed.clear();
        printer->written.clear();
    }

    // The printer answers every command with these status words and data fields.
    void answerWith(QList<QByteArray> fields) {
        printer->answer = [fields](const frame::Frame&) { return fields; };
    }

    QList<quint8> commandsSent() const {
        QList<quint8> out;
        for (const frame::Frame& f : printer->seen) out << f.command;
        return out;
    }

    // The error number a call raises, 0 when it raises none.
    int errorOf(const std::function<void()>& call) {
        return driverErrorOf(call, &lastError);
    }

    ScriptedPrinter* printer = nullptr;
    std::unique_ptr<HasarDriver> driver;
    QString lastError;
};
