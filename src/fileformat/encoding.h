// Byte encoding shared by the legacy and the current model file.
//
// Every value is packed little-endian with no padding. A record type is described
// once by a free function
//
//     template <class Io> void fields(Io& io, SomeRecord& r) { io(r.A, r.B, r.C); }
//
// and the same list drives Reader (legacy bytes -> record), Writer (record -> bytes)
// and MinSize (the fewest bytes a record can take, used to check counts before
// anything is allocated).
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "fileformat/memory_budget.h"

static_assert(std::endian::native == std::endian::little,
              "the file formats are little-endian; add byte swapping for this host");

namespace kmd {

// An opaque run of plain values, carried byte for byte.
template <std::size_t N>
using Bytes = std::array<std::uint8_t, N>;

// A fixed-length string of N 8-bit characters (no length in the file).
template <std::size_t N>
struct FixedString {
    std::array<char, N> chars{};

    FixedString() { chars.fill(' '); }
    // Shorter text is padded with spaces, longer text cut.
    explicit FixedString(std::string_view s) {
        chars.fill(' ');
        std::memcpy(chars.data(), s.data(), s.size() < N ? s.size() : N);
    }
    std::string str() const { return std::string(chars.data(), N); }
    bool operator==(const FixedString&) const = default;
};

// Removes leading and trailing spaces (spaces only, as the file formats trim).
std::string TrimSpaces(std::string_view s);

template <std::size_t N>
std::string Trimmed(const FixedString<N>& f) { return TrimSpaces(std::string_view(f.chars.data(), N)); }

struct ArrayDim {
    std::uint32_t count = 0;
    std::int32_t lower = 0;
    bool operator==(const ArrayDim&) const = default;
};

// The dimensions of a dynamic array: up to two are kept in place, more on the heap.
class ArrayDims {
public:
    ArrayDims() = default;
    ArrayDims(std::initializer_list<ArrayDim> dims) {
        for (const ArrayDim& d : dims) push_back(d);
    }

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    void clear() {
        size_ = 0;
        more_.clear();
    }
    void push_back(const ArrayDim& d) {
        if (size_ < kInPlace) {
            inPlace_[size_] = d;
        } else {
            if (size_ == kInPlace) more_.assign(inPlace_.begin(), inPlace_.end());
            more_.push_back(d);
        }
        ++size_;
    }
    ArrayDim& operator[](std::size_t i) { return data()[i]; }
    const ArrayDim& operator[](std::size_t i) const { return data()[i]; }
    ArrayDim* begin() { return data(); }
    ArrayDim* end() { return data() + size_; }
    const ArrayDim* begin() const { return data(); }
    const ArrayDim* end() const { return data() + size_; }
    bool operator==(const ArrayDims& o) const { return std::equal(begin(), end(), o.begin(), o.end()); }

private:
    static constexpr std::size_t kInPlace = 2;
    ArrayDim* data() { return size_ > kInPlace ? more_.data() : inPlace_.data(); }
    const ArrayDim* data() const { return size_ > kInPlace ? more_.data() : inPlace_.data(); }

    std::array<ArrayDim, kInPlace> inPlace_{};
    std::size_t size_ = 0;
    std::vector<ArrayDim> more_;
};

// A dynamic array as the files hold it: no dimensions means "without storage",
// which differs from an array with storage and zero elements. Elements of a
// multi-dimensional array are held with the first subscript varying fastest.
template <class T>
struct DynArray {
    ArrayDims dims;
    std::vector<T> items;

    bool HasStorage() const { return !dims.empty(); }
    std::int64_t Lower() const { return dims.empty() ? 0 : dims[0].lower; }
    // Upper bound of a one-dimensional array (Lower - 1 when it has no elements).
    std::int64_t Upper() const { return dims.empty() ? -1 : std::int64_t(dims[0].lower) + dims[0].count - 1; }

    // Element with one-dimensional subscript i, or nullptr when the array lacks it.
    const T* Find(std::int64_t i) const {
        if (dims.size() != 1) return nullptr;
        std::int64_t k = i - dims[0].lower;
        if (k < 0 || k >= std::int64_t(items.size())) return nullptr;
        return &items[std::size_t(k)];
    }
    T* Find(std::int64_t i) { return const_cast<T*>(std::as_const(*this).Find(i)); }

