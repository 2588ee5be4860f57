// Records held as packed runs of numbered plain fields ("Int1" to "Int6",
// "Real1" to "Real12", ...), and the conversion of an older layout into such a
// record written as a table of fills: byte moves from the legacy bytes,
// constants, values derived from a legacy flag, and the legacy bytes dropped.
//
// The tables are built when compiled: a field name that does not exist, or a
// byte range whose length differs from the fields it fills, does not compile,
// and FillsAreExact checks a whole table against the legacy layout's size.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string_view>

namespace kmd {

// The fields prefix+first to prefix+last, each `size` bytes, in part `part` of
// the record (the packed runs between its strings and arrays).
struct PackedRun {
    std::string_view prefix;
    std::uint16_t first;
    std::uint16_t last;
    std::uint8_t size;
    std::uint8_t part = 0;
};

// Where a field lies.
struct PackedPlace {
    std::uint8_t part;
    std::uint16_t offset;  // first byte within its part
    std::uint8_t size;
    std::uint16_t index;   // position among all fields, in declaration order
};

constexpr PackedPlace FindPackedField(std::span<const PackedRun> runs, std::string_view name) {
    const std::size_t digit = name.find_first_of("0123456789");
    if (digit == std::string_view::npos || digit == 0) throw "a field name is a prefix and a number";
    const std::string_view prefix = name.substr(0, digit);
    unsigned number = 0;
    for (char c : name.substr(digit)) {
        if (c < '0' || c > '9') throw "a field name is a prefix and a number";
        number = number * 10 + unsigned(c - '0');
    }
    std::array<std::uint16_t, 8> offsets{};
    std::uint16_t index = 0;
    for (const PackedRun& r : runs) {
        if (r.prefix == prefix && number >= r.first && number <= r.last)
            return {r.part, std::uint16_t(offsets[r.part] + (number - r.first) * r.size), r.size,
                    std::uint16_t(index + number - r.first)};
        offsets[r.part] = std::uint16_t(offsets[r.part] + (r.last - r.first + 1) * r.size);
        index = std::uint16_t(index + r.last - r.first + 1);
    }
    throw "no such field";
}

// Bytes of one part of the record.
consteval std::size_t PackedPartSize(std::span<const PackedRun> runs, std::uint8_t part) {
    std::size_t n = 0;
    for (const PackedRun& r : runs)
        if (r.part == part) n += std::size_t(r.last - r.first + 1) * r.size;
    return n;
}

consteval std::size_t PackedFieldCount(std::span<const PackedRun> runs) {
    std::size_t n = 0;
    for (const PackedRun& r : runs) n += r.last - r.first + 1;
    return n;
}

// One line of a conversion table.
struct FieldFill {
    enum class Kind : std::uint8_t {
        Move,      // legacy bytes copied into fields
        Constant,  // a field set to a value
        Flag,      // a field set from a 16-bit legacy flag: `value` if it is -1, else `otherwise`
        Zero,      // fields the layout lacks, left zero (listed for the check only)
        Dropped,   // legacy bytes read and not carried
    };
    Kind kind;
    std::uint8_t source = 0;  // legacy part read (Move, Flag, Dropped)
    std::uint16_t from = 0;   // its first byte
    std::uint16_t length = 0;
    std::uint8_t target = 0;  // part of the record written (Move, Constant, Flag)
    std::uint16_t to = 0;     // its first byte
    std::uint16_t firstField = 0, lastField = 0;  // fields filled (not for Dropped)
    std::uint64_t value = 0, otherwise = 0;       // little-endian bytes of the values
};

// The fills of a record whose fields are `Runs`.
template <const auto& Runs>
struct PackedFills {
    static constexpr std::span<const PackedRun> kRuns{Runs};

    static constexpr PackedPlace Field(std::string_view name) { return FindPackedField(kRuns, name); }

    // Legacy bytes from..to (inclusive) of part `source` into the fields first..last.
    static consteval FieldFill Move(std::string_view first, std::string_view last, std::size_t from, std::size_t to,
                                    std::uint8_t source = 0) {
        const PackedPlace a = Field(first), b = Field(last);
        if (a.part != b.part || b.index < a.index) throw "the fields are not one run of one part";
        const std::size_t length = b.offset + b.size - a.offset;
        if (to < from || to - from + 1 != length) throw "the byte range does not match the fields";
        return {FieldFill::Kind::Move, source, std::uint16_t(from), std::uint16_t(length), a.part, a.offset,
                a.index, b.index};
    }
    static consteval FieldFill Move(std::string_view field, std::size_t from, std::size_t to, std::uint8_t source = 0) {
        return Move(field, field, from, to, source);
    }

    static consteval FieldFill Constant(std::string_view field, double v) {
        const PackedPlace p = Field(field);
        return {FieldFill::Kind::Constant, 0, 0, p.size, p.part, p.offset, p.index, p.index, Bits(p, v)};
    }

