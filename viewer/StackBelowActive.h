#pragma once
// A window shown without the focus goes just below the window that has it, so
// the organiser's dialog stays in sight as well as in use.
class QWidget;

namespace corvane::viewer {

// Once `window` is first on screen, and only if another window is active, asks
// the window manager to put it just below that one. Desktops that already do so
// for a window shown without the focus are asked nothing they would not do;
// where there is no X11 window manager nothing is asked.
void stackBelowActiveWhenShown(QWidget& window);

} // namespace corvane::viewer