    // True when every subscript first..last exists (always true for an empty range).
    bool Holds(std::int64_t first, std::int64_t last) const {
        if (last < first) return true;
        return dims.size() == 1 && first >= dims[0].lower && last <= Upper();
    }

    // One-dimensional array with bounds lower..upper, elements value-initialised.
    static DynArray Sized(std::int64_t lower, std::int64_t upper) {
        DynArray a;
        std::int64_t n = upper >= lower ? upper - lower + 1 : 0;
        ChargeMemory(std::uint64_t(n) * sizeof(T));
        a.dims.push_back({std::uint32_t(n), std::int32_t(lower)});
        a.items.resize(std::size_t(n));
        return a;
    }
    bool operator==(const DynArray&) const = default;
};

// A file is corrupt or ends early. The reader adds table name and offset.
struct FormatError : std::runtime_error {
    std::string table;
    std::uint64_t offset;
    FormatError(std::string table_name, std::uint64_t at, const std::string& what)
        : std::runtime_error(what), table(std::move(table_name)), offset(at) {}
    // One line for the user.
    std::string Message() const;
};

// The record count of one table of a file.
struct TableCount {
    std::string table;
    std::int64_t records = 0;
    bool operator==(const TableCount&) const = default;
};

// One line for a failure that is a defect of the converter, not of the file.
std::string InternalErrorMessage(std::string_view doing, std::string_view table, std::string_view what);

// Thrown by an import conversion for a record it cannot convert; the reader
// reports it at the record's offset plus `at` (the offending field's place in
// the legacy record, when known).
struct RecordCorrupt : std::runtime_error {
    std::size_t at;
    explicit RecordCorrupt(const std::string& what, std::size_t atInRecord = 0)
        : std::runtime_error(what), at(atInRecord) {}
};

template <class T>
inline constexpr bool is_scalar_v = std::is_arithmetic_v<T> && !std::is_same_v<T, bool>;

template <class T> struct is_std_array : std::false_type {};
template <class T, std::size_t N> struct is_std_array<std::array<T, N>> : std::true_type {};

// A field that the current file writes in another form than the record holds
// it (and the newest legacy layout stores it): `held` is what is read and kept,
// `WriteCurrent` writes the current form. The wrappers are listed in fields()
// at the field they concern; see the end of this file.
template <class W>
concept FieldForm = requires(W& w) {
    w.held;
    typename W::IsFieldForm;
};

// ---------------------------------------------------------------------------
// Told how far a reader has come: the input before that need not stay in memory.
class ReadProgress {
public:
    virtual void Consumed(std::size_t upTo) = 0;

protected:
    ~ReadProgress() = default;
};

// Reading: a bounds-checked cursor over the whole input.
class Reader {
public:
    // AsHeld reads every field as the record holds it (the newest legacy
    // layout); Current reads the current layout, each field form by its
    // ReadCurrent (the inverse of its WriteCurrent).
    enum class Form { AsHeld, Current };

    explicit Reader(std::span<const std::uint8_t> data, ReadProgress* progress = nullptr, Form form = Form::AsHeld)
        : data_(data), progress_(progress), nextReport_(progress ? kReportEvery : SIZE_MAX), form_(form) {}

    Form CurrentForm() const { return form_; }
    // Reads `v` as held, whatever the form (the empty element 0 of rebuilt arrays).
    template <class T>
    void AsHeld(T& v) {
        const Form f = form_;
        form_ = Form::AsHeld;
        Field(v);
        form_ = f;
    }

    std::size_t Offset() const { return pos_; }
    std::size_t Remaining() const { return data_.size() - pos_; }
    std::size_t Size() const { return data_.size(); }
    void Seek(std::size_t pos) {
        if (pos > data_.size()) Fail("position beyond the end of the file");
        pos_ = pos;
    }

    // Name of the table being read, for error messages.
    void SetTable(std::string_view name) { table_ = name; }
    const std::string& Table() const { return table_; }

    [[noreturn]] void Fail(const std::string& what) const { throw FormatError(table_, pos_, what); }
    [[noreturn]] void FailAt(std::size_t at, const std::string& what) const { throw FormatError(table_, at, what); }

    template <class... Ts>
    void operator()(Ts&&... vs) { (Field(vs), ...); }

