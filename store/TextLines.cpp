#include "store/TextLines.h"

#include "store/RegularFile.h"
#include "store/Utf8.h"

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

// UTF-16 with its byte-order mark, as Windows Notepad saves "Unicode", turned
// into UTF-8; nothing when it does not decode (an odd byte or a lone surrogate).
std::optional<std::string> utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 3 >= bytes.size()) {
                return std::nullopt;
            }
            const char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) {
                return std::nullopt;
            }
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            return std::nullopt;
        }
        utf8::append(out, cp);
    }
    return out;
}

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16LittleMark = "\xFF\xFE";
constexpr std::string_view utf16BigMark = "\xFE\xFF";

} // namespace

ReadResult forEachTextLine(const std::string& path,
                           const std::function<void(std::string_view line)>& onLine) {
    std::string raw;
    ReadResult result = readRegularFile(path, raw, maxTextFileBytes);
    if (result.refused()) {
        return result;
    }
    std::string_view rest(raw);
    std::optional<std::string> decoded;
    if (rest.starts_with(utf16LittleMark) || rest.starts_with(utf16BigMark)) {
        decoded = utf16ToUtf8(rest.substr(2), rest.starts_with(utf16BigMark));
        if (!decoded) {
            return ReadResult::refused(path, "it is marked as UTF-16 but is not valid UTF-16 text");
        }
        rest = *decoded;
    }
    // A byte-order mark, as some Windows editors write, is not part of the first line.
    if (rest.starts_with(utf8Mark)) {
        rest.remove_prefix(utf8Mark.size());
    }
    // Decided line by line: one line added by another editor leaves the rest as they are.
    std::string converted;
    forEachLine(rest, [&](std::string_view line) {
        if (utf8::isValid(line)) {
            onLine(line);
        } else {
            converted = windows1252ToUtf8(line);
            onLine(converted);
        }
    });
    return result;
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path) {
    std::vector<std::string> lines;
    const ReadResult read =
        forEachTextLine(path, [&](std::string_view line) { lines.emplace_back(line); });
    if (read.refused() || !read.stamp().exists) {
        return std::nullopt;
    }
    return lines;
}

} // namespace corvane
