#include "options.h"

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

using named_case::PrintTo;

TEST(Options, EveryOptionIsRead) {
    QString error;
    const auto o = parseOptions({"--brand", "hasar", "--model", "7", "--link", "/tmp/com1", "--paper", "p.txt", "--state",
                                 "s.json", "--not-initialised", "--module-closed", "--baud", "9600", "--fault",
                                 "busy,cmd=39,seconds=2.5,after=1,times=0", "--fault", "buffer-full,times=2",
                                 "--resend-ms", "50", "--z-capacity", "30"},
                                &error);
    ASSERT_TRUE(o) << error.toStdString();
    EXPECT_EQ(o->model, 7);
    EXPECT_EQ(o->link, "/tmp/com1");
    EXPECT_EQ(o->paper, "p.txt");
    EXPECT_EQ(o->state, "s.json");
    EXPECT_TRUE(o->notInitialised);
    EXPECT_TRUE(o->moduleClosed);
    EXPECT_EQ(o->baud, 9600);
    ASSERT_EQ(o->faults.size(), 2);
    EXPECT_EQ(o->faults[0].kind, sim::Fault::Kind::Busy);
    EXPECT_EQ(o->faults[0].command, 0x39);
    EXPECT_EQ(o->faults[0].milliseconds, 2500);
    EXPECT_EQ(o->faults[0].after, 1);
    EXPECT_EQ(o->faults[0].times, 0);
    EXPECT_EQ(o->faults[1].kind, sim::Fault::Kind::BufferFull);
    EXPECT_EQ(o->faults[1].times, 2);
    EXPECT_EQ(o->resendMs, 50);
    EXPECT_EQ(o->zCapacity, 30);
}

TEST(Options, ConditionsAreReadForThePrintersThatHaveThem) {
    QString error;
    const auto epson = parseOptions({"--brand", "epson", "--battery-low", "--z-due"}, &error);
    ASSERT_TRUE(epson) << error.toStdString();
    EXPECT_TRUE(epson->batteryLow);
    EXPECT_TRUE(epson->zDue);
    // The option may come before the model it needs.
    const auto slip = parseOptions({"--blocked", "--model", "7"}, &error);
    ASSERT_TRUE(slip) << error.toStdString();
    EXPECT_TRUE(slip->blocked);
}

TEST(Options, TheSecondGenerationListensWithItsOwnFaults) {
    QString error;
    const auto o = parseOptions({"--brand", "hasar-2g", "--listen", "127.0.0.1:0", "--user", "tecnico", "--password", "",
                                 "--state", "s.json", "--z-capacity", "40", "--fault", "busy,cmd=CerrarDocumento,polls=3,after=1",
                                 "--fault", "slow,seconds=0.25"},
                                &error);
    ASSERT_TRUE(o) << error.toStdString();
    EXPECT_TRUE(o->secondGeneration);
    EXPECT_EQ(o->listenAddress, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(o->listenPort, 0);
    EXPECT_EQ(o->user, QStringLiteral("tecnico"));
    EXPECT_TRUE(o->password.isEmpty());
    ASSERT_EQ(o->networkFaults.size(), 2);
    EXPECT_EQ(o->networkFaults[0].kind, sim::hasar2g::Fault::Kind::Busy);
    EXPECT_EQ(o->networkFaults[0].command, QStringLiteral("CerrarDocumento"));
    EXPECT_EQ(o->networkFaults[0].polls, 3);
    EXPECT_EQ(o->networkFaults[0].after, 1);
    EXPECT_EQ(o->networkFaults[1].milliseconds, 250);
    EXPECT_TRUE(o->faults.isEmpty());
    const auto v6 = parseOptions({"--brand", "hasar-2g", "--listen", "[::1]:8080"}, &error);
    ASSERT_TRUE(v6) << error.toStdString();
    EXPECT_EQ(v6->listenPort, 8080);
}

struct BadCase {
    const char* name;
    QStringList arguments;
};

class BadOptions : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadOptions, AreRefusedWithAReason) {
    QString error;
    EXPECT_FALSE(parseOptions(GetParam().arguments, &error));
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, BadOptions,
    ::testing::Values(BadCase{"UnknownOption", {"--colour"}}, BadCase{"MissingValue", {"--state"}},
                      BadCase{"UnknownBrand", {"--brand", "olivetti"}}, BadCase{"ModelZero", {"--model", "0"}},
                      BadCase{"ModelTen", {"--model", "10"}}, BadCase{"BaudNotANumber", {"--baud", "fast"}},
                      BadCase{"EmptyPath", {"--paper", ""}}, BadCase{"BadFault", {"--fault", "busy,seconds=-1"}},
                      BadCase{"ResendTooOften", {"--resend-ms", "0"}}, BadCase{"ZCapacityZero", {"--z-capacity", "0"}},
                      BadCase{"ZCapacityBeyondTheMemory", {"--z-capacity", "10001"}},
                      BadCase{"FullBufferOnEpson", {"--brand", "epson", "--fault", "buffer-full"}},
                      BadCase{"ResendOnEpson", {"--brand", "epson", "--resend-ms", "500"}},
                      BadCase{"BatteryLowOnHasar", {"--brand", "hasar", "--battery-low"}},
                      BadCase{"ZDueOnHasar", {"--z-due"}},
                      BadCase{"BlockedOnEpson", {"--brand", "epson", "--model", "8", "--blocked"}},
                      BadCase{"BlockedOnATicketHasar", {"--model", "9", "--blocked"}},
                      BadCase{"SecondGenerationWithoutListen", {"--brand", "hasar-2g"}},
                      BadCase{"ListenWithoutPort", {"--brand", "hasar-2g", "--listen", "127.0.0.1"}},
                      BadCase{"ListenOnAHostName", {"--brand", "hasar-2g", "--listen", "localhost:80"}},
                      BadCase{"ListenPortTooHigh", {"--brand", "hasar-2g", "--listen", "127.0.0.1:65536"}},
                      BadCase{"ModelOnTheSecondGeneration", {"--brand", "hasar-2g", "--listen", "127.0.0.1:0", "--model", "8"}},
                      BadCase{"SerialFaultOnTheSecondGeneration", {"--brand", "hasar-2g", "--listen", "127.0.0.1:0", "--fault", "buffer-full"}},
                      BadCase{"FaultOnAnUnknownCommand", {"--brand", "hasar-2g", "--listen", "127.0.0.1:0", "--fault", "reset,cmd=Imprimir"}},
                      BadCase{"NetworkFaultOnASerialPrinter", {"--fault", "reset"}},
                      BadCase{"ListenOnASerialPrinter", {"--listen", "127.0.0.1:0"}},
                      BadCase{"PasswordWithoutUser", {"--brand", "hasar-2g", "--listen", "127.0.0.1:0", "--password", "x"}}),
    named_case::testName);

}  // namespace
