// Frame sections and section data tables.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// Fixed-length characters written as a variable-length string, without the
// blank padding (Trim) or as they are.
template <std::size_t N, bool Trim>
struct FixedAsStringForm {
    using IsFieldForm = void;
    FixedString<N>& held;
    void WriteCurrent(Writer& out) const {
        if constexpr (Trim) out.Field(Trimmed(held));
        else out.Field(std::string_view(held.chars.data(), N));
    }
    // A trimmed name is padded with blanks again.
    void ReadCurrent(Reader& in) const {
        const std::size_t at = in.Offset();
        std::string s;
        in.Field(s);
        if (Trim ? s.size() > N : s.size() != N)
            in.FailAt(at, "a name of " + std::to_string(N) + " characters has " + std::to_string(s.size()));
        held = FixedString<N>(s);
    }
};
template <std::size_t N>
FixedAsStringForm<N, true> AsTrimmedString(FixedString<N>& s) { return {s}; }
template <std::size_t N>
FixedAsStringForm<N, false> AsString(FixedString<N>& s) { return {s}; }

// "Section" in memory, and the legacy layout above 9.005. Names keep their blank
// padding here and are written trimmed.
struct FrameSectionRecord {
    FixedString<32> Name;
    std::string Text1;
    FixedString<32> Name2;
    std::array<std::int32_t, 5> Values1{};  // [2] is AddedValue1, [3] is KindCode
    FixedString<2> Code2;
    Bytes<192> Block1{};
    Bytes<8> Values2{};
    std::array<double, 8> Factors{};  // subscripts 1..8
    Bytes<8> Values3{};
    std::int16_t Code3 = 0;
    Bytes<12> Values4{};  // 4-byte, 16-bit, 16-bit, 4-byte
    std::string Text2;
    std::int32_t Value5 = 0;
    std::string Text3;
    std::string Text4;
    std::string Text5;

    static constexpr std::size_t kAddedValue1 = 2;
    static constexpr std::size_t kKindCode = 3;
};
template <class Io>
void fields(Io& io, FrameSectionRecord& r) {
    io(AsTrimmedString(r.Name), r.Text1, AsTrimmedString(r.Name2), r.Values1, AsString(r.Code2), r.Block1, r.Values2,
       ZeroBased(r.Factors), r.Values3, r.Code3, r.Values4, r.Text2, r.Value5, r.Text3, r.Text4, r.Text5);
}

// "AUTO": 8 plain bytes.
struct AutoSelectRecord {
    Bytes<8> Data{};
};
template <class Io>
void fields(Io& io, AutoSelectRecord& r) { io(r.Data); }

// "VS": 32 plain bytes.
struct VSRecord {
    Bytes<32> Data{};
};
template <class Io>
void fields(Io& io, VSRecord& r) { io(r.Data); }

struct RebarRecord {
    std::string Name;
    std::int16_t Word1 = 0;
    Bytes<16> Block1{};
};
template <class Io>
void fields(Io& io, RebarRecord& r) { io(r.Name, r.Word1, r.Block1); }

// "CP" in memory, in the current file and in legacy files above 9.085: 100 bytes.
struct CPRecord {
    std::int32_t Value1 = 0;
    std::int16_t Word1 = 0;
    std::array<std::int32_t, 22> Values{};
    std::int16_t Word2 = 0;
    std::int32_t Value2 = 0;
};
template <class Io>
void fields(Io& io, CPRecord& r) { io(r.Value1, r.Word1, r.Values, r.Word2, r.Value2); }

struct PierSectionRecord {
    std::string Name;
    Bytes<22> Block1{};
    Bytes<36> Block2{};
};
template <class Io>
void fields(Io& io, PierSectionRecord& r) { io(r.Name, r.Block1, r.Block2); }

using JoistSegment = Bytes<32>;

// "JoistData" in memory and in legacy files; Segments are subscripts
// 1..SegmentCount, held with the bounds the file gave them and written 0-based.
struct JoistRecord {
    std::string Name;
    Bytes<40> Block1{};
    std::string Text1;
    Bytes<40> Block2{};
    std::int32_t SegmentCount = 0;  // last 4 bytes of the 44-byte block
    DynArray<JoistSegment> Segments;
    std::int32_t Value1 = 0;
    std::int16_t Word1 = 0;
};
template <class Io>
void fields(Io& io, JoistRecord& r) {
    io(r.Name, r.Block1, r.Text1, r.Block2, r.SegmentCount, Counted(r.Segments, r.SegmentCount, "joist segments"),
       r.Value1, r.Word1);
}

struct SectionData {
    Table<FrameSectionRecord> Section{"Section", Allocator::Table};
    Table<AutoSelectRecord> AUTO{"AUTO", Allocator::Table};
    Table<VSRecord> VS{"VS", Allocator::Table};
    Table<RebarRecord> Rebar{"Rebar", Allocator::Table};
    Table<CPRecord> CP{"CP", Allocator::Table};
    Table<PierSectionRecord> PierSection{"PierSection", Allocator::Table};
    Table<JoistRecord> JoistData{"JoistData", Allocator::Table};

    void Register(TableRegistry& reg) {
        reg.Add(Section);
        reg.Add(AUTO);
        reg.Add(VS);
        reg.Add(Rebar);
        reg.Add(CP);
        reg.Add(PierSection);
        reg.Add(JoistData);
    }
};

}  // namespace kmd
