#include "tables/groups.h"

#include "legacy/groups.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<GroupRecord> kGroupLayouts[] = {
    UpTo<GroupA, ImportGroupA>(kGroupAUpTo),
    UpTo<GroupB, ImportGroupB>(kGroupBUpTo),
    Newest<GroupRecord>(),
};

constexpr Layout<SectionCutRecord> kSectionCutLayouts[] = {
    UpTo<SectionCutA, ImportSectionCutA>(kSectionCutAUpTo),
    Newest<SectionCutRecord>(),
};

// The membership lists both files hold: only after a group count that is not 0,
// and each only when objects of its kind exist.
template <class Groups, class Fn>
void ForEachStoredList(const ObjectData& objects, Groups& g, Fn fn) {
    if (g.Groop.count == 0) return;
    if (objects.PointObjects.count >= 1) fn(g.PointMembers);
    if (objects.LineObjects.count > 0) fn(g.LineMembers);
    if (objects.AreaObjects.count > 0) fn(g.AreaMembers);
}

// A count, then (when at least 1) that many members, in a list sized in blocks of 20.
void ReadMembers(Reader& in, Table<GroupMemberRecord>& list) {
    in.SetTable(list.name);
    list.count = in.I32();
    if (list.count <= 0) return;
    in.CheckCount(list.count, MinEncodedSize<GroupMemberRecord>());
    list.capacity = ObjectTableCapacity(list.count);
    list.Reallocate(list.capacity);
    for (std::int32_t i = 1; i <= list.count; ++i) in(list[i]);
}

}  // namespace

// File order: Groop, the membership lists, SectionCut.
void ReadGroupTables(Reader& in, Conversion& cv) {
    GroupData& g = cv.model.groups;
    ReadTable(in, cv, g.Groop, kGroupLayouts);
    ForEachStoredList(cv.model.objects, g, [&](Table<GroupMemberRecord>& list) { ReadMembers(in, list); });
    ReadTable(in, cv, g.SectionCut, kSectionCutLayouts);
}

void WriteGroupTables(Writer& out, const Conversion& cv) {
    const GroupData& g = cv.model.groups;
    WriteTable(out, g.Groop);
    ForEachStoredList(cv.model.objects, g, [&](const Table<GroupMemberRecord>& list) { WriteTable(out, list); });
    WriteTable(out, g.SectionCut);
}

// The membership lists have no allocator by name: they are sized as the legacy
// reader sizes them.
void ReadBackGroupTables(Reader& in, Conversion& cv) {
    GroupData& g = cv.model.groups;
    ReadCurrentTable(in, cv, g.Groop);
    ForEachStoredList(cv.model.objects, g, [&](Table<GroupMemberRecord>& list) {
        ReadMembers(in, list);
        cv.report.tables.push_back({list.name, list.count});
    });
    ReadCurrentTable(in, cv, g.SectionCut);
}

}  // namespace kmd
