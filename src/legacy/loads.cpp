#include "legacy/loads.h"

#include <utility>

namespace kmd {

namespace {

template <class Rec>
Rec WithTrimmedName(Rec&& rec) {
    rec.Name = TrimSpaces(rec.Name);
    return std::move(rec);
}

ComboRecord WithoutValue11(ComboRecord&& rec) {
    rec.Value11 = kComboValue11Missing;
    return std::move(rec);
}

}  // namespace

LoadCaseRecord ImportLoadCaseA(LoadCaseA&& a) {
    a.rec.Name = Trimmed(a.Name);
    return std::move(a.rec);
}
LoadCaseRecord ImportLoadCaseB(LoadCaseB&& b) { return WithTrimmedName(std::move(b.rec)); }
LoadCaseRecord ImportLoadCaseC(LoadCaseC&& c) { return WithTrimmedName(std::move(c.rec)); }

ComboRecord ImportComboA(ComboA&& a) {
    a.rec.Name = Trimmed(a.Name);
    return WithoutValue11(std::move(a.rec));
}
ComboRecord ImportComboB(ComboB&& b) {
    b.rec.Name = Trimmed(b.Name);
    return WithoutValue11(std::move(b.rec));
}
ComboRecord ImportComboC(ComboC&& c) { return WithTrimmedName(std::move(c.rec)); }
ComboRecord ImportComboD(ComboD&& d) { return WithTrimmedName(std::move(d.rec)); }
ComboRecord ImportComboE(ComboE&& e) { return WithTrimmedName(std::move(e.rec)); }
ComboRecord ImportComboF(ComboF&& f) { return WithTrimmedName(std::move(f.rec)); }

}  // namespace kmd
