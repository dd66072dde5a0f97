#pragma once
// Names are UTF-8 text compared without regard to letter case over all of
// Unicode, the same on every machine whatever its locale.
#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// The case-folded form of a name: equal folds mean equal names. Bytes that are
// not well-formed UTF-8 are kept as they are, so they compare as themselves.
std::string foldName(std::string_view name);
bool namesEqual(std::string_view a, std::string_view b);

// A hash of the folded form, without building it: equal names hash equally.
std::size_t foldedHash(std::string_view name);

} // namespace corvane
