// Logo records: how they are decoded, printed, and refused.

#include "hasar_harness.h"

#include <sim/hasar_status.h>

#include <QBuffer>
#include <QImage>

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

// Only the slip models store a logo.
constexpr int kSlipModel = 8;

using named_case::PrintTo;

using Records = QList<QList<QByteArray>>;

// A 10 x 3 frame: full top row, sides, full bottom row.
const QStringList kFrameRows{"##########", "#        #", "##########"};

QByteArray monochromeBmp(const QStringList& rows) {
    QImage image(rows[0].size(), rows.size(), QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x) image.setPixel(x, y, rows[y][x] == QLatin1Char('#') ? 1 : 0);
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return file;
}

// The file in records of 64 bytes: I, C..., F.
Records recordsOf(const QByteArray& file) {
    Records out;
    for (qsizetype at = 0; at < file.size(); at += 64) {
        const bool last = at + 64 >= file.size();
        out.append({last ? "F" : at == 0 ? "I" : "C", file.mid(at, 64).toHex().toUpper()});
    }
    return out;
}

const Records kFrameLogo = recordsOf(monochromeBmp(kFrameRows));

void load(HasarHarness& h, const Records& records, bool* allAccepted = nullptr) {
    h.send(0x91);
    bool ok = true;
    for (const auto& r : records) ok = h.send(0x90, r).accepted() && ok;
    if (allAccepted) *allAccepted = ok;
}

TEST(Logo, TheBmpFileIsDecodedAndPrintedAtTheHeadOfDocuments) {
    HasarHarness h({}, kSlipModel);
    bool accepted = false;
    ASSERT_EQ(kFrameLogo.first()[1].left(4), "424D");
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

TEST(Logo, AWideLogoSpansManyRecords) {
    const QStringList rows{QString(QStringLiteral("# ")).repeated(288), QString(QStringLiteral(" #")).repeated(288)};
    const Records records = recordsOf(monochromeBmp(rows));
    ASSERT_GT(records.size(), 3);
    HasarHarness h({}, kSlipModel);
    bool accepted = false;
    load(h, records, &accepted);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(h.memory().logo->render(), rows);
}

QList<QByteArray> patched(const QByteArray& file, int offset, QByteArray bytes) {
    QByteArray copy = file;
    copy.replace(offset, bytes.size(), bytes);
    QList<QByteArray> out;
    for (const auto& r : recordsOf(copy)) out << r[0] + r[1];
    return out;
}

Records split(const QList<QByteArray>& joined) {
    Records out;
    for (const QByteArray& r : joined) out.append({r.left(1), r.mid(1)});
    return out;
}

const QByteArray kFrameFile = monochromeBmp(kFrameRows);

struct MalformedCase {
    const char* name;
    Records records;
};

class MalformedLogo : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedLogo, IsRefusedAndThePreviousLogoStays) {
    HasarHarness h({}, kSlipModel);
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
        MalformedCase{"ContinuedBeforeTheFirst", kFrameLogo.mid(1)},
        MalformedCase{"LowerCaseHex", {kFrameLogo[0], {"F", kFrameLogo[1][1].toLower()}}},
        MalformedCase{"OddDigits", {kFrameLogo[0], {"F", "FFC"}}},
        MalformedCase{"ShortFirstRecord", {{"I", kFrameLogo[0][1].left(126)}, kFrameLogo[1]}},
        MalformedCase{"RecordOver128Digits", {{"I", kFrameLogo[0][1] + "FF"}, kFrameLogo[1]}},
        MalformedCase{"FileCutShort", {kFrameLogo[0], {"F", "FF"}}},
        MalformedCase{"NotABitmap", {{"F", QByteArray("GIF89a").toHex().toUpper()}}},
        MalformedCase{"ColourBitmap", split(patched(kFrameFile, 28, QByteArray("\x18\x00", 2)))},
        MalformedCase{"Compressed", split(patched(kFrameFile, 30, QByteArray("\x01\x00\x00\x00", 4)))},
        MalformedCase{"TooWide", split(patched(kFrameFile, 18, QByteArray("\x41\x02\x00\x00", 4)))},
        MalformedCase{"UnknownLetter", {kFrameLogo[0], {"S", kFrameLogo[1][1]}}},
        MalformedCase{"NoLetter", {{}}},
        MalformedCase{"EmptyLastRecord", {kFrameLogo[0], {"F", ""}}}),
    named_case::testName);

TEST(Logo, ResetDiscardsAPartialUpload) {
    HasarHarness h({}, kSlipModel);
    h.send(0x90, kFrameLogo[0]);
    h.send(0x91);
    EXPECT_TRUE(h.send(0x90, {"C", kFrameLogo[1][1]}).refused(sim::hasar::kInvalidField));
    EXPECT_FALSE(h.memory().logo.has_value());
}

}  // namespace
