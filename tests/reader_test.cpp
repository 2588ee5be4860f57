// Legacy header, file version and version gate.
#include <gtest/gtest.h>

#include "fileformat/legacy_reader.h"
#include "fileformat/legacy_tail.h"
#include "fileformat/steps.h"
#include "support/convert.h"

using kmd::ReadOutcome;
using kmdtest::Bytes;

namespace {

struct GateResult {
    ReadOutcome outcome;
    kmd::LegacyHeader header;
    std::vector<std::string> messages;
    std::size_t tablesAt = 0;  // where the first table would begin
};

// Reads the header and passes the gate, then reads one probe step that records
// where the tables begin.
GateResult Gate(const Bytes& file, bool answerOk = true, std::string program = "KALDO") {
    static std::size_t probeAt;
    probeAt = 0;
    static const kmd::ReadStep probe[] = {{"probe", [](kmd::Reader& in, kmd::Conversion&) { probeAt = in.Offset(); }}};
    kmdtest::MessageCapture capture(answerOk);
    auto cv = kmdtest::NewConversion(program);
    GateResult r;
    r.outcome = kmd::ReadLegacyModelFile(file.data, *cv, &r.header, probe);
    r.messages = capture.messages;
    r.tablesAt = probeAt;
    EXPECT_EQ(cv->run.ModelLoaded, r.outcome == ReadOutcome::Loaded);
    return r;
}

// The header a file of this version has: the saved-by field only above 8.015.
Bytes Header(std::string_view version) {
    std::string text(version);
    return kmd::ParseFileVersion(text) > 8.015 ? Bytes::Legacy(version, version, "KALDO") : Bytes::Legacy(version);
}

TEST(VersionText, IsVersionNumber) {
    EXPECT_TRUE(kmd::IsVersionNumber("9.74"));
    EXPECT_TRUE(kmd::IsVersionNumber(""));
    EXPECT_TRUE(kmd::IsVersionNumber("9 .74"));
    EXPECT_FALSE(kmd::IsVersionNumber("9.7.4"));
    EXPECT_FALSE(kmd::IsVersionNumber("9.74a"));
    EXPECT_FALSE(kmd::IsVersionNumber("-9.74"));
}

TEST(VersionText, ParseFileVersion) {
    auto parse = [](std::string t) { return kmd::ParseFileVersion(t); };
    EXPECT_EQ(parse("9.74"), 9.74);
    EXPECT_EQ(parse(" 9 .74  "), 9.74);
    EXPECT_EQ(parse(""), 0.0);
    EXPECT_EQ(parse("."), 0.0);
    EXPECT_EQ(parse("8"), 8.0);
    EXPECT_EQ(parse("8.00 Beta"), 7.99);
    EXPECT_EQ(parse("8.00 Beta B"), 7.9902);
    EXPECT_EQ(parse("8.00 beta"), 0.0);
    EXPECT_EQ(parse("9.7.4"), 0.0);
    std::string t = "  8.5   ";
    kmd::ParseFileVersion(t);
    EXPECT_EQ(t, "8.5");
}

TEST(VersionGate, NewestVersionsPassSilently) {
    for (const char* v : {"9.74", "9.0", "9.745", "8.9951"}) {
        auto r = Gate(Header(v));
        EXPECT_EQ(r.outcome, ReadOutcome::Loaded) << v;
        EXPECT_TRUE(r.messages.empty()) << v;
    }
}

TEST(VersionGate, TooNewVersionsAreRefused) {
    for (const char* v : {"9.75", "10.0", "9.7451"}) {
        auto r = Gate(Header(v));
        EXPECT_EQ(r.outcome, ReadOutcome::TooNew) << v;
        ASSERT_EQ(r.messages.size(), 1u);
    }
    auto r = Gate(Bytes::Legacy("9.75", "9.75 x", "KALDO"));
    EXPECT_EQ(r.messages[0],
              "Version  9.75 x  file cannot be opened in older Version  .\r\n"
              "You may be able to import the corresponding (.$kx or .k2x) text file.");
}

TEST(VersionGate, BetaVersionsAreRefused) {
    for (const char* v : {"7.99", "8.00 Beta", "8.00 Beta B", "7.995", "7.986"}) {
        auto r = Gate(Bytes::Legacy(v));  // at most 8.015: no saved-by field
        EXPECT_EQ(r.outcome, ReadOutcome::Refused) << v;
        ASSERT_EQ(r.messages.size(), 1u) << v;
        EXPECT_EQ(r.messages[0], std::string("Version  ") + v +
                                     "  file cannot be opened in Version  .\r\n"
                                     "You may be able to import the corresponding (.$kx or .k2x) text file.");
    }
}

TEST(VersionGate, OlderVersionsAskFirst) {
    for (const char* v : {"7.0", "7.98", "7.985", "7.9951", "8.015", "8.99", "8.995", "6.9951"}) {
        // Answered OK in advance: nothing is shown.
        auto r = Gate(Header(v));
        EXPECT_EQ(r.outcome, ReadOutcome::Loaded) << v;
        EXPECT_TRUE(r.messages.empty()) << v;
        // Asked, and no answer can be read: cancelled.
        r = Gate(Header(v), /*answerOk=*/false);
        EXPECT_EQ(r.outcome, ReadOutcome::Declined) << v;
        ASSERT_EQ(r.messages.size(), 2u) << v;
        EXPECT_EQ(r.messages[0], std::string("Version  ") + v +
                                     "  file is being opened in Version  .\r\n"
                                     "Data for new options will be set to default values.\r\n"
                                     "Please check your model.\r\n"
                                     "Any analysis results from older version will be deleted.")
            << v;
    }
}

TEST(VersionGate, InvalidFiles) {
    const std::string invalid = "Error opening file. May not be a valid KALDO .KMD file.";
    for (const char* v : {"6.99", "6.995", "9.74a", "9.7.4", "", "0"}) {
        auto r = Gate(Bytes::Legacy(v));
        EXPECT_EQ(r.outcome, ReadOutcome::Invalid) << v;
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0], invalid);
    }
    // Product names are compared exactly, after trimming.
    EXPECT_EQ(Gate(Bytes::Legacy("9.5", "9.5", "kaldo")).outcome, ReadOutcome::Invalid);
    EXPECT_EQ(Gate(Bytes::Legacy("9.5", "9.5", "OTHER")).outcome, ReadOutcome::Invalid);
    EXPECT_EQ(Gate(Bytes::Legacy("9.5", "9.5", "   KALDO")).outcome, ReadOutcome::Loaded);
    EXPECT_EQ(Gate(Bytes::Legacy("9.5", "9.5", "KALDO"), true, "  KALDO ").outcome, ReadOutcome::Loaded);
}

