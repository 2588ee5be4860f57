// Output tables: analysis and design output, sized by their readers and allocated
// by name through AllocateOutputTable (bounds 1..count) and AllocateOutputGrid
// (bounds 1..rows by 1..columns); every element starts zeroed.
//
// A family registers each output table it holds under one of the names the
// services keep. The services also accept names whose tables nothing keeps (a
// scratch table allocated and released at once: nothing happens); any other name
// shows message 12535 and allocates nothing.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fileformat/memory_budget.h"
#include "model/store.h"

namespace kmd {

// A two-dimensional output table, elements held with the first subscript fastest.
struct GridBase {
    explicit GridBase(const char* gridName) : name(gridName) {}
    virtual ~GridBase() = default;

    const char* name;  // the table name, by which it is allocated

    // Discards every element and allocates rows x columns zeroed ones.
    virtual void Reallocate(std::int32_t rows, std::int32_t columns) = 0;
};

template <class T>
struct Grid : GridBase {
    using GridBase::GridBase;

    std::int32_t rows = 0;
    std::int32_t columns = 0;
    std::vector<T> elements;

    void Reallocate(std::int32_t r, std::int32_t c) override {
        elements.clear();
        elements.shrink_to_fit();
        rows = columns = 0;
        if (r <= 0 || c <= 0) return;
        const std::uint64_t n = std::uint64_t(r) * std::uint64_t(c);
        ChargeMemory(n * sizeof(T));
        elements.resize(std::size_t(n));
        rows = r;
        columns = c;
    }
    T& At(std::int64_t i, std::int64_t j) {
        if (i < 1 || i > rows || j < 1 || j > columns)
            throw std::out_of_range("element (" + std::to_string(i) + ", " + std::to_string(j) +
                                    ") outside the allocated grid");
        return elements[std::size_t((i - 1) + std::int64_t(rows) * (j - 1))];
    }
    const T& At(std::int64_t i, std::int64_t j) const { return const_cast<Grid*>(this)->At(i, j); }
};

// The output tables of the model by name.
class OutputRegistry {
public:
    // Shows message `id` of the string table; set by the run.
    TableRegistry::Reporter reporter = nullptr;
    void Report(std::int32_t id) const {
        if (reporter) reporter(id, "");
    }

    // A one-dimensional table under its name, which must be one AllocateOutputTable
    // keeps. Allocating it also sets `*flag` to -1, when given.
    template <class T>
    void Add(Table<T>& table, std::int16_t* flag = nullptr) {
        AddTable(table, &table.capacity, flag);
    }
    // A grid under its name, which must be one AllocateOutputGrid keeps.
    void Add(GridBase& grid);

    struct TableEntry {
        TableBase* table;
        std::int32_t* capacity;
        std::int16_t* flag;
    };
    // The registered table of a name, or nullptr.
    const TableEntry* FindTable(std::string_view name) const;
    GridBase* FindGrid(std::string_view name) const;

private:
    void AddTable(TableBase& table, std::int32_t* capacity, std::int16_t* flag);

    std::map<std::string, TableEntry, std::less<>> tables_;
    std::map<std::string, GridBase*, std::less<>> grids_;
};

// Sizes the named table to bounds 1..count, discarding its records. A count
// below 1 does nothing at all. A kept name no family registered is a defect of
// the converter (std::logic_error).
void AllocateOutputTable(const OutputRegistry& reg, std::string_view name, std::int32_t count);

// Sizes the named grid to bounds 1..rows by 1..columns, discarding its elements;
// with either size below 1 nothing is allocated (an unknown name is still shown).
void AllocateOutputGrid(const OutputRegistry& reg, std::string_view name, std::int32_t rows,
                        std::int32_t columns);

// The vocabulary of the two services.
std::span<const std::string_view> KeptOutputTableNames();
std::span<const std::string_view> ScratchOutputTableNames();
std::span<const std::string_view> KeptOutputGridNames();
std::span<const std::string_view> ScratchOutputGridNames();

}  // namespace kmd
