#pragma once
// The application icon, shared by the program and its results viewer.
#include <QIcon>

namespace corvane::res {

// The icon at every size it is drawn in (16 to 256 pixels), from ":/icons/".
QIcon applicationIcon();

} // namespace corvane::res
