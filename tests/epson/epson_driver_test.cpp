#include "epson_driver_fixture.h"
#include "support/named_case.h"

namespace {

using Fault = ScriptedPrinter::Fault;

constexpr const char* kIdle = "0600";

const QList<QByteArray> kNormalAnswer{"0080", kIdle, "00000123", "240115", "093000", "00042",
                                      "00001234", "00005678", "EPSONAR001", "AB"};

// --- The port -------------------------------------------------------------------------------

TEST_F(EpsonDriverTest, ThePortOpensAtTheFirstCommandAndStaysOpen) {
    EXPECT_EQ(printer.opens, 0);
    driver.CutPaper();
    driver.CutPaper();
    driver.PortNumber(1);
    driver.CutPaper();
    EXPECT_EQ(printer.opens, 1);
    // One synchronising status request, then the three cuts.
    ASSERT_EQ(printer.seen.size(), 4);
    EXPECT_EQ(printer.seen[0], frame::make(0x20, 0x2A, {"N"}));
}

TEST_F(EpsonDriverTest, AnotherPortNumberReopensAtTheNextCommand) {
    driver.CutPaper();
    driver.PortNumber(2);
    EXPECT_FALSE(printer.isOpen());
    driver.CutPaper();
    EXPECT_EQ(printer.opens, 2);
    EXPECT_EQ(printer.label(), QStringLiteral("COM2 (simulado)"));
}

TEST_F(EpsonDriverTest, ALinkErrorClosesThePortAndTheNextCommandReopensIt) {
    driver.CutPaper();
    for (int i = 0; i < 3; ++i) printer.inject(Fault::Silent);
    EXPECT_EQ(errorOf([&] { driver.CutPaper(); }), error_number::kNoAnswer);
    EXPECT_EQ(description, QStringLiteral("El impresor fiscal no responde en COM1 (simulado) a 9600 baudios, 8N1: revise que esté encendido, el cable y el adaptador, y que el modelo y el puerto elegidos sean los del impresor"));
    EXPECT_FALSE(printer.isOpen());
    driver.CutPaper();
    EXPECT_EQ(printer.opens, 2);
}

TEST_F(EpsonDriverTest, APortThatWillNotOpenIsAnErrorEveryTime) {
    printer.openError = DriverError(error_number::kPortMissing, QStringLiteral("No se pudo abrir el puerto COM1"));
    EXPECT_EQ(errorOf([&] { driver.CutPaper(); }), error_number::kPortMissing);
    EXPECT_EQ(errorOf([&] { driver.StatusRequest("N"); }), error_number::kPortMissing);
    EXPECT_TRUE(printer.written.isEmpty());
}

TEST_F(EpsonDriverTest, AnUnreadableReplyIsAnErrorAndForcesANewSynchronisation) {
    driver.CutPaper();
    printer.answer = [](const frame::Frame& f) {
        return f.command == 0x4B ? QList<QByteArray>{"0080", "06x0"} : QList<QByteArray>{"0080", kIdle};
    };
    EXPECT_EQ(errorOf([&] { driver.CutPaper(); }), error_number::kBadReply);
    EXPECT_TRUE(description.contains(QStringLiteral("0x4B")));
    EXPECT_FALSE(printer.isOpen());
}

// --- Status words ----------------------------------------------------------------------------

struct StatusCase {
    const char* name;
    QByteArray printer, fiscal;
    int number;  // 0: no error
};

class CommandStatus : public EpsonDriverTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(CommandStatus, DecidesWhetherTheCommandFailed) {
    answerWith({GetParam().printer, GetParam().fiscal, "00000007"});
    EXPECT_EQ(errorOf([&] { driver.OpenTicket(); }), GetParam().number) << description.toStdString();
    const int n = GetParam().number;
    if (n == error_number::kPrinterRefused || n == error_number::kPrinterFault) {
        EXPECT_TRUE(description.startsWith(QStringLiteral("El impresor rechazó el comando 0x40: ")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, CommandStatus,
    ::testing::Values(StatusCase{"Accepted", "0080", "0600", 0},
                      StatusCase{"WrongState", "0080", "8620", error_number::kPrinterRefused},
                      StatusCase{"OutOfPaper", "C080", "0600", error_number::kPrinterFault},
                      StatusCase{"UnreadableWords", "0080", "06000", error_number::kBadReply}),
    named_case::testName);

// --- The cancelling payment -----------------------------------------------------------------

struct CancelCase {
    const char* name;
    QByteArray printer, fiscal;
    bool raises;
};

class Cancel : public EpsonDriverTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(Cancel, IsAnErrorOnlyWhenSomethingWasLeftUncancelled) {
    answerWith({GetParam().printer, GetParam().fiscal});
    EXPECT_EQ(errorOf([&] { driver.TicketPayment("", "0", "C"); }) != 0, GetParam().raises) << description.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Words, Cancel,
    ::testing::Values(CancelCase{"TicketCancelled", "0080", "0600", false},
                      CancelCase{"NothingOpen", "0080", "8620", false},
                      CancelCase{"TicketInvoiceOpen", "0080", "B620", true},
                      CancelCase{"OutOfPaper", "C080", "8620", true}),
    named_case::testName);

TEST_F(EpsonDriverTest, ACancelRefusedByAnOpenTicketInvoiceCancelsItWithTheInvoicePayment) {
    QList<quint8> commands;
    printer.answer = [&](const frame::Frame& f) -> QList<QByteArray> {
        commands << f.command;
        if (f.command == 0x44) return {"0080", "B620"};  // a ticket-invoice is open
        return {"0080", "0600"};
    };
    EXPECT_EQ(errorOf([&] { driver.TicketPayment("", "0", "C"); }), 0) << description.toStdString();
    ASSERT_GE(commands.size(), 2);
    EXPECT_EQ(commands.mid(commands.size() - 2), (QList<quint8>{0x44, 0x64}));
}

TEST_F(EpsonDriverTest, ACancelRefusedByBothPaymentCommandsReportsTheTicketInvoiceRefusal) {
    QList<quint8> commands;
    printer.answer = [&](const frame::Frame& f) -> QList<QByteArray> {
        commands << f.command;
        return {"0080", f.command == 0x2A ? QByteArray("0600") : QByteArray("B620")};
    };
    EXPECT_EQ(errorOf([&] { driver.TicketPayment("", "0", "C"); }), error_number::kPrinterRefused);
    // The ticket-invoice's own refusal is the reason the document stays open.
    EXPECT_TRUE(description.contains(QStringLiteral("0x64"))) << description.toStdString();
    EXPECT_EQ(commands.last(), 0x64);
}

TEST_F(EpsonDriverTest, APaymentRefusedForTheStateIsAnErrorWhenItIsNotTheCancel) {
    answerWith({"0080", "8620"});
    EXPECT_EQ(errorOf([&] { driver.TicketPayment("EFECTIVO", "1", "T"); }), error_number::kPrinterRefused);
}

// --- Status requests and the answer properties -----------------------------------------------

TEST_F(EpsonDriverTest, AnAcceptedStatusRequestFillsTheAnswerProperties) {
    answerWith(kNormalAnswer);
    ASSERT_TRUE(driver.StatusRequest("N"));
    EXPECT_EQ(driver.Answer0B(), QStringLiteral("EPSONAR001"));
    EXPECT_EQ(driver.Answer0E(), QStringLiteral("00042"));
    EXPECT_EQ(driver.Answer10(), QStringLiteral("240115"));
    EXPECT_EQ(driver.Answer11(), QStringLiteral("00000123"));
}

struct RefusedRequestCase {
    const char* name;
    QList<QByteArray> answer;
};

class StatusRequestRefused : public EpsonDriverTest, public ::testing::WithParamInterface<RefusedRequestCase> {};

TEST_P(StatusRequestRefused, ReturnsFalseAndKeepsThePreviousAnswer) {
    answerWith(kNormalAnswer);
    ASSERT_TRUE(driver.StatusRequest("N"));
    answerWith(GetParam().answer);
    EXPECT_FALSE(driver.StatusRequest("C"));
    EXPECT_EQ(driver.Answer0B(), QStringLiteral("EPSONAR001"));
    EXPECT_EQ(driver.Answer0E(), QStringLiteral("00042"));
    EXPECT_EQ(driver.Answer10(), QStringLiteral("240115"));
    EXPECT_EQ(driver.Answer11(), QStringLiteral("00000123"));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, StatusRequestRefused,
    ::testing::Values(RefusedRequestCase{"UnknownCommand", {"0080", "8608", "30712345671", "0001"}},
                      RefusedRequestCase{"InvalidField", {"0080", "8610"}},
                      RefusedRequestCase{"WrongState", {"0080", "8620"}},
                      RefusedRequestCase{"MemoryFailed", {"0080", "8601", "30712345671"}},
                      RefusedRequestCase{"StatusOnly", {"0080", kIdle}},
                      RefusedRequestCase{"UnreadableWords", {"0080", "0G00", "30712345671"}},
                      RefusedRequestCase{"NoFieldsAtAll", {}}),
    named_case::testName);

TEST_F(EpsonDriverTest, AStatusAnswerWithPaperOutStillHoldsTheCounters) {
    answerWith({"C080", kIdle, "00042", "00000123", "00000123", "00000077"});
    ASSERT_TRUE(driver.StatusRequest("A"));
    EXPECT_EQ(driver.Answer0E(), QStringLiteral("00000077"));
    EXPECT_EQ(driver.Answer10(), QStringLiteral("00000123"));
    EXPECT_EQ(driver.Answer11(), QStringLiteral("00042"));
    EXPECT_EQ(driver.Answer0B(), QString());
}

TEST_F(EpsonDriverTest, AStatusRequestWithNoAnswerRaisesRatherThanShowingOldData) {
    driver.CutPaper();
    for (int i = 0; i < 3; ++i) printer.inject(Fault::Silent);
    EXPECT_EQ(errorOf([&] { driver.StatusRequest("N"); }), error_number::kNoAnswer);
}

// --- Reading the clock -----------------------------------------------------------------------

// Reading ("G") writes the answer back; setting ("S") leaves the arguments alone; an answer
// without both date and time is an error that changes nothing.
TEST_F(EpsonDriverTest, TheClockCallWritesBackOnlyAFullAnswerToARead) {
    struct Case {
        const char* mode;
        QList<QByteArray> answer;
        int error;
        QString date, time, dateAfter, timeAfter;
    };
    const QList<Case> cases = {
        {"G", {"0080", kIdle, "261208", "101500"}, 0, "x", "y", "261208", "101500"},
        {"S", {"0080", kIdle, "261208", "101500"}, 0, "240115", "093000", "240115", "093000"},
        {"G", {"0080", kIdle, "261208"}, error_number::kBadReply, "x", "y", "x", "y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.answer.size()));
        answerWith(c.answer);
        QString date = c.date, time = c.time;
        EXPECT_EQ(errorOf([&] { driver.SetDateTime(c.mode, date, time); }), c.error);
        EXPECT_EQ(date, c.dateAfter);
        EXPECT_EQ(time, c.timeAfter);
    }
}

}  // namespace