TEST(LegacyHeader, SavedByFieldOnlyAbove8015) {
    // 8.01: tables begin at byte 33 (offset 32); T is the version text.
    auto r = Gate(Bytes::Legacy("8.01").fill(20, 0xAA));
    EXPECT_EQ(r.tablesAt, 32u);
    EXPECT_EQ(r.header.HeaderSavedByText, "8.01");
    EXPECT_EQ(r.header.FileVersion, 8.01);
    EXPECT_EQ(Gate(Bytes::Legacy("8.015")).tablesAt, 32u);
    // 8.02: tables begin at byte 49; T is the trimmed third field.
    const Bytes file = Bytes::Legacy(" 8.02", "  8.02 build 7", "KALDO");
    auto s = Gate(file);
    EXPECT_EQ(s.tablesAt, 48u);
    EXPECT_EQ(s.header.HeaderVersionText, "8.02");
    EXPECT_EQ(s.header.HeaderSavedByText, "8.02 build 7");
    EXPECT_NE(Gate(file, /*answerOk=*/false).messages.at(0).find("Version  8.02 build 7  file"), std::string::npos);
}

TEST(LegacyHeader, TruncatedHeaderIsCorrupt) {
    Bytes shortName;
    shortName.fixed("KALDO", 10);
    EXPECT_EQ(Gate(shortName).outcome, ReadOutcome::Corrupt);
    EXPECT_EQ(Gate(Bytes::Legacy("9.5")).outcome, ReadOutcome::Corrupt);  // third field missing
    auto r = Gate(Bytes::Legacy("9.5").fill(5));
    EXPECT_EQ(r.outcome, ReadOutcome::Corrupt);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_NE(r.messages[0].find("byte offset 32"), std::string::npos) << r.messages[0];
}

// The blocks after the tables that no family owns.
TEST(LegacyTail, DiscardedBlocksAndTrailerAreSkipped) {
    auto cv = kmdtest::NewConversion();
    Bytes b;
    // Table A (8.1935 and above): a value, a count, records.
    b.i32(7).i32(2);
    for (int i = 0; i < 2; ++i) b.str("a").i32(1).str("bc").fill(12).arr_i32(1, {1, 2}).fill(6);
    // Block B (above 8.895): flag, then three tables.
    b.i16(-1).i32(1);
    for (auto [strings, bytes] : std::initializer_list<std::pair<int, int>>{
             {3, 4}, {6, 16}, {1, 174}, {1, 4}, {1, 4}, {4, 64}, {2, 8}, {1, 8}, {1, 2}, {2, 12}}) {
        for (int k = 0; k < strings; ++k) b.str("s");
        b.fill(bytes);
    }
    b.i32(1);
    for (int k = 0; k < 5; ++k) b.str("x");
    b.i32(-3);  // negative count: nothing follows
    // Trailer: length, characters, one 32-bit value.
    b.i32(3).raw("abc", 3).i32(9);
    const std::size_t end = b.size();
    b.fill(4, 0xEE);

    cv->FileVersion = 9.0;
    kmd::Reader in(b.data);
    kmd::ReadDiscardedTableA(in, *cv);
    kmd::ReadDiscardedBlockB(in, *cv);
    kmd::ReadTrailer(in, *cv);
    EXPECT_EQ(in.Offset(), end);

    // Below the thresholds the blocks are absent.
    cv->FileVersion = 8.193;
    kmd::Reader none(b.data);
    kmd::ReadDiscardedTableA(none, *cv);
    cv->FileVersion = 8.895;
    kmd::ReadDiscardedBlockB(none, *cv);
    EXPECT_EQ(none.Offset(), 0u);

    // A hostile record count fails before anything is read.
    Bytes bad = Bytes().i32(0).i32(0x7FFFFFFF).fill(40);
    cv->FileVersion = 8.1935;
    kmd::Reader badIn(bad.data);
    EXPECT_THROW(kmd::ReadDiscardedTableA(badIn, *cv), kmd::FormatError);
}

}  // namespace
