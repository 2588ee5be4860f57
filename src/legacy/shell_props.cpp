#include "legacy/shell_props.h"

#include <utility>

namespace kmd {

namespace {

void SetDefaultShellFactors(ShellSectionRecord& r) { r.ShFactors.fill(1.0); }

}  // namespace

ShellSectionRecord ImportShellSectionSS1(ShellSectionSS1&& s) {
    ShellSectionRecord r;
    r.Name = std::move(s.Name);
    r.ShBlock1 = s.ShBlock1;
    r.ShCode1 = 0;
    r.ShValue1 = s.ShValue1;
    r.ShValue2 = s.ShValue2;
    SetDefaultShellFactors(r);
    r.ShCode2 = s.ShCode2;
    r.ShCode3 = s.ShCode3;
    r.ShValue3 = s.ShValue3;
    return r;
}

ShellSectionRecord ImportShellSectionSS2(ShellSectionSS2&& s) {
    ShellSectionRecord r;
    r.Name = std::move(s.Name);
    r.ShBlock1 = s.ShBlock1;
    r.ShCode1 = s.ShCode1;
    r.ShValue1 = s.ShValue1;
    r.ShValue2 = s.ShValue2;
    SetDefaultShellFactors(r);
    r.ShCode2 = s.ShCode2;
    r.ShCode3 = s.ShCode3;
    r.ShValue3 = s.ShValue3;
    return r;
}

ShellSectionRecord ImportShellSectionSS3(ShellSectionSS3&& s) {
    ShellSectionRecord r = std::move(s);
    SetDefaultShellFactors(r);
    return r;
}

DeckRecord ImportDeckA(DeckRecordA&& d) {
    DeckRecord r;
    r.Name = std::move(d.Name);
    r.DValue1 = d.DValue1;
    r.DCode1 = d.DCode1;
    r.DBlock = d.DBlock;
    return r;
}

}  // namespace kmd
