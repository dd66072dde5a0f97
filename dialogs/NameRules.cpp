#include "dialogs/NameRules.h"

#include "store/NameRules.h"

namespace corvane::dialogs {

bool hasControlCharacter(const QString& name) {
    return corvane::hasControlCharacter(name.toStdString());
}

} // namespace corvane::dialogs
