// Static nonlinear cases, frame hinge properties and the FrameNL records (one
// per line object).
//
// 4-byte values are carried as 32-bit integers; blocks are carried bytes.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "fileformat/encoding.h"
#include "model/output_tables.h"
#include "model/store.h"

namespace kmd {

// A 16-bit field the current file holds as 0, whatever the record holds.
struct WrittenAsZeroForm {
    using IsFieldForm = void;
    std::int16_t& held;
    void WriteCurrent(Writer& out) const { out.I16(0); }
    void ReadCurrent(Reader& in) const { held = in.I16(); }
};
inline WrittenAsZeroForm WrittenAsZero(std::int16_t& v) { return {v}; }

// Reads the header of an array without storage (00 00).
inline void ReadWithoutStorage(Reader& in) {
    const std::size_t at = in.Offset();
    if (const std::int16_t ndims = in.I16(); ndims != 0)
        in.FailAt(at, "expected an array without storage, found " + std::to_string(ndims) + " dimension(s)");
}

// An array the current file does not hold; an array without storage (00 00)
// stands in its place.
template <class T>
struct WithoutStorageForm {
    using IsFieldForm = void;
    DynArray<T>& held;
    void WriteCurrent(Writer& out) const { out.I16(0); }
    void ReadCurrent(Reader& in) const {
        ReadWithoutStorage(in);
        held = {};
    }
};
template <class T>
WithoutStorageForm<T> WithoutStorage(DynArray<T>& a) { return {a}; }

struct StaticNLDetailRecord {
    std::int32_t Value1 = 0;
    std::string Text1;
    std::string Text2;
    Bytes<32> Block1{};
    std::string Text3;
    std::string Text4;
    Bytes<36> Block2{};
    std::string Text5;
    std::int16_t Short1 = 0;
    Bytes<140> Block3{};  // 38, 38 and 64 bytes
};
template <class Io>
void fields(Io& io, StaticNLDetailRecord& r) {
    io(r.Value1, r.Text1, r.Text2, r.Block1, r.Text3, r.Text4, r.Block2, r.Text5, r.Short1, r.Block3);
}

using StaticNLPoint = Bytes<16>;

// "StaticNL" in memory and in files above 8.075. The current file keeps the
// fields up to Value3 and Short7.
struct StaticNLRecord {
    std::string Name;
    Bytes<22> Block1{};  // five 4-byte values, then a 16-bit integer
    Bytes<60> Block2{};
    std::int32_t Count1 = 0;  // last 4 bytes of the 64-byte block: used elements of Points1
    DynArray<StaticNLPoint> Points1;
    std::int32_t Count2 = 0;
    DynArray<StaticNLPoint> Points2;
    std::int16_t Short1 = 0;
    Bytes<4> Block3{};
    std::int32_t Count3 = 0;  // last 4 bytes of the 8-byte block: used elements of Array1
    DynArray<std::int32_t> Array1;
    std::int16_t Short2 = 0;
    std::int32_t Value1 = 0;
    std::int16_t Short3 = 0;
    std::int16_t Short4 = 0;
    std::int32_t Value2 = 0;
    std::int32_t Value3 = 0;
    std::int16_t Short5 = 0;
    Bytes<8> Block4{};
    DynArray<double> Array2;
    DynArray<double> Array3;
    DynArray<double> Array4;
    DynArray<std::int32_t> Array5;
    Bytes<48> Block5{};
    DynArray<std::int32_t> Array6;
    StaticNLDetailRecord Detail;
    std::int16_t Short6 = 0;
    Bytes<8> Block6{};
    std::int16_t Short7 = 0;  // last 2 bytes of the 10-byte block
};

// Field groups of a static nonlinear case; the legacy layouts are spelled out of them.
namespace static_nl_groups {
// Block1 to Short2, held by every layout.
template <class Io>
void Block1ToShort2(Io& io, StaticNLRecord& r) {
    io(r.Block1, r.Block2, r.Count1, Counted(r.Points1, r.Count1, "Points1"), r.Count2,
       Counted(r.Points2, r.Count2, "Points2"), r.Short1, r.Block3, r.Count3, Counted(r.Array1, r.Count3, "Array1"),
       r.Short2);
}
template <class Io>
void Value1ToValue3(Io& io, StaticNLRecord& r) { io(r.Value1, r.Short3, r.Short4, r.Value2, r.Value3); }
// Block4 to the end: of these the current file keeps Short7 only.
template <class Io>
void Block4ToEnd(Io& io, StaticNLRecord& r) {
    io(NotWritten(r.Block4), NotWritten(r.Array2), NotWritten(r.Array3), NotWritten(r.Array4), NotWritten(r.Array5),
       NotWritten(r.Block5), NotWritten(r.Array6), NotWritten(r.Detail), NotWritten(r.Short6), NotWritten(r.Block6),
       r.Short7);
}
}  // namespace static_nl_groups

template <class Io>
void fields(Io& io, StaticNLRecord& r) {
    io(r.Name);
    static_nl_groups::Block1ToShort2(io, r);
    static_nl_groups::Value1ToValue3(io, r);
    io(WrittenAsZero(r.Short5));
    static_nl_groups::Block4ToEnd(io, r);
}

// A point of a hinge. Its curves are written for the point count of the hinge
// that holds it; the fixed groups as arrays with bounds 0..6 and 0..3.
struct HingePointRecord {
    DynArray<double> CurveX;
    DynArray<double> CurveY;
    std::array<double, 6> Reals1{};
    std::array<std::int32_t, 6> Values1{};
    std::array<double, 3> Reals2{};
    std::array<double, 3> Reals3{};
    // Not in the files: PointCount of the hinge, set when the hinge property is read.
    std::int32_t PointCount = 0;

