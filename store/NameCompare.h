#pragma once
// Names are UTF-8 text compared without regard to letter case over all of
// Unicode, the same on every machine whatever its locale.
#include <string>
#include <string_view>

namespace corvane {

// The case-folded form of a name: equal folds mean equal names.
std::string foldName(std::string_view name);
bool namesEqual(std::string_view a, std::string_view b);

} // namespace corvane
