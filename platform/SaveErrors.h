#pragma once
// Shows a failed save as an "Error" message owned by the window at hand.
#include "store/SaveResult.h"

class QWidget;

namespace corvane::platform {

// Shows nothing and returns true when `result` is ok.
bool reportSave(QWidget* owner, const SaveResult& result);

} // namespace corvane::platform
