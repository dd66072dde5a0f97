#pragma once
// One line in the main window while no earlier versions can be kept, said
// once there rather than in a box on every save.
class QDialog;

namespace corvane::app {

void addBackupsNotice(QDialog& window);

} // namespace corvane::app
