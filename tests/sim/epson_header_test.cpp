// The header and trailer lines of the virtual Epson (0x5D): which lines and texts it takes,
// spoken to frame by frame.

#include <sim/epson_command_set.h>

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

using named_case::PrintTo;

constexpr quint16 kInvalidField = 1 << 4;
constexpr quint16 kInvalidState = 1 << 5;
constexpr quint16 kErrors = 0x00FF;
constexpr qint64 kNow = 1'780'000'000'000;
const QByteArray kDel(1, 0x7F);

struct LineCase {
    const char* name;
    QByteArray line;
    QByteArray text;
    quint16 refusal;      // 0 when stored
    int stored;           // the line (1-20) whose text is checked afterwards
    QString holds;        // what it holds then
    QString before = {};  // stored there first
    bool documentOpen = false;
};

class EpsonHeaderTrailer : public ::testing::TestWithParam<LineCase> {};

TEST_P(EpsonHeaderTrailer, StoresErasesAndRefusesLines) {
    const LineCase& c = GetParam();
    sim::FiscalMemory memory;
    sim::PaperRoll paper;
    sim::EpsonCommandSet epson(memory, paper);
    memory.headerTrailer[c.stored - 1] = c.before;
    const auto send = [&](quint8 command, QList<QByteArray> fields) {
        return static_cast<quint16>(epson.execute(frame::make(0x20, command, std::move(fields)), kNow).value(1).toUInt(nullptr, 16));
    };
    if (c.documentOpen) {
        ASSERT_EQ(send(0x48, {}) & kErrors, 0);
    }
    const quint16 status = send(0x5D, {c.line, c.text});
    EXPECT_EQ(status & kErrors, c.refusal);
    EXPECT_EQ(memory.headerTrailer[c.stored - 1], c.holds);
}

INSTANTIATE_TEST_SUITE_P(
    , EpsonHeaderTrailer,
    ::testing::Values(LineCase{"TrailerWithLeadingZeros", "00011", "Gracias por su compra", 0, 11, "Gracias por su compra"},
                      LineCase{"TrailerWithout", "11", "Gracias", 0, 11, "Gracias"},
                      LineCase{"HeaderLineOne", "1", "LA ESQUINA", 0, 1, "LA ESQUINA"},
                      LineCase{"LastLine", "20", QByteArray(40, 't'), 0, 20, QString(40, QLatin1Char('t'))},
                      LineCase{"FortyOneCharacters", "3", QByteArray(41, 't'), kInvalidField, 3, "Viejo", "Viejo"},
                      LineCase{"DelErases", "00005", kDel, 0, 5, "", "Viejo"},
                      LineCase{"LineZero", "00000", "x", kInvalidField, 1, ""},
                      LineCase{"LineTwentyOne", "21", "x", kInvalidField, 20, ""},
                      LineCase{"SixDigits", "000011", "x", kInvalidField, 11, ""},
                      LineCase{"NotANumber", "1 ", "x", kInvalidField, 1, ""},
                      LineCase{"RefusedWithADocumentOpen", "12", "Nuevo", kInvalidState, 12, "Viejo", "Viejo", true}),
    named_case::testName);

}  // namespace
