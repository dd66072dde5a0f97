#pragma once
// What a player name may hold. The data files keep one record a line, so a
// name with a line break or another control character would break its file.
#include <QString>

namespace corvane::dialogs {

// True when `name` holds a C0 control character, DEL, a C1 control character
// or one of the Unicode line and paragraph separators.
bool hasControlCharacter(const QString& name);

} // namespace corvane::dialogs
