// Legacy layouts of the "Section" and "CP" records and their conversions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/sections.h"

namespace kmd {

// Four trailing fields of forms S3 and S4, read and dropped.
struct SectionTrailer {
    std::string Text1;
    std::string Text2;
    std::int32_t Value1 = 0;
    std::string Text3;
};
template <class Io>
void fields(Io& io, SectionTrailer& r) { io(r.Text1, r.Text2, r.Value1, r.Text3); }

// S1 (up to 7.255): four cells in Values1 (no AddedValue1), old kind codes.
struct SectionS1 {
    FixedString<32> Name;
    std::string Text1;
    FixedString<32> Name2;
    std::int32_t Cell1 = 0;
    std::int32_t Cell2 = 0;
    std::int32_t KindCode = 0;  // legacy numbering
    std::int32_t Cell5 = 0;
    FixedString<2> Code2;
    Bytes<192> Block1{};
    Bytes<8> Values2{};
    Bytes<8> Values3{};
    Bytes<12> Values4{};
};
template <class Io>
void fields(Io& io, SectionS1& r) {
    io(r.Name, r.Text1, r.Name2, r.Cell1, r.Cell2, r.KindCode, r.Cell5, r.Code2, r.Block1, r.Values2, r.Values3,
       r.Values4);
}

// S2 (above 7.255 up to 8.005): no factors, no Code3.
struct SectionS2 {
    FixedString<32> Name;
    std::string Text1;
    FixedString<32> Name2;
    std::array<std::int32_t, 5> Values1{};
    FixedString<2> Code2;
    Bytes<192> Block1{};
    Bytes<8> Values2{};
    Bytes<8> Values3{};
    Bytes<12> Values4{};
};
template <class Io>
void fields(Io& io, SectionS2& r) {
    io(r.Name, r.Text1, r.Name2, r.Values1, r.Code2, r.Block1, r.Values2, r.Values3, r.Values4);
}

// S3 (above 8.005 up to 8.055): factors, no Code3, trailer.
struct SectionS3 {
    FixedString<32> Name;
    std::string Text1;
    FixedString<32> Name2;
    std::array<std::int32_t, 5> Values1{};
    FixedString<2> Code2;
    Bytes<192> Block1{};
    Bytes<8> Values2{};
    std::array<double, 8> Factors{};
    Bytes<8> Values3{};
    Bytes<12> Values4{};
    SectionTrailer Trailer;
};
template <class Io>
void fields(Io& io, SectionS3& r) {
    io(r.Name, r.Text1, r.Name2, r.Values1, r.Code2, r.Block1, r.Values2, r.Factors, r.Values3, r.Values4,
       r.Trailer);
}

// S4 (above 8.055 up to 8.1925): Code3 (not kept), trailer.
struct SectionS4 {
    FixedString<32> Name;
    std::string Text1;
    FixedString<32> Name2;
    std::array<std::int32_t, 5> Values1{};
    FixedString<2> Code2;
    Bytes<192> Block1{};
    Bytes<8> Values2{};
    std::array<double, 8> Factors{};
    Bytes<8> Values3{};
    std::int16_t Code3 = 0;
    Bytes<12> Values4{};
    SectionTrailer Trailer;
};
template <class Io>
void fields(Io& io, SectionS4& r) {
    io(r.Name, r.Text1, r.Name2, r.Values1, r.Code2, r.Block1, r.Values2, r.Factors, r.Values3, r.Code3, r.Values4,
       r.Trailer);
}

// S5 (above 8.1925 up to 9.005): as S4 up to Values4, then Text2, Value5, Text3.
struct SectionS5 {
    FixedString<32> Name;
    std::string Text1;
    FixedString<32> Name2;
    std::array<std::int32_t, 5> Values1{};
    FixedString<2> Code2;
    Bytes<192> Block1{};
    Bytes<8> Values2{};
    std::array<double, 8> Factors{};
    Bytes<8> Values3{};
    std::int16_t Code3 = 0;
    Bytes<12> Values4{};
    std::string Text2;
    std::int32_t Value5 = 0;
    std::string Text3;
};
template <class Io>
void fields(Io& io, SectionS5& r) {
    io(r.Name, r.Text1, r.Name2, r.Values1, r.Code2, r.Block1, r.Values2, r.Factors, r.Values3, r.Code3, r.Values4,
       r.Text2, r.Value5, r.Text3);
}

// Kind code of an S1 record in the current numbering: codes above 10 move up by
// one. Returns false when the result does not fit 32 bits.
bool RenumberKindCode(std::int32_t legacy, std::int32_t& current);

// The legacy records are taken by value so that their strings move over.
// `kindCode` is the renumbered code (RenumberKindCode).
FrameSectionRecord ImportSectionS1(SectionS1 s, std::int32_t kindCode);
FrameSectionRecord ImportSectionS2(SectionS2 s);
// `keepFactors` is false for files up to 8.025, whose factors are all set to 1.0.
FrameSectionRecord ImportSectionS3(SectionS3 s, bool keepFactors);
FrameSectionRecord ImportSectionS4(SectionS4 s);
FrameSectionRecord ImportSectionS5(SectionS5 s);

// "CP" up to 9.085: 21 values where the current record has 22; 96 bytes.
struct CPRecordA {
    std::int32_t Value1 = 0;
    std::int16_t Word1 = 0;
    std::array<std::int32_t, 21> Values{};
    std::int16_t Word2 = 0;
    std::int32_t Value2 = 0;
};
template <class Io>
void fields(Io& io, CPRecordA& r) { io(r.Value1, r.Word1, r.Values, r.Word2, r.Value2); }

// The 22nd value repeats the 21st.
CPRecord ImportCP(const CPRecordA& a);

}  // namespace kmd
