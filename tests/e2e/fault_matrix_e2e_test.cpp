#include "cell_run.h"
#include "matrix_table.h"
#include "virtual_printer_process.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>

namespace {

// A cell of the fault matrix: the window's operation on the real drivers against the virtual
// printer program with the fault, then what the message tells the technician to do.
struct Cell {
    const char* name;
    const char* operation;
    const char* fault;
    std::initializer_list<MessageClass> accepted;  // the first message's class
    const char* text;                              // a part of that message
};

const Cell kCells[] = {
    // The invoice is issued and only its reply is lost: saying so prevents the second invoice.
    {"HasarInvoiceReplyLostOnEverySend", "PR4 FA", "respuesta perdida en cada envío", {MessageClass::Issued},
     "Se emitió FACTURA A Nº 0001-00000001, pero su respuesta se perdió"},
    {"EpsonTicketInvoiceReplyLostOnEverySend", "Epson FA", "respuesta perdida en cada envío", {MessageClass::Issued},
     "Se emitió TIQUE FACTURA A Nº 0001-00000001, pero su respuesta se perdió"},
    // The close never arrived and the document is still open: it is closed once more, silently.
    {"HasarPaidInvoiceToASilentPrinter", "P320 FA", "impresor mudo", {MessageClass::None}, ""},
    {"EpsonTicketInvoiceNakedOnEverySend", "Epson FA", "pedido con NAK", {MessageClass::None}, ""},
    // Paper out for longer than the command limit during a Z: time without paper does not count,
    // so the Z is made and told as any other.
    {"HasarZWithPaperOutPastTheLimit", "Hasar Z", "sin papel más allá del límite", {MessageClass::None}, ""},
    {"EpsonZWithPaperOutPastTheLimit", "Epson Z", "sin papel más allá del límite", {MessageClass::None}, ""},
    // A scale on the port: named as no fiscal printer, not as paper or cover.
    {"HasarPortWithAChattyScale", "PR4 FA", "dispositivo charlatán", {MessageClass::OtherError},
     "no habla el protocolo de los impresores fiscales Hasar"},
    {"EpsonPortWithAChattyScale", "Epson FA", "dispositivo charlatán", {MessageClass::OtherError},
     "no habla el protocolo de los impresores fiscales Epson"},
};

void PrintTo(const Cell& cell, std::ostream* os) { *os << cell.name; }

template <typename T>
std::optional<T> byName(const QList<T>& items, const char* name) {
    for (const T& item : items)
        if (item.name == QString::fromUtf8(name)) return item;
    return std::nullopt;
}

class FaultMatrixCells : public ::testing::TestWithParam<Cell> {};

TEST_P(FaultMatrixCells, TheMessageSaysWhatHappenedAndTheDocumentIsIssuedOnce) {
    const Cell& cell = GetParam();
    const std::optional<MatrixOperation> op = byName(allOperations(), cell.operation);
    const std::optional<MatrixFault> fault = byName(allFaults(), cell.fault);
    ASSERT_TRUE(op && fault) << "no such row in the matrix";
    const CellResult r = runCell(VirtualPrinterProcess::builtProgram(), *op, *fault, 1);
    ASSERT_TRUE(r.setupError.isEmpty()) << r.setupError.toStdString();

    EXPECT_TRUE(std::find(cell.accepted.begin(), cell.accepted.end(), r.facts.first) != cell.accepted.end())
        << className(r.facts.first).toStdString() << ": " << r.firstError.toStdString();
    EXPECT_TRUE(r.firstError.contains(QString::fromUtf8(cell.text))) << r.firstError.toStdString();
    EXPECT_EQ(r.facts.issuedAtEnd, 1);
    EXPECT_TRUE(r.verdict.clean());
}

INSTANTIATE_TEST_SUITE_P(EndToEnd, FaultMatrixCells, ::testing::ValuesIn(kCells), named_case::testName);

}  // namespace
