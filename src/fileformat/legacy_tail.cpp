#include "fileformat/legacy_tail.h"

#include <initializer_list>

namespace kmd {

namespace {

struct DiscardedRecordA {
    std::string Text1;
    std::int32_t Value2 = 0;
    std::string Text3;
    Bytes<12> Block4{};
    DynArray<std::int32_t> Values5;
    Bytes<6> Block6{};
};
template <class Io>
void fields(Io& io, DiscardedRecordA& r) { io(r.Text1, r.Value2, r.Text3, r.Block4, r.Values5, r.Block6); }

// A record of block B as runs of (variable-length strings, plain bytes).
struct SkipRun {
    int strings;
    std::size_t bytes;
};
constexpr SkipRun kBlockBRecord1[] = {{3, 4}, {6, 16}, {1, 174}, {1, 4}, {1, 4}, {4, 64},
                                      {2, 8}, {1, 8},  {1, 2},   {2, 12}};
constexpr SkipRun kBlockBRecord2[] = {{5, 0}};
constexpr SkipRun kBlockBRecord3[] = {{10, 0}};

std::size_t MinSize(std::span<const SkipRun> layout) {
    std::size_t n = 0;
    for (auto run : layout) n += 2 * std::size_t(run.strings) + run.bytes;
    return n;
}

std::int32_t SkipTable(Reader& in, std::span<const SkipRun> layout) {
    std::int32_t count = in.I32();
    in.CheckCount(count, MinSize(layout));
    std::string s;
    for (std::int32_t i = 0; i < count; ++i)
        for (auto run : layout) {
            for (int k = 0; k < run.strings; ++k) in(s);
            in.Skip(run.bytes);
        }
    return count > 0 ? count : 0;
}

}  // namespace

void ReadDiscardedTableA(Reader& in, Conversion& cv) {
    if (cv.FileVersion < 8.1935) return;
    in.SetTable("discarded table A");
    in.I32();
    std::int32_t count = in.I32();
    in.CheckCount(count, MinEncodedSize<DiscardedRecordA>());
    DiscardedRecordA r;
    for (std::int32_t i = 0; i < count; ++i) in(r);
    cv.report.Drop("legacy-only table A", count);
}

void ReadDiscardedBlockB(Reader& in, Conversion& cv) {
    if (cv.FileVersion <= 8.895) return;
    in.SetTable("discarded block B");
    if (in.I16() == 0) return;
    std::int64_t records = SkipTable(in, kBlockBRecord1);
    records += SkipTable(in, kBlockBRecord2);
    records += SkipTable(in, kBlockBRecord3);
    cv.report.Drop("legacy-only block B", records);
}

// Not read after results that ended the reading (model/results.h).
void ReadTrailer(Reader& in, Conversion& cv) {
    if (cv.model.results.EndedReading) return;
    in.SetTable("trailer");
    std::int32_t n = in.I32();
    if (n > 0) {
        in.Skip(std::size_t(n));
        in.I32();
    }
}

}  // namespace kmd
