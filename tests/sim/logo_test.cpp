// Logo records: how they are decoded, printed, and refused.

#include "hasar_harness.h"

#include <sim/hasar_status.h>

#include <gtest/gtest.h>

namespace {

using Records = QList<QList<QByteArray>>;

// A 10 x 3 frame: full top row, sides, full bottom row. Rows take two bytes, padded on the right.
const Records kFrameLogo{{"I", "000A0003"}, {"C", "FFC0"}, {"C", "8040"}, {"F", "FFC0"}};
const QStringList kFrameRows{"##########", "#        #", "##########"};

void load(HasarHarness& h, const Records& records, bool* allAccepted = nullptr) {
    h.send(0x91);
    bool ok = true;
    for (const auto& r : records) ok = h.send(0x90, r).accepted() && ok;
    if (allAccepted) *allAccepted = ok;
}

TEST(Logo, IsDecodedMostSignificantBitFirstAndPrintedAtTheHeadOfDocuments) {
    HasarHarness h;
    bool accepted = false;
    load(h, kFrameLogo, &accepted);
    ASSERT_TRUE(accepted);
    ASSERT_TRUE(h.memory().logo.has_value());
    EXPECT_EQ(h.memory().logo->render(), kFrameRows);

    for (int document = 0; document < 2; ++document) {
        h.send(0x48);
        h.send(0x4A);
        const QStringList paper = h.newPaper();
        ASSERT_GE(paper.size(), 4);
        EXPECT_EQ(paper.mid(1, 3), kFrameRows) << "document " << document;
    }
}

TEST(Logo, ALogoWiderThanOneRecordSpansSeveralRecords) {
    // 576 dots wide, 2 rows: 144 bytes = 288 hex digits, in records of at most 128.
    const QByteArray row = QByteArray(72, char(0xAA)).toHex().toUpper();
    const QByteArray all = row + row;
    HasarHarness h;
    bool accepted = false;
    load(h, {{"I", "02400002"}, {"C", all.mid(0, 128)}, {"C", all.mid(128, 128)}, {"F", all.mid(256)}}, &accepted);
    ASSERT_TRUE(accepted);
    const QStringList rows = h.memory().logo->render();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], QString(QStringLiteral("# ")).repeated(288));
}

struct MalformedCase {
    const char* name;
    Records records;
};

// Failures name the row, not its bytes.
void PrintTo(const MalformedCase& c, std::ostream* os) {
    *os << c.name;
}

class MalformedLogo : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedLogo, IsRefusedAndThePreviousLogoStays) {
    HasarHarness h;
    load(h, kFrameLogo);
    const auto previous = h.memory().logo;
    bool accepted = true;
    load(h, GetParam().records, &accepted);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(h.memory().logo, previous);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, MalformedLogo,
    ::testing::Values(
        MalformedCase{"DataBeforeSize", {{"C", "FFC0"}, {"F", "FFC0"}}},
        MalformedCase{"LowerCaseHex", {{"I", "000A0001"}, {"F", "ffc0"}}},
        MalformedCase{"OddDigits", {{"I", "000A0001"}, {"F", "FFC"}}},
        MalformedCase{"RecordOver128Digits", {{"I", "02400002"}, {"C", QByteArray(130, 'F')}}},
        MalformedCase{"MoreDataThanTheSize", {{"I", "00080001"}, {"C", "FF"}, {"F", "FF"}}},
        MalformedCase{"EndsShort", {{"I", "000A0002"}, {"F", "FFC0"}}},
        MalformedCase{"ZeroWidth", {{"I", "00000001"}}},
        MalformedCase{"TooWide", {{"I", "02410001"}}},
        MalformedCase{"SizeNotEightDigits", {{"I", "000A001"}}},
        MalformedCase{"UnknownLetter", {{"I", "00080001"}, {"S", "FF"}}},
        MalformedCase{"NoLetter", {{}}},
        MalformedCase{"EmptyDataRecord", {{"I", "00080001"}, {"C", ""}, {"F", "FF"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Logo, ResetDiscardsAPartialUpload) {
    HasarHarness h;
    h.send(0x90, {"I", "00080002"});
    h.send(0x90, {"C", "FF"});
    h.send(0x91);
    EXPECT_TRUE(h.send(0x90, {"F", "FF"}).refused(sim::hasar::kInvalidField));
    EXPECT_FALSE(h.memory().logo.has_value());
}

}  // namespace