    // The empty current record: six arrays without storage.
    static void WriteEmptyCurrent(Writer& out) {
        for (int k = 0; k < 6; ++k) out.I16(0);
    }
    static void ReadEmptyCurrent(Reader& in) {
        for (int k = 0; k < 6; ++k) ReadWithoutStorage(in);
    }
};
template <class Io>
void fields(Io& io, HingePointRecord& r) {
    io(Counted(r.CurveX, r.PointCount, "hinge curve X"), Counted(r.CurveY, r.PointCount, "hinge curve Y"),
       ZeroBased(r.Reals1), ZeroBased(r.Values1), ZeroBased(r.Reals2), ZeroBased(r.Reals3));
}

// The points of a hinge, counted by ItemCount; read back each with the point
// count of the hinge (which its curves are written for).
struct HingePointsForm {
    using IsFieldForm = void;
    DynArray<HingePointRecord>& held;
    std::int32_t& count;
    const std::int32_t& pointCount;

    CountedArray<HingePointRecord, std::int32_t&> Counted() const { return {held, count, "hinge points"}; }
    template <class Checker>
    void Check(Checker& c) const { Counted().Check(c); }
    void WriteCurrent(Writer& out) const { Counted().WriteCurrent(out); }
    void ReadCurrent(Reader& in) const {
        if (count < 0) in.Fail("hinge points: negative element count " + std::to_string(count));
        in.ArrayHeader0(CurrentMinSize<HingePointRecord>(), count);
        ReadEmptyElement<HingePointRecord>(in);
        held = DynArray<HingePointRecord>::Sized(1, count);
        for (HingePointRecord& point : held.items) {
            point.PointCount = pointCount;
            in.Field(point);
        }
    }
};

struct HingeRecord {
    Bytes<8> Block1{};
    std::int32_t PointCount = 0;  // positions 8-11 of the 62-byte block
    std::int32_t ItemCount = 0;   // positions 12-15: used elements of Items
    Bytes<46> Block2{};
    Bytes<6> Block3{};
    DynArray<HingePointRecord> Items;
};
template <class Io>
void fields(Io& io, HingeRecord& r) {
    io(r.Block1, r.PointCount, r.ItemCount, r.Block2, r.Block3, HingePointsForm{r.Items, r.ItemCount, r.PointCount});
}

// Matrix (1..C, 1..R + 1), R = Rows and C = Columns, written as one double array
// with bounds 0..(R + 1) C: element 0 is 0.0, then Matrix(j, i) with i from 1 to
// R + 1 (outer) and j from 1 to C (inner). When R + 1 or C is below 1 no element
// is taken and every element is 0.0.
struct FlattenedMatrixForm {
    using IsFieldForm = void;
    DynArray<double>& held;
    const std::int32_t& rows;
    const std::int32_t& columns;