    template <class T>
    T Get() { T v{}; Field(v); return v; }
    std::int16_t I16() { return Get<std::int16_t>(); }
    std::int32_t I32() { return Get<std::int32_t>(); }
    double F64() { return Get<double>(); }

    // Raw bytes, as a view into the input.
    std::span<const std::uint8_t> Raw(std::size_t n) {
        Need(n);
        auto s = data_.subspan(pos_, n);
        pos_ += n;
        return s;
    }
    void Skip(std::size_t n) { Need(n); pos_ += n; }

    // Checks that `count` records of at least `min_size` bytes each can still be
    // in the file; call before allocating for a count read from the file.
    void CheckCount(std::int64_t count, std::size_t min_size, std::string_view what = "record count") {
        if (count < 0) return;
        std::size_t m = min_size ? min_size : 1;
        if (std::uint64_t(count) > Remaining() / m)
            Fail(std::string(what) + " " + std::to_string(count) + " exceeds what the rest of the file can hold");
    }

    // Record with a field list.
    template <class T>
        requires requires(Reader& r, T& v) { fields(r, v); }
    void Field(T& v) { fields(*this, v); }

    // A field whose current form differs: read as held, or in its current form.
    template <FieldForm W>
    void Field(W& w) {
        if (form_ == Form::AsHeld) {
            Field(w.held);
        } else if constexpr (requires { w.ReadCurrent(*this); }) {
            w.ReadCurrent(*this);
        } else {
            throw std::logic_error("a field of table " + table_ + " has no current-layout reader");
        }
    }

    // Header of a one-dimensional array with bounds 0..upper, each element
    // taking at least `elementSize` bytes; returns upper.
    std::uint32_t ArrayHeader0(std::size_t elementSize) {
        const std::size_t at = pos_;
        const auto ndims = Get<std::int16_t>();
        const auto count = Get<std::uint32_t>();
        const auto lower = Get<std::int32_t>();
        if (ndims != 1 || lower != 0 || count == 0)
            FailAt(at, "expected an array with bounds 0 to n, found " + std::to_string(ndims) + " dimension(s), " +
                           std::to_string(count) + " element(s) from " + std::to_string(lower));
        CheckCount(count, elementSize, "array length");
        return count - 1;
    }
    // The same for an array whose upper bound the record gives.
    void ArrayHeader0(std::size_t elementSize, std::int64_t upper) {
        const std::size_t at = pos_;
        if (ArrayHeader0(elementSize) != upper)
            FailAt(at, "array length does not match its count " + std::to_string(upper));
    }

    template <class T>
        requires is_scalar_v<T>
    void Field(T& v) {
        Need(sizeof(T));
        std::memcpy(&v, data_.data() + pos_, sizeof(T));
        pos_ += sizeof(T);
    }

    template <class T, std::size_t N>
    void Field(std::array<T, N>& a) {
        if constexpr (is_scalar_v<T>) {
            Need(sizeof(T) * N);
            std::memcpy(a.data(), data_.data() + pos_, sizeof(T) * N);
            pos_ += sizeof(T) * N;
        } else {
            for (auto& e : a) Field(e);
        }
    }

    template <std::size_t N>
    void Field(FixedString<N>& s) {
        Need(N);
        std::memcpy(s.chars.data(), data_.data() + pos_, N);
        pos_ += N;
    }

    void Field(std::string& s) {
        std::uint16_t n = Get<std::uint16_t>();
        Need(n);
        if (n > 15) ChargeMemory(n + 1u);  // longer than the in-place buffer
        s.assign(reinterpret_cast<const char*>(data_.data() + pos_), n);
        pos_ += n;
    }

    template <class T>
    void Field(DynArray<T>& a);

private:
    static constexpr std::size_t kReportEvery = std::size_t(256) << 10;

    void Need(std::size_t n) {
        if (n > Remaining()) [[unlikely]]
            FailShort(n);
        if (pos_ >= nextReport_) [[unlikely]]
            Report();
    }
    [[noreturn]] void FailShort(std::size_t n) const;
    void Report() {
        progress_->Consumed(pos_);
        nextReport_ = pos_ + kReportEvery;
    }

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    std::string table_;
    ReadProgress* progress_;
    std::size_t nextReport_;
    Form form_;
};

// ---------------------------------------------------------------------------
// Fewest bytes a value of a type can take in a file.
class MinSize {
public:
    std::size_t bytes = 0;

