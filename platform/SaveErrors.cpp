#include "platform/SaveErrors.h"

#include "platform/Services.h"

namespace corvane::platform {

bool reportSave(QWidget* owner, const SaveResult& result) {
    if (result.ok()) {
        return true;
    }
    notify(owner, QString::fromStdString(result.message()), QStringLiteral("Error"));
    return false;
}

} // namespace corvane::platform
