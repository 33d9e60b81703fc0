#include "app/printer_selection.h"
#include "app/conversion_error.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QPushButton>

namespace {

TEST(BrandRule, OnlyEpsonInCharactersSixToTenWithItsCaseIsEpson) {
    for (int i = 0; i < kModelEntries.size(); ++i) EXPECT_EQ(isEpsonEntry(kModelEntries[i]), i == 9) << kModelEntries[i].toStdString();
    EXPECT_TRUE(isEpsonEntry(QStringLiteral("11 - Epson TM")));
    EXPECT_TRUE(isEpsonEntry(QStringLiteral("xxxxxEpson")));
    EXPECT_FALSE(isEpsonEntry(QStringLiteral("10 - epson")));
    EXPECT_FALSE(isEpsonEntry(QStringLiteral("10 -Epson")));
    EXPECT_FALSE(isEpsonEntry(QStringLiteral("Epson")));
    EXPECT_FALSE(isEpsonEntry(QString()));
}

TEST(ModelNumbers, ComeFromTheStartOfTheEntry) {
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(hasarModelNumber(kModelEntries[i]), i + 1);
        EXPECT_EQ(printerModel(kModelEntries[i]), i + 1);
    }
    EXPECT_EQ(printerModel(kModelEntries[9]), 10);
    EXPECT_EQ(hasarModelNumber(kModelEntries[9]), 1);  // its first character only
    EXPECT_EQ(printerModel(QStringLiteral("Hasar")), 0);
    EXPECT_THROW(hasarModelNumber(QStringLiteral("Hasar")), ConversionError);
    EXPECT_THROW(hasarModelNumber(QString()), ConversionError);
}

TEST(PortNumbers, ComeFromTheLeadingNumberOfThePortText) {
    EXPECT_EQ(portValue(QStringLiteral(" 3")), 3);
    EXPECT_EQ(portValue(QStringLiteral("COM3")), 0);
    EXPECT_EQ(portValue(QString()), 0);
    EXPECT_EQ(portValue(QStringLiteral("2.5")), 2.5);
}

using Selection = WindowTest;

TEST_F(Selection, PortThreeReachesEitherDriverAsThree) {
    selectPort(QStringLiteral(" 3"));
    click(w().btnX);
    selectModel(QStringLiteral("10 - Epson"));
    click(w().btnX);
    EXPECT_EQ(calls().first(), QStringLiteral("ComPort(3)"));
    EXPECT_TRUE(calls().contains(QStringLiteral("PortNumber(3)")));
}

TEST_F(Selection, APortTextWithoutNumberWritesPortZero) {
    selectPort(QStringLiteral("COM1"));
    click(w().btnX);
    EXPECT_EQ(calls().first(), QStringLiteral("ComPort(0)"));
}

TEST_F(Selection, APortBeyondSixteenBitsEndsTheEpsonPathWithOverflow) {
    selectModel(QStringLiteral("10 - Epson"));
    selectPort(QStringLiteral("40000"));
    click(w().btnX);
    ASSERT_EQ(calls().size(), 1);
    EXPECT_EQ(calls().first(), QStringLiteral("Msg(16,\"El sistema detectó el error Nº 6 ''Overflow''\")"));
}

TEST_F(Selection, AModelTextNotStartingWithADigitEndsTheHasarPathWithTypeMismatch) {
    selectModel(QStringLiteral("Hasar 615"));
    click(w().btnX);
    EXPECT_EQ(calls(), QStringList({QStringLiteral("ComPort(1)"),
                                    QStringLiteral("Msg(16,\"El sistema detectó el error Nº 13 ''Type mismatch''\")")}));
}

TEST_F(Selection, ATypedTextWithEpsonInPlaceSelectsTheEpsonDriver) {
    selectModel(QStringLiteral("99 - Epson Nueva"));
    click(w().btnX);
    EXPECT_EQ(calls().first(), QStringLiteral("PortNumber(1)"));
}

}  // namespace