    template <class... Ts>
    void operator()(Ts&&... vs) { (Field(vs), ...); }

    template <FieldForm W>
    void Field(W& w) { Field(w.held); }

    template <class T>
        requires requires(MinSize& m, T& v) { fields(m, v); }
    void Field(T& v) { fields(*this, v); }
    template <class T>
        requires is_scalar_v<T>
    void Field(T&) { bytes += sizeof(T); }
    template <class T, std::size_t N>
    void Field(std::array<T, N>& a) {
        if constexpr (is_scalar_v<T>) bytes += sizeof(T) * N;
        else for (auto& e : a) Field(e);
    }
    template <std::size_t N>
    void Field(FixedString<N>&) { bytes += N; }
    void Field(std::string&) { bytes += 2; }
    template <class T>
    void Field(DynArray<T>&) { bytes += 2; }
};

template <class T>
std::size_t MinEncodedSize() {
    static const std::size_t size = [] {
        MinSize m;
        T v{};
        m.Field(v);
        return m.bytes ? m.bytes : std::size_t(1);
    }();
    return size;
}

// Fewest bytes a value takes in the current layout, as far as it is known
// without walking its field forms: exact for plain values, 1 otherwise.
template <class T>
constexpr std::size_t CurrentMinSize() {
    if constexpr (is_scalar_v<T>) return sizeof(T);
    else return 1;
}

template <class T>
void Reader::Field(DynArray<T>& a) {
    std::size_t at = pos_;
    std::int16_t ndims = Get<std::int16_t>();
    if (ndims < 0) FailAt(at, "array header with negative dimension count " + std::to_string(ndims));
    a.dims.clear();
    a.items.clear();
    if (ndims == 0) return;
    Need(std::size_t(ndims) * 8);
    std::uint64_t total = 1;
    bool saturated = false, empty = false;
    const std::size_t elem = form_ == Form::Current ? CurrentMinSize<T>() : MinEncodedSize<T>();
    if (ndims > 2) ChargeMemory(std::size_t(ndims) * sizeof(ArrayDim));
    ArrayDims dims;
    for (std::int16_t k = 0; k < ndims; ++k) {
        ArrayDim d;
        Field(d.count);
        Field(d.lower);
        if (d.count == 0) empty = true;
        else if (total > std::numeric_limits<std::uint64_t>::max() / d.count) saturated = true;
        else total *= d.count;
        dims.push_back(d);
    }
    if (empty) total = 0;
    if (!empty && (saturated || total > Remaining() / elem))
        FailAt(at, "array of " + (saturated ? std::string("too many") : std::to_string(total)) +
                       " elements exceeds what the rest of the file can hold");
    ChargeMemory(total * sizeof(T));
    a.dims = std::move(dims);
    a.items.resize(std::size_t(total));
    if constexpr (is_scalar_v<T>) {
        if (total == 0) return;
        std::memcpy(a.items.data(), data_.data() + pos_, sizeof(T) * total);
        pos_ += sizeof(T) * total;
    } else {
        for (auto& e : a.items) Field(e);
    }
}

// ---------------------------------------------------------------------------
// Receives a streamed output's bytes in order.
class ByteSink {
public:
    virtual void Put(std::span<const std::uint8_t> bytes) = 0;

protected:
    ~ByteSink() = default;
};

// Writing: into one growing buffer, or streamed to a ByteSink through a fixed one.
class Writer {
public:
    // AsHeld writes every field as the record holds it (the newest legacy
    // layout); Current writes the current layout.
    enum class Form { AsHeld, Current };

    // `limit`: the most bytes the output may take; more is a FormatError.
    explicit Writer(Form form = Form::AsHeld, std::uint64_t limit = std::numeric_limits<std::uint64_t>::max())
        : form_(form), limit_(limit) {}

    Form CurrentForm() const { return form_; }
    // Writes `v` as held, whatever the form (the empty element 0 of rebuilt arrays).
    template <class T>
    void AsHeld(const T& v) {
        const Form f = form_;
        form_ = Form::AsHeld;
        Field(v);
        form_ = f;
    }

    // Grows the buffer once to hold `n` bytes (at most the limit).
    void Reserve(std::uint64_t n) {
        if (sink_) return;
        if (n > limit_) n = limit_;
        if (n > buf_.size()) GrowTo(std::size_t(n));
    }

