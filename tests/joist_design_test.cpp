#include <gtest/gtest.h>

#include "support/bytes.h"
#include "support/convert.h"
#include "tables/joist_design.h"

using kmd::ReadJoistDesign;
using kmd::WriteJoistDesign;
using kmdtest::Bytes;
using kmdtest::RoundTrip;

namespace {

Bytes Record(std::uint8_t first, std::string_view label) {
    Bytes b;
    b.seq(6, first).seq(4, std::uint8_t(first + 6)).str(label).seq(18, std::uint8_t(first + 10));
    return b;
}

Bytes Envelope(std::uint8_t first) {
    Bytes b;
    b.seq(4, first).str("env").seq(86, first).seq(94, first).seq(8, first);
    return b;
}

}  // namespace

// Up to 8.185 there is no block; the current file still gets an empty one.
TEST(JoistDesign, OlderFilesHaveNoBlock) {
    for (double v : {7.0, 8.185}) {
        Bytes none;
        EXPECT_BYTES(RoundTrip(ReadJoistDesign, WriteJoistDesign, none, v), Bytes().fill(8).data);
    }
}

// Records are carried as held; envelopes are read and dropped, StatusFlag kept.
TEST(JoistDesign, RecordsCarriedEnvelopesDropped) {
    for (double v : {8.19, 9.5}) {
        Bytes in, out;
        in.i16(-1).i16(0x1234).i32(3);
        out.i16(0).i16(0x1234).i32(3);
        for (std::uint8_t i = 0; i < 3; ++i) {
            in.append(Record(std::uint8_t(30 * i), "J" + std::to_string(i)));
            out.append(Record(std::uint8_t(30 * i), "J" + std::to_string(i)));
        }
        for (std::uint8_t i = 0; i < 3; ++i) in.append(Envelope(i));
        EXPECT_BYTES(RoundTrip(ReadJoistDesign, WriteJoistDesign, in, v), out.data);
    }
}

// A negative count reads no records and no envelopes and is written back as held.
TEST(JoistDesign, NegativeCountWrittenBack) {
    Bytes in;
    in.i16(1).i16(2).i32(-4);
    Bytes out;
    out.i16(0).i16(2).i32(-4);
    EXPECT_BYTES(RoundTrip(ReadJoistDesign, WriteJoistDesign, in, 9.0), out.data);

    Bytes some;
    some.i16(-1).i16(0).i32(2).append(Record(1, "A")).append(Record(2, "B")).append(Envelope(1)).append(Envelope(2));
    kmdtest::ExpectDamageHandled(ReadJoistDesign, WriteJoistDesign, some, 9.0);
}
