// The 2G Hasar's --fault text: its own kinds, commands by name and polls, over the settings every
// virtual printer's fault shares.

#include <sim/hasar2g/faults.h>

#include <gtest/gtest.h>

namespace {

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

// Each refusal names the setting at fault, or the kinds and settings there are.
TEST(Hasar2gFaultText, IsRefusedWithAReason) {
    const struct {
        const char* text;
        const char* reasonHas;
    } rows[] = {
        {"nak-request", "reset, slow, busy"},  // a first-generation kind
        {"drop-reply,cmd=39", "'cmd'"},        // a command by its code
        {"slow,cmd=ImprimirTodo", "'cmd'"},
        {"busy,colour=red", "seconds, polls"},
        {"busy,polls=-1", "'polls'"},
        {"busy,polls=1000001", "'polls'"},
        {"reset,after=-1", "'after'"},
        {"slow,seconds=99999", "'seconds'"},
        {"slow,seconds=inf", "'seconds'"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        QString error;
        EXPECT_FALSE(Fault::parse(QString::fromLatin1(row.text), &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(row.reasonHas))) << error.toStdString();
    }
}

}  // namespace
