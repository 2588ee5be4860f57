// Writes a legacy model file from the project's own encoding: the bundled
// example, or a generated model of a chosen version and size.
// Usage: make_example [--version TEXT] [--size BYTES] [--seed N] OUTPUT
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fileformat/encoding.h"
#include "fileformat/file_io.h"
#include "tools/example_sections.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: make_example [--version TEXT] [--size BYTES[k|M|G]] [--seed N] OUTPUT\n"
                 "  --version  version text of the header (default %s)\n"
                 "  --size     approximate file size; the extra bytes are objects,\n"
                 "             assignments and loads\n"
                 "  --seed     seed of the generated values (default 1)\n",
                 kmd::example::kExampleVersion);
    return 2;
}

bool ParseSize(const char* text, std::uint64_t& size) {
    char* end = nullptr;
    unsigned long long n = std::strtoull(text, &end, 10);
    if (end == text) return false;
    std::uint64_t unit = 1;
    if (*end == 'k' || *end == 'K') unit = 1u << 10, ++end;
    else if (*end == 'M') unit = 1u << 20, ++end;
    else if (*end == 'G') unit = 1u << 30, ++end;
    if (*end) return false;
    size = n * unit;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    kmd::example::ExampleOptions options;
    const char* output = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(a, "--version") == 0 && hasValue) {
            options.versionText = argv[++i];
        } else if (std::strcmp(a, "--size") == 0 && hasValue) {
            if (!ParseSize(argv[++i], options.size)) return Usage();
        } else if (std::strcmp(a, "--seed") == 0 && hasValue) {
            options.seed = std::uint32_t(std::strtoul(argv[++i], nullptr, 10));
        } else if (a[0] == '-' || output) {
            return Usage();
        } else {
            output = a;
        }
    }
    if (!output) return Usage();
    kmd::Writer out;
    kmd::example::WriteExampleLegacyFile(out, options);
    std::string error;
    if (!kmd::WriteFileAtomically(output, out.Buffer(), error)) {
        std::fprintf(stderr, "make_example: %s: %s\n", output, error.c_str());
        return 1;
    }
    return 0;
}
