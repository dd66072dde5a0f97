#pragma once
// Appending page markup: fixed text, names made safe for HTML, and numbers in
// the formats the pages show.
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Background of the n-th data row (1-based) of a report table.
std::string_view rowShade(int n);

// `text` with & < > " ' written as entities, so a name shows as typed and
// cannot change the markup around it, in text and attribute values alike.
void appendEscaped(std::string& out, std::string_view text);

// Numbers as the pages write them: "%d", and "%.1f" for the averages.
void appendNumber(std::string& out, std::int64_t value);
void appendOneDecimal(std::string& out, double value);

// A relative link to a page file of the tournament folder, as an attribute
// value: characters a browser would take as a URL escape or a fragment are
// percent-encoded, then the whole is escaped for HTML.
void appendLinkTarget(std::string& out, std::string_view pageFileName);

class PageText {
public:
    explicit PageText(std::string& out) : out_(out) {}

    // Text written as it stands.
    PageText& text(std::string_view s) {
        out_ += s;
        return *this;
    }
    // Text followed by one line break.
    PageText& line(std::string_view s) {
        out_ += s;
        out_ += '\n';
        return *this;
    }
    PageText& name(std::string_view s) {
        appendEscaped(out_, s);
        return *this;
    }
    PageText& link(std::string_view pageFileName) {
        appendLinkTarget(out_, pageFileName);
        return *this;
    }
    PageText& number(std::int64_t value) {
        appendNumber(out_, value);
        return *this;
    }
    PageText& oneDecimal(double value) {
        appendOneDecimal(out_, value);
        return *this;
    }

private:
    std::string& out_;
};

} // namespace corvane
