#include "legacy/point_assign.h"

namespace kmd {

ConstraintRecord ImportConstraintA(ConstraintA&& a) {
    ConstraintRecord r;
    r.Name = Trimmed(a.Name);
    r.CValue1 = a.CValue1;
    r.CValue2 = a.CValue2;
    r.CUnused = 0;
    r.CRefs = a.CRefs;
    r.CValue3 = a.CValue3;
    r.CValue4 = a.CValue4;
    r.CValue5 = a.CValue5;
    r.CCode1 = a.CCode1;
    r.CCode2 = a.CCode2;
    return r;
}

}  // namespace kmd
