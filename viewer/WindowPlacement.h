#pragma once
// Where the results viewer opens: where the last one of its working directory
// was, kept on the screen and clear of the other directories' viewers.
#include <QList>
#include <QRect>
#include <optional>

namespace corvane::viewer {

// Wide enough for the 980-pixel standings table, the page's margins and a
// scroll bar, so the whole table shows without a sideways scroll bar.
inline constexpr QSize defaultViewerSize{1060, 860};
// Room left above the window for the title bar the desktop draws.
inline constexpr int titleBarAllowance = 32;

// The window's inner rectangle: `saved` (the last viewer's) or, without one, the
// default size centred, in either case never narrower than the table where
// `available` (the screen less its panels) allows, made to fit it with its
// title bar on the screen, and moved down and right off any of `others` (where
// other viewers are) at the same place, so it never hides behind one.
[[nodiscard]] QRect placeViewer(const std::optional<QRect>& saved, const QRect& available,
                                const QList<QRect>& others = {});

// What is remembered of a viewer at `current`: placed at `placed` to fit the
// screen when `wanted` was asked for. Until the organiser changes the size, the
// size asked for is kept, not the one the screen forced.
[[nodiscard]] QRect rememberedPlacement(const QRect& current, const QRect& placed,
                                        const QSize& wanted);

// The projector display out of full screen: two thirds of `available` each way,
// centred, its title bar on the screen.
[[nodiscard]] QRect normalDisplayGeometry(const QRect& available);

} // namespace corvane::viewer
