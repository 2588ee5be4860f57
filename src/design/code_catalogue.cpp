#include "design/code_catalogue.h"

#include <algorithm>
#include <iterator>

namespace kmd {

namespace {

template <std::size_t N>
std::string Listed(std::string_view name, const std::string_view (&codes)[N], std::string_view fallback) {
    return std::string(std::find(std::begin(codes), std::end(codes), name) != std::end(codes) ? name : fallback);
}

}  // namespace

std::string NormaliseSteelCodeName(std::string_view name) { return Listed(name, kSteelCodeNames, kDefaultSteelCode); }

std::string NormaliseCompositeCodeName(std::string_view name) {
    return Listed(name, kCompositeCodeNames, kDefaultCompositeCode);
}

std::string DefaultConcreteCodeName(std::string_view name) {
    return std::string(name.empty() ? kDefaultConcreteCode : name);
}

}  // namespace kmd
