#include "legacy/steel_overwrites.h"

#include <span>
#include <string_view>
#include <utility>

#include "fileformat/packed_fields.h"

namespace kmd {

namespace {

using O = PackedFills<kSteelOverwriteFields>;

// Current fields | legacy block bytes, as the layouts' tables list them. The
// fields Short1 to Short3 and the lists are zero or absent in the plain blocks.

constexpr FieldFill kSteelOverwriteA[] = {
    O::Move("Word1", 0, 3),
    O::Move("Word2", "Word3", 20, 27),
    O::Move("Int1", "Real3", 4, 19),
    O::Move("Real19", 84, 91),
    O::Move("Real20", "Real21", 44, 59),
    O::Move("Real23", "Real24", 28, 43),
    O::Move("Real28", "Real30", 60, 83),
    O::Move("Real31", "Real34", 92, 123),
    O::Move("Word20", "Word21", 180, 187),
    O::Move("Word22", "Word25", 140, 155),
    O::Move("Word26", "Word29", 124, 139),
    O::Move("Word30", "Word31", 172, 179),
    O::Move("Word32", "Word35", 156, 171),
    O::Move("Real47", 188, 195),
};
static_assert(FillsAreExact(kSteelOverwriteA, {196}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteB[] = {
    O::Move("Word1", "Word3", 0, 11),
    O::Move("Int1", "Real3", 12, 27),
    O::Move("Int12", "Real11", 196, 231),
    O::Move("Real13", "Real16", 232, 263),
    O::Constant("Int13", 1),
    O::Move("Word12", "Word13", 266, 273),
    O::Move("Real19", 84, 91),
    O::Move("Real20", "Real21", 44, 59),
    O::Move("Real23", "Real24", 28, 43),
    O::Move("Real28", "Real30", 60, 83),
    O::Move("Real31", "Real34", 92, 123),
    O::Move("Word20", "Word21", 180, 187),
    O::Move("Word22", "Word25", 140, 155),
    O::Move("Word26", "Word29", 124, 139),
    O::Move("Word30", "Word31", 172, 179),
    O::Move("Word32", "Word35", 156, 171),
    O::Move("Real47", 188, 195),
    O::Dropped(264, 265),
};
static_assert(FillsAreExact(kSteelOverwriteB, {274}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteC[] = {
    O::Move("Word1", "Word3", 0, 11),
    O::Move("Int1", "Real3", 12, 27),
    O::Move("Int12", "Real11", 276, 311),
    O::Move("Real13", "Real16", 312, 343),
    O::Constant("Int13", 1),
    O::Move("Word12", "Word13", 346, 353),
    O::Move("Real19", 84, 91),
    O::Move("Real20", "Real21", 44, 59),
    O::Move("Real23", "Real24", 28, 43),
    O::Move("Real28", "Real30", 60, 83),
    O::Move("Real31", "Real34", 92, 123),
    O::Move("Real35", "Real36", 140, 155),
    O::Move("Real39", "Real40", 156, 171),
    O::Move("Real41", "Real42", 124, 139),
    O::Move("Real43", "Real44", 172, 187),
    O::Move("Word20", "Word21", 244, 251),
    O::Move("Word22", "Word25", 204, 219),
    O::Move("Word26", "Word29", 188, 203),
    O::Move("Word30", "Word31", 236, 243),
    O::Move("Word32", "Word35", 220, 235),
    O::Move("Word40", "Word43", 252, 267),
    O::Move("Real47", 268, 275),
    O::Dropped(344, 345),
};
static_assert(FillsAreExact(kSteelOverwriteC, {354}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteD[] = {
    O::Move("Word1", "Word3", 0, 11),
    O::Move("Int1", "Real3", 12, 27),
    O::Flag("Int5", 124, 125, -2, -1),
    O::Flag("Int6", 126, 127, -2, -1),
    O::Move("Int12", "Real11", 306, 341),
    O::Move("Real13", "Real16", 342, 373),
    O::Flag("Int13", 374, 375, 2, 1),
    O::Move("Word12", "Word13", 376, 383),
    O::Move("Real18", 128, 135),
    O::Move("Real19", 84, 91),
    O::Move("Real20", "Real21", 44, 59),
    O::Move("Real23", "Real24", 28, 43),
    O::Move("Real28", "Real30", 60, 83),
    O::Move("Real31", "Real34", 92, 123),
    O::Move("Real35", "Real36", 168, 183),
    O::Move("Real37", "Real38", 136, 151),
    O::Move("Real39", "Real40", 184, 199),
    O::Move("Real41", "Real42", 152, 167),
    O::Move("Real43", "Real44", 200, 215),
    O::Move("Word20", "Word21", 272, 279),
    O::Move("Word22", "Word25", 232, 247),
    O::Move("Word26", "Word29", 216, 231),
    O::Move("Word30", "Word31", 264, 271),
    O::Move("Word32", "Word35", 248, 263),
    O::Move("Word40", "Word43", 280, 295),
    O::Flag("Int17", 296, 297, -2, -1),
    O::Move("Real47", 298, 305),
};
static_assert(FillsAreExact(kSteelOverwriteD, {384}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteE[] = {
    O::Move("Word1", "Word3", 0, 11),
    O::Move("Int1", "Real3", 12, 27),
    O::Move("Real6", 28, 35),
    O::Move("Int5", "Int6", 228, 235),
    O::Move("Int12", "Real16", 36, 111),
    O::Move("Int13", "Word13", 120, 131),
    O::Move("Real18", 236, 243),
    O::Move("Real19", 132, 139),
    O::Move("Real20", "Real21", 156, 171),
    O::Move("Real23", "Real24", 140, 155),
    O::Move("Real28", "Real34", 172, 227),
    O::Move("Real35", "Real36", 276, 291),
    O::Move("Real37", "Real38", 244, 259),
    O::Move("Real39", "Real40", 292, 307),
    O::Move("Real41", "Real42", 260, 275),
    O::Move("Real43", "Real44", 308, 323),
    O::Move("Word20", "Word21", 324, 331),
    O::Move("Word22", "Word29", 332, 363),
    O::Move("Word30", "Word31", 380, 387),
    O::Move("Word32", "Word35", 364, 379),
    O::Move("Word40", "Real47", 388, 415),
    O::Dropped(112, 119),
};
static_assert(FillsAreExact(kSteelOverwriteE, {416}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteF[] = {
    O::Move("Word1", "Word3", 0, 11),
    O::Move("Int1", "Int2", 12, 19),
    O::Move("Real3", 24, 31),
    O::Move("Int4", 20, 23),
    O::Move("Real6", 32, 39),
    O::Move("Int5", "Int7", 232, 243),
    O::Move("Int12", "Real16", 40, 115),
    O::Move("Int13", "Word13", 124, 135),
    O::Move("Real18", 244, 251),
    O::Move("Real19", 136, 143),
    O::Move("Real20", "Real21", 160, 175),
    O::Move("Real23", "Real24", 144, 159),
    O::Move("Real28", "Real34", 176, 231),
    O::Move("Real35", "Real36", 284, 299),
    O::Move("Real37", "Real38", 252, 267),
    O::Move("Real39", "Real40", 300, 315),
    O::Move("Real41", "Real42", 268, 283),
    O::Move("Real43", "Real44", 316, 331),
    O::Move("Word20", "Word21", 332, 339),
    O::Move("Word22", "Word29", 340, 371),
    O::Move("Word30", "Word31", 388, 395),
    O::Move("Word32", "Word35", 372, 387),
    O::Move("Word40", "Real47", 396, 423),
    O::Dropped(116, 123),
};
static_assert(FillsAreExact(kSteelOverwriteF, {424}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteG[] = {
    O::Move("Word1", "Word3", 0, 11),
    O::Move("Int1", "Int2", 12, 19),
    O::Move("Real3", 24, 31),
    O::Move("Int4", 20, 23),
    O::Move("Real6", 32, 39),
    O::Move("Int5", "Int7", 236, 247),
    O::Move("Int8", 232, 235),
    O::Move("Int12", "Real16", 40, 115),
    O::Move("Int13", "Word13", 124, 135),
    O::Move("Real18", 248, 255),
    O::Move("Real19", 136, 143),
    O::Move("Real20", "Real21", 160, 175),
    O::Move("Real23", "Real24", 144, 159),
    O::Move("Real28", "Real34", 176, 231),
    O::Move("Real35", "Real36", 288, 303),
    O::Move("Real37", "Real38", 256, 271),
    O::Move("Real39", "Real40", 304, 319),
    O::Move("Real41", "Real42", 272, 287),
    O::Move("Real43", "Real44", 320, 335),
    O::Move("Word20", "Word21", 336, 343),
    O::Move("Word22", "Word29", 344, 375),
    O::Move("Word30", "Word31", 392, 399),
    O::Move("Word32", "Word35", 376, 391),
    O::Move("Word40", "Real47", 400, 427),
    O::Dropped(116, 123),
};
static_assert(FillsAreExact(kSteelOverwriteG, {428}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteH[] = {
    O::Move("Word1", "Word3", 0, 11),
    O::Move("Int1", "Int2", 12, 19),
    O::Move("Real3", "Real4", 24, 39),
    O::Move("Int4", 20, 23),
    O::Move("Real6", 40, 47),
    O::Move("Int5", "Int7", 244, 255),
    O::Move("Int8", 240, 243),
    O::Move("Int12", "Real16", 48, 123),
    O::Move("Int13", "Word13", 132, 143),
    O::Move("Real18", 256, 263),
    O::Move("Real19", 144, 151),
    O::Move("Real20", "Real21", 168, 183),
    O::Move("Real23", "Real24", 152, 167),
    O::Move("Real28", "Real34", 184, 239),
    O::Move("Real35", "Real36", 296, 311),
    O::Move("Real37", "Real38", 264, 279),
    O::Move("Real39", "Real40", 312, 327),
    O::Move("Real41", "Real42", 280, 295),
    O::Move("Real43", "Real44", 328, 343),
    O::Move("Word20", "Word21", 344, 351),
    O::Move("Word22", "Word29", 352, 383),
    O::Move("Word30", "Word31", 400, 407),
    O::Move("Word32", "Word35", 384, 399),
    O::Move("Word40", "Real47", 408, 435),
    O::Dropped(124, 131),
};
static_assert(FillsAreExact(kSteelOverwriteH, {436}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteI[] = {
    O::Move("Word1", "Word3", 0, 11),
    O::Move("Int1", "Int2", 12, 19),
    O::Move("Real3", "Real4", 24, 39),
    O::Move("Int4", 20, 23),
    O::Move("Real6", 40, 47),
    O::Move("Int5", "Int7", 260, 271),
    O::Move("Int8", 256, 259),
    O::Move("Int12", "Word13", 48, 143),
    O::Move("Real18", 272, 279),
    O::Move("Real19", 144, 151),
    O::Move("Real20", "Real22", 176, 199),
    O::Move("Real23", "Real24", 152, 167),
    O::Move("Real27", 168, 175),
    O::Move("Real28", "Real34", 200, 255),
    O::Move("Real35", "Real36", 312, 327),
    O::Move("Real37", "Real38", 280, 295),
    O::Move("Real39", "Real40", 328, 343),
    O::Move("Real41", "Real42", 296, 311),
    O::Move("Real43", "Real44", 344, 359),
    O::Move("Word20", "Word21", 360, 367),
    O::Move("Word22", "Word29", 368, 399),
    O::Move("Word30", "Word31", 416, 423),
    O::Move("Word32", "Word35", 400, 415),
    O::Move("Word36", "Word39", 440, 455),
    O::Move("Word40", "Word43", 424, 439),
    O::Move("Int17", "Real47", 456, 467),
};
static_assert(FillsAreExact(kSteelOverwriteI, {468}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteJ[] = {
    O::Move("Word1", "Word9", 0, 35),
    O::Move("Int1", "Int2", 36, 43),
    O::Move("Real3", "Real4", 48, 63),
    O::Move("Int4", 44, 47),
    O::Move("Real6", 64, 71),
    O::Move("Int5", "Int7", 284, 295),
    O::Move("Int8", 280, 283),
    O::Move("Int12", "Word13", 72, 167),
    O::Move("Real18", 296, 303),
    O::Move("Real19", 168, 175),
    O::Move("Real20", "Real22", 200, 223),
    O::Move("Real23", "Real24", 176, 191),
    O::Move("Real27", 192, 199),
    O::Move("Real28", "Real34", 224, 279),
    O::Move("Real35", "Real36", 336, 351),
    O::Move("Real37", "Real38", 304, 319),
    O::Move("Real39", "Real40", 352, 367),
    O::Move("Real41", "Real42", 320, 335),
    O::Move("Real43", "Real44", 368, 383),
    O::Move("Word20", "Word21", 384, 391),
    O::Move("Word22", "Word29", 392, 423),
    O::Move("Word30", "Word31", 440, 447),
    O::Move("Word32", "Word35", 424, 439),
    O::Move("Word36", "Word39", 464, 479),
    O::Move("Word40", "Word43", 448, 463),
    O::Move("Int17", "Real47", 480, 491),
};
static_assert(FillsAreExact(kSteelOverwriteJ, {492}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteK[] = {
    O::Move("Word1", "Word9", 0, 35),
    O::Move("Int1", "Int2", 36, 43),
    O::Move("Real3", "Real4", 80, 95),
    O::Move("Int4", "Real6", 44, 55),
    O::Move("Int5", "Int10", 56, 79),
    O::Move("Int11", "Word13", 96, 195),
    O::Move("Real18", 204, 211),
    O::Move("Real19", 196, 203),
    O::Move("Real20", "Real24", 212, 251),
    O::Move("Real27", "Real44", 252, 395),
    O::Move("Word20", "Real45", 396, 411),
    O::Move("Word22", "Real47", 412, 511),
};
static_assert(FillsAreExact(kSteelOverwriteK, {512}, kSteelOverwriteFields, false));

constexpr FieldFill kSteelOverwriteL[] = {
    O::Move("Word1", "Word9", 0, 35),
    O::Move("Int1", "Int2", 36, 43),
    O::Move("Real3", "Real4", 84, 99),
    O::Move("Int3", "Real6", 44, 59),
    O::Move("Int5", "Int10", 60, 83),
    O::Move("Int11", "Word13", 100, 199),
    O::Move("Real18", 208, 215),
    O::Move("Real19", 200, 207),
    O::Move("Real20", "Real24", 216, 255),
    O::Move("Real27", "Real44", 256, 399),
    O::Move("Word20", "Real45", 400, 415),
    O::Move("Word22", "Real47", 416, 515),
};
static_assert(FillsAreExact(kSteelOverwriteL, {516}, kSteelOverwriteFields, false));

// The three newest layouts: leading bytes (part 0) and trailing bytes (part 1).
consteval FieldFill Lead(std::string_view first, std::string_view last, std::size_t from, std::size_t to) {
    return O::Move(first, last, from, to, 0);
}
consteval FieldFill Trail(std::string_view first, std::string_view last, std::size_t from, std::size_t to) {
    return O::Move(first, last, from, to, 1);
}

constexpr FieldFill kSteelOverwriteM[] = {
    Lead("Word1", "Word9", 0, 35),
    Lead("Int1", "Real4", 36, 59),
    Lead("Int3", "Real6", 60, 75),
    Lead("Int5", "Short1", 76, 221),
    Trail("Real20", "Real44", 0, 199),
    Trail("Word18", "Real45", 200, 231),
    Trail("Word22", "Real48", 232, 339),
    O::Zero("Real1", "Real2"),
    O::Zero("Word10", "Word11"),
    O::Zero("Real5"),
    O::Zero("Real7"),
    O::Zero("Word14", "Word17"),
    O::Zero("Real46"),
};
static_assert(FillsAreExact(kSteelOverwriteM, {222, 340}, kSteelOverwriteFields, true));

constexpr FieldFill kSteelOverwriteN[] = {
    Lead("Word1", "Real4", 0, 83),
    Lead("Int3", "Real6", 84, 99),
    Lead("Int5", "Short1", 100, 245),
    Trail("Real20", "Real44", 0, 199),
    Trail("Word18", "Real45", 200, 231),
    Trail("Word22", "Real48", 232, 339),
    O::Zero("Real5"),
    O::Zero("Real7"),
    O::Zero("Word14", "Word17"),
    O::Zero("Real46"),
};
static_assert(FillsAreExact(kSteelOverwriteN, {246, 340}, kSteelOverwriteFields, true));

constexpr FieldFill kSteelOverwriteO[] = {
    Lead("Word1", "Real4", 0, 83),
    Lead("Int3", "Short1", 84, 253),
    Trail("Real20", "Real27", 0, 63),
    Trail("Real28", "Real44", 80, 215),
    Trail("Word14", "Word17", 64, 79),
    Trail("Word18", "Real45", 216, 247),
    Trail("Word22", "Real48", 248, 355),
    O::Zero("Real5"),
    O::Zero("Real46"),
};
static_assert(FillsAreExact(kSteelOverwriteO, {254, 356}, kSteelOverwriteFields, true));

template <std::size_t N>
SteelOverwriteRecord Moved(const SteelOverwriteBlock<N>& legacy, std::span<const FieldFill> fills) {
    SteelOverwriteRecord r;
    ApplyFills(fills, {legacy.Block}, {r.Leading, r.Trailing});
    return r;
}

template <std::size_t Lead, std::size_t Trail>
SteelOverwriteRecord Moved(SteelOverwriteParts<Lead, Trail>& legacy, std::span<const FieldFill> fills) {
    SteelOverwriteRecord r;
    ApplyFills(fills, {legacy.Leading, legacy.Trailing}, {r.Leading, r.Trailing});
    r.Lists = std::move(legacy.Lists);
    return r;
}

}  // namespace

SteelOverwriteRecord ImportSteelOverwriteA(SteelOverwriteA&& a) { return Moved(a, kSteelOverwriteA); }
SteelOverwriteRecord ImportSteelOverwriteB(SteelOverwriteB&& b) { return Moved(b, kSteelOverwriteB); }
SteelOverwriteRecord ImportSteelOverwriteC(SteelOverwriteC&& c) { return Moved(c, kSteelOverwriteC); }
SteelOverwriteRecord ImportSteelOverwriteD(SteelOverwriteD&& d) { return Moved(d, kSteelOverwriteD); }
SteelOverwriteRecord ImportSteelOverwriteE(SteelOverwriteE&& e) { return Moved(e, kSteelOverwriteE); }
SteelOverwriteRecord ImportSteelOverwriteF(SteelOverwriteF&& f) { return Moved(f, kSteelOverwriteF); }
SteelOverwriteRecord ImportSteelOverwriteG(SteelOverwriteG&& g) { return Moved(g, kSteelOverwriteG); }
SteelOverwriteRecord ImportSteelOverwriteH(SteelOverwriteH&& h) { return Moved(h, kSteelOverwriteH); }
SteelOverwriteRecord ImportSteelOverwriteI(SteelOverwriteI&& i) { return Moved(i, kSteelOverwriteI); }
SteelOverwriteRecord ImportSteelOverwriteJ(SteelOverwriteJ&& j) { return Moved(j, kSteelOverwriteJ); }
SteelOverwriteRecord ImportSteelOverwriteK(SteelOverwriteK&& k) { return Moved(k, kSteelOverwriteK); }
SteelOverwriteRecord ImportSteelOverwriteL(SteelOverwriteL&& l) { return Moved(l, kSteelOverwriteL); }
SteelOverwriteRecord ImportSteelOverwriteM(SteelOverwriteM&& m) { return Moved(m, kSteelOverwriteM); }
SteelOverwriteRecord ImportSteelOverwriteN(SteelOverwriteN&& n) { return Moved(n, kSteelOverwriteN); }
SteelOverwriteRecord ImportSteelOverwriteO(SteelOverwriteO&& o) { return Moved(o, kSteelOverwriteO); }

}  // namespace kmd
