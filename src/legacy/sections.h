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

// "Section" up to 7.255 (S1): four cells in Values1 (no AddedValue1), old kind codes.
inline constexpr double kSectionS1UpTo = 7.255;

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

// "Section" up to 8.005 (S2): no factors, no Code3.
inline constexpr double kSectionS2UpTo = 8.005;

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

// "Section" up to 8.055 (S3): factors, no Code3, trailer. Up to 8.025 the stored
// factors are not kept.
inline constexpr double kSectionS3UnitFactorsUpTo = 8.025;
inline constexpr double kSectionS3UpTo = 8.055;

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

// "Section" up to 8.1925 (S4): Code3 (not kept), trailer.
inline constexpr double kSectionS4UpTo = 8.1925;

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

// "Section" up to 9.005 (S5): as S4 up to Values4, then Text2, Value5, Text3.
inline constexpr double kSectionS5UpTo = 9.005;

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

// The strings move over. Factors the layout lacks or does not keep are 1.0.
// `kindCode` is the renumbered code (RenumberKindCode).
FrameSectionRecord ImportSectionS1(SectionS1&& s, std::int32_t kindCode);
FrameSectionRecord ImportSectionS2(SectionS2&& s);
FrameSectionRecord ImportSectionS3UnitFactors(SectionS3&& s);
FrameSectionRecord ImportSectionS3(SectionS3&& s);
FrameSectionRecord ImportSectionS4(SectionS4&& s);
FrameSectionRecord ImportSectionS5(SectionS5&& s);

// "CP" up to 9.085: 21 values where the current record has 22; 96 bytes.
inline constexpr double kCPAUpTo = 9.085;

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
CPRecord ImportCP(CPRecordA&& a);

// "JoistData" up to 7.995: the file has no such table.
inline constexpr double kJoistDataAbsentUpTo = 7.995;

}  // namespace kmd
