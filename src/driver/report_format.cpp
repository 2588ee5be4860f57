// The report of a file as text and as JSON.
#include <cstdio>

#include "driver/messages.h"
#include "kmd/kmd.h"

namespace kmd {

namespace {

std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c >= 0x80) {
                    // Bytes of the file's 8-bit texts are written as the code points they name.
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += char(c);
                }
        }
    }
    return out + "\"";
}

// Builds a JSON value with one member or element per line.
class Json {
public:
    explicit Json(int indent) : depth_(indent) {}
    std::string text;

    void Open(char bracket) {
        text += bracket;
        ++depth_;
        first_ = true;
    }
    void Close(char bracket) {
        --depth_;
        if (!first_) Break();
        text += bracket;
        first_ = false;
    }
    // The next member's name (empty inside an array).
    void Next(const std::string& key = {}) {
        if (!first_) text += ',';
        Break();
        first_ = false;
        if (!key.empty()) text += Quoted(key) + ": ";
    }
    void Member(const std::string& key, const std::string& value) { Next(key), text += Quoted(value); }
    void Member(const std::string& key, double value) { Next(key), text += Number(value); }
    void Strings(const std::string& key, const std::vector<std::string>& values) {
        Next(key);
        Open('[');
        for (const std::string& v : values) Next(), text += Quoted(v);
        Close(']');
    }
    template <class T, class F>
    void Objects(const std::string& key, const std::vector<T>& items, F members) {
        Next(key);
        Open('[');
        for (const T& item : items) {
            Next();
            Open('{');
            members(item);
            Close('}');
        }
        Close(']');
    }

private:
    void Break() { text += '\n' + std::string(std::size_t(2 * depth_), ' '); }
    int depth_;
    bool first_ = true;
};

void Section(std::string& out, const char* title, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    out += std::string("  ") + title + ":\n";
    for (const std::string& l : lines) out += "    " + l + "\n";
}

}  // namespace

std::string ReportText(const FileReport& r) {
    std::string out = r.inputPath + ": " + r.status + (r.reason.empty() ? "" : " (" + r.reason + ")") + "\n";
    if (!r.outputPath.empty()) out += "  output: " + r.outputPath + "\n";
    if (!r.layout.empty())
        out += "  " + r.layout + " file of " + (r.productName.empty() ? "?" : r.productName) + ", version " +
               (r.versionText.empty() ? Number(r.version) : r.versionText) + "\n";
    std::vector<std::string> lines;
    for (const TableLayout& l : r.layouts)
        lines.push_back(l.table + ": form " + std::to_string(l.form) + " (" + l.range + ")");
    Section(out, "layouts", lines);
    lines.clear();
    for (const TableRecords& t : r.tables) lines.push_back(t.table + ": " + std::to_string(t.records));
    Section(out, "records", lines);
    lines.clear();
    for (const DroppedRecords& d : r.dropped) lines.push_back(d.what + ": " + std::to_string(d.records) + (d.records == 1 ? " record" : " records"));
    Section(out, "dropped", lines);
    Section(out, "filled", r.filled);
    lines.clear();
    for (const std::string& w : r.warnings) lines.push_back(OneLine(w));
    Section(out, "warnings", lines);
    return out;
}

std::string ReportJson(const FileReport& r, int indent) {
    Json j(indent);
    j.Open('{');
    j.Member("input", r.inputPath);
    j.Member("output", r.outputPath);
    j.Member("status", r.status);
    j.Member("reason", r.reason);
    j.Member("layout", r.layout);
    j.Member("product", r.productName);
    j.Member("version_text", r.versionText);
    j.Member("version", r.version);
    j.Objects("layouts", r.layouts, [&](const TableLayout& l) {
        j.Member("table", l.table);
        j.Member("form", l.form);
        j.Member("forms", l.forms);
        j.Member("range", l.range);
    });
    j.Objects("tables", r.tables, [&](const TableRecords& t) {
        j.Member("table", t.table);
        j.Member("records", double(t.records));
    });
    j.Objects("dropped", r.dropped, [&](const DroppedRecords& d) {
        j.Member("what", d.what);
        j.Member("records", double(d.records));
    });
    j.Strings("filled", r.filled);
    j.Strings("warnings", r.warnings);
    j.Close('}');
    return j.text;
}

}  // namespace kmd
