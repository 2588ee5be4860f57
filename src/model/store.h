// Model tables: 1-based arrays of one record type with a count and a capacity,
// allocated by table name.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fileformat/memory_budget.h"

namespace kmd {

// AllocateTable, AllocateObjectTable, or AllocateOutputTable (output tables, sized
// by their readers; see model/output_tables.h).
enum class Allocator { Table, Object, Output };

struct TableBase {
    TableBase(const char* tableName, Allocator allocator) : name(tableName), kind(allocator) {}
    virtual ~TableBase() = default;

    const char* name;  // the table name, by which it is allocated and reported
    Allocator kind;    // the allocator that sizes it

    // Discards every record and allocates `capacity` default records (none when
    // capacity is 0 or less).
    virtual void Reallocate(std::int32_t capacity) = 0;
};

template <class T>
struct Table : TableBase {
    using TableBase::TableBase;

    std::int32_t count = 0;     // records in use, as stored in front of the table
    std::int32_t capacity = 0;  // upper bound the array was last allocated with
    std::vector<T> records;     // records[i - 1] is record i

    void Reallocate(std::int32_t cap) override {
        records.clear();
        records.shrink_to_fit();
        if (cap <= 0) return;
        ChargeMemory(std::uint64_t(cap) * sizeof(T));
        records.resize(std::size_t(cap));
    }
    bool Allocated() const { return !records.empty(); }
    T& operator[](std::int64_t i) { return At(i); }
    const T& operator[](std::int64_t i) const { return const_cast<Table*>(this)->At(i); }
    T& At(std::int64_t i) {
        if (i < 1 || i > std::int64_t(records.size()))
            throw std::out_of_range("record " + std::to_string(i) + " outside the allocated table");
        return records[std::size_t(i - 1)];
    }
};

// The names the allocators know, each with the table it allocates.
class TableRegistry {
public:
    // Shows message `id` of the string table followed by `tail`; set by the run.
    using Reporter = void (*)(std::int32_t id, std::string_view tail);
    Reporter reporter = nullptr;
    void Report(std::int32_t id, std::string_view tail) const {
        if (reporter) reporter(id, tail);
    }

    void Add(TableBase& table) { entries_[table.name] = {table.kind, &table}; }
    TableBase* Find(std::string_view name, Allocator kind) const {
        auto it = entries_.find(std::string(name));
        if (it == entries_.end() || it->second.kind != kind) return nullptr;
        return it->second.table;
    }

private:
    struct Entry {
        Allocator kind;
        TableBase* table;
    };
    std::map<std::string, Entry, std::less<>> entries_;
};

// Capacity in blocks of 10 (at least one block); allocates the named table.
// An unknown name shows message 12505 and allocates nothing; the capacity is set
// either way.
void AllocateTable(const TableRegistry& reg, std::string_view name, std::int32_t count, std::int32_t& capacity);

// Capacity in blocks of 20; a count of 0 or less does nothing at all. An unknown
// name shows message 11970 followed by the name.
void AllocateObjectTable(const TableRegistry& reg, std::string_view name, std::int32_t count,
                         std::int32_t& capacity);

std::int32_t TableCapacity(std::int32_t count);
std::int32_t ObjectTableCapacity(std::int32_t count);

}  // namespace kmd
