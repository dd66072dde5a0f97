#pragma once
// What a player name may hold, for names typed into the windows: the store's
// own rule (store/NameRules.h).
#include <QString>

namespace corvane::dialogs {

// True when `name` holds a C0 control character, DEL, a C1 control character
// or one of the Unicode line and paragraph separators.
bool hasControlCharacter(const QString& name);

} // namespace corvane::dialogs
