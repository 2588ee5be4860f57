#include "legacy/stories.h"

#include <utility>

namespace kmd {

DiaphragmRecord ImportDiaphragmA(DiaphragmA&& a) {
    DiaphragmRecord r;
    r.Name = a.Name;
    r.D1 = 0;
    r.D2 = a.Word1;
    return r;
}

StoryRecord ImportStoryA(StoryRecordA&& a) {
    StoryRecord r;
    r.Name = std::move(a.Name);
    r.S1 = a.S1;
    r.S2 = {};
    r.S3 = 0;
    r.S4 = std::move(a.S4);
    r.S5 = std::move(a.S5);
    r.S6ToS16 = std::move(a.S6ToS16);
    r.S17 = std::move(a.S17);
    r.S18 = a.S18;
    r.S19 = -1;
    return r;
}

}  // namespace kmd
