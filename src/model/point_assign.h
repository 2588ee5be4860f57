// Point assignments: constraint definitions and the per-point tables.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/store.h"

namespace kmd {

// "Constraint"
struct ConstraintRecord {
    std::string Name;
    std::int32_t CValue1 = 0;
    std::int32_t CValue2 = 0;
    std::int32_t CUnused = 0;  // never written to the current file
    std::array<std::int32_t, 6> CRefs{};
    std::int32_t CValue3 = 0;
    std::int32_t CValue4 = 0;
    std::int32_t CValue5 = 0;
    std::int16_t CCode1 = 0;
    std::int16_t CCode2 = 0;
};
template <class Io>
void fields(Io& io, ConstraintRecord& r) {
    io(r.Name, r.CValue1, r.CValue2, NotWritten(r.CUnused), ZeroBased(r.CRefs), r.CValue3, r.CValue4, r.CValue5,
       r.CCode1, r.CCode2);
}

// Every per-object assignment record begins with Key and Tag, carried unchanged.

// "CJoint"
struct JointConstraintRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::int32_t Value1 = 0;
};
template <class Io>
void fields(Io& io, JointConstraintRecord& r) { io(r.Key, r.Tag, r.Value1); }

// "PanelZone"
struct PanelZoneRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    Bytes<26> Block1{};
    Bytes<32> Block2{};
};
template <class Io>
void fields(Io& io, PanelZoneRecord& r) { io(r.Key, r.Tag, r.Block1, r.Block2); }

// "Restraint"
struct RestraintRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::array<std::int16_t, 6> RFlags{};  // booleans as the file holds them
    std::int32_t RValue = 0;
};
template <class Io>
void fields(Io& io, RestraintRecord& r) { io(r.Key, r.Tag, ZeroBased(r.RFlags), r.RValue); }

// "Spring"
struct PointSpringRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::array<double, 21> SpringValues{};
};
template <class Io>
void fields(Io& io, PointSpringRecord& r) { io(r.Key, r.Tag, ZeroBased(r.SpringValues)); }

// "JLink"
struct PointLinkRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    Bytes<16> Block1{};
};
template <class Io>
void fields(Io& io, PointLinkRecord& r) { io(r.Key, r.Tag, r.Block1); }

// "Mass"
struct PointMassRecord {
    std::int16_t Key = 0;
    std::int32_t Tag = 0;
    std::array<double, 6> MassValues{};
};
template <class Io>
void fields(Io& io, PointMassRecord& r) { io(r.Key, r.Tag, ZeroBased(r.MassValues)); }

struct PointAssignData {
    Table<ConstraintRecord> Constraint{"Constraint", Allocator::Table};
    Table<JointConstraintRecord> CJoint{"CJoint", Allocator::Object};
    Table<PanelZoneRecord> PanelZone{"PanelZone", Allocator::Object};
    Table<RestraintRecord> Restraint{"Restraint", Allocator::Object};
    Table<PointSpringRecord> Spring{"Spring", Allocator::Object};
    Table<PointLinkRecord> JLink{"JLink", Allocator::Object};
    Table<PointMassRecord> Mass{"Mass", Allocator::Object};

    void Register(TableRegistry& reg) {
        reg.Add(Constraint);
        reg.Add(CJoint);
        reg.Add(PanelZone);
        reg.Add(Restraint);
        reg.Add(Spring);
        reg.Add(JLink);
        reg.Add(Mass);
    }
};

}  // namespace kmd