    // From now on the bytes go to `sink` through a buffer of `bufferSize` bytes;
    // Flush hands over the rest.
    void StreamTo(ByteSink& sink, std::size_t bufferSize = std::size_t(256) << 10) {
        sink_ = &sink;
        Flush();
        if (bufferSize > buf_.size()) {
            buf_.reserve(bufferSize);
            buf_.resize(bufferSize);
        }
        SetFillLimit();
    }
    void Flush() {
        if (!sink_ || used_ == 0) return;
        sink_->Put({buf_.data(), used_});
        flushed_ += used_;
        used_ = 0;
        SetFillLimit();
    }

    // The bytes written (when streaming: those not yet handed over).
    std::span<const std::uint8_t> Buffer() const { return {buf_.data(), used_}; }
    // The same, leaving the writer empty.
    std::vector<std::uint8_t> TakeBuffer() {
        buf_.resize(used_);
        used_ = 0;
        fillLimit_ = 0;
        return std::move(buf_);
    }
    // Bytes written in all.
    std::uint64_t Size() const { return flushed_ + used_; }

    // Name of the table being written, for error messages.
    void SetTable(std::string_view name) { table_ = name; }
    const std::string& Table() const { return table_; }
    [[noreturn]] void Fail(const std::string& what) const { throw FormatError(table_, Size(), what); }

    // A remark for the user, shown once the whole file is written.
    void Note(std::string text) { notes_.push_back(std::move(text)); }
    const std::vector<std::string>& Notes() const { return notes_; }
    // The record count of a table written, for the report.
    void CountTable(std::string_view name, std::int64_t records) { counts_.push_back({std::string(name), records}); }
    const std::vector<TableCount>& Counts() const { return counts_; }

    template <class... Ts>
    void operator()(const Ts&... vs) { (Field(vs), ...); }

    // The current form of a field, or the field as held (AsHeld).
    template <FieldForm W>
    void Field(const W& w) {
        if (form_ == Form::Current) w.WriteCurrent(*this);
        else Field(w.held);
    }

    void Raw(std::span<const std::uint8_t> b) { Raw(b.data(), b.size()); }
    void Raw(const void* p, std::size_t n) {
        if (n == 0) return;
        auto b = static_cast<const std::uint8_t*>(p);
        if (fillLimit_ - used_ < n && !MakeRoom(b, n)) return;
        std::memcpy(buf_.data() + used_, b, n);
        used_ += n;
    }
    void I16(std::int16_t v) { Field(v); }
    void I32(std::int32_t v) { Field(v); }
    void F64(double v) { Field(v); }

    template <class T>
        requires requires(Writer& w, T& v) { fields(w, v); }
    void Field(const T& v) { fields(*this, const_cast<T&>(v)); }

    template <class T>
        requires is_scalar_v<T>
    void Field(const T& v) { Raw(&v, sizeof(T)); }

    template <class T, std::size_t N>
    void Field(const std::array<T, N>& a) {
        if constexpr (is_scalar_v<T>) Raw(a.data(), sizeof(T) * N);
        else for (const auto& e : a) Field(e);
    }

    template <std::size_t N>
    void Field(const FixedString<N>& s) { Raw(s.chars.data(), N); }

    void Field(const std::string& s) { Field(std::string_view(s)); }
    void Field(std::string_view s) {
        if (s.size() > 0xFFFF) Fail("string longer than 65535 characters");
        Field(std::uint16_t(s.size()));
        Raw(s.data(), s.size());
    }

    template <class T>
    void Field(const DynArray<T>& a) {
        Field(std::int16_t(a.dims.size()));
        for (const auto& d : a.dims) { Field(d.count); Field(d.lower); }
        WriteElements(std::span<const T>(a.items));
    }

    // Header of a one-dimensional array with bounds 0..upper.
    void ArrayHeader0(std::uint64_t upper) {
        Field(std::int16_t(1));
        Field(std::uint32_t(upper + 1));
        Field(std::int32_t(0));
    }

