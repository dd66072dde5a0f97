#pragma once
// What a player name may hold. The data files keep one record a line, so a
// name with a line break or another control character would break its file.
#include <string_view>

namespace corvane {

// True when the UTF-8 `name` holds a C0 control character, DEL, a C1 control
// character or one of the Unicode line and paragraph separators.
bool hasControlCharacter(std::string_view name);

// Whether `codePoint` is one of those characters.
bool isControlCharacter(long codePoint);

} // namespace corvane
