#include "store/TextLines.h"

#include "store/Utf8.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace corvane {
namespace {

// 0x80..0x9F of Windows-1252; the five bytes it leaves undefined keep their C1 code.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else if (byte < 0xA0) {
            utf8::append(out, windows1252High[byte - 0x80]);
        } else {
            utf8::append(out, byte);
        }
    }
    return out;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        return std::nullopt;
    }
    std::string contents;
    std::error_code noSize;
    const auto size = std::filesystem::file_size(path, noSize);
    if (!noSize) {
        contents.reserve(static_cast<std::size_t>(size));
    }
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        contents.append(buffer, n);
        if (n < sizeof buffer) {
            break;
        }
    }
    // Half a file read back would be saved back as the whole one.
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return contents;
}

} // namespace

bool forEachTextLine(const std::string& path,
                     const std::function<void(std::string_view line)>& onLine) {
    std::optional<std::string> raw = readWholeFile(path);
    if (!raw) {
        return false;
    }
    std::string text = utf8::isValid(*raw) ? std::move(*raw) : windows1252ToUtf8(*raw);
    std::string_view rest(text);
    // A byte order mark, as some Windows editors write, is not part of the first line.
    if (rest.starts_with("\xEF\xBB\xBF")) {
        rest.remove_prefix(3);
    }
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        onLine(line);
    }
    return true;
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path) {
    std::vector<std::string> lines;
    if (!forEachTextLine(path, [&](std::string_view line) { lines.emplace_back(line); })) {
        return std::nullopt;
    }
    return lines;
}

} // namespace corvane
