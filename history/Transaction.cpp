#include "history/Transaction.h"

#include "history/ChangeHistory.h"
#include "store/AtomicFile.h"
#include "store/FileSystem.h"
#include "store/RegularFile.h"

#include <algorithm>
#include <filesystem>

namespace corvane::history {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view changeKey = "CHANGE ";
constexpr std::string_view fileKey = "FILE ";
constexpr std::int64_t maxIntentBytes = 1 << 20;

CommitHook& hook() {
    static CommitHook installed;
    return installed;
}

void reach(CommitStep step) {
    if (hook()) {
        hook()(step);
    }
}

std::string fileNameOf(const std::string& path) {
    return os::utf8Of(os::pathOf(path).filename());
}

bool isDataFileName(std::string_view name) {
    return std::ranges::find(TournamentStore::dataFileNames, name) !=
           TournamentStore::dataFileNames.end();
}

// The staged file put over `path`, keeping the permissions `path` had.
SaveResult putInPlace(const std::string& path) {
    const std::string staged = TournamentStore::stagedPath(path);
    std::error_code error;
    const fs::file_status old = fs::status(os::pathOf(path), error);
    if (!error && fs::is_regular_file(old)) {
        fs::permissions(os::pathOf(staged), old.permissions(), error);
    }
    // Tried again for a while where another program holds the file open.
    const int failed = os::replaceFile(staged, path);
    return failed != 0 ? SaveResult::failure(path, os::errorText(failed)) : SaveResult::success();
}

std::string intentText(const std::vector<std::string>& staged, const JournalLine& line) {
    std::string text(changeKey);
    text += formatLine(line);
    text += '\n';
    for (const std::string& path : staged) {
        text += fileKey;
        text += fileNameOf(path);
        text += '\n';
    }
    return text;
}

struct Intent {
    JournalLine line;
    std::vector<std::string> files;
};

// The intent as written; nullopt for anything else (never a path outside the
// folder: only the data files' own names are taken).
std::optional<Intent> parseIntent(const std::string& text) {
    Intent intent;
    bool hasLine = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view row(text.data() + start, end - start);
        start = end + 1;
        if (row.starts_with(changeKey) && !hasLine) {
            hasLine = parseLine(row.substr(changeKey.size()), intent.line);
            if (!hasLine) {
                return std::nullopt;
            }
        } else if (row.starts_with(fileKey) && isDataFileName(row.substr(fileKey.size()))) {
            intent.files.emplace_back(row.substr(fileKey.size()));
        } else {
            return std::nullopt;
        }
    }
    return hasLine ? std::optional(std::move(intent)) : std::nullopt;
}

bool journalHas(const std::string& path, const JournalLine& line) {
    JournalReader reader;
    bool restarted = false;
    const std::vector<JournalLine> lines = reader.newLines(path, restarted);
    return std::ranges::any_of(lines, [&](const JournalLine& old) {
        return old.number == line.number && old.action == line.action && old.fields == line.fields;
    });
}

} // namespace

void setCommitHook(CommitHook installed) {
    hook() = std::move(installed);
}

void discardStaged(const std::vector<std::string>& staged) {
    for (const std::string& path : staged) {
        std::error_code ignored;
        fs::remove(os::pathOf(TournamentStore::stagedPath(path)), ignored);
    }
}

CommitResult commitStaged(TournamentStore& store, const std::vector<std::string>& staged,
                          const std::function<JournalLine(const KeptVersion&)>& journalLine) {
    CommitResult result;
    result.backedUp =
        keepVersion(store.tournamentPath(), TournamentStore::dataFileNames, &result.kept);
    reach(CommitStep::versionKept);
    const JournalLine line = journalLine(result.kept);
    const std::string intentPath = store.filePath(intentFileName);
    result.saved = writeFileAtomically(intentPath, intentText(staged, line));
    if (!result.saved.ok()) {
        discardStaged(staged);
        return result;
    }
    reach(CommitStep::decided);
    // Decided: each file is put in place, and a failure here is finished by
    // the next opening, which finds the intent still there.
    for (const std::string& path : staged) {
        if (SaveResult put = putInPlace(path); !put.ok() && result.saved.ok()) {
            result.saved = put;
        }
        store.noteReplaced(path);
        reach(CommitStep::fileReplaced);
    }
    if (!result.saved.ok()) {
        return result;
    }
    result.saved = syncFolderOf(intentPath);
    result.journaled = appendLine(journalPath(store), line);
    reach(CommitStep::journaled);
    std::error_code ignored;
    fs::remove(os::pathOf(intentPath), ignored);
    reach(CommitStep::finished);
    return result;
}

void finishInterruptedChange(const TournamentStore& store) {
    const std::string intentPath = store.filePath(intentFileName);
    std::string text;
    const ReadResult read = readRegularFile(intentPath, text, maxIntentBytes);
    std::vector<std::string> leftovers;
    for (std::string_view name : TournamentStore::dataFileNames) {
        leftovers.push_back(store.filePath(name));
    }
    if (read.refused() || !read.stamp().exists) {
        discardStaged(leftovers);
        return;
    }
    if (const std::optional<Intent> intent = parseIntent(text)) {
        for (const std::string& name : intent->files) {
            const std::string path = store.filePath(name);
            std::error_code error;
            if (fs::exists(
                    fs::symlink_status(os::pathOf(TournamentStore::stagedPath(path)), error))) {
                (void)putInPlace(path);
            }
        }
        (void)syncFolderOf(intentPath);
        if (!journalHas(journalPath(store), intent->line)) {
            (void)appendLine(journalPath(store), intent->line);
        }
    }
    discardStaged(leftovers);
    std::error_code ignored;
    fs::remove(os::pathOf(intentPath), ignored);
}

} // namespace corvane::history
