#include "support/driver_error_of.h"
#include "drivers/error_numbers.h"
#include "drivers/hasar/hasar_driver.h"
#include "link/link_test_support.h"
#include "link/scripted_printer.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// A Hasar whose print buffer is full runs nothing and wants the command again: the driver asks
// the status until the buffer empties and sends the command once more with a new number.
TEST(HasarFullBuffer, TheCommandGoesAgainWithANewNumberOnceTheBufferEmpties) {
    const struct {
        const char* name;
        int fullTextReplies;    // replies to the text that report the buffer full
        int fullStatusReplies;  // then status replies that still do; -1: every one
        int error;
        QList<quint8> commands;
    } rows[] = {
        {"empties", 2, 1, 0, {0x49, 0x2A, 0x2A, 0x49, 0x2A, 0x49}},
        {"never empties", 1, -1, error_number::kBufferStillFull, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto owned = std::make_unique<ScriptedPrinter>(true);
        ScriptedPrinter& printer = *owned;
        LinkOptions options = fastLinkOptions(true);
        options.commandLimitMs = 500;
        HasarDriver driver(std::move(owned), options);
        driver.ComPort(1);
        driver.BeginSession();
        printer.seen.clear();
        int texts = 0;
        int statuses = 0;
        printer.answer = [&](const frame::Frame& f) -> QList<QByteArray> {
            const bool full = f.command == 0x49 ? ++texts <= row.fullTextReplies
                                                : row.fullStatusReplies < 0 || ++statuses <= row.fullStatusReplies;
            return {full ? "0040" : "0080", "0600"};
        };
        QString why;
        EXPECT_EQ(driverErrorOf([&] { driver.PrintNonFiscalText(QStringLiteral("linea")); }, &why), row.error)
            << why.toStdString();
        QList<quint8> commands;
        QList<quint8> textSeqs;
        for (const frame::Frame& f : printer.seen) {
            commands << f.command;
            if (f.command == 0x49) textSeqs << f.seq;
        }
        if (row.error == 0) {
            EXPECT_EQ(commands, row.commands);
            EXPECT_EQ(QSet<quint8>(textSeqs.begin(), textSeqs.end()).size(), textSeqs.size());
        } else {
            EXPECT_EQ(commands.count(0x49), 1);
            EXPECT_TRUE(why.contains(QStringLiteral("sigue lleno"))) << why.toStdString();
            EXPECT_TRUE(why.contains(QStringLiteral("el comando 0x49 no se ejecutó"))) << why.toStdString();
        }
    }
}

}  // namespace
