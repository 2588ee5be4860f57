#include "tools/example_joist.h"

#include "model/joist_design.h"
#include "tables/joist_design.h"

namespace kmd::example {

// Two joist records with their envelopes (which the converter drops).
void WriteExampleJoist(Writer& out, double v) {
    if (v <= kNoJoistBlockUpTo) return;
    out(std::int16_t(-1), std::int16_t(3));
    std::vector<JoistOverwriteRecord> records(2);
    for (int i = 0; i < 2; ++i) {
        records[i] = {Block<6>(std::uint8_t(10 * i)), Block<4>(std::uint8_t(40 + i)), "J" + std::to_string(i + 1),
                      Block<18>(std::uint8_t(60 + i))};
    }
    Table(out, records);
    for (int i = 0; i < 2; ++i) {
        JoistEnvelopeRecord e{Block<4>(1), "env", Block<86>(2), Block<94>(3), Block<8>(std::uint8_t(4 + i))};
        out(e);
    }
}

}  // namespace kmd::example
