#include "dialogs/NameRules.h"

#include <algorithm>

namespace corvane::dialogs {

bool hasControlCharacter(const QString& name) {
    return std::any_of(name.begin(), name.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
    });
}

} // namespace corvane::dialogs