    std::int64_t Lines() const { return std::int64_t(rows) + 1; }  // R + 1
    // The upper bound (R + 1) C.
    std::int64_t Upper() const { return Lines() * columns; }
    bool ZeroFilled() const { return Lines() < 1 || columns < 1; }
    bool Covers(std::size_t d, std::int64_t last) const {
        return held.dims[d].lower <= 1 && std::int64_t(held.dims[d].lower) + held.dims[d].count - 1 >= last;
    }
    bool HoldsMatrix() const { return held.dims.size() == 2 && Covers(0, columns) && Covers(1, Lines()); }
    // Why the record cannot be written, or nullptr; `inputSize` bounds the zeros.
    std::string Fault(std::size_t inputSize) const {
        if (Lines() > std::numeric_limits<std::int32_t>::max())
            return "hinge set rows " + std::to_string(rows) + " + 1 do not fit 32 bits";
        if (Upper() < 0 || Upper() > std::numeric_limits<std::int32_t>::max())
            return "hinge set matrix of (" + std::to_string(rows) + " + 1) x " + std::to_string(columns) +
                   " elements cannot be written";
        if (ZeroFilled()) {
            if (std::uint64_t(Upper()) + 1 > inputSize)
                return "hinge set matrix of " + std::to_string(Upper() + 1) +
                       " elements exceeds the size of the file";
        } else if (!HoldsMatrix()) {
            return "hinge set: the stored matrix lacks elements (1 to " + std::to_string(columns) + ", 1 to " +
                   std::to_string(Lines()) + ")";
        }
        return {};
    }
    template <class C>
    void Check(C& c) const {
        if (std::string fault = Fault(c.InputSize()); !fault.empty()) c.Fail(fault);
    }
    void WriteCurrent(Writer& out) const {
        if (!Fault(std::numeric_limits<std::size_t>::max()).empty())
            throw std::logic_error("hinge set matrix written without the record check");
        out.ArrayHeader0(std::uint64_t(Upper()));
        out.F64(0.0);
        if (ZeroFilled()) {
            for (std::int64_t k = 0; k < Upper(); ++k) out.F64(0.0);
            return;
        }
        const ArrayDim& d0 = held.dims[0];
        const ArrayDim& d1 = held.dims[1];
        for (std::int64_t i = 1; i <= Lines(); ++i)
            for (std::int64_t j = 1; j <= columns; ++j)
                out.F64(held.items[std::size_t((j - d0.lower) + std::int64_t(d0.count) * (i - d1.lower))]);
    }
    // Read back as Matrix(1..C, 1..R + 1); a zero-filled one without storage.
    void ReadCurrent(Reader& in) const {
        constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
        if (Lines() > kMax || Upper() < 0 || Upper() > kMax) in.Fail(Fault(std::numeric_limits<std::size_t>::max()));
        in.ArrayHeader0(sizeof(double), Upper());
        in.F64();
        held = {};
        if (ZeroFilled()) {
            in.Skip(std::size_t(Upper()) * sizeof(double));
            return;
        }
        const std::size_t n = std::size_t(Upper());
        ChargeMemory(n * sizeof(double));
        held.dims = {{std::uint32_t(columns), 1}, {std::uint32_t(Lines()), 1}};
        held.items.resize(n);
        for (std::int64_t i = 1; i <= Lines(); ++i)
            for (std::int64_t j = 1; j <= columns; ++j) held.items[std::size_t((j - 1) + columns * (i - 1))] = in.F64();
    }
};

struct HingeSetRecord {
    std::int32_t Count = 0;
    DynArray<std::int32_t> Array1;
    std::int32_t Rows = 0;
    std::int32_t Columns = 0;
    std::int16_t Short1 = 0;
    std::int16_t Short2 = 0;
    DynArray<double> Matrix;  // two-dimensional
    DynArray<double> Extra;

    // The empty current record: Count 0, Array1 without storage, the 12 bytes
    // zero, the flattened matrix without storage.
    static void WriteEmptyCurrent(Writer& out) {
        out(std::int32_t(0), std::int16_t(0), Bytes<12>{}, std::int16_t(0));
    }
    static void ReadEmptyCurrent(Reader& in) {
        in.I32();
        ReadWithoutStorage(in);
        in.Skip(12);
        ReadWithoutStorage(in);
    }
};
template <class Io>
void fields(Io& io, HingeSetRecord& r) {
    io(r.Count, Counted(r.Array1, r.Count, "hinge set values"), r.Rows, r.Columns, r.Short1, r.Short2,
       FlattenedMatrixForm{r.Matrix, r.Rows, r.Columns}, NotWritten(r.Extra));
}

// "FHProp1", the same in every legacy version.
struct HingePropertyRecord {
    std::string Name;
    std::int32_t Count1 = 0;  // used elements of Hinges
    std::int32_t Count2 = 0;  // used elements of Sets
    DynArray<HingeRecord> Hinges;
    Bytes<12> Block1{};
    DynArray<HingeSetRecord> Sets;
    Bytes<12> Block2{};
};
template <class Io>
void fields(Io& io, HingePropertyRecord& r) {
    io(r.Name, r.Count1, r.Count2, Counted(r.Hinges, r.Count1, "hinges"), r.Block1,
       Counted(r.Sets, r.Count2, "hinge sets"), r.Block2);
}

// Gives every hinge point the point count of its hinge.
inline void SharePointCounts(HingePropertyRecord& r) {
    for (HingeRecord& hinge : r.Hinges.items)
        for (HingePointRecord& point : hinge.Items.items) point.PointCount = hinge.PointCount;
}

using FrameNLItem = Bytes<36>;
using FrameNLDroppedItem = Bytes<108>;

// "FrameNL": one record per line object.
struct FrameNLRecord {
    std::int32_t Count = 0;  // used elements of Items1
    DynArray<FrameNLItem> Items1;
    DynArray<FrameNLDroppedItem> Items2;
};
template <class Io>
void fields(Io& io, FrameNLRecord& r) {
    io(r.Count, Counted(r.Items1, r.Count, "FrameNL items"), WithoutStorage(r.Items2));
}

struct StaticNLData {
    Table<StaticNLRecord> StaticNL{"StaticNL", Allocator::Table};
    Table<HingePropertyRecord> FHProp1{"FHProp1", Allocator::Table};
    // Whether FrameNL records follow; set to -1 when the FrameNL table is allocated.
    std::int16_t FrameNLFlag = 0;
    // Records 1 to the line-object count, when the flag is not 0.
    Table<FrameNLRecord> FrameNL{"FrameNL", Allocator::Output};

    void Register(TableRegistry& reg, OutputRegistry& outputs) {
        reg.Add(StaticNL);
        reg.Add(FHProp1);
        outputs.Add(FrameNL, &FrameNLFlag);
    }
};

}  // namespace kmd
