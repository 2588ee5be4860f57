#include "model/store.h"


namespace kmd {

namespace {
std::int32_t Blocks(std::int64_t count, std::int64_t size) {
    std::int64_t blocks = count / size;
    if (count % size > 0) ++blocks;
    return std::int32_t(blocks);
}
}  // namespace

std::int32_t TableCapacity(std::int32_t count) {
    std::int32_t blocks = Blocks(count, 10);
    if (blocks == 0) blocks = 1;
    return blocks * 10;
}

std::int32_t ObjectTableCapacity(std::int32_t count) { return Blocks(count, 20) * 20; }

void AllocateTable(const TableRegistry& reg, std::string_view name, std::int32_t count, std::int32_t& capacity) {
    std::int32_t cap = TableCapacity(count);
    if (TableBase* t = reg.Find(name, Allocator::Table))
        t->Reallocate(cap);
    else
        reg.Report(12505, "");
    capacity = cap;
}

void AllocateObjectTable(const TableRegistry& reg, std::string_view name, std::int32_t count,
                         std::int32_t& capacity) {
    std::int32_t cap = ObjectTableCapacity(count);
    if (cap <= 0) return;
    if (TableBase* t = reg.Find(name, Allocator::Object))
        t->Reallocate(cap);
    else
        reg.Report(11970, name);
    capacity = cap;
}

}  // namespace kmd
