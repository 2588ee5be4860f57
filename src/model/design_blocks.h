// Base plate and connection design blocks: read whole to stay in step with the
// file and kept as read; the current file holds neither block.
#pragma once

#include <cstdint>
#include <string>

#include "fileformat/encoding.h"
#include "model/output_tables.h"
#include "model/store.h"

namespace kmd {

struct BasePlatePreferences {
    std::string CodeName;
    Bytes<146> Block1{};
    Bytes<16> Block2{};
    std::string BoltName;
    Bytes<2> Block3{};
    Bytes<40> Block4{};
    std::string ReportStyle;
    Bytes<2> Block5{};
};
template <class Io>
void fields(Io& io, BasePlatePreferences& r) {
    io(r.CodeName, r.Block1, r.Block2, r.BoltName, r.Block3, r.Block4, r.ReportStyle, r.Block5);
}

// "BasePlateData"
struct BasePlateRecord {
    Bytes<72> Block1{};
    DynArray<double> Reals1;
    DynArray<double> Reals2;
    DynArray<double> Reals3;
    Bytes<74> Block2{};
    Bytes<64> Block3{};
    std::string Text1;
    Bytes<2> Block4{};
    Bytes<44> Block5{};
};
template <class Io>
void fields(Io& io, BasePlateRecord& r) {
    io(r.Block1, r.Reals1, r.Reals2, r.Reals3, r.Block2, r.Block3, r.Text1, r.Block4, r.Block5);
}

// "BasePlateEnvelopes" (Lead 36 bytes) and "ConnectionEnvelopes" (Lead 52 bytes).
template <std::size_t Lead>
struct DesignEnvelopeRecord {
    Bytes<Lead> Block1{};
    std::string Text1;
    Bytes<48> Block2{};
    std::string Text2;
    Bytes<196> Block3{};
};
template <class Io, std::size_t Lead>
void fields(Io& io, DesignEnvelopeRecord<Lead>& r) { io(r.Block1, r.Text1, r.Block2, r.Text2, r.Block3); }
using BasePlateEnvelopeRecord = DesignEnvelopeRecord<36>;
using ConnectionEnvelopeRecord = DesignEnvelopeRecord<52>;

struct ConnectionPreferences {
    std::string CodeName;
    Bytes<146> Block1{};
    Bytes<16> Block2{};
    std::string BoltName;
    Bytes<2> Block3{};
    Bytes<72> Block4{};
    std::string Text1;
    Bytes<16> Block5{};
};
template <class Io>
void fields(Io& io, ConnectionPreferences& r) {
    io(r.CodeName, r.Block1, r.Block2, r.BoltName, r.Block3, r.Block4, r.Text1, r.Block5);
}

struct ConnectionPart {
    Bytes<2> Block1{};
    std::string Text1;
    Bytes<2> Block2{};
    Bytes<32> Block3{};
    std::string Text2;
    Bytes<58> Block4{};
    Bytes<12> Block5{};
    std::string Text3;
    Bytes<20> Block6{};
};
template <class Io>
void fields(Io& io, ConnectionPart& r) {
    io(r.Block1, r.Text1, r.Block2, r.Block3, r.Text2, r.Block4, r.Block5, r.Text3, r.Block6);
}

// "ConnectionData"
struct ConnectionRecord {
    Bytes<354> Block1{};
    Bytes<226> Block2{};
    Bytes<184> Block3{};
    ConnectionPart Part1;
    ConnectionPart Part2;
    Bytes<60> Block4{};
    DynArray<double> Reals1;
    DynArray<double> Reals2;
    DynArray<double> Reals3;
    Bytes<66> Block5{};
    Bytes<64> Block6{};
    std::string Text1;
    Bytes<2> Block7{};
    Bytes<44> Block8{};
};
template <class Io>
void fields(Io& io, ConnectionRecord& r) {
    io(r.Block1, r.Block2, r.Block3, r.Part1, r.Part2, r.Block4, r.Reals1, r.Reals2, r.Reals3, r.Block5, r.Block6,
       r.Text1, r.Block7, r.Block8);
}

struct DesignBlockData {
    BasePlatePreferences Preferences;
    std::int16_t EnvelopesPresent = 0;
    std::int16_t StatusFlag = 0;
    Table<BasePlateRecord> BasePlateData{"BasePlateData", Allocator::Object};
    Table<BasePlateEnvelopeRecord> BasePlateEnvelopes{"BasePlateEnvelopes", Allocator::Output};

    ConnectionPreferences Connection;
    std::int16_t ConnectionEnvelopesPresent = 0;
    std::int16_t ConnectionStatusFlag = 0;
    Table<ConnectionRecord> ConnectionData{"ConnectionData", Allocator::Object};
    Table<ConnectionEnvelopeRecord> ConnectionEnvelopes{"ConnectionEnvelopes", Allocator::Output};

    void Register(TableRegistry& reg, OutputRegistry& outputs) {
        reg.Add(BasePlateData);
        reg.Add(ConnectionData);
        outputs.Add(BasePlateEnvelopes);
        outputs.Add(ConnectionEnvelopes);
    }
};

}  // namespace kmd