    template <class T>
    void WriteElements(std::span<const T> items) {
        if constexpr (is_scalar_v<T>) Raw(items.data(), sizeof(T) * items.size());
        else for (const auto& e : items) Field(e);
    }

private:
    // Room in the buffer for `n` more bytes, or false when they were handed to
    // the sink directly. In memory the capacity doubles, up to the limit.
    bool MakeRoom(const std::uint8_t* p, std::size_t n) {
        if (n > limit_ - Size())
            Fail("the converted file would exceed " + std::to_string(limit_) +
                 " bytes; the input describes more data than it can hold");
        if (sink_) {
            Flush();
            if (n <= fillLimit_) return true;
            sink_->Put({p, n});
            flushed_ += n;
            SetFillLimit();
            return false;
        }
        std::uint64_t want = std::max<std::uint64_t>({std::uint64_t(used_) + n, 2 * std::uint64_t(buf_.size()),
                                                      std::uint64_t(1) << 16});
        GrowTo(std::size_t(std::min(want, limit_)));
        return true;
    }
    // Not charged to the memory budget: the output has its own bound (limit_).
    void GrowTo(std::size_t cap) {
        buf_.reserve(cap);
        buf_.resize(cap);
        SetFillLimit();
    }
    // The buffer fills without checks up to its capacity or the output limit.
    void SetFillLimit() { fillLimit_ = std::size_t(std::min<std::uint64_t>(buf_.size(), limit_ - flushed_)); }

    std::vector<std::uint8_t> buf_;  // every element allocated; the first used_ written
    std::size_t used_ = 0;
    ByteSink* sink_ = nullptr;
    std::uint64_t flushed_ = 0;  // bytes handed to the sink
    std::size_t fillLimit_ = 0;
    std::string table_;
    Form form_;
    std::uint64_t limit_;
    std::vector<std::string> notes_;
    std::vector<TableCount> counts_;
};

// ---------------------------------------------------------------------------
// Field forms: where the current file writes a field differently from how the
// record holds it, fields() wraps the field in one of these. The reader and the
// as-held writer see the held field; the current writer writes its current form;
// RecordCheck checks, right after a record is read, what the current form needs.

// A fixed group held in place, written as a dynamic array with bounds 0..N whose
// element 0 is empty.
template <class T, std::size_t N>
struct ZeroBasedGroup {
    using IsFieldForm = void;
    std::array<T, N>& held;

    void WriteCurrent(Writer& out) const {
        out.ArrayHeader0(N);
        out.Field(T{});
        out.WriteElements(std::span<const T>(held));
    }
    void ReadCurrent(Reader& in) const {
        in.ArrayHeader0(CurrentMinSize<T>(), N);
        T empty{};
        in.Field(empty);
        for (T& e : held) in.Field(e);
    }
};
template <class T, std::size_t N>
ZeroBasedGroup<T, N> ZeroBased(std::array<T, N>& a) { return {a}; }

// A Rows x Cols matrix held by columns (first subscript fastest), written as a
// dynamic array with bounds 0..Rows*Cols: element 0 empty, then row after row.
template <std::size_t Rows, std::size_t Cols, class T>
struct ZeroBasedRowsGroup {
    using IsFieldForm = void;
    std::array<T, Rows * Cols>& held;

    void WriteCurrent(Writer& out) const {
        out.ArrayHeader0(Rows * Cols);
        out.Field(T{});
        for (std::size_t i = 0; i < Rows; ++i)
            for (std::size_t j = 0; j < Cols; ++j) out.Field(held[Rows * j + i]);
    }
    void ReadCurrent(Reader& in) const {
        in.ArrayHeader0(CurrentMinSize<T>(), Rows * Cols);
        T empty{};
        in.Field(empty);
        for (std::size_t i = 0; i < Rows; ++i)
            for (std::size_t j = 0; j < Cols; ++j) in.Field(held[Rows * j + i]);
    }
};
template <std::size_t Rows, std::size_t Cols, class T, std::size_t N>
    requires(N == Rows * Cols)
ZeroBasedRowsGroup<Rows, Cols, T> ZeroBasedRows(std::array<T, N>& a) { return {a}; }

// Element 0 of an array of records rebuilt with bounds 0..count: the empty record,
// its arrays without storage. That is the empty record as held, unless its
// current layout differs in more than the contents of its arrays; such a record
// type gives `static void WriteEmptyCurrent(Writer&)`.
template <class T>
void WriteEmptyElement(Writer& out) {
    if constexpr (requires { T::WriteEmptyCurrent(out); }) T::WriteEmptyCurrent(out);
    else out.AsHeld(T{});
}

// Reads element 0 as WriteEmptyElement writes it (`static void
// ReadEmptyCurrent(Reader&)` where the record gives WriteEmptyCurrent).
template <class T>
void ReadEmptyElement(Reader& in) {
    if constexpr (requires { T::ReadEmptyCurrent(in); }) {
        T::ReadEmptyCurrent(in);
    } else {
        T empty{};
        in.AsHeld(empty);
    }
}

// A dynamic array rebuilt with bounds 0..count, `count` being another field of
// the record (or a constant): element 0 empty (see WriteEmptyElement), elements
// 1..count taken by subscript. The count must not be negative and the held array
// must have elements 1..count; RecordCheck makes a record that breaks this corrupt.
template <class T, class Count>
struct CountedArray {
    using IsFieldForm = void;
    DynArray<T>& held;
    Count count;  // a reference to the count field, or a constant
    const char* what;

