#include "drivers/error_numbers.h"
#include "hasar/hasar_fixture.h"

#include <QTimer>

namespace {

using Fault = ScriptedPrinter::Fault;

TEST_F(HasarTest, BeginSessionOpensTheChosenPortAndSynchronisesEvenWhenTheStatusRefuses) {
    answerWith({"0000", "0020"});
    driver->ComPort(3);
    driver->BeginSession();
    EXPECT_TRUE(printer->isOpen());
    EXPECT_EQ(printer->label(), QStringLiteral("COM3 (simulado)"));
    EXPECT_EQ(commandsSent(), QList<quint8>{0x2A});
}

TEST_F(HasarTest, BeginSessionClosesASessionLeftOpen) {
    begin();
    driver->BeginSession();
    EXPECT_EQ(printer->opens, 2);
    EXPECT_TRUE(printer->isOpen());
}

TEST_F(HasarTest, FinalizarClosesThePortAndLaterCommandsNeedANewSession) {
    begin();
    driver->Finalizar();
    EXPECT_FALSE(printer->isOpen());
    EXPECT_EQ(errorOf([&] { driver->PrintXReport(); }), error_number::kPortNotOpen);
    driver->BeginSession();
    EXPECT_EQ(errorOf([&] { driver->PrintXReport(); }), 0);
}

TEST_F(HasarTest, APortThatWillNotOpenIsTheSessionsError) {
    printer->openError = DriverError(error_number::kPortMissing, QStringLiteral("No se pudo abrir el puerto COM1"));
    driver->ComPort(1);
    EXPECT_EQ(errorOf([&] { driver->BeginSession(); }), error_number::kPortMissing);
    EXPECT_TRUE(printer->written.isEmpty());
}

TEST_F(HasarTest, AbortStopsTheWaitAndEverythingAfterIt) {
    begin();
    printer->inject(Fault::Silent);
    QTimer::singleShot(20, [&] { driver->abort(); });
    EXPECT_EQ(errorOf([&] { driver->PrintZReport(); }), error_number::kAborted);
    const QByteArray sent = printer->written;
    EXPECT_EQ(errorOf([&] { driver->CancelAll(); }), error_number::kAborted);
    EXPECT_EQ(errorOf([&] { driver->BeginSession(); }), error_number::kAborted);
    EXPECT_EQ(printer->written, sent);
}

}  // namespace
