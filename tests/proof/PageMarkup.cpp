#include "PageMarkup.h"

#include <cstdlib>

namespace corvane::proof {
namespace {

std::string decodeEntities(std::string_view text) {
    static const std::pair<std::string_view, std::string_view> entities[] = {
        {"&amp;", "&"}, {"&lt;", "<"},   {"&gt;", ">"},    {"&quot;", "\""},
        {"&#39;", "'"}, {"&nbsp;", " "}, {"\xC2\xA0", " "}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [entity, plain] : entities) {
            if (text.substr(i).starts_with(entity)) {
                out += plain;
                i += entity.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            out += text[i++];
        }
    }
    return out;
}

std::string visibleText(std::string_view html) {
    std::string text;
    bool inTag = false;
    for (const char c : html) {
        if (c == '<' || c == '>') {
            inTag = c == '<';
        } else if (!inTag) {
            text += c;
        }
    }
    text = decodeEntities(text);
    const auto first = text.find_first_not_of(" \n\t");
    const auto last = text.find_last_not_of(" \n\t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// The inner markup of each <name ...>...</name> in `html`, not nested.
std::vector<std::string_view> elements(std::string_view html, std::string_view name) {
    const std::string open = "<" + std::string(name);
    const std::string close = "</" + std::string(name) + ">";
    std::vector<std::string_view> found;
    for (auto at = html.find(open); at != std::string_view::npos; at = html.find(open, at)) {
        const auto start = html.find('>', at);
        const auto end = html.find(close, start);
        if (start == std::string_view::npos || end == std::string_view::npos) {
            break;
        }
        found.push_back(html.substr(start + 1, end - start - 1));
        at = end + close.size();
    }
    return found;
}

void collectQuoted(std::string_view dom, std::string_view attribute,
                   std::vector<std::string>& out) {
    for (auto at = dom.find(attribute); at != std::string_view::npos;
         at = dom.find(attribute, at + 1)) {
        const auto start = at + attribute.size();
        const auto end = dom.find('"', start);
        if (end != std::string_view::npos) {
            out.emplace_back(dom.substr(start, end - start));
        }
    }
}

} // namespace

std::vector<std::vector<std::string>> tableRows(std::string_view dom) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string_view row : elements(dom, "tr")) {
        std::vector<std::string> cells;
        for (const std::string_view cell : elements(row, "td")) {
            cells.push_back(visibleText(cell));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::vector<std::string> referencedFiles(std::string_view dom) {
    std::vector<std::string> files;
    collectQuoted(dom, " src=\"", files);
    collectQuoted(dom, " href=\"", files);
    for (auto at = dom.find("url("); at != std::string_view::npos; at = dom.find("url(", at + 1)) {
        const auto end = dom.find(')', at);
        std::string_view inner = dom.substr(at + 4, end - at - 4);
        if (inner.size() >= 2 && (inner.front() == '"' || inner.front() == '\'')) {
            inner = inner.substr(1, inner.size() - 2);
        }
        files.emplace_back(inner);
    }
    return files;
}

std::string decodeLink(std::string_view link) {
    const std::string plain = decodeEntities(link);
    std::string out;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (plain[i] == '%' && i + 2 < plain.size()) {
            out += static_cast<char>(std::strtol(plain.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            out += plain[i];
        }
    }
    return out;
}

} // namespace corvane::proof
