#include "legacy/labels.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace kmd {

void CheckItemArrays(const Reader& in, std::size_t recordStart, std::int32_t count,
                     const DynArray<std::int32_t>& first, std::string_view firstName,
                     const DynArray<std::int32_t>& second, std::string_view secondName) {
    if (count < 0) in.FailAt(recordStart, "negative item count " + std::to_string(count));
    for (auto [array, name] : {std::pair{&first, firstName}, std::pair{&second, secondName}})
        if (!array->Holds(1, count))
            in.FailAt(recordStart, std::string(name) + " lacks elements 1 to the item count " + std::to_string(count));
}

}  // namespace kmd
