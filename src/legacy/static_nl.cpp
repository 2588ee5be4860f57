#include "legacy/static_nl.h"

#include <utility>

namespace kmd {

namespace {

// A record starting from zero with the name trimmed and the fields both older
// layouts carry: Block1 to Short2 and Block6.
StaticNLRecord Carried(const FixedString<8>& name, StaticNLRecord&& legacy) {
    StaticNLRecord r;
    r.Name = Trimmed(name);
    r.Block1 = legacy.Block1;
    r.Block2 = legacy.Block2;
    r.Count1 = legacy.Count1;
    r.Points1 = std::move(legacy.Points1);
    r.Count2 = legacy.Count2;
    r.Points2 = std::move(legacy.Points2);
    r.Short1 = legacy.Short1;
    r.Block3 = legacy.Block3;
    r.Count3 = legacy.Count3;
    r.Array1 = std::move(legacy.Array1);
    r.Short2 = legacy.Short2;
    r.Block6 = legacy.Block6;
    r.Short7 = legacy.Short7;
    return r;
}

}  // namespace

StaticNLRecord ImportStaticNLA(StaticNLA&& a) {
    StaticNLRecord r = Carried(a.Name, std::move(a.rec));
    r.Value2 = 1;
    return r;
}

StaticNLRecord ImportStaticNLB(StaticNLB&& b) {
    StaticNLRecord r = Carried(b.Name, std::move(b.rec));
    r.Value1 = b.rec.Value1;
    r.Short3 = b.rec.Short3;
    r.Short4 = b.rec.Short4;
    r.Value2 = b.rec.Value2;
    r.Value3 = b.rec.Value3;
    return r;
}

}  // namespace kmd
