#include "legacy/groups.h"

#include <utility>

namespace kmd {

GroupRecord ImportGroupA(GroupA&& a) { return std::move(a.group); }
GroupRecord ImportGroupB(GroupB&& b) { return std::move(b.group); }
SectionCutRecord ImportSectionCutA(SectionCutA&& a) { return std::move(a.cut); }

}  // namespace kmd
