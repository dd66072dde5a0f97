#include "history/Journal.h"

#include "store/FileSystem.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace corvane::history {

namespace {

constexpr char separator = '\t';
constexpr std::string_view checkMark = "#";

// FNV-1a of the line before its check field: a line torn by a crash, or
// changed by hand, no longer matches it.
std::string checkOf(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    char digits[9];
    const auto end = std::to_chars(digits, digits + 8, hash, 16).ptr;
    std::string check(checkMark);
    check.append(8 - static_cast<std::size_t>(end - digits), '0');
    check.append(digits, end);
    return check;
}

void appendEscaped(std::string& out, std::string_view field) {
    for (const char c : field) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
}

bool unescape(std::string_view field, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) {
            return false;
        }
        switch (field[i]) {
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            return false;
        }
    }
    return true;
}

// The journal is never reached through a link.
bool isLink(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_symlink(std::filesystem::symlink_status(os::pathOf(path), error));
}

constexpr const char* notPlainFile =
    "it is not a plain file (a link, a folder or a pipe stands in its place), so the change "
    "was made but not journaled. Move it away and the program starts a new journal";

// Writes all of `text`, or says why not.
int writeAll(os::FileHandle fd, std::string_view text) {
    while (!text.empty()) {
        const std::int64_t n = os::writeSome(fd, text);
        if (n < 0) {
            return os::lastError();
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

} // namespace

std::string localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    os::localTime(now, local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    // The offset from UTC is the local time taken as UTC, less now: strftime's
    // %z would do, but names the zone on Windows ("W. Europe Standard Time").
    constexpr long long secondsPerMinute = 60;
    constexpr long long minutesPerHour = 60;
    std::tm localAsUtc = local;
    const long long minutes =
        static_cast<long long>(std::difftime(os::fromUtcTime(localAsUtc), now)) / secondsPerMinute;
    char offset[48];
    std::snprintf(offset, sizeof offset, "%c%02lld:%02lld", minutes < 0 ? '-' : '+',
                  std::llabs(minutes) / minutesPerHour, std::llabs(minutes) % minutesPerHour);
    return std::string(text) + offset;
}

std::string formatLine(const JournalLine& line) {
    std::string out = line.time;
    out += separator;
    out += std::to_string(line.number);
    out += separator;
    out += line.action;
    for (const std::string& field : line.fields) {
        out += separator;
        appendEscaped(out, field);
    }
    const std::string check = checkOf(out);
    out += separator;
    out += check;
    return out;
}

bool parseLine(std::string_view text, JournalLine& line) {
    const std::size_t lastTab = text.rfind(separator);
    if (lastTab == std::string_view::npos ||
        text.substr(lastTab + 1) != checkOf(text.substr(0, lastTab))) {
        return false;
    }
    text = text.substr(0, lastTab);
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t tab = text.find(separator, start);
        parts.push_back(text.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            break;
        }
        start = tab + 1;
    }
    if (parts.size() < 3 || parts[0].empty() || parts[2].empty()) {
        return false;
    }
    const auto [end, error] =
        std::from_chars(parts[1].data(), parts[1].data() + parts[1].size(), line.number);
    if (error != std::errc{} || end != parts[1].data() + parts[1].size()) {
        return false;
    }
    line.time = parts[0];
    line.action = parts[2];
    line.fields.assign(parts.size() - 3, std::string());
    for (std::size_t i = 3; i < parts.size(); ++i) {
        if (!unescape(parts[i], line.fields[i - 3])) {
            return false;
        }
    }
    return true;
}

SaveResult appendLine(const std::string& path, const JournalLine& line) {
    // Never through a link, and never waiting on a pipe in the journal's place.
    if (isLink(path)) {
        return SaveResult::failure(path, notPlainFile);
    }
    const os::FileHandle fd = os::openForAppending(path);
    if (fd == os::noFile) {
        return SaveResult::failure(path, os::errorText(os::lastError()));
    }
    os::FileInfo info;
    if (!os::infoOf(fd, info) || info.kind != os::FileKind::regular) {
        (void)os::closeFile(fd);
        return SaveResult::failure(path, notPlainFile);
    }
    std::string text;
    // A line torn by a crash is ended first, so it costs only itself.
    char last = '\n';
    if (info.stamp.size > 0 && os::readAt(fd, &last, 1, info.stamp.size - 1) == 1 && last != '\n') {
        text += '\n';
    }
    text += formatLine(line);
    text += '\n';
    int error = writeAll(fd, text);
    if (error == 0) {
        error = os::syncFile(fd);
    }
    if (const int closed = os::closeFile(fd); closed != 0 && error == 0) {
        error = closed;
    }
    return error == 0 ? SaveResult::success() : SaveResult::failure(path, os::errorText(error));
}

std::vector<JournalLine> readJournal(const std::string& path, std::size_t& damaged) {
    JournalReader reader;
    bool restarted = false;
    std::vector<JournalLine> lines = reader.newLines(path, restarted);
    damaged = reader.damagedLines();
    return lines;
}

std::vector<JournalLine> JournalReader::newLines(const std::string& path, bool& restarted) {
    constexpr std::size_t tailBytes = 64;
    std::vector<JournalLine> lines;
    const os::FileHandle fd = isLink(path) ? os::noFile : os::openForReading(path);
    os::FileInfo info;
    const bool regular =
        fd != os::noFile && os::infoOf(fd, info) && info.kind == os::FileKind::regular;
    const std::uint64_t device = info.stamp.device;
    const std::uint64_t inode = info.stamp.inode;
    const std::int64_t size = regular ? info.stamp.size : 0;
    // Appended to since the last read: the same file, no shorter, the same end.
    std::string tail(tail_.size(), '\0');
    const bool appended = regular && path == path_ && device == device_ && inode == inode_ &&
                          size >= consumed_ &&
                          os::readAt(fd, tail.data(), tail.size(),
                                     consumed_ - static_cast<std::int64_t>(tail.size())) ==
                              static_cast<std::int64_t>(tail.size()) &&
                          tail == tail_;
    // More than the tail that is ever read: taken from its end, whole lines only.
    restarted = !appended || size - consumed_ > maxJournalRead;
    bool startsInLine = false;
    if (restarted) {
        *this = JournalReader{};
        path_ = path;
        device_ = device;
        inode_ = inode;
        startsInLine = size > maxJournalRead;
        consumed_ = std::max<std::int64_t>(size - maxJournalRead, 0);
    }
    std::string bytes(static_cast<std::size_t>(std::max<std::int64_t>(size - consumed_, 0)), '\0');
    const std::int64_t read =
        regular && !bytes.empty() ? os::readAt(fd, bytes.data(), bytes.size(), consumed_) : 0;
    if (fd != os::noFile) {
        (void)os::closeFile(fd);
    }
    bytes.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
    const std::size_t whole = bytes.rfind('\n');
    if (whole == std::string::npos) {
        return lines;
    }
    std::string_view rest(bytes.data(), whole + 1);
    if (startsInLine) {
        rest.remove_prefix(rest.find('\n') + 1);
    }
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view text = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        if (text.ends_with('\r')) {
            text.remove_suffix(1);
        }
        JournalLine line;
        if (!text.empty() && parseLine(text, line)) {
            lines.push_back(std::move(line));
        } else if (!text.empty()) {
            ++damaged_;
        }
    }
    consumed_ += static_cast<std::int64_t>(whole + 1);
    // The tail so far and what was taken are the bytes up to consumed_.
    tail_.append(bytes.data(), whole + 1);
    if (tail_.size() > tailBytes) {
        tail_.erase(0, tail_.size() - tailBytes);
    }
    return lines;
}

} // namespace corvane::history
