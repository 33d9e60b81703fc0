// The 2G Hasar's --fault text: its own kinds, commands by name and polls, over the settings every
// virtual printer's fault shares.

#include "support/named_case.h"

#include <sim/hasar2g/faults.h>

#include <gtest/gtest.h>

namespace {

using named_case::PrintTo;
using sim::hasar2g::Fault;

TEST(Hasar2gFaultText, ReadsEverySetting) {
    QString error;
    const auto f = Fault::parse(QStringLiteral("busy,cmd=CerrarJornadaFiscal,after=2,times=0,polls=5,seconds=0.25"), &error);
    ASSERT_TRUE(f) << error.toStdString();
    EXPECT_EQ(f->kind, Fault::Kind::Busy);
    EXPECT_EQ(f->command, QStringLiteral("CerrarJornadaFiscal"));
    EXPECT_EQ(f->after, 2);
    EXPECT_EQ(f->times, 0);
    EXPECT_EQ(f->polls, 5);
    EXPECT_EQ(f->milliseconds, 250);
}

TEST(Hasar2gFaultText, LeavesWhatIsNotGivenAtItsDefault) {
    QString error;
    const auto f = Fault::parse(QStringLiteral("reset"), &error);
    ASSERT_TRUE(f) << error.toStdString();
    EXPECT_EQ(f->kind, Fault::Kind::Reset);
    EXPECT_FALSE(f->command);
    EXPECT_EQ(f->after, 0);
    EXPECT_EQ(f->times, 1);
    EXPECT_EQ(f->polls, 2);
    EXPECT_EQ(f->milliseconds, 3000);
}

struct BadCase {
    const char* name;
    const char* text;
    const char* reasonHas;
};

class Hasar2gBadFaultText : public ::testing::TestWithParam<BadCase> {};

TEST_P(Hasar2gBadFaultText, IsRefusedWithAReason) {
    QString error;
    EXPECT_FALSE(Fault::parse(QString::fromLatin1(GetParam().text), &error));
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().reasonHas))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, Hasar2gBadFaultText,
    ::testing::Values(BadCase{"FirstGenerationKind", "nak-request", "reset, slow, busy"},
                      BadCase{"CommandByCode", "drop-reply,cmd=39", "'cmd'"},
                      BadCase{"UnknownCommand", "slow,cmd=ImprimirTodo", "'cmd'"},
                      BadCase{"UnknownSetting", "busy,colour=red", "seconds, polls"},
                      BadCase{"NegativePolls", "busy,polls=-1", "'polls'"},
                      BadCase{"EndlessPolls", "busy,polls=1000001", "'polls'"},
                      BadCase{"NegativeAfter", "reset,after=-1", "'after'"},
                      BadCase{"EndlessSlow", "slow,seconds=99999", "'seconds'"},
                      BadCase{"SlowForever", "slow,seconds=inf", "'seconds'"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
