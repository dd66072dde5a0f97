#include "platform/ViewerSelection.h"

#include "platform/ViewerArguments.h"

#include <filesystem>
#include <optional>

namespace corvane::platform {
namespace {

namespace fs = std::filesystem;

// `path` made absolute, links and dot folders followed, without a trailing separator,
// so that two spellings of one folder compare equal. Nothing if it cannot be resolved.
std::optional<fs::path> canonicalPath(const fs::path& path) {
    if (path.empty())
        return std::nullopt;
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(path, ec).lexically_normal();
    if (ec)
        return std::nullopt;
    return canonical.has_filename() ? canonical : canonical.parent_path();
}

// A path from a viewer's command line, which the viewer reads relative to its own folder;
// a relative path in an unknown folder resolves to nothing.
std::optional<fs::path> resolveFrom(const ViewerCommand& viewer, const std::string& path) {
    if (path.empty() || (fs::path(path).is_relative() && viewer.currentDirectory.empty()))
        return std::nullopt;
    return canonicalPath(fs::path(viewer.currentDirectory) / path);
}

bool isWorkingDirectory(const std::optional<fs::path>& folder,
                        const std::string& workingDirectory) {
    return folder && folder == canonicalPath(workingDirectory);
}

// The viewer's own reading of the command line, if it shows something at all.
std::optional<viewer::ViewerArguments> readArguments(const ViewerCommand& viewer) {
    viewer::ViewerArguments args = viewer::parseViewerArguments(viewer.arguments);
    if (!args.error.empty() || args.help || args.version || args.pdf)
        return std::nullopt;
    return args;
}

} // namespace

bool showsTournamentPage(const ViewerCommand& viewer, const std::string& workingDirectory) {
    const auto args = readArguments(viewer);
    if (!args || args->display)
        return false;
    const auto page = resolveFrom(viewer, args->page);
    if (!page)
        return false;
    // The page's folder is the tournament folder, and its parent the working directory.
    const fs::path tournamentFolder = page->parent_path();
    return tournamentFolder != tournamentFolder.root_path() &&
           isWorkingDirectory(tournamentFolder.parent_path(), workingDirectory);
}

bool isDisplayOf(const ViewerCommand& viewer, const std::string& workingDirectory) {
    const auto args = readArguments(viewer);
    return args && args->display &&
           isWorkingDirectory(resolveFrom(viewer, args->page), workingDirectory);
}

} // namespace corvane::platform
