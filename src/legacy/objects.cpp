#include "legacy/objects.h"

#include <utility>

namespace kmd {

void ObjectData::BuildDefaults(std::int32_t defaultLength) {
    PointObjectRecord p;
    p.PValue3 = 1;
    p.PValue4 = 6;
    p.PCode1 = 0;
    p.PCode2 = -1;
    p.PCode3 = -1;
    p.PCode4 = 0;
    p.PFlags1.fill(-1);
    p.PFlags2.fill(0);
    DefaultPointObject = std::move(p);

    LineObjectRecord l;
    l.LValue3 = 1;
    l.LValue4 = 6;
    l.LValue5 = 4;
    l.LReal1 = 1.0;
    l.LReal2 = defaultLength / 2.0;
    l.LValue17 = 3;
    l.LCode4 = -1;
    l.LValue24 = 10;
    l.LSwitch = 0;
    l.LCode6 = 1;
    l.LCode10 = -1;
    l.LCode11 = -1;
    l.LCode12 = 0;
    l.LFlags1.fill(-1);
    l.LFlags2.fill(0);
    DefaultLineObject = std::move(l);

    AreaObjectRecord a;
    a.AValue3 = 1;
    a.AValue4 = 6;
    a.AValue5 = 4;
    a.AReal1 = 1.0;
    a.ACode4 = 0;
    a.ACode5 = -1;
    a.ACode6 = -1;
    a.ACode7 = 0;
    a.ACode8 = 0;
    a.AReal2 = double(defaultLength);
    a.AValue32 = 1;
    a.AValue33 = 1;
    a.ACode9 = 0;
    a.ACode10 = -1;
    a.ACode11 = -1;
    a.ACode12 = -1;
    a.ACode13 = 0;
    a.AFlags1.fill(-1);
    a.AFlags2.fill(0);
    DefaultAreaObject = std::move(a);
}

// ---------------------------------------------------------------------------
// Point objects

PointObjectRecord ImportPointObject(PointObjectP1&& r) {
    PointObjectRecord o = std::move(r.obj);
    // PValue4 keeps its default: the value in its place is dropped.
    o.PBlock2 = {};
    o.PText.clear();
    return o;
}

PointObjectRecord ImportPointObject(PointObjectP2&& r) {
    PointObjectRecord o = std::move(r.obj);
    o.PText.clear();
    return o;
}

// ---------------------------------------------------------------------------
// Line objects

namespace {

// Fields no legacy line form keeps.
void ResetLegacyLine(LineObjectRecord& o) {
    o.LCode1 = 0;
    o.LZero1 = {};
    o.LCode8 = 0;
    o.LCode9 = 0;
    o.LZero2 = {};
    o.LText.clear();
}

// L2 and L3 held the switch with the opposite sense.
std::int16_t InvertedSwitch(std::int16_t legacy) { return std::int16_t(~legacy); }

}  // namespace

LineObjectRecord ImportLineObject(LineObjectL1&& r) {
    LineObjectRecord o = std::move(r.obj);
    ResetLegacyLine(o);
    o.LValue15 = 0;
    o.LCode2 = 0;
    o.LBlock1 = {};
    o.LValue30 = 0;
    o.LCode7 = 0;
    o.LCode6 = r.LegacySwitch != 0 ? 2 : 0;
    return o;
}

LineObjectRecord ImportLineObject(LineObjectL2&& r) {
    LineObjectRecord o = std::move(r.obj);
    ResetLegacyLine(o);
    o.LValue15 = 0;
    o.LSwitch = InvertedSwitch(o.LSwitch);
    o.LCode5 = 0;
    return o;
}

LineObjectRecord ImportLineObject(LineObjectL3&& r) {
    LineObjectRecord o = std::move(r.obj);
    ResetLegacyLine(o);
    o.LSwitch = InvertedSwitch(o.LSwitch);
    o.LCode5 = 0;
    return o;
}

LineObjectRecord ImportLineObject(LineObjectL4&& r) {
    LineObjectRecord o = std::move(r.obj);
    ResetLegacyLine(o);
    return o;
}

LineObjectRecord ImportLineObject(LineObjectL5&& r) {
    LineObjectRecord o = std::move(r.obj);
    ResetLegacyLine(o);
    return o;
}

// ---------------------------------------------------------------------------
// Area objects

AreaObjectRecord ImportAreaObject(AreaObjectA1&& r, std::int32_t defaultLength) {
    AreaObjectRecord o = std::move(r.obj);
    o.AValue24 = 0;
    o.AText.clear();
    o.ACode5 = -1;
    o.ACode6 = -1;
    o.ACode7 = 0;
    o.ACode8 = 0;
    o.ACode9 = 0;
    o.ACode10 = 0;
    o.AReal2 = double(defaultLength);
    return o;
}

AreaObjectRecord ImportAreaObject(AreaObjectA2&& r) {
    AreaObjectRecord o = std::move(r.obj);
    o.AValue24 = 0;
    o.AText.clear();
    o.ACode9 = 0;
    return o;
}

AreaObjectRecord ImportAreaObject(AreaObjectA3&& r) {
    AreaObjectRecord o = std::move(r.obj);
    o.AValue24 = 0;
    o.AText.clear();
    o.ACode9 = 0;
    return o;
}

}  // namespace kmd
