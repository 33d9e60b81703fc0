#include "drivers/error_numbers.h"
#include "hasar/hasar_fixture.h"

namespace {

using Fault = ScriptedPrinter::Fault;

TEST_F(HasarTest, RespuestaZeroIsTheWholeAnswerFromThePrinterStatusOn) {
    begin();
    answerWith({"0080", "0600", "1825", "0012"});
    driver->QueryDailyStatus();
    EXPECT_EQ(driver->Respuesta(0), QStringLiteral("0080\x1C" "0600\x1C" "1825\x1C" "0012"));
    EXPECT_EQ(driver->Respuesta(1), QStringLiteral("0080"));
    EXPECT_EQ(driver->Respuesta(2), QStringLiteral("0600"));
    EXPECT_EQ(driver->Respuesta(3), QStringLiteral("1825"));
    EXPECT_EQ(driver->Respuesta(4), QStringLiteral("0012"));
    EXPECT_EQ(driver->Respuesta(5), QString());
    EXPECT_EQ(driver->Respuesta(-1), QString());
}

TEST_F(HasarTest, AnswerTextsAreReadInThePrintersCodePage) {
    begin();
    answerWith({"0080", "0600", "20123456789", "PE\xA5" "A S.A.", "FAB0001", "260101", "0003"});
    driver->QueryInitData();
    EXPECT_EQ(driver->Respuesta(4), QStringLiteral("PEÑA S.A."));
    EXPECT_EQ(driver->Respuesta(7), QStringLiteral("0003"));
}

TEST_F(HasarTest, QueryStatusCopiesTheCreditNotesToFieldsThirteenAndFourteen) {
    begin();
    answerWith({"0080", "0600", "00000012", "0000", "00000034", "0000", "00000056", "00000078", "00000009"});
    driver->QueryStatus();
    EXPECT_EQ(driver->Respuesta(3), QStringLiteral("00000012"));
    EXPECT_EQ(driver->Respuesta(5), QStringLiteral("00000034"));
    EXPECT_EQ(driver->Respuesta(13), QStringLiteral("00000056"));
    EXPECT_EQ(driver->Respuesta(14), QStringLiteral("00000078"));
    EXPECT_EQ(driver->Respuesta(9), QStringLiteral("00000009"));
    EXPECT_EQ(driver->Respuesta(10), QString());
    EXPECT_EQ(driver->Respuesta(15), QString());
}

TEST_F(HasarTest, ATicketModelsThreeFieldStatusIsAGoodAnswer) {
    begin();
    answerWith({"0080", "0600", "00000012", "0002", "00000034"});
    EXPECT_EQ(errorOf([&] { driver->QueryStatus(); }), 0);
    EXPECT_EQ(driver->Respuesta(5), QStringLiteral("00000034"));
    EXPECT_EQ(driver->Respuesta(13), QString());
    EXPECT_EQ(driver->Respuesta(14), QString());
}

TEST_F(HasarTest, OnlyQueryStatusGetsTheCopies) {
    begin();
    answerWith({"0080", "0600", "1", "2", "3", "4", "5", "6"});
    driver->QueryDayActivity();
    EXPECT_EQ(driver->Respuesta(13), QString());
    EXPECT_EQ(driver->Respuesta(0).count(QLatin1Char('\x1C')), 7);
}

TEST_F(HasarTest, TheAnswerOutlivesOtherCommandsButNotAFailedQuery) {
    begin();
    answerWith({"0080", "0600", "1825", "0012"});
    driver->QueryDailyStatus();
    answerWith({"0080", "0600", "0099"});
    driver->PrintZReport();
    EXPECT_EQ(driver->Respuesta(4), QStringLiteral("0012"));
    for (int i = 0; i < 3; ++i) printer->inject(Fault::Silent);
    EXPECT_EQ(errorOf([&] { driver->QueryDailyStatus(); }), error_number::kNoAnswer);
    EXPECT_EQ(driver->Respuesta(0), QString());
    EXPECT_EQ(driver->Respuesta(4), QString());
}

}  // namespace
