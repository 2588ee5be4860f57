#include "legacy/sections.h"

#include <limits>
#include <utility>

namespace kmd {

namespace {

constexpr std::array<double, 8> kUnitFactors{1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};

// Fields every legacy form holds. Factors start at 1.0, Code3 at 0 and the
// texts the older forms lack stay empty.
template <class Legacy>
FrameSectionRecord CommonFields(Legacy& s) {
    FrameSectionRecord r;
    r.Name = s.Name;
    r.Text1 = std::move(s.Text1);
    r.Name2 = s.Name2;
    r.Code2 = s.Code2;
    r.Block1 = s.Block1;
    r.Values2 = s.Values2;
    r.Factors = kUnitFactors;
    r.Values3 = s.Values3;
    r.Code3 = 0;
    r.Values4 = s.Values4;
    return r;
}

}  // namespace

bool RenumberKindCode(std::int32_t legacy, std::int32_t& current) {
    if (legacy <= 10) {
        current = legacy;
        return true;
    }
    if (legacy == std::numeric_limits<std::int32_t>::max()) return false;
    current = legacy + 1;
    return true;
}

FrameSectionRecord ImportSectionS1(SectionS1&& s, std::int32_t kindCode) {
    FrameSectionRecord r = CommonFields(s);
    r.Values1 = {s.Cell1, s.Cell2, 0, kindCode, s.Cell5};
    return r;
}

FrameSectionRecord ImportSectionS2(SectionS2&& s) {
    FrameSectionRecord r = CommonFields(s);
    r.Values1 = s.Values1;
    return r;
}

FrameSectionRecord ImportSectionS3UnitFactors(SectionS3&& s) {
    FrameSectionRecord r = CommonFields(s);
    r.Values1 = s.Values1;
    return r;
}

FrameSectionRecord ImportSectionS3(SectionS3&& s) {
    FrameSectionRecord r = CommonFields(s);
    r.Values1 = s.Values1;
    r.Factors = s.Factors;
    return r;
}

FrameSectionRecord ImportSectionS4(SectionS4&& s) {
    FrameSectionRecord r = CommonFields(s);
    r.Values1 = s.Values1;
    r.Factors = s.Factors;
    return r;
}

FrameSectionRecord ImportSectionS5(SectionS5&& s) {
    FrameSectionRecord r = CommonFields(s);
    r.Values1 = s.Values1;
    r.Factors = s.Factors;
    r.Text2 = std::move(s.Text2);
    r.Value5 = s.Value5;
    r.Text3 = std::move(s.Text3);
    return r;
}

CPRecord ImportCP(CPRecordA&& a) {
    CPRecord r;
    r.Value1 = a.Value1;
    r.Word1 = a.Word1;
    for (std::size_t i = 0; i < a.Values.size(); ++i) r.Values[i] = a.Values[i];
    r.Values[21] = a.Values[20];
    r.Word2 = a.Word2;
    r.Value2 = a.Value2;
    return r;
}

}  // namespace kmd
