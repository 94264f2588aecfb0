#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace common::language {

// The language number of language.txt in the start folder: the number its first line begins
// with, rounded to a whole number (halves to the even neighbour). Nothing when there is no such
// file, it cannot be read, it is empty, or the number does not fit 16 bits: English stays then.
// A first line without a number gives 0.
std::optional<std::int16_t> readLanguageNumber(std::string_view startFolder);

}  // namespace common::language
