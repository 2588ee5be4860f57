// Builds files byte by byte for tests: legacy files for a given version, and the
// bytes a current file is expected to hold.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kmdtest {

class Bytes {
public:
    std::vector<std::uint8_t> data;

    Bytes& u8(std::uint8_t v) { data.push_back(v); return *this; }
    Bytes& i16(std::int16_t v) { return raw(&v, 2); }
    Bytes& i32(std::int32_t v) { return raw(&v, 4); }
    Bytes& u32(std::uint32_t v) { return raw(&v, 4); }
    Bytes& f32(float v) { return raw(&v, 4); }
    Bytes& f64(double v) { return raw(&v, 8); }
    Bytes& boolean(bool v) { return i16(v ? -1 : 0); }
    // Variable-length string: 16-bit length, then the characters.
    Bytes& str(std::string_view s) {
        i16(std::int16_t(s.size()));
        return raw(s.data(), s.size());
    }
    // Fixed-length string of n characters, space padded.
    Bytes& fixed(std::string_view s, std::size_t n) {
        std::string f(s.substr(0, n));
        f.resize(n, ' ');
        return raw(f.data(), n);
    }
    // n copies of one byte.
    Bytes& fill(std::size_t n, std::uint8_t b = 0) { data.insert(data.end(), n, b); return *this; }
    // n bytes counting up from `first` (distinct values for opaque blocks).
    Bytes& seq(std::size_t n, std::uint8_t first = 1) {
        for (std::size_t i = 0; i < n; ++i) data.push_back(std::uint8_t(first + i));
        return *this;
    }
    Bytes& raw(const void* p, std::size_t n) {
        auto b = static_cast<const std::uint8_t*>(p);
        data.insert(data.end(), b, b + n);
        return *this;
    }
    Bytes& append(const Bytes& o) { return raw(o.data.data(), o.data.size()); }
    Bytes& append(std::span<const std::uint8_t> o) { return raw(o.data(), o.size()); }

    // Array header: dimension count, then (count, lower) per dimension.
    Bytes& header(std::initializer_list<std::pair<std::uint32_t, std::int32_t>> dims) {
        i16(std::int16_t(dims.size()));
        for (auto [count, lower] : dims) u32(count).i32(lower);
        return *this;
    }
    Bytes& no_array() { return i16(0); }
    // One-dimensional arrays with the given lower bound.
    Bytes& arr_i32(std::int32_t lower, std::initializer_list<std::int32_t> v) {
        header({{std::uint32_t(v.size()), lower}});
        for (auto x : v) i32(x);
        return *this;
    }
    Bytes& arr_i16(std::int32_t lower, std::initializer_list<std::int16_t> v) {
        header({{std::uint32_t(v.size()), lower}});
        for (auto x : v) i16(x);
        return *this;
    }
    Bytes& arr_f64(std::int32_t lower, std::initializer_list<double> v) {
        header({{std::uint32_t(v.size()), lower}});
        for (auto x : v) f64(x);
        return *this;
    }
    Bytes& arr_str(std::int32_t lower, std::initializer_list<std::string_view> v) {
        header({{std::uint32_t(v.size()), lower}});
        for (auto x : v) str(x);
        return *this;
    }

    // Legacy header: product, version text and, for versions above 8.015, the
    // saved-by text (pass std::nullopt-like empty `savedBy` with `withSavedBy`).
    static Bytes Legacy(std::string_view version, std::string_view product = "KALDO") {
        Bytes b;
        b.fixed(product, 16).fixed(version, 16);
        return b;
    }
    static Bytes Legacy(std::string_view version, std::string_view savedBy, std::string_view product) {
        Bytes b;
        b.fixed(product, 16).fixed(version, 16).fixed(savedBy, 16);
        return b;
    }
    // Header record of a current file written for `product`.
    static Bytes Current(std::string_view product = "KALDO") {
        Bytes b;
        b.str(product).str("9.72").str("");
        return b;
    }

    std::size_t size() const { return data.size(); }
};

}  // namespace kmdtest
