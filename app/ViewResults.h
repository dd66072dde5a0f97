#pragma once
class QWidget;

namespace corvane::app {

// Ends every running viewer, writes the reports (one "Error" message if a page
// failed) and starts one viewer on the leader board.
void viewResults(QWidget* owner);

} // namespace corvane::app
