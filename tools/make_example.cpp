// Writes the bundled example legacy model file from the project's own encoding.
// Usage: make_example OUTPUT
#include <cstdio>
#include <string>

#include "fileformat/encoding.h"
#include "fileformat/file_io.h"
#include "tools/example_sections.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_example OUTPUT\n");
        return 2;
    }
    kmd::Writer out;
    kmd::example::WriteExampleLegacyFile(out);
    std::string error;
    if (!kmd::WriteFileAtomically(argv[1], out.Buffer(), error)) {
        std::fprintf(stderr, "make_example: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
