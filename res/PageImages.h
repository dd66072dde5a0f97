#pragma once
// The default page images. The pages draw white and pale yellow headings
// straight on the background, so both images stay dark: every pixel of the
// background must leave those headings a contrast of at least 4.5 to 1.
#include <QImage>

namespace corvane::res {

// A square of dark green card-table felt with faint pressed-in suits. Every
// shape wraps around the edges, so the page tiles it without seams.
QImage drawBackground();

// The 800 x 100 banner on the same felt, with a fan of cards and the name.
QImage drawBanner(const QImage& felt);

} // namespace corvane::res
