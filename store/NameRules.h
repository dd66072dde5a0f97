#pragma once
// What a player name may hold. The data files keep one record a line, so a
// name with a line break or another control character would break its file.
#include <string>
#include <string_view>

namespace corvane {

// True when the UTF-8 `name` holds a C0 control character, DEL, a C1 control
// character or one of the Unicode line and paragraph separators.
bool hasControlCharacter(std::string_view name);

// Whether `codePoint` is one of those characters.
bool isControlCharacter(long codePoint);

// Appends the UTF-8 `text` to `out` with each of those characters as one
// blank: a name read from a file, where a tab or a stray control character
// would otherwise reach the records and the files written from them.
void appendBlankingControls(std::string& out, std::string_view text);

} // namespace corvane
