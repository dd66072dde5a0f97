#pragma once
// Reading the numbers typed into the Game Results dialog.
#include "store/GameRules.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane::dialogs {

// A score field's text: empty reads as 0; otherwise only a whole number of
// decimal digits from 0 to maximumScore counts. Signs, blanks, other
// characters and numbers too large for any integer give nothing.
std::optional<std::int32_t> readScore(std::string_view text);

// A flags field's text as atoi reads it (leading blanks, a sign, the digits that
// follow; none gives 0), kept within the 32-bit range instead of wrapping.
std::int32_t readFlags(std::string_view text);

} // namespace corvane::dialogs
