// The design codes of the design families, by name. Names are compared
// exactly, case included.
#pragma once

#include <string>
#include <string_view>

namespace kmd {

// Steel frame design codes, in catalogue order.
inline constexpr std::string_view kSteelCodeNames[] = {
    "AISC-ASD01",         "AISC-ASD89",        "UBC97-ASD",       "API RP2A-WSD2000",   "AISC360-05/IBC2006",
    "AISC-LRFD99",        "AISC-LRFD93",       "UBC97-LRFD",      "API RP2A-LRFD 97",   "AASHTO Steel 04",
    "ASCE 10-97",         "CSA-S16-09",        "CAN/CSA-S16-01",  "CISC 95",            "BS5950 90",
    "BS5950 2000",        "EUROCODE 3-1993",   "Eurocode 3-2005", "Italian UNI 10011",  "Indian IS 800:2007",
    "Indian IS:800-1998", "Chinese 2010",
};
inline constexpr std::string_view kDefaultSteelCode = "AISC-LRFD93";

// Concrete frame design codes, in catalogue order.
inline constexpr std::string_view kConcreteCodeNames[] = {
    "ACI 318-08/IBC 2009", "ACI 318-05/IBC 2003", "ACI 318-02",         "ACI 318-99",      "UBC97",
    "AASHTO Concrete 97",  "KCI-1999",            "BS8110 89",          "BS8110 97",       "Singapore CP 65:99",
    "Hong Kong CP 04",     "EUROCODE 2-1992",     "Eurocode 2-2004",    "Italian DM 14-2-92", "CSA A23.3-04",
    "CSA-A23.3-94",        "Indian IS 456-2000",  "NZS 3101-95",        "Mexican RCDF 2001", "AS 3600-01",
    "Chinese 2010",
};
inline constexpr std::string_view kDefaultConcreteCode = "ACI 318-08/IBC 2009";

// Composite beam design codes, in catalogue order (all of them steel codes too).
inline constexpr std::string_view kCompositeCodeNames[] = {
    "AISC-ASD01", "AISC-ASD89", "AISC360-05/IBC2006", "AISC-LRFD99",        "AISC-LRFD93",
    "CISC 95",    "BS5950 90",  "Chinese 2010",       "Indian IS:800-1998",
};
inline constexpr std::string_view kDefaultCompositeCode = "AISC-LRFD93";

// Base plate and connection design: one code, and the default bolt type.
inline constexpr std::string_view kBasePlateCode = "AISC-LRFD2002";
inline constexpr std::string_view kDefaultBoltType = "A307 bolts";

// `name` when it is a steel frame design code, else the default steel code.
std::string NormaliseSteelCodeName(std::string_view name);
// `name` when it is a composite beam design code, else the default composite code.
std::string NormaliseCompositeCodeName(std::string_view name);
// `name` unless it is empty (listed or not), else the default concrete code.
std::string DefaultConcreteCodeName(std::string_view name);

}  // namespace kmd
