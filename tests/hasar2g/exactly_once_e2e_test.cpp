// A document's command whose reply is lost is never sent again blindly: the driver reads the
// printer's ConsultarEstado and tells what became of the document. Each cell injects one fault in
// the virtual 2G Hasar, runs an operation, then lets the technician carry on (cancel what is left
// open, print one more tique) and checks the printer's record and its roll: never a duplicate.

#include "driver_2g_fixture.h"
#include "support/named_case.h"

#include "drivers/error_numbers.h"

#include <QRegularExpression>
#include <QSet>
#include <QThread>

namespace {

using namespace error_number;

enum class Operation { Ticket, ZReport };

struct Cell {
    const char* name;
    const char* fault;
    Operation operation;
    int error;              // 0: the operation ends well
    const char* saying;     // part of the message
    int issuedAtEnd;        // tiques issued, after the technician's next tique
    int cancelledAtEnd;     // tiques cancelled
    int zReports;           // Z reports on the roll
};

const Cell kCells[] = {
    {"CloseReplyDropped", "drop-reply,cmd=CerrarDocumento", Operation::Ticket, kIssuedReplyLost, "Se emitió TIQUE Nº 0001-00000001", 2, 0, 0},
    {"CloseReset", "reset,cmd=CerrarDocumento", Operation::Ticket, 0, "", 2, 0, 0},
    {"CloseReplyLate", "slow,cmd=CerrarDocumento,seconds=3", Operation::Ticket, kIssuedReplyLost, "no respondió", 2, 0, 0},
    {"CloseBusy", "busy,cmd=CerrarDocumento,polls=3", Operation::Ticket, 0, "", 2, 0, 0},
    {"ClosePowerCut", "power-cut,cmd=CerrarDocumento,seconds=0.5", Operation::Ticket, kCancelledByPrinter, "el impresor lo canceló", 1, 1, 0},
    {"OpenReplyDropped", "drop-reply,cmd=AbrirDocumento", Operation::Ticket, kNetworkLost, "AbrirDocumento", 1, 1, 0},
    {"OpenReset", "reset,cmd=AbrirDocumento", Operation::Ticket, kNetworkLost, "AbrirDocumento", 1, 0, 0},
    {"ItemReplyDropped", "drop-reply,cmd=ImprimirItem", Operation::Ticket, kNetworkLost, "Quedó abierto TIQUE", 1, 1, 0},
    {"PaymentReplyDropped", "drop-reply,cmd=ImprimirPago", Operation::Ticket, kNetworkLost, "Quedó abierto TIQUE", 2, 0, 0},
    {"ZReplyDropped", "drop-reply,cmd=CerrarJornadaFiscal", Operation::ZReport, kIssueUnknown, "No se sabe si se emitió el CIERRE Z", 1, 0, 1},
    {"ZReset", "reset,cmd=CerrarJornadaFiscal", Operation::ZReport, kIssueUnknown, "No se sabe si se emitió el CIERRE Z", 1, 0, 0},
};

class ExactlyOnce : public Driver2gTest, public ::testing::WithParamInterface<Cell> {};

TEST_P(ExactlyOnce, LeavesEachDocumentIssuedOnceAndSaysWhatBecameOfIt) {
    const Cell& cell = GetParam();
    start({QStringLiteral("--fault"), QString::fromLatin1(cell.fault)});
    QString said;
    const int error = errorOf(
        [&] {
            if (cell.operation == Operation::Ticket) {
                ticket();
            } else {
                driver->BeginSession();
                driver->PrintZReport();
            }
        },
        &said);
    EXPECT_EQ(error, cell.error) << said.toStdString();
    EXPECT_TRUE(said.contains(QString::fromUtf8(cell.saying))) << said.toStdString();

    // The technician goes on once the printer answers again: whatever was left open is cancelled
    // or closed, and a tique follows.
    for (int i = 0; i < 50 && errorOf([&] { driver->BeginSession(); }) == kNetworkUnreachable; ++i) QThread::msleep(100);
    ASSERT_EQ(errorOf([&] {
                  driver->BeginSession();
                  driver->CancelAll();
                  driver->Finalizar();
                  ticket();
              }, &said),
              0)
        << said.toStdString();

    const QJsonObject record = printer.status(83);
    EXPECT_EQ(record.value(QLatin1String("CantidadEmitidos")).toString().toInt(), cell.issuedAtEnd);
    EXPECT_EQ(record.value(QLatin1String("CantidadCancelados")).toString().toInt(), cell.cancelledAtEnd);
    EXPECT_EQ(record.value(QLatin1String("ComprobanteEnCurso")).toString(), QStringLiteral("0"));

    const QString roll = printer.roll();
    static const QRegularExpression issued(QStringLiteral("== FIN TIQUE Nro (\\S+) =="));
    QStringList numbers;
    for (const QRegularExpressionMatch& m : issued.globalMatch(roll)) numbers << m.captured(1);
    EXPECT_EQ(numbers.size(), cell.issuedAtEnd) << roll.toStdString();
    EXPECT_EQ(QSet<QString>(numbers.begin(), numbers.end()).size(), numbers.size()) << "a number printed twice";
    EXPECT_EQ(roll.count(QStringLiteral("== CANCELADO TIQUE")), cell.cancelledAtEnd);
    EXPECT_EQ(roll.count(QStringLiteral("== INFORME Z Nro")), cell.zReports);
}

INSTANTIATE_TEST_SUITE_P(Faults, ExactlyOnce, ::testing::ValuesIn(kCells), named_case::testName);

}  // namespace