    bool Holds() const { return count >= 0 && held.Holds(1, count); }
    template <class Checker>
    void Check(Checker& c) const {
        if (count < 0) c.Fail(std::string(what) + ": negative element count " + std::to_string(count));
        if (!held.Holds(1, count))
            c.Fail(std::string(what) + ": the stored array lacks elements 1 to " + std::to_string(count));
        if constexpr (!is_scalar_v<T>)
            for (std::int64_t i = 1; i <= std::int64_t(count); ++i) c.Field(*held.Find(i));
    }
    void WriteCurrent(Writer& out) const {
        if (!Holds()) throw std::logic_error(std::string(what) + ": written without the record check");
        out.ArrayHeader0(std::uint64_t(count));
        WriteEmptyElement<T>(out);
        if (count > 0) out.WriteElements(std::span<const T>(held.Find(1), std::size_t(count)));
    }
    // Read back with bounds 1..count.
    void ReadCurrent(Reader& in) const {
        if (count < 0) in.Fail(std::string(what) + ": negative element count " + std::to_string(count));
        in.ArrayHeader0(CurrentMinSize<T>(), std::int64_t(count));
        ReadEmptyElement<T>(in);
        held = DynArray<T>::Sized(1, count);
        for (T& e : held.items) in.Field(e);
    }
};
template <class T, class Count>
CountedArray<T, Count> Counted(DynArray<T>& a, Count&& count, const char* what) {
    return {a, std::forward<Count>(count), what};
}

// A field of the newest legacy layout that the current file does not hold.
template <class T>
struct NotWrittenField {
    using IsFieldForm = void;
    T& held;
    void WriteCurrent(Writer&) const {}
    void ReadCurrent(Reader&) const {}
};
template <class T>
NotWrittenField<T> NotWritten(T& v) { return {v}; }

// Checks what the current form of a record needs, right after the record is
// read; a record that breaks it makes the file corrupt at the record's offset.
class RecordCheck {
public:
    RecordCheck(const Reader& in, std::size_t at) : in_(in), at_(at) {}

    template <class... Ts>
    void operator()(Ts&&... vs) { (Field(vs), ...); }

    template <class T>
        requires requires(RecordCheck& c, T& v) { fields(c, v); }
    void Field(T& v) { fields(*this, v); }
    template <FieldForm W>
    void Field(W& w) {
        if constexpr (requires { w.Check(*this); }) w.Check(*this);
        else Field(w.held);
    }
    template <class T, std::size_t N>
    void Field(std::array<T, N>& a) {
        if constexpr (!is_scalar_v<T>)
            for (auto& e : a) Field(e);
    }
    template <class T>
    void Field(DynArray<T>& a) {
        if constexpr (!is_scalar_v<T>)
            for (auto& e : a.items) Field(e);
    }
    template <class T>
        requires(is_scalar_v<T> || std::is_same_v<T, std::string>)
    void Field(T&) {}
    template <std::size_t N>
    void Field(FixedString<N>&) {}

    [[noreturn]] void Fail(const std::string& what) const { in_.FailAt(at_, what); }
    // Size of the whole input file in bytes.
    std::size_t InputSize() const { return in_.Size(); }

private:
    const Reader& in_;
    std::size_t at_;
};

// Checks a record read at `at`.
template <class T>
void CheckRecord(const Reader& in, std::size_t at, T& record) {
    RecordCheck c(in, at);
    c.Field(record);
}

}  // namespace kmd
