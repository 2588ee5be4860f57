#include "legacy/coordinates.h"

#include <cstring>
#include <utility>

namespace kmd {

namespace {

template <class NameT>
CoordSystemRecord ImportWithoutC6(CoordSystemWithoutC6<NameT>&& s, std::string name) {
    CoordSystemRecord r;
    r.Name = std::move(name);
    r.C1 = s.C1;
    r.Matrix = s.Matrix;
    r.C2 = s.C2;
    r.C3 = s.C3;
    r.GridCount1 = s.GridCount1;
    r.GridCount2 = s.GridCount2;
    r.GridCount3 = s.GridCount3;
    r.Grid1 = std::move(s.Grid1);
    r.Grid2 = std::move(s.Grid2);
    r.Grid3 = std::move(s.Grid3);
    r.GridCount4 = s.GridCount4;
    r.C4 = s.C4;
    r.Grid4 = std::move(s.Grid4);
    r.C5 = s.C5;
    r.C6 = -1;
    return r;
}

}  // namespace

CoordSystemRecord ImportCoordSystemB(CoordSystemB&& b) {
    std::string name = TrimSpaces(b.Name);
    return ImportWithoutC6(std::move(b), std::move(name));
}

CoordSystemRecord ImportCoordSystemA(CoordSystemA&& a) {
    std::string name = Trimmed(a.Name);
    return ImportWithoutC6(std::move(a), std::move(name));
}

// C1 is A then the twelve words of B; the last nine words of C5 are D.
CoordSystemRecord ImportOldCoordSystem(OldCoordSystemRecord&& o) {
    CoordSystemRecord r;
    r.Name = o.Name.str();
    std::memcpy(r.C1.data(), &o.A, 4);
    std::memcpy(r.C1.data() + 4, o.B.data(), 12 * 4);
    r.Matrix = o.Matrix;
    for (std::size_t i = 0; i < o.D.size(); ++i) r.C5[2 + i] = o.D[i];
    r.C2 = o.E;
    r.C3 = o.F;
    r.C6 = -1;
    return r;
}

GridLineRecord BuildGridLine(const OldGridLineRecord& old, std::int32_t n, std::int32_t k, std::int32_t storyCount) {
    GridLineRecord g;
    g.Name = old.Name;
    g.G1 = n;
    g.G2 = k;
    g.G3 = old.H3;
    g.G4 = old.H4;
    g.G6 = 1;
    g.G7 = old.H1;
    g.G8 = old.H2;
    g.G9 = -1;
    g.G10 = old.H5;
    g.G11 = old.H6;
    // Direction 2 held the flag inverted.
    g.G12 = k == 2 ? std::int16_t(~old.H7) : old.H7;
    g.G13 = 1;
    g.G14 = storyCount;
    g.G15 = old.H8;
    g.G16 = 0;
    g.G17 = -1;
    return g;
}

ReferenceLineRecord ImportReferenceLineA(ReferenceLineA&& a) {
    ReferenceLineRecord r;
    r.Values = a.Values;
    r.Word1 = a.Word1;
    r.Word2 = -1;
    return r;
}

ReferencePlaneRecord ImportReferencePlaneA(ReferencePlaneA&& a) {
    ReferencePlaneRecord r;
    r.Values = a.Values;
    r.Word1 = a.Word1;
    r.Word2 = -1;
    return r;
}

}  // namespace kmd
