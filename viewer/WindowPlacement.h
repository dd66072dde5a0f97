#pragma once
// Where the results viewer opens: where the last one was, kept on the screen.
#include <QRect>
#include <optional>

namespace corvane::viewer {

// Wide enough for the 980-pixel standings table, the page's margins and a
// scroll bar, so the whole table shows without a sideways scroll bar.
inline constexpr QSize defaultViewerSize{1060, 860};
// Room left above the window for the title bar the desktop draws.
inline constexpr int titleBarAllowance = 32;

// The window's inner rectangle: `saved` (the last viewer's) or, without one, the
// default size centred, in either case made to fit `available` (the screen less
// its panels) with its title bar on the screen.
[[nodiscard]] QRect placeViewer(const std::optional<QRect>& saved, const QRect& available);

} // namespace corvane::viewer
