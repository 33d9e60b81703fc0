#include "drivers/error_numbers.h"
#include "hasar/hasar_fixture.h"

namespace {

QByteArray status(int fiscalBits) {
    return QByteArray::number(fiscalBits, 16).toUpper().rightJustified(4, '0');
}

class HasarCancelAll : public HasarTest {
protected:
    // The status request reports these fiscal status bits; the commands listed are refused.
    void printerState(int fiscalBits, QList<quint8> refused) {
        printer->answer = [fiscalBits, refused](const frame::Frame& f) -> QList<QByteArray> {
            if (f.command == 0x2A) return {"0080", status(fiscalBits)};
            if (refused.contains(f.command)) return {"0080", "0620"};
            return {"0080", "0600"};
        };
    }
};

TEST_F(HasarCancelAll, WithNothingOpenOnlyAsks) {
    begin();
    printerState(0x0600, {});
    driver->CancelAll();
    EXPECT_EQ(commandsSent(), QList<quint8>{0x2A});
}

TEST_F(HasarCancelAll, CancelsAnOpenDocument) {
    for (int openBits : {0x1000, 0x2000, 0x3000}) {
        begin();
        printerState(0x0600 | openBits, {});
        driver->CancelAll();
        EXPECT_EQ(commandsSent(), (QList<quint8>{0x2A, 0x98})) << openBits;
    }
}

TEST_F(HasarCancelAll, ClosesTheDocumentWhenCancelIsRefusedAfterAPayment) {
    begin();
    printerState(0x1600, {0x98});
    driver->CancelAll();
    EXPECT_EQ(commandsSent(), (QList<quint8>{0x2A, 0x98, 0x45}));
}

TEST_F(HasarCancelAll, TriesEachCloseUntilOneFits) {
    begin();
    printerState(0x2600, {0x98, 0x45});
    driver->CancelAll();
    EXPECT_EQ(commandsSent(), (QList<quint8>{0x2A, 0x98, 0x45, 0x81}));
}

TEST_F(HasarCancelAll, ReportsTheRefusedCancelWhenNoCloseFits) {
    begin();
    printerState(0x2600, {0x98, 0x45, 0x81, 0x4A});
    EXPECT_EQ(errorOf([&] { driver->CancelAll(); }), error_number::kPrinterRefused);
    EXPECT_TRUE(lastError.contains(QStringLiteral("0x98")));
    EXPECT_EQ(commandsSent(), (QList<quint8>{0x2A, 0x98, 0x45, 0x81, 0x4A}));
}

TEST_F(HasarCancelAll, AFaultyPrinterIsReportedWithoutCancelling) {
    begin();
    printer->answer = [](const frame::Frame&) { return QList<QByteArray>{"0100", "1600"}; };
    EXPECT_EQ(errorOf([&] { driver->CancelAll(); }), error_number::kPrinterFault);
    EXPECT_EQ(commandsSent(), QList<quint8>{0x2A});
}

}  // namespace
