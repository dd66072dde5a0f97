#pragma once
// Replacing a page file in one step.
#include "store/SaveResult.h"

#include <string>
#include <string_view>

namespace corvane {

// Writes `contents` to a new file beside `path` and renames it over `path`,
// so a reader sees the old page or the new one, never a part. On failure the
// old page stays and no temporary file remains. A page that already holds
// `contents` is left untouched: after a game most pages are unchanged.
//
// Unlike the data files, pages are not forced to disk one by one: every
// publish rebuilds them all from the data files, and a sync per page would
// make publishing a large tournament take many times as long.
SaveResult replacePage(const std::string& path, std::string_view contents);

// The same for a page built with "\n" line breaks, written as a text file of
// the system (CR LF on Windows).
SaveResult replaceTextPage(const std::string& path, const std::string& page);

} // namespace corvane
