#include "tables/shell_props.h"

#include "legacy/shell_props.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

constexpr Layout<ShellSectionRecord> kShellSectionLayouts[] = {
    UpTo<ShellSectionSS1, ImportShellSectionSS1>(kShellSectionSS1UpTo),
    UpTo<ShellSectionSS2, ImportShellSectionSS2>(kShellSectionSS2UpTo),
    UpTo<ShellSectionSS3, ImportShellSectionSS3>(kShellSectionSS3UpTo),
    Newest<ShellSectionRecord>(),
};

constexpr Layout<DeckRecord> kDeckLayouts[] = {
    UpTo<DeckRecordA, ImportDeckA>(kDeckAUpTo),
    Newest<DeckRecord>(),
};

}  // namespace

void ReadShellPropertyTables(Reader& in, Conversion& cv) {
    ShellPropertyData& d = cv.model.shellProps;
    ReadTable(in, cv, d.ShellSection, kShellSectionLayouts);
    ReadTable(in, cv, d.DeckInfo, kDeckLayouts);
    ReadTable(in, cv, d.NLLinkProp);
}

void WriteShellPropertyTables(Writer& out, const Conversion& cv) {
    const ShellPropertyData& d = cv.model.shellProps;
    WriteTable(out, d.ShellSection);
    WriteTable(out, d.DeckInfo);
    WriteTable(out, d.NLLinkProp);
}

void ReadBackShellPropertyTables(Reader& in, Conversion& cv) {
    ShellPropertyData& d = cv.model.shellProps;
    ReadCurrentTable(in, cv, d.ShellSection);
    ReadCurrentTable(in, cv, d.DeckInfo);
    ReadCurrentTable(in, cv, d.NLLinkProp);
}

}  // namespace kmd