    // The 16-bit legacy flag at bytes from..to of part `source`.
    static consteval FieldFill Flag(std::string_view field, std::size_t from, std::size_t to, double ifMinusOne,
                                    double otherwise, std::uint8_t source = 0) {
        const PackedPlace p = Field(field);
        if (to != from + 1) throw "a flag is 2 bytes";
        return {FieldFill::Kind::Flag, source, std::uint16_t(from), p.size, p.part, p.offset,
                p.index, p.index, Bits(p, ifMinusOne), Bits(p, otherwise)};
    }

    static consteval FieldFill Zero(std::string_view first, std::string_view last) {
        const PackedPlace a = Field(first), b = Field(last);
        if (b.index < a.index) throw "the fields are out of order";
        return {FieldFill::Kind::Zero, 0, 0, 0, a.part, 0, a.index, b.index};
    }
    static consteval FieldFill Zero(std::string_view field) { return Zero(field, field); }

    static consteval FieldFill Dropped(std::size_t from, std::size_t to, std::uint8_t source = 0) {
        if (to < from) throw "empty byte range";
        return {FieldFill::Kind::Dropped, source, std::uint16_t(from), std::uint16_t(to - from + 1)};
    }

private:
    static consteval std::uint64_t Bits(const PackedPlace& p, double v) {
        if (p.size == 8) return std::bit_cast<std::uint64_t>(v);
        const auto i = std::int32_t(v);
        if (double(i) != v) throw "an integer field takes an integer";
        if (p.size == 4) return std::uint32_t(i);
        if (p.size == 2 && i >= -32768 && i <= 32767) return std::uint16_t(std::int16_t(i));
        throw "no value of that size";
    }
};

// True when every byte of the legacy parts (of the given sizes) is read by
// exactly one fill, no field is filled twice, every fill lies inside its parts,
// and, with `allFields`, every field of the record is filled or listed as zero.
consteval bool FillsAreExact(std::span<const FieldFill> fills, std::initializer_list<std::size_t> sourceSizes,
                             std::span<const PackedRun> runs, bool allFields) {
    std::array<std::array<std::uint8_t, 1024>, 4> read{};
    std::array<std::uint8_t, 512> filled{};
    for (const FieldFill& f : fills) {
        if (f.kind == FieldFill::Kind::Move || f.kind == FieldFill::Kind::Flag || f.kind == FieldFill::Kind::Dropped) {
            const std::size_t n = f.kind == FieldFill::Kind::Flag ? 2 : f.length;
            if (f.source >= sourceSizes.size() || f.from + n > sourceSizes.begin()[f.source]) return false;
            for (std::size_t i = f.from; i < f.from + n; ++i)
                if (read[f.source][i]++) return false;
        }
        if (f.kind == FieldFill::Kind::Dropped) continue;
        if (f.kind != FieldFill::Kind::Zero && f.to + f.length > PackedPartSize(runs, f.target)) return false;
        for (std::size_t i = f.firstField; i <= f.lastField; ++i)
            if (filled[i]++) return false;
    }
    for (std::size_t s = 0; s < sourceSizes.size(); ++s)
        for (std::size_t i = 0; i < sourceSizes.begin()[s]; ++i)
            if (!read[s][i]) return false;
    if (allFields)
        for (std::size_t i = 0; i < PackedFieldCount(runs); ++i)
            if (!filled[i]) return false;
    return true;
}

// Applies a conversion table: `sources` are the legacy parts, `targets` the
// parts of the record (already zero where the table fills nothing).
inline void ApplyFills(std::span<const FieldFill> fills, std::initializer_list<std::span<const std::uint8_t>> sources,
                       std::initializer_list<std::span<std::uint8_t>> targets) {
    auto need = [](bool ok) {
        if (!ok) throw std::logic_error("a conversion table reaches outside its record");
    };
    for (const FieldFill& f : fills) {
        if (f.kind == FieldFill::Kind::Zero || f.kind == FieldFill::Kind::Dropped) continue;
        need(f.target < targets.size() && f.to + f.length <= targets.begin()[f.target].size());
        std::uint8_t* to = targets.begin()[f.target].data() + f.to;
        std::uint64_t value = f.value;
        if (f.kind != FieldFill::Kind::Constant) {
            const std::size_t n = f.kind == FieldFill::Kind::Flag ? 2 : f.length;
            need(f.source < sources.size() && f.from + n <= sources.begin()[f.source].size());
            const std::uint8_t* from = sources.begin()[f.source].data() + f.from;
            if (f.kind == FieldFill::Kind::Move) {
                std::memcpy(to, from, f.length);
                continue;
            }
            std::int16_t flag;
            std::memcpy(&flag, from, 2);
            if (flag != -1) value = f.otherwise;
        }
        std::memcpy(to, &value, f.length);
    }
}

}  // namespace kmd
