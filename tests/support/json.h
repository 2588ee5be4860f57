// A small JSON reader for checking the program's reports.
#pragma once

#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kmdtest {

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    double number = 0;
    std::string string;
    std::vector<Json> items;
    std::map<std::string, Json> members;

    const Json& operator[](const std::string& key) const {
        auto it = members.find(key);
        if (kind != Object || it == members.end()) throw std::runtime_error("no member " + key);
        return it->second;
    }
    const Json& operator[](std::size_t i) const { return items.at(i); }

    // Parses the whole text; throws on anything that is not JSON.
    static Json Parse(const std::string& text) {
        std::size_t at = 0;
        Json v = Value(text, at);
        Space(text, at);
        if (at != text.size()) throw std::runtime_error("text after the value");
        return v;
    }

private:
    static void Space(const std::string& s, std::size_t& at) {
        while (at < s.size() && (s[at] == ' ' || s[at] == '\n' || s[at] == '\r' || s[at] == '\t')) ++at;
    }
    static void Expect(const std::string& s, std::size_t& at, char c) {
        Space(s, at);
        if (at >= s.size() || s[at] != c) throw std::runtime_error(std::string("expected ") + c);
        ++at;
    }
    static std::string Text(const std::string& s, std::size_t& at) {
        Expect(s, at, '"');
        std::string out;
        while (at < s.size() && s[at] != '"') {
            char c = s[at++];
            if (c != '\\') {
                out += c;
                continue;
            }
            c = s.at(at++);
            if (c == 'u') {
                out += char(std::strtol(s.substr(at, 4).c_str(), nullptr, 16));
                at += 4;
            } else {
                out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
            }
        }
        Expect(s, at, '"');
        return out;
    }
    static Json Value(const std::string& s, std::size_t& at) {
        Space(s, at);
        Json v;
        if (at >= s.size()) throw std::runtime_error("end of text");
        const char c = s[at];
        if (c == '"') {
            v.kind = String, v.string = Text(s, at);
        } else if (c == '[' || c == '{') {
            v.kind = c == '[' ? Array : Object;
            ++at;
            Space(s, at);
            const char close = c == '[' ? ']' : '}';
            while (at < s.size() && s[at] != close) {
                if (v.kind == Array) {
                    v.items.push_back(Value(s, at));
                } else {
                    std::string key = Text(s, at);
                    Expect(s, at, ':');
                    v.members[key] = Value(s, at);
                }
                Space(s, at);
                if (at < s.size() && s[at] == ',') ++at;
                Space(s, at);
            }
            Expect(s, at, close);
        } else if (s.compare(at, 4, "true") == 0 || s.compare(at, 5, "false") == 0) {
            v.kind = Bool, v.number = s[at] == 't';
            at += s[at] == 't' ? 4 : 5;
        } else if (s.compare(at, 4, "null") == 0) {
            at += 4;
        } else {
            char* end = nullptr;
            v.kind = Number, v.number = std::strtod(s.c_str() + at, &end);
            if (end == s.c_str() + at) throw std::runtime_error("not a value");
            at = std::size_t(end - s.c_str());
        }
        return v;
    }
};

}  // namespace kmdtest
